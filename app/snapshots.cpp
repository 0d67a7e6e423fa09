// Renders every window of the tutor to PNG files on the offscreen platform,
// for machines without a display and for the README's pictures.

#include "controls.h"
#include "form.h"
#include "program.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

namespace {

// Answers every input box with a reply that is a valid radix, an even task
// count and (for the answers) simply a number; message boxes are noted only.
class QuietDialogs final : public radixon::Dialogs {
public:
    QString inputBox(const QString&, const QString&) override { return QStringLiteral("2"); }
    void msgBox(const QString&, radixon::MsgStyle, const QString&) override {}
};

void click(radixon::Form& form, const char* name)
{
    if (auto* button = form.findChild<QAbstractButton*>(QString::fromUtf8(name)))
        button->click();
}

void trigger(radixon::Form& form, const char* name)
{
    if (auto* action = form.findChild<QAction*>(QString::fromUtf8(name)))
        action->trigger();
}

bool save(radixon::Form& form, const QDir& dir, const QString& file)
{
    QApplication::processEvents();
    const QString path = dir.filePath(file);
    const bool ok = form.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(QDir::toNativeSeparators(path)));
    return ok;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    radixon::setupApplication(app);

    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    QDir().mkpath(dir.path());

    QuietDialogs dialogs;
    radixon::ClockRandom random;
    radixon::Program program(dialogs, random, {});
    program.start();
    using radixon::FormId;
    auto& forms = program.forms;
    bool ok = save(forms.form(FormId::Form1), dir, QStringLiteral("form1.png"));

    trigger(forms.form(FormId::Form1), "Инструкци");
    ok &= save(forms.form(FormId::Form1), dir, QStringLiteral("form1-instruction.png"));
    trigger(forms.form(FormId::Form1), "программа");
    ok &= save(forms.form(FormId::Form1), dir, QStringLiteral("form1-about.png"));
    trigger(forms.form(FormId::Form1), "регистрац");

    click(forms.form(FormId::Form1), "Далее");
    click(forms.form(FormId::Form2), "Ввод_числа");
    click(forms.form(FormId::Form2), "Показать_решение");
    ok &= save(forms.form(FormId::Form2), dir, QStringLiteral("form2.png"));
    click(forms.form(FormId::Form2), "Выход");

    click(forms.form(FormId::Form1), "PEREVOD_V10");
    click(forms.form(FormId::Form3), "Ввод_числа");
    click(forms.form(FormId::Form3), "Показать_решение");
    ok &= save(forms.form(FormId::Form3), dir, QStringLiteral("form3.png"));
    click(forms.form(FormId::Form3), "Назад");

    click(forms.form(FormId::Form1), "TESTIROVAN");
    click(forms.form(FormId::Form4), "Command3");
    click(forms.form(FormId::Form4), "Ввод_числа");
    click(forms.form(FormId::Form4), "Ввод_ответа");
    click(forms.form(FormId::Form4), "Command2");
    ok &= save(forms.form(FormId::Form4), dir, QStringLiteral("form4.png"));
    return ok ? 0 : 1;
}
