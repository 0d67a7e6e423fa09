// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "program_fixture.h"

#include <QMenuBar>

#include <ostream>
#include <tuple>

// Failure messages show texts as the pupil reads them.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace radixon::testing {

// The six controls that make way for an information page.
inline const char* const PageControls[] = {"Text1", "Label1", "Далее", "PEREVOD_V10", "TESTIROVAN", "Выход"};
inline const char* const MenuItems[] = {"регистрац", "программа", "Инструкци"};

// All twelve shared variables, to compare one state with another.
inline auto sharedFields(const Модуль1& s)
{
    return std::tie(s.Digits, s.DigitTop, s.Dividend, s.TaskNumber, s.RightAnswer, s.StudentAnswer, s.Radix,
                    s.TasksIssued, s.CorrectCount, s.StudentName, s.LastAnswered, s.TaskTotal);
}

class Form1Test : public ProgramFixture {
protected:
    Form& mainWindow() { return form(FormId::Form1); }
    QWidget* control(const char* name)
    {
        QWidget* found = mainWindow().findChild<QWidget*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << "no control " << name;
        return found;
    }
    // Visible as far as the window goes, whether or not the window is shown.
    bool shown(const char* name)
    {
        QWidget* widget = control(name);
        return widget && widget->isVisibleTo(&mainWindow());
    }
    QAction* menuItem(const char* name) { return mainWindow().findChild<QAction*>(QString::fromUtf8(name)); }
    QMenuBar* menuBar() { return mainWindow().findChild<QMenuBar*>(); }
    QString caption() { return mainWindow().windowTitle(); }
    bool created(FormId id) const { return program.forms.created(id) != nullptr; }
    // A working window closed from its title bar: the way back to Form1 that
    // every working window has.
    void closeFromTitleBar(FormId id) { form(id).close(); }
};

}  // namespace radixon::testing
