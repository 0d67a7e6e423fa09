// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "information_pages.h"
#include "print_area.h"
#include "screen_reader.h"
#include "test_rules.h"

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace radixon {

namespace {

// Every control but the menu lies on Picture1, which is larger than the
// window: a page's long lines are seen by enlarging the window.
const WindowDesign& form1Design()
{
    static const WindowDesign form1 = [] {
        const Lettering buttons{"Times New Roman", 15.75, true, true};
        const Lettering surname{"Times New Roman", 18, true, true};
        const QColor cyan(0, 255, 255);
        const QColor surnameBack(192, 192, 255);
        // One control a row, as the design lists them.
        // clang-format off
        return WindowDesign{
            "Form1",
            QSize(9615, 6930),
            QColor(),
            {
                {"Picture1", ControlKind::PrintArea, "", QRect(0, 0, 14775, 12495), QColor(224, 224, 224), QColor(),
                 {"MS Sans Serif", 18, false, false}, nullptr, "Информационная страница"},
                {"Далее", ControlKind::Button, "Перевод из 10-й с.с. в другие", QRect(360, 3120, 4095, 735), cyan,
                 QColor(), buttons, nullptr, nullptr, "Picture1"},
                {"Text1", ControlKind::TextBox, " ", QRect(4440, 720, 4695, 855), surnameBack, QColor(0, 0, 128),
                 surname, "Label1", nullptr, "Picture1"},
                {"Label1", ControlKind::Label, "Ваша фамилия", QRect(480, 720, 3375, 855), surnameBack, QColor(),
                 surname, nullptr, nullptr, "Picture1"},
                {"TESTIROVAN", ControlKind::Button, "Тестирование", QRect(6120, 3600, 3135, 735),
                 QColor(255, 128, 128), QColor(), buttons, nullptr, nullptr, "Picture1"},
                {"PEREVOD_V10", ControlKind::Button, "Перевод чисел в 10-ую с.с.", QRect(360, 4440, 4095, 735), cyan,
                 QColor(), buttons, nullptr, nullptr, "Picture1"},
                {"Выход", ControlKind::Button, "Выход", QRect(7200, 5880, 1695, 735), QColor(255, 192, 192), QColor(),
                 {"Times New Roman", 20.25, true, true}, nullptr, nullptr, "Picture1"},
            },
            {"Picture1", "Далее", "Text1", "TESTIROVAN", "PEREVOD_V10", "Выход"},
        };
        // clang-format on
    }();
    return form1;
}

}  // namespace

Form1::Form1(FormContext context) : Form(FormId::Form1, context, form1Design())
{
    createMenu();
    createControls();
    // The design size is the client area; the menu bar sits above it.
    const int width = twips(form1Design().clientTwips.width());
    resize(width, twips(form1Design().clientTwips.height()) + menuBar->heightForWidth(width));
}

void Form1::createMenu()
{
    menuBar = new QMenuBar(this);
    // Each item acts at once: there are no drop-down lists.
    const auto item = [this](const char* name, const QString& caption) {
        QAction* action = menuBar->addAction(caption);
        action->setObjectName(QString::fromUtf8(name));
        return action;
    };
    onTriggered(item("регистрац", QStringLiteral("Регистрация")), [this] { регистрац_Click(); });
    onTriggered(item("программа", QStringLiteral("О программе")), [this] { showPage(aboutPage()); });
    onTriggered(item("Инструкци", QStringLiteral("Инструкция")), [this] { showPage(instructionPage()); });
    // The chevron a too narrow menu bar shows for the items that do not fit.
    for (auto* more : menuBar->findChildren<QToolButton*>())
        more->setAccessibleName(QStringLiteral("Другие пункты меню"));
    // Polished now, the bar has the font it is drawn in (Windows gives menus
    // a font of their own), and so the height the window makes room for.
    menuBar->ensurePolished();
}

void Form1::createControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    auto* client = new QWidget(this);
    layout->addWidget(client);
    // The menu keeps its size where the rest of the window is drawn smaller.
    buildDesign(client, menuBar->heightForWidth(twips(form1Design().clientTwips.width())));

    Picture1 = control<PrintArea>("Picture1");
    Text1 = control<QLineEdit>("Text1");
    Text1->setToolTip(QStringLiteral("Поле для ввода фамилии"));
    // A pupil who starts typing the surname at once finds it in the box.
    Text1->setFocus();

    onClick(control<QPushButton>("Далее"), [this] { Далее_Click(); });
    onClick(control<QPushButton>("PEREVOD_V10"), [this] { PEREVOD_V10_Click(); });
    onClick(control<QPushButton>("TESTIROVAN"), [this] { TESTIROVAN_Click(); });
    onClick(control<QPushButton>("Выход"), [this] { Выход_Click(); });
}

void Form1::Form_Load()
{
    setWindowTitle(QStringLiteral("РАДИКСОН"));
}

void Form1::closedFromTitleBar()
{
    Выход_Click();
}

// The box starts with one blank, so a pupil who never touches it is not
// asked: only a box emptied on purpose brings up the question. Neither the
// box's text nor the reply is trimmed, and the reply is not copied back.
void Form1::CaptureSurname()
{
    const QString typed = Text1->text();
    m().StudentName = typed.isEmpty() ? dialogs().inputBox(QStringLiteral("Укажите вашу фамилию!"), QString()) : typed;
}

void Form1::Далее_Click()
{
    CaptureSurname();
    windows().Hide(FormId::Form1);
    windows().Show(FormId::Form2);
}

void Form1::PEREVOD_V10_Click()
{
    windows().Hide(FormId::Form1);
    windows().Show(FormId::Form3);
}

void Form1::TESTIROVAN_Click()
{
    CaptureSurname();
    OpenTest(m());
    windows().Hide(FormId::Form1);
    windows().Show(FormId::Form4);
}

void Form1::Выход_Click()
{
    windows().End();
}

void Form1::регистрац_Click()
{
    updateInterface(Mode::Form);
    focusForScreenReader(Text1);
}

void Form1::showPage(const QStringList& lines)
{
    updateInterface(Mode::Page);
    Picture1->setPage(PrintModel::ofLines(lines));
    focusForScreenReader(Picture1);
}

// The form view shows every control, which all lie on Picture1, over an empty
// print area; in the page view they make way for the page printed on it, one
// print per line.
void Form1::updateInterface(Mode mode)
{
    for (QWidget* control : Picture1->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        control->setVisible(mode == Mode::Form);
    if (mode == Mode::Form)
        Picture1->cls();
}

}  // namespace radixon
