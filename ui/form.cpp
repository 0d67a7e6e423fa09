// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"

#include "controls.h"
#include "guard.h"
#include "print_area.h"
#include "screen_fit.h"

#include <algorithm>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace radixon {

Form::Form(FormId id, FormContext context, const WindowDesign& design)
    : QWidget(nullptr), id_(id), context_(context), design_(design)
{
    setObjectName(QString::fromUtf8(design.name));
}

int Form::twips(int value) const
{
    return qRound(value * logicalDpiX() * scale_ / 1440.0);
}

QSize Form::designedSize() const
{
    const auto designed = [this](int value) { return qRound(value * logicalDpiX() / 1440.0); };
    return QSize(designed(design_.clientTwips.width()), designed(design_.clientTwips.height()) + fixedHeight_);
}

QFont Form::letteringFont(const Lettering& lettering) const
{
    return designFont(QString::fromUtf8(lettering.face), lettering.points * scale_, lettering.bold, lettering.italic);
}

void Form::place(QWidget* control, const QRect& t) const
{
    control->setGeometry(twips(t.x()), twips(t.y()), twips(t.width()), twips(t.height()));
}

namespace {

// The screen the pupil works on: the one our windows are shown on (a window
// that was shown and is hidden now keeps its screen).
QScreen* screenInUse()
{
    QScreen* screen = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!qobject_cast<Form*>(window) || !window->windowHandle())
            continue;
        if (window->isVisible())
            return window->screen();
        screen = window->screen();
    }
    return screen ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

// The frame a window manager puts around a window is known only once a
// window has been shown: one of ours that has been tells it (a hidden window
// keeps what it last knew), else this allowance for a title bar and thin
// borders is made. A window never shown may claim a frame it does not have
// (Qt 5 gives it margins of -1 at the right and the bottom), and Qt 5 under
// Wine reports side borders of -3.
QMargins Form::frameAround()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const auto* form = qobject_cast<Form*>(window);
        const QRect frame = window->frameGeometry();
        const QRect client = window->geometry();
        // No border makes room: one said to lie inside the window counts as none.
        if (form && form->placed_ && frame != client)
            return QMargins(std::max(0, client.left() - frame.left()), std::max(0, client.top() - frame.top()),
                            std::max(0, frame.right() - client.right()), std::max(0, frame.bottom() - client.bottom()));
    }
    return QMargins(4, 36, 4, 4);
}

void Form::showOnScreen()
{
    QScreen* screen = screenInUse();
    const QRect available = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), size());
    const QMargins frame = frameAround();
    const QRect framed(pos(), size().grownBy(frame));
    move((placed_ ? PlaceInside(framed, available) : CentreIn(framed, available)).topLeft());
    placed_ = true;
    // Not show(): where the platform shows every window full screen, as Qt
    // does in a web page, ours keep their designed size and place.
    setVisible(true);
}

QWidget* Form::makeControl(QWidget* parent, const ControlDesign& row) const
{
    const QString name = QString::fromUtf8(row.name);
    const QString text = QString::fromUtf8(row.text);
    const QFont font = letteringFont(row.lettering);
    switch (row.kind) {
    case ControlKind::Button:
        return makeButton(parent, name, text, row.back, font);
    case ControlKind::WrappingButton:
        return makeWrappingButton(parent, name, text, row.back, font);
    case ControlKind::TextBox:
        return makeTextBox(parent, name, text, row.back, row.fore, font);
    case ControlKind::Label:
        return makeLabel(parent, name, text, row.back, row.fore, font);
    case ControlKind::PrintArea: {
        PrintArea* area = makePrintArea(parent, name, row.back, row.fore, font);
        area->setScale(scale_);
        return area;
    }
    }
    return nullptr;
}

void Form::buildDesign(QWidget* client, int fixedHeight)
{
    fixedHeight_ = fixedHeight;
    if (QScreen* screen = screenInUse()) {
        scale_ = FitFactor(designedSize(), fixedHeight, frameAround(), screen->availableGeometry().size());
        connect(screen, &QScreen::availableGeometryChanged, this, &Form::refit);
    }
    resize(twips(design_.clientTwips.width()), twips(design_.clientTwips.height()));
    if (design_.background.isValid()) {
        setAutoFillBackground(true);
        QPalette background = palette();
        background.setColor(QPalette::Window, design_.background);
        setPalette(background);
    }
    for (const ControlDesign& row : design_.controls) {
        QWidget* parent = row.container ? control<QWidget>(row.container) : client;
        place(makeControl(parent, row), row.twips);
    }
    // Screen readers name each box after the control that labels it.
    for (const ControlDesign& row : design_.controls) {
        QWidget* widget = control<QWidget>(row.name);
        if (row.readerName)
            widget->setAccessibleName(QString::fromUtf8(row.readerName));
        if (!row.labelledBy)
            continue;
        QWidget* labelling = control<QWidget>(row.labelledBy);
        if (auto* label = qobject_cast<QLabel*>(labelling)) {
            label->setBuddy(widget);
            widget->setAccessibleName(label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(labelling)) {
            widget->setAccessibleName(button->text());
        }
    }

    QWidget* previous = nullptr;
    for (const char* name : design_.tabOrder) {
        QWidget* widget = control<QWidget>(name);
        if (qobject_cast<PrintArea*>(widget))
            widget->setFocusPolicy(Qt::TabFocus);
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    // The first control of the Tab order has the focus when the window opens.
    if (!design_.tabOrder.empty())
        control<QWidget>(design_.tabOrder.front())->setFocus();
}

void Form::refit()
{
    const QScreen* screen = screenInUse();
    if (!screen)
        return;
    const double before = scale_;
    scale_ = FitFactor(designedSize(), fixedHeight_, frameAround(), screen->availableGeometry().size());
    if (scale_ != before) {
        for (const ControlDesign& row : design_.controls) {
            QWidget* widget = control<QWidget>(row.name);
            // A text box may have been given font merging by the pupil's typing.
            QFont font = letteringFont(row.lettering);
            font.setStyleStrategy(widget->font().styleStrategy());
            widget->setFont(font);
            place(widget, row.twips);
            if (auto* area = qobject_cast<PrintArea*>(widget))
                area->setScale(scale_);
        }
        resize(twips(design_.clientTwips.width()), twips(design_.clientTwips.height()) + fixedHeight_);
    }
    if (placed_)
        move(PlaceInside(QRect(pos(), size().grownBy(frameAround())), screen->availableGeometry()).topLeft());
}

void Form::onClick(QAbstractButton* button, std::function<void()> handler)
{
    connect(button, &QAbstractButton::clicked, this,
            [this, handler = std::move(handler)] { runGuarded(dialogs(), handler); });
}

void Form::onTriggered(QAction* action, std::function<void()> handler)
{
    connect(action, &QAction::triggered, this,
            [this, handler = std::move(handler)] { runGuarded(dialogs(), handler); });
}

void Form::backToMainWindow()
{
    windows().Hide(id_);
    windows().Show(FormId::Form1);
}

void Form::closedFromTitleBar()
{
    backToMainWindow();
}

void Form::closeEvent(QCloseEvent* event)
{
    // The window stays alive for the whole run; the close becomes a navigation.
    event->ignore();
    runGuarded(dialogs(), [this] { closedFromTitleBar(); });
}

}  // namespace radixon
