// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print_area.h"
#include "program_fixture.h"

namespace radixon::testing {

inline const QString radixPrompt = QStringLiteral("Введите число больше 1");
inline const QString radixTitle = QStringLiteral("Ввод основания системы счисления");
inline const QString rightText = QStringLiteral("МОЛОДЕЦ!!!  ПРАВИЛЬНО!!!");
inline const QString rightTitle = QStringLiteral("Cообщение");  // a Latin C, then Cyrillic
inline const QString wrongText = QStringLiteral("НЕПРАВИЛЬНО!!!");
inline const QString warningTitle = QStringLiteral("Предупреждение");

// The practice windows, Form2 and Form3, opened the way the main window opens
// them: the main window hidden, the practice window shown.
class PracticeWindowFixture : public ProgramFixture {
protected:
    void open(FormId id)
    {
        program.forms.Hide(FormId::Form1);
        program.forms.Show(id);
    }

    // A task of the window: `number` drawn with the radix box holding `radixBox`.
    void setTask(FormId id, int number, const QString& radixBox)
    {
        textBox(id, "Text2")->setText(radixBox);
        // Form2 draws from 30, Form3 from 80; both from 190 numbers.
        nextNumber(number, 190, id == FormId::Form2 ? 30 : 80);
        click(id, "Ввод_числа");
    }

    // The verdict of one typed answer.
    ShownDialog answer(FormId id, const QString& reply)
    {
        dialogs.clear();
        dialogs.reply(reply);
        click(id, "Ввод_ответа");
        EXPECT_EQ(dialogs.shown().size(), 2u);
        if (dialogs.shown().size() != 2u)
            return {ShownDialog::Kind::Message, QStringLiteral("(no verdict)"), QString()};
        EXPECT_EQ(dialogs.shown().front().prompt, QStringLiteral("Введи ответ"));
        EXPECT_EQ(dialogs.shown().front().title, QStringLiteral("Ввод ответа"));
        return dialogs.shown().back();
    }

    void expectVerdict(const ShownDialog& verdict, bool right)
    {
        EXPECT_EQ(verdict.prompt, right ? rightText : wrongText);
        EXPECT_EQ(verdict.style, right ? MsgStyle::Exclamation : MsgStyle::Critical);
        EXPECT_EQ(verdict.title, right ? rightTitle : warningTitle);
    }
};

}  // namespace radixon::testing
