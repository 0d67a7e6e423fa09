// SPDX-License-Identifier: GPL-3.0-or-later
#include "form4.h"

#include "conversion.h"
#include "print_area.h"
#include "screen_reader.h"
#include "test_rules.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>

namespace radixon {

namespace {

const WindowDesign& form4Design()
{
    static const WindowDesign form4 = [] {
        const QColor grey(224, 224, 224);
        const QColor paleGreen(192, 255, 192);
        const QColor paleBlue(192, 192, 255);
        const QColor darkRed(192, 0, 0);
        const Lettering lettering{"Times New Roman", 24, true, true};
        // One control a row, as the design lists them.
        // clang-format off
        return WindowDesign{
            "Form4",
            QSize(15315, 10410),
            grey,
            {
                {"Label1", ControlKind::Label, "Тестирование", QRect(1320, 0, 12735, 735), grey, QColor(128, 0, 0),
                 lettering},
                {"Command1", ControlKind::Button, "Введите основание системы счисления", QRect(720, 960, 9375, 810),
                 paleGreen, QColor(), lettering},
                {"Text2", ControlKind::TextBox, " 2", QRect(10440, 960, 2535, 765), grey, darkRed, lettering,
                 "Command1"},
                {"Ввод_числа", ControlKind::Button, "Задайте число", QRect(840, 3000, 4335, 1050), paleBlue, QColor(),
                 lettering},
                {"Text1", ControlKind::TextBox, " ", QRect(5880, 3120, 6135, 765), grey, QColor(0, 0, 192), lettering,
                 "Ввод_числа"},
                // Narrow for its caption at this size: the caption goes onto two lines.
                {"Ввод_ответа", ControlKind::WrappingButton, "Введите ответ ", QRect(10440, 6000, 2655, 1050),
                 paleGreen, QColor(), lettering},
                {"Выход", ControlKind::Button, "Назад", QRect(11400, 9000, 2895, 570), QColor(255, 192, 255), QColor(),
                 lettering},
                {"Picture1", ControlKind::PrintArea, "", QRect(1080, 6000, 6375, 3975), grey, QColor(),
                 {"Times New Roman", 18, true, true}, nullptr, "Результат тестирования"},
                {"Command2", ControlKind::Button, "Показать результат", QRect(1680, 4920, 5175, 570), paleBlue,
                 QColor(), lettering},
                {"Command3", ControlKind::Button, "Введите количество заданий", QRect(720, 1920, 9375, 810), paleGreen,
                 QColor(), lettering},
                {"Text3", ControlKind::TextBox, "6", QRect(10440, 1920, 2535, 765), grey, darkRed, lettering,
                 "Command3"},
                {"Label2", ControlKind::Label, " ", QRect(8280, 4200, 6255, 1455), QColor(255, 224, 192), darkRed,
                 {"Times New Roman", 21.75, true, true}},
            },
            {"Command1", "Text2", "Ввод_числа", "Text1", "Ввод_ответа", "Выход", "Picture1", "Command2", "Command3",
             "Text3"},
        };
        // clang-format on
    }();
    return form4;
}

}  // namespace

Form4::Form4(FormContext context) : Form(FormId::Form4, context, form4Design())
{
    buildDesign(this);
    Text2 = control<QLineEdit>("Text2");
    Text1 = control<QLineEdit>("Text1");
    Picture1 = control<PrintArea>("Picture1");
    Text3 = control<QLineEdit>("Text3");
    Label2 = control<QLabel>("Label2");

    onClick(control<QPushButton>("Command1"), [this] { Command1_Click(); });
    onClick(control<QPushButton>("Command3"), [this] { Command3_Click(); });
    onClick(control<QPushButton>("Выход"), [this] { backToMainWindow(); });
    onClick(control<QPushButton>("Ввод_числа"), [this] { Ввод_числа_Click(); });
    onClick(control<QPushButton>("Ввод_ответа"), [this] { Ввод_ответа_Click(); });
    onClick(control<QPushButton>("Command2"), [this] { Command2_Click(); });
}

void Form4::Form_Load()
{
    setWindowTitle(QStringLiteral("Тестирование"));
}

void Form4::Command1_Click()
{
    ReadRadixBox(m(), dialogs(), Text2->text());
    Text2->setText(Str(m().Radix));
}

void Form4::Command3_Click()
{
    AskTaskTotal(m(), dialogs(), Text3->text());
    Text3->setText(Str(m().TaskTotal));
}

void Form4::Ввод_числа_Click()
{
    random().Randomize();
    if (!CountTaskRequest(m())) {
        warn(dialogs(), TestOverWarning());
        return;
    }
    // The radix box is read anew for every task and may have been edited since
    // Command1; the repeated division needs a radix of at least 2, so a smaller
    // one is asked for exactly as Command1 asks, and shown where it was typed.
    if (ReadRadixBox(m(), dialogs(), Text2->text()))
        Text2->setText(Str(m().Radix));
    const TestTask task = IssueTestTask(m(), random());
    Label2->setText(task.instruction);
    announceTask(Text1, task.instruction, task.shownNumber);
}

void Form4::Ввод_ответа_Click()
{
    if (TestIsOver(m())) {
        warn(dialogs(), TestOverWarning());
        return;
    }
    const TestAnswer answer = TakeTestAnswer(m(), askAnswer(dialogs()));
    ShowTestAnswer(dialogs(), answer);
    // A right answer counts only once the pupil has closed the praise.
    CommitTestAnswer(m(), answer);
}

void Form4::Command2_Click()
{
    if (const std::optional<QString> why = NoResultPageYet(m())) {
        warn(dialogs(), *why);
        return;
    }
    presentPage(Picture1, ResultPage(m()));
}

}  // namespace radixon
