// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "program.h"
#include "scripted_dialogs.h"
#include "sequence_random.h"

#include <QStringList>

#include <functional>
#include <string>

class QAbstractButton;
class QAction;
class QLabel;
class QLineEdit;

namespace radixon {
class PrintArea;
}

namespace radixon::testing {

// The whole program on the offscreen platform with scripted dialogs and a
// fixed random sequence, driven as a pupil drives it; controls are found by
// their design names. A control that is missing or cannot be clicked is
// reported to `failed`: a test makes it a failure, the benchmark an abort.
class ProgramDriver {
public:
    explicit ProgramDriver(std::function<void(const std::string&)> failed);

    Модуль1& m() { return program.state; }
    Form& form(FormId id) { return program.forms.form(id); }
    bool visible(FormId id) const;

    // Clicks a button (which must be visible) or triggers a menu item.
    void click(FormId id, const char* name);
    void trigger(FormId id, const char* name);

    QAbstractButton* button(FormId id, const char* name);
    QAction* action(FormId id, const char* name);
    QLineEdit* textBox(FormId id, const char* name);
    QLabel* label(FormId id, const char* name);
    PrintArea* printArea(FormId id, const char* name = "Picture1");
    // The lines Picture1 of the window shows.
    QStringList lines(FormId id);

    // Makes the next RandomTaskNumber(span, base) draw `number`.
    void nextNumber(int number, int span, int base);

    // Back to the main window with its controls on show and `surname` typed.
    void home(const QString& surname);
    // Opens a working window from the main window, as the pupil does.
    void openFromMainWindow(FormId id, const QString& surname);

    ScriptedDialogs dialogs;
    SequenceRandom random;
    int ends = 0;
    Program program;

private:
    template <class T>
    T* find(FormId id, const char* name);

    std::function<void(const std::string&)> failed_;
};

}  // namespace radixon::testing
