#pragma once

#include "program.h"
#include "scripted_dialogs.h"
#include "sequence_random.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace radixon {
class PrintArea;
}

namespace radixon::testing {

// The whole program on the offscreen platform with scripted dialogs and a
// fixed random sequence; helpers find controls by their design names.
class ProgramFixture : public ::testing::Test {
protected:
    ProgramFixture();

    Модуль1& m() { return program.state; }
    Form& form(FormId id) { return program.forms.form(id); }
    bool visible(FormId id) const;

    // Clicks a button (which must exist and be visible) or triggers a menu item.
    void click(FormId id, const char* name);
    void trigger(FormId id, const char* name);

    QAbstractButton* button(FormId id, const char* name);
    QLineEdit* textBox(FormId id, const char* name);
    QLabel* label(FormId id, const char* name);
    PrintArea* printArea(FormId id, const char* name = "Picture1");
    // The print area's text as screen readers get it.
    QString accessibleValue(FormId id, const char* name = "Picture1");

    // Saves the window as a PNG under the build's screenshots folder.
    QString saveGrab(FormId id, const QString& file);

    // Makes the next RandomTaskNumber(span, base) draw `number`.
    void nextNumber(int number, int span, int base);

    ScriptedDialogs dialogs;
    SequenceRandom random;
    int ends = 0;
    Program program;
};

}  // namespace radixon::testing
