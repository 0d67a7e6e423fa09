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

// A practice window (Form2 or Form3) opened the way the main window opens it:
// the main window hidden, the practice window shown.
class PracticeWindowFixture : public ProgramFixture {
protected:
    // `base` is the smallest number the window draws; every window draws from 190 numbers.
    PracticeWindowFixture(FormId window, int base) : window_(window), base_(base) { open(window); }

    void open(FormId id)
    {
        program.forms.Hide(FormId::Form1);
        program.forms.Show(id);
    }

    // A task of this window: `number` drawn with the radix box holding `radixBox`.
    void setTask(int number, const QString& radixBox)
    {
        textBox(window_, "Text2")->setText(radixBox);
        nextNumber(number, 190, base_);
        click(window_, "Ввод_числа");
    }

    QStringList solutionLines() { return printArea(window_)->model().lines(); }

    // The verdict of one typed answer.
    ShownDialog answer(const QString& reply)
    {
        dialogs.clear();
        dialogs.reply(reply);
        click(window_, "Ввод_ответа");
        EXPECT_EQ(dialogs.shown().size(), 2u);
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
    void expectRight(const ShownDialog& verdict) { expectVerdict(verdict, true); }
    void expectWrong(const ShownDialog& verdict) { expectVerdict(verdict, false); }

private:
    FormId window_;
    int base_;
};

}  // namespace radixon::testing
