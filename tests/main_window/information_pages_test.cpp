// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1_fixture.h"

#include "print_area.h"

#include <QApplication>
#include <QImage>

#include <span>
#include <string>

namespace radixon::testing {
namespace {

// A line as the page table gives it: the text between its blanks, and how
// many blanks lead and trail it.
struct PageLine {
    int leading;
    const char* text;
    int trailing;

    QString printed() const { return QString(leading, u' ') + QString::fromUtf8(text) + QString(trailing, u' '); }
};

const PageLine Instruction[] = {
    {15, "Порядок проведения тестирования", 2},
    {0, "", 0},
    {1, "1. Ввести фамилию на вкладке 'Регистрация'.", 0},
    {1, "2. Щелкнуть на кнопке 'Тестирование'.", 0},
    {1, "3. Ввести в поле ввода основание системы счисления,", 3},
    {3, "и щелкните на кнопке 'Введите основание системы счисления'.", 0},
    {1, "4. Ввести в поле ввода количество заданий,", 3},
    {5, "и щелкните на кнопке 'Введите количество заданий'.", 0},
    {1, "5. Выбрать число щелкнув на кнопке 'ЗАДАЙТЕ ЧИСЛО'.", 0},
    {1, "6. Переведите число в требуемую систему счисления.", 0},
    {1, "7. Щелкните на кнопке 'Введите ответ'.", 0},
    {1, "8. Повторить п. 5 - 7 соответствующее количеству заданий раз.", 0},
    {1, "9. Результат показать преподавателю.", 0},
    {1, "10. После оценки результата щелкнуть на кнопке 'Назад', затем 'Выход'.", 1},
};

const PageLine About[] = {
    {23, "Возможности программы", 2},
    {7, "", 0},
    {2, "Программа позволяет студенту самостоятельно пройти обучение", 0},
    {2, "и тестирование по теме 'РАДИКСОН'", 0},
    {7, "", 0},
    {1, "1. Режим обучения включает 2 варианта:", 1},
    {5, "а)Перевод целых десятичных чисел в другие системы счисления", 1},
    {5, "б)Перевод целых чисел в десятичную систему счисления", 0},
    {0, "", 0},
    {1, "2. Основание системы счисления задается в интервале от 2 до 9", 1},
    {0, "", 0},
    {1, "3. Число для перевода выбираются щелчком на кнопке 'ЗАДАЙТЕ ЧИСЛО'.", 1},
    {0, "", 0},
    {1, "4. Для самопроверки правильности выполняемых действий служат 2 кнопки:", 1},
    {2, "- щелчок на кн.'ПРОВЕРЬ СЕБЯ' контролирует правильность введенного ответа", 0},
    {2, "- после щелчка на кн.'ПОКАЗАТЬ РЕШЕНИЕ' выводится решение и результат", 0},
    {0, "", 0},
    {1, "5. Количество заданий для тестирования нужно задать четным числом.", 1},
    {4, "Половина заданий программно делится на перевод из 10-й с.с. в заданную,", 0},
    {16, "другая наоборот - из заданной в 10-ую с.с.", 1},
    {0, "", 0},
    {1, "6. Результат тестирования выводится на экран", 1},
    {0, "", 0},
    {1, "7. Для выхода из режима обучения или тестирования щелкнуть на кнопке 'Назад'", 0},
    {0, "", 0},
    {1, "8. Для выхода из программы щелкнуть на кнопке 'Выход'", 0},
};

// The page as screen readers get it: its lines joined with "\n".
QString pageText(std::span<const PageLine> lines)
{
    QStringList printed;
    for (const PageLine& line : lines)
        printed << line.printed();
    return printed.join(u'\n');
}

struct Page {
    const char* menuItem;
    std::span<const PageLine> lines;
    const char* picture;
};

const Page Pages[] = {
    {"Инструкци", Instruction, "form1-instruction.png"},
    {"программа", About, "form1-about.png"},
};

int leadingBlanks(const QString& line)
{
    int count = 0;
    while (count < line.size() && line[count] == u' ')
        ++count;
    return count;
}

// Blanks after the last character that is not one; a line of blanks has all
// of them leading.
int trailingBlanks(const QString& line)
{
    const int leading = leadingBlanks(line);
    int count = 0;
    while (line.size() - count > leading && line[line.size() - 1 - count] == u' ')
        ++count;
    return count;
}

using InformationPages = Form1Test;

TEST_F(InformationPages, PrintEachPageLineForLineInPlaceOfTheControls)
{
    ASSERT_EQ(std::size(Instruction), 14u);
    ASSERT_EQ(std::size(About), 26u);
    for (const Page& page : Pages) {
        SCOPED_TRACE(page.menuItem);
        trigger(FormId::Form1, page.menuItem);

        EXPECT_EQ(accessibleValue(FormId::Form1), pageText(page.lines));
        EXPECT_TRUE(shown("Picture1"));
        for (const char* name : PageControls)
            EXPECT_FALSE(shown(name)) << name;
        saveGrab(FormId::Form1, QString::fromUtf8(page.picture));
    }
}

TEST_F(InformationPages, KeepTheLeadingAndTrailingBlanksOfEveryLine)
{
    for (const Page& page : Pages) {
        SCOPED_TRACE(page.menuItem);
        trigger(FormId::Form1, page.menuItem);
        const QStringList printed = printArea(FormId::Form1)->model().lines();
        ASSERT_EQ(printed.size(), static_cast<qsizetype>(page.lines.size()));
        for (std::size_t i = 0; i < page.lines.size(); ++i) {
            SCOPED_TRACE("line " + std::to_string(i + 1));
            const PageLine& expected = page.lines[i];
            const QString& line = printed[static_cast<qsizetype>(i)];
            EXPECT_EQ(leadingBlanks(line), expected.leading);
            EXPECT_EQ(trailingBlanks(line), expected.trailing);
            EXPECT_EQ(line.trimmed(), QString::fromUtf8(expected.text));
        }
    }
}

struct Switch {
    const char* first;
    const char* second;
    std::span<const PageLine> remaining;
};

TEST_F(InformationPages, ReplaceOnePageWithTheNextLeavingNothingOfIt)
{
    const Switch table[] = {
        {"программа", "Инструкци", Instruction},
        {"Инструкци", "программа", About},
        {"Инструкци", "Инструкци", Instruction},
    };
    for (const Switch& row : table) {
        SCOPED_TRACE(std::string(row.first) + " then " + row.second);
        trigger(FormId::Form1, row.first);
        trigger(FormId::Form1, row.second);
        EXPECT_EQ(accessibleValue(FormId::Form1), pageText(row.remaining));
    }
}

TEST_F(InformationPages, RegistrationRestoresTheFormWithTheSurnameKept)
{
    textBox(FormId::Form1, "Text1")->setText(QStringLiteral("Кузнецов"));
    for (const Page& page : Pages) {
        SCOPED_TRACE(page.menuItem);
        trigger(FormId::Form1, page.menuItem);
        trigger(FormId::Form1, "регистрац");

        EXPECT_EQ(accessibleValue(FormId::Form1), QString());
        for (const char* name : PageControls)
            EXPECT_TRUE(shown(name)) << name;
        EXPECT_EQ(textBox(FormId::Form1, "Text1")->text(), QStringLiteral("Кузнецов"));
    }
    click(FormId::Form1, "TESTIROVAN");
    EXPECT_EQ(m().StudentName, QStringLiteral("Кузнецов"));
}

TEST_F(InformationPages, RegistrationRightAfterStartChangesNothingVisible)
{
    QApplication::processEvents();
    const QImage before = mainWindow().grab().toImage();

    trigger(FormId::Form1, "регистрац");
    QApplication::processEvents();

    EXPECT_EQ(mainWindow().grab().toImage(), before);
    EXPECT_EQ(accessibleValue(FormId::Form1), QString());
    EXPECT_EQ(textBox(FormId::Form1, "Text1")->text(), QStringLiteral(" "));
}

TEST_F(InformationPages, TouchNoSharedVariableAndOpenNoWindow)
{
    m().StudentName = QStringLiteral("Орлов");
    m().TaskTotal = 4;
    m().Radix = 5;
    m().TasksIssued = 2;
    m().RightAnswer = 101101;
    const Модуль1 before = m();

    for (const char* item : {"Инструкци", "программа", "регистрац", "Инструкци", "регистрац"})
        trigger(FormId::Form1, item);

    EXPECT_EQ(sharedFields(m()), sharedFields(before));
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_TRUE(visible(FormId::Form1));
    EXPECT_FALSE(created(FormId::Form2));
    EXPECT_FALSE(created(FormId::Form3));
    EXPECT_FALSE(created(FormId::Form4));
    EXPECT_EQ(ends, 0);
}

}  // namespace
}  // namespace radixon::testing
