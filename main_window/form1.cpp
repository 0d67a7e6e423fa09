#include "form1.h"

#include "controls.h"
#include "information_pages.h"
#include "print_area.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <initializer_list>

namespace radixon {

namespace {
constexpr int ClientWidth = 9615;
constexpr int ClientHeight = 6930;
}  // namespace

Form1::Form1(FormContext context) : Form(FormId::Form1, context)
{
    setObjectName(QStringLiteral("Form1"));
    createMenu();
    createControls();
    // The design size is the client area; the menu bar sits above it.
    resize(twips(ClientWidth), twips(ClientHeight) + menuBar->heightForWidth(twips(ClientWidth)));
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
    регистрац = item("регистрац", QStringLiteral("Регистрация"));
    программа = item("программа", QStringLiteral("О программе"));
    Инструкци = item("Инструкци", QStringLiteral("Инструкция"));
    // The chevron a too narrow menu bar shows for the items that do not fit.
    for (auto* more : menuBar->findChildren<QToolButton*>())
        more->setAccessibleName(QStringLiteral("Другие пункты меню"));
    onTriggered(регистрац, [this] { регистрац_Click(); });
    onTriggered(программа, [this] { программа_Click(); });
    onTriggered(Инструкци, [this] { Инструкци_Click(); });
}

void Form1::createControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    auto* client = new QWidget(this);
    layout->addWidget(client);

    // Picture1 is larger than the window: a page's long lines are seen by
    // enlarging the window, and the controls lie on top of it.
    Picture1 = makePrintArea(client, QStringLiteral("Picture1"), QColor(224, 224, 224), QColor(),
                             designFont(QStringLiteral("MS Sans Serif"), 18, false, false));
    placeTwips(Picture1, 0, 0, 14775, 12495);

    const QFont buttonFont = timesBoldItalic(15.75);
    const QColor cyan(0, 255, 255);
    const QColor surnameBack(192, 192, 255);
    Далее = makeButton(Picture1, QStringLiteral("Далее"), QStringLiteral("Перевод из 10-й с.с. в другие"), cyan,
                       buttonFont);
    placeTwips(Далее, 360, 3120, 4095, 735);
    Text1 = makeTextBox(Picture1, QStringLiteral("Text1"), QStringLiteral(" "), surnameBack, QColor(0, 0, 128),
                        timesBoldItalic(18));
    Text1->setToolTip(QStringLiteral("Поле для ввода фамилии"));
    placeTwips(Text1, 4440, 720, 4695, 855);
    Label1 = makeLabel(Picture1, QStringLiteral("Label1"), QStringLiteral("Ваша фамилия"), surnameBack, QColor(),
                       timesBoldItalic(18));
    placeTwips(Label1, 480, 720, 3375, 855);
    // Screen readers name each box after the control that labels it.
    Label1->setBuddy(Text1);
    Text1->setAccessibleName(Label1->text());
    Picture1->setAccessibleName(QStringLiteral("Информационная страница"));
    TESTIROVAN = makeButton(Picture1, QStringLiteral("TESTIROVAN"), QStringLiteral("Тестирование"),
                            QColor(255, 128, 128), buttonFont);
    placeTwips(TESTIROVAN, 6120, 3600, 3135, 735);
    PEREVOD_V10 = makeButton(Picture1, QStringLiteral("PEREVOD_V10"), QStringLiteral("Перевод чисел в 10-ую с.с."),
                             cyan, buttonFont);
    placeTwips(PEREVOD_V10, 360, 4440, 4095, 735);
    Выход = makeButton(Picture1, QStringLiteral("Выход"), QStringLiteral("Выход"), QColor(255, 192, 192),
                       timesBoldItalic(20.25));
    placeTwips(Выход, 7200, 5880, 1695, 735);

    setFocusOrder({Далее, Text1, TESTIROVAN, PEREVOD_V10, Выход});
    // Screen readers read the pages in Picture1. Being the controls' parent it
    // comes first in the focus chain, so the window opens on Далее and Tab
    // reaches the page after Выход.
    Picture1->setFocusPolicy(Qt::TabFocus);
    Далее->setFocus();

    onClick(Далее, [this] { Далее_Click(); });
    onClick(PEREVOD_V10, [this] { PEREVOD_V10_Click(); });
    onClick(TESTIROVAN, [this] { TESTIROVAN_Click(); });
    onClick(Выход, [this] { Выход_Click(); });
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
    if (!typed.isEmpty())
        m().StudentName = typed;
    else
        m().StudentName = dialogs().inputBox(QStringLiteral("Укажите вашу фамилию!"), QString());
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

// Every opening of the test starts a fresh count, while the radix and the
// number of tasks stay as the last visit left them.
void Form1::TESTIROVAN_Click()
{
    CaptureSurname();
    m().TasksIssued = 0;
    m().CorrectCount = 0;
    m().LastAnswered = 0;
    windows().Hide(FormId::Form1);
    windows().Show(FormId::Form4);
}

void Form1::Выход_Click()
{
    windows().End();
}

void Form1::регистрац_Click()
{
    Text1->show();
    Picture1->cls();
    for (QWidget* control : std::initializer_list<QWidget*>{Label1, Далее, PEREVOD_V10, TESTIROVAN, Выход})
        control->show();
}

void Form1::программа_Click()
{
    showPage(aboutPage());
}

void Form1::Инструкци_Click()
{
    showPage(instructionPage());
}

// The page view: the controls make way and the page is printed on the print
// area beneath them, one print per line.
void Form1::showPage(const QStringList& lines)
{
    for (QWidget* control : std::initializer_list<QWidget*>{Text1, Label1, PEREVOD_V10, Далее, TESTIROVAN, Выход})
        control->hide();
    Picture1->cls();
    for (const QString& line : lines)
        Picture1->print({PrintItem::text(line)});
}

}  // namespace radixon
