#include "form.h"

#include "guard.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>

namespace radixon {

Form::Form(FormId id, FormContext context) : QWidget(nullptr), id_(id), context_(context)
{
}

int Form::twips(int value) const
{
    return qRound(value * logicalDpiX() / 1440.0);
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

void Form::setClientSizeTwips(int width, int height)
{
    resize(twips(width), twips(height));
}

void Form::setBackgroundColour(QColor colour)
{
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, colour);
    setPalette(background);
}

void Form::placeTwips(QWidget* widget, int left, int top, int width, int height) const
{
    widget->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

}  // namespace radixon
