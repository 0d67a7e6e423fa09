// SPDX-License-Identifier: GPL-3.0-or-later
#include "design_checks.h"
#include "form1_fixture.h"

#include <QApplication>
#include <QKeyEvent>

#include <optional>
#include <ostream>

namespace radixon::testing {
namespace {

const QString StartCaption = QStringLiteral("РАДИКСОН");
const QString LearningCaption = QStringLiteral("Перевод чисел в двоичную систему счисления - самопроверка");
const QString SurnamePrompt = QStringLiteral("Укажите вашу фамилию!");

// --- The window as the program opens it -------------------------------------

using Form1Start = Form1Test;

TEST_F(Form1Start, ShowsTheCaptionABlankSurnameAndEveryControl)
{
    EXPECT_TRUE(visible(FormId::Form1));
    EXPECT_EQ(caption(), StartCaption);
    EXPECT_EQ(textBox(FormId::Form1, "Text1")->text(), QStringLiteral(" "));
    EXPECT_TRUE(shown("Picture1"));
    for (const char* name : PageControls) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(shown(name));
        EXPECT_TRUE(control(name)->isEnabled());
    }
    EXPECT_EQ(accessibleValue(FormId::Form1), QString());
    saveGrab(FormId::Form1, QStringLiteral("form1.png"));
}

TEST_F(Form1Start, PutsTheThreeMenuItemsDirectlyOnTheBar)
{
    ASSERT_NE(menuBar(), nullptr);
    const QList<QAction*> onBar = menuBar()->actions();
    const QStringList captions{QStringLiteral("Регистрация"), QStringLiteral("О программе"),
                               QStringLiteral("Инструкция")};
    ASSERT_EQ(onBar.size(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(MenuItems[i]);
        EXPECT_EQ(onBar[i], menuItem(MenuItems[i]));
        EXPECT_EQ(onBar[i]->text(), captions[i]);
        EXPECT_TRUE(onBar[i]->isVisible());
        EXPECT_EQ(onBar[i]->menu(), nullptr) << "a menu item opens no drop-down list";
    }
}

TEST_F(Form1Start, LeavesTheSharedStateAtZeroAndCreatesNoOtherWindow)
{
    const Модуль1 fresh;
    EXPECT_EQ(sharedFields(m()), sharedFields(fresh));
    EXPECT_TRUE(m().StudentName.isEmpty());
    EXPECT_FALSE(created(FormId::Form2));
    EXPECT_FALSE(created(FormId::Form3));
    EXPECT_FALSE(created(FormId::Form4));
}

// --- Layout ------------------------------------------------------------------

TEST_F(Form1Start, SizesTheClientAreaBelowTheMenuAndLetsPicture1ReachBeyondIt)
{
    Form& window = mainWindow();
    QWidget* picture = control("Picture1");
    const int menuHeight = menuBar()->height();
    EXPECT_GT(menuHeight, 0);
    EXPECT_EQ(window.width(), window.twips(9615));
    EXPECT_EQ(window.height() - menuHeight, window.twips(6930));
    EXPECT_EQ(picture->mapTo(&window, QPoint(0, 0)), QPoint(0, menuHeight));
    EXPECT_EQ(picture->size(), QSize(window.twips(14775), window.twips(12495)));
    EXPECT_GT(picture->width(), window.width());
    EXPECT_NE(window.minimumSize(), window.maximumSize()) << "the window is resizable";
}

TEST_F(Form1Start, WaitsForTheSurnameInItsBoxAndTabsInDesignOrder)
{
    EXPECT_EQ(control("Text1")->toolTip(), QStringLiteral("Поле для ввода фамилии"));
    QApplication::processEvents();
    EXPECT_EQ(mainWindow().focusWidget(), control("Text1"));
    // A surname typed at once goes into the box and opens nothing.
    textBox(FormId::Form1, "Text1")->clear();
    for (const QChar letter : QStringLiteral("Петров Иван")) {
        QKeyEvent typed(QEvent::KeyPress, letter == u' ' ? Qt::Key_Space : Qt::Key_unknown, Qt::NoModifier,
                        QString(letter));
        QApplication::sendEvent(QApplication::focusWidget(), &typed);
    }
    EXPECT_EQ(textBox(FormId::Form1, "Text1")->text(), QStringLiteral("Петров Иван"));
    EXPECT_TRUE(visible(FormId::Form1));
    EXPECT_FALSE(created(FormId::Form2));
    expectTabOrder(mainWindow(), {"Picture1", "Далее", "Text1", "TESTIROVAN", "PEREVOD_V10", "Выход"});
}

// --- Taking the surname -------------------------------------------------------

struct SurnameCase {
    const char* name;
    QString boxText;
    std::optional<QString> reply;  // scripted when the box is empty; nullopt is Cancel
    QString stored;
};

std::ostream& operator<<(std::ostream& out, const SurnameCase& row)
{
    return out << row.name;
}

const SurnameCase SurnameCases[] = {
    {"untouched", QStringLiteral(" "), std::nullopt, QStringLiteral(" ")},
    {"typed after the blank", QStringLiteral(" Петров"), std::nullopt, QStringLiteral(" Петров")},
    {"typed", QStringLiteral("Петров"), std::nullopt, QStringLiteral("Петров")},
    {"emptied and answered", QString(), QStringLiteral(" Иванов "), QStringLiteral(" Иванов ")},
    {"emptied and cancelled", QString(), QString(), QString()},
};

struct Opener {
    const char* button;
    FormId window;
};

class SurnameCapture : public Form1Test, public ::testing::WithParamInterface<std::tuple<Opener, SurnameCase>> {};

TEST_P(SurnameCapture, StoresTheBoxOrTheReplyAndOpensTheWindow)
{
    const auto& [opener, row] = GetParam();
    textBox(FormId::Form1, "Text1")->setText(row.boxText);
    if (row.boxText.isEmpty())
        dialogs.reply(row.reply.value_or(QString()));

    click(FormId::Form1, opener.button);

    EXPECT_EQ(m().StudentName, row.stored);
    if (row.boxText.isEmpty()) {
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_TRUE(dialogs.shown()[0].isInput());
        EXPECT_EQ(dialogs.shown()[0].prompt, SurnamePrompt);
        EXPECT_EQ(dialogs.shown()[0].title, QString());
    } else {
        EXPECT_TRUE(dialogs.shown().empty()) << "a box that is not empty asks nothing";
    }
    EXPECT_EQ(textBox(FormId::Form1, "Text1")->text(), row.boxText) << "the reply is not copied into the box";
    EXPECT_TRUE(visible(opener.window));
    EXPECT_FALSE(visible(FormId::Form1));
}

INSTANTIATE_TEST_SUITE_P(BothButtons, SurnameCapture,
                         ::testing::Combine(::testing::Values(Opener{"TESTIROVAN", FormId::Form4},
                                                              Opener{"Далее", FormId::Form2}),
                                            ::testing::ValuesIn(SurnameCases)));

// --- The three working windows ------------------------------------------------

struct Navigation {
    const char* button;
    FormId window;
    bool takesSurname;
    bool resetsCounters;
};

std::ostream& operator<<(std::ostream& out, const Navigation& row)
{
    return out << row.button;
}

class Form1Navigation : public Form1Test, public ::testing::WithParamInterface<Navigation> {};

TEST_P(Form1Navigation, OpensOneWindowAndChangesOnlyWhatItOwns)
{
    const Navigation& row = GetParam();
    m().StudentName = QStringLiteral("Прежний");
    m().TasksIssued = 5;
    m().CorrectCount = 4;
    m().LastAnswered = 5;
    m().TaskTotal = 6;
    m().Radix = 3;
    m().TaskNumber = 45;
    textBox(FormId::Form1, "Text1")->setText(QStringLiteral("Новиков"));
    Модуль1 expected = m();
    if (row.takesSurname)
        expected.StudentName = QStringLiteral("Новиков");
    if (row.resetsCounters)
        expected.TasksIssued = expected.CorrectCount = expected.LastAnswered = 0;

    click(FormId::Form1, row.button);

    EXPECT_EQ(sharedFields(m()), sharedFields(expected));
    EXPECT_TRUE(visible(row.window));
    EXPECT_FALSE(visible(FormId::Form1));
    for (FormId other : {FormId::Form2, FormId::Form3, FormId::Form4})
        EXPECT_EQ(created(other), other == row.window);
}

INSTANTIATE_TEST_SUITE_P(EachButton, Form1Navigation,
                         ::testing::Values(Navigation{"Далее", FormId::Form2, true, false},
                                           Navigation{"PEREVOD_V10", FormId::Form3, false, false},
                                           Navigation{"TESTIROVAN", FormId::Form4, true, true}));

TEST_F(Form1Test, ResetsTheCountersOnEveryOpeningOfTheTestButKeepsTotalAndRadix)
{
    click(FormId::Form1, "TESTIROVAN");
    closeFromTitleBar(FormId::Form4);
    ASSERT_TRUE(visible(FormId::Form1));
    m().TaskTotal = 4;
    m().Radix = 2;
    m().TasksIssued = 4;
    m().CorrectCount = 3;
    m().LastAnswered = 4;

    click(FormId::Form1, "TESTIROVAN");

    EXPECT_EQ(m().TasksIssued, 0);
    EXPECT_EQ(m().CorrectCount, 0);
    EXPECT_EQ(m().LastAnswered, 0);
    EXPECT_EQ(m().TaskTotal, 4);
    EXPECT_EQ(m().Radix, 2);
    EXPECT_TRUE(visible(FormId::Form4));
}

struct Visit {
    const char* button;
    FormId window;
    QString captionAfter;
};

std::ostream& operator<<(std::ostream& out, const Visit& row)
{
    return out << row.button;
}

class CaptionAfterVisit : public Form1Test, public ::testing::WithParamInterface<Visit> {};

TEST_P(CaptionAfterVisit, ShowsTheCaptionTheVisitedWindowLeft)
{
    const Visit& row = GetParam();
    textBox(FormId::Form1, "Text1")->setText(QStringLiteral("Смирнов"));
    click(FormId::Form1, row.button);
    closeFromTitleBar(row.window);

    EXPECT_FALSE(visible(row.window));
    ASSERT_TRUE(visible(FormId::Form1));
    EXPECT_EQ(caption(), row.captionAfter);
    EXPECT_EQ(textBox(FormId::Form1, "Text1")->text(), QStringLiteral("Смирнов"));
}

INSTANTIATE_TEST_SUITE_P(EachWindow, CaptionAfterVisit,
                         ::testing::Values(Visit{"Далее", FormId::Form2, LearningCaption},
                                           Visit{"PEREVOD_V10", FormId::Form3, LearningCaption},
                                           Visit{"TESTIROVAN", FormId::Form4, StartCaption}));

// --- Ending the program ---------------------------------------------------------

TEST_F(Form1Test, ExitEndsTheProgramOnceAndHidesEveryWindow)
{
    for (const char* opener : {"Далее", "PEREVOD_V10", "TESTIROVAN"}) {
        click(FormId::Form1, opener);
        for (FormId id : {FormId::Form2, FormId::Form3, FormId::Form4})
            if (visible(id))
                closeFromTitleBar(id);
    }
    ASSERT_TRUE(created(FormId::Form2) && created(FormId::Form3) && created(FormId::Form4));
    ASSERT_EQ(ends, 0);

    click(FormId::Form1, "Выход");

    EXPECT_EQ(ends, 1);
    for (FormId id : {FormId::Form1, FormId::Form2, FormId::Form3, FormId::Form4})
        EXPECT_FALSE(visible(id));
}

TEST_F(Form1Test, ClosingTheMainWindowFromItsTitleBarEndsTheProgram)
{
    mainWindow().close();

    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(visible(FormId::Form1));
}

TEST_F(Form1Test, ClosingAWorkingWindowFromItsTitleBarReturnsToTheMainWindow)
{
    click(FormId::Form1, "TESTIROVAN");
    ASSERT_TRUE(visible(FormId::Form4));

    closeFromTitleBar(FormId::Form4);

    EXPECT_FALSE(visible(FormId::Form4));
    EXPECT_TRUE(visible(FormId::Form1));
    EXPECT_EQ(ends, 0);
}

}  // namespace
}  // namespace radixon::testing
