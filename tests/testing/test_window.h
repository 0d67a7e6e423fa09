// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print_area.h"
#include "program_fixture.h"

#include <QStringList>

#include <initializer_list>

namespace radixon::testing {

// A style 16 box titled "Предупреждение", as lastMessage() writes it.
inline std::string warning(const char* prompt)
{
    return std::string(prompt) + "|16|Предупреждение";
}

// The test window opened as a pupil opens it: through the main window's
// "Тестирование", which takes the surname and resets the counters.
class TestWindowFixture : public ProgramFixture {
protected:
    void openTest(const QString& surname = QStringLiteral("S"))
    {
        textBox(FormId::Form1, "Text1")->setText(surname);
        click(FormId::Form1, "TESTIROVAN");
        ASSERT_TRUE(visible(FormId::Form4));
    }

    void setTaskTotal(const QString& typed)
    {
        textBox(FormId::Form4, "Text3")->setText(typed);
        click(FormId::Form4, "Command3");
    }

    // Issues the next task; it draws each number of `numbers` in turn.
    void drawNext(std::initializer_list<int> numbers)
    {
        std::vector<float> values;
        for (int number : numbers)
            values.push_back(SequenceRandom::drawing(number, 199, 50));
        random.set(values);
    }

    void issue() { click(FormId::Form4, "Ввод_числа"); }

    void answer(const QString& reply)
    {
        dialogs.reply(reply);
        click(FormId::Form4, "Ввод_ответа");
    }

    QStringList page() { return printArea(FormId::Form4)->model().lines(); }
    QString instruction() { return label(FormId::Form4, "Label2")->text(); }
    QString shownNumber() { return textBox(FormId::Form4, "Text1")->text(); }

    // The last message box, as "prompt|style|title", so one comparison shows
    // everything that was wrong with it.
    std::string lastMessage() const
    {
        const auto messages = dialogs.messages();
        if (messages.empty())
            return "no message box";
        const ShownDialog& last = messages.back();
        return (last.prompt + u'|' + QString::number(static_cast<int>(last.style)) + u'|' + last.title).toStdString();
    }
};

}  // namespace radixon::testing
