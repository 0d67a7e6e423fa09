#include "program_fixture.h"

#include "print_area.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>

namespace radixon::testing {

namespace {
template <class T>
T* findNamed(Form& form, const char* name)
{
    T* found = form.findChild<T*>(QString::fromUtf8(name));
    if (!found)
        ADD_FAILURE() << form.objectName().toStdString() << " has no control " << name;
    return found;
}
}  // namespace

ProgramFixture::ProgramFixture() : program(dialogs, random, [this] { ++ends; })
{
    program.start();
}

bool ProgramFixture::visible(FormId id) const
{
    const Form* window = program.forms.created(id);
    return window && window->isVisible();
}

void ProgramFixture::click(FormId id, const char* name)
{
    QAbstractButton* target = button(id, name);
    ASSERT_NE(target, nullptr);
    ASSERT_TRUE(target->isVisibleTo(&form(id))) << name << " is hidden";
    target->click();
}

void ProgramFixture::trigger(FormId id, const char* name)
{
    QAction* action = findNamed<QAction>(form(id), name);
    ASSERT_NE(action, nullptr);
    action->trigger();
}

QAbstractButton* ProgramFixture::button(FormId id, const char* name)
{
    return findNamed<QAbstractButton>(form(id), name);
}

QLineEdit* ProgramFixture::textBox(FormId id, const char* name)
{
    return findNamed<QLineEdit>(form(id), name);
}

QLabel* ProgramFixture::label(FormId id, const char* name)
{
    return findNamed<QLabel>(form(id), name);
}

PrintArea* ProgramFixture::printArea(FormId id, const char* name)
{
    return findNamed<PrintArea>(form(id), name);
}

QString ProgramFixture::accessibleValue(FormId id, const char* name)
{
    PrintArea* area = printArea(id, name);
    if (!area)
        return QString();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(area);
    if (!accessible) {
        ADD_FAILURE() << name << " has no accessible interface";
        return QString();
    }
    return accessible->text(QAccessible::Value);
}

QString ProgramFixture::saveGrab(FormId id, const QString& file)
{
    QApplication::processEvents();
    const QDir dir(QStringLiteral(RADIXON_SCREENSHOT_DIR));
    QDir().mkpath(dir.path());
    const QString path = dir.filePath(file);
    EXPECT_TRUE(form(id).grab().save(path)) << path.toStdString();
    return path;
}

void ProgramFixture::nextNumber(int number, int span, int base)
{
    random.set({SequenceRandom::drawing(number, span, base)});
}

}  // namespace radixon::testing
