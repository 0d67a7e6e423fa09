// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_driver.h"

#include "print_area.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>

namespace radixon::testing {

ProgramDriver::ProgramDriver(std::function<void(const std::string&)> failed)
    : program(dialogs, random, [this] { ++ends; }), failed_(std::move(failed))
{
    program.start();
}

bool ProgramDriver::visible(FormId id) const
{
    const Form* window = program.forms.created(id);
    return window && window->isVisible();
}

template <class T>
T* ProgramDriver::find(FormId id, const char* name)
{
    T* found = form(id).findChild<T*>(QString::fromUtf8(name));
    if (!found)
        failed_(form(id).objectName().toStdString() + " has no control " + name);
    return found;
}

void ProgramDriver::click(FormId id, const char* name)
{
    QAbstractButton* target = button(id, name);
    if (!target)
        return;
    if (!target->isVisibleTo(&form(id)))
        return failed_(std::string(name) + " is hidden");
    target->click();
}

void ProgramDriver::trigger(FormId id, const char* name)
{
    if (QAction* item = action(id, name))
        item->trigger();
}

QAbstractButton* ProgramDriver::button(FormId id, const char* name)
{
    return find<QAbstractButton>(id, name);
}

QAction* ProgramDriver::action(FormId id, const char* name)
{
    return find<QAction>(id, name);
}

QLineEdit* ProgramDriver::textBox(FormId id, const char* name)
{
    return find<QLineEdit>(id, name);
}

QLabel* ProgramDriver::label(FormId id, const char* name)
{
    return find<QLabel>(id, name);
}

PrintArea* ProgramDriver::printArea(FormId id, const char* name)
{
    return find<PrintArea>(id, name);
}

QStringList ProgramDriver::lines(FormId id)
{
    PrintArea* area = printArea(id);
    return area ? area->model().lines() : QStringList();
}

void ProgramDriver::nextNumber(int number, int span, int base)
{
    random.set({SequenceRandom::drawing(number, span, base)});
}

void ProgramDriver::home(const QString& surname)
{
    for (FormId id : {FormId::Form2, FormId::Form3, FormId::Form4})
        if (visible(id))
            click(id, id == FormId::Form3 ? "Назад" : "Выход");
    if (!visible(FormId::Form1))
        program.forms.Show(FormId::Form1);
    if (!textBox(FormId::Form1, "Text1")->isVisibleTo(&form(FormId::Form1)))
        trigger(FormId::Form1, "регистрац");
    textBox(FormId::Form1, "Text1")->setText(surname);
    dialogs.clear();
    QApplication::processEvents();
}

void ProgramDriver::openFromMainWindow(FormId id, const QString& surname)
{
    home(surname);
    click(FormId::Form1, id == FormId::Form2 ? "Далее" : id == FormId::Form3 ? "PEREVOD_V10" : "TESTIROVAN");
    if (!visible(id) || visible(FormId::Form1))
        failed_("the main window did not open " + form(id).objectName().toStdString());
    dialogs.clear();
    QApplication::processEvents();
}

}  // namespace radixon::testing
