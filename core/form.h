#pragma once

#include "dialogs.h"
#include "module1.h"
#include "random_source.h"
#include "window_services.h"

#include <QWidget>

#include <functional>
#include <initializer_list>

class QAbstractButton;
class QAction;

namespace radixon {

// What every window is given: the one shared state and the runtime services.
struct FormContext {
    Модуль1& state;
    Dialogs& dialogs;
    RandomSource& random;
    WindowServices& windows;
};

// A top-level window of the tutor.
class Form : public QWidget {
    Q_OBJECT

public:
    Form(FormId id, FormContext context);

    FormId id() const { return id_; }
    // Runs once, when the window is first shown.
    virtual void Form_Load() {}

    // Twips to this screen's logical pixels (15 twips a pixel at 96 dpi).
    int twips(int value) const;

protected:
    Модуль1& m() { return context_.state; }
    Dialogs& dialogs() { return context_.dialogs; }
    RandomSource& random() { return context_.random; }
    WindowServices& windows() { return context_.windows; }

    // Connects a click through the guard that reports runtime errors.
    void onClick(QAbstractButton* button, std::function<void()> handler);
    void onTriggered(QAction* action, std::function<void()> handler);

    // What every "Назад" button does: hide this window and show the main one.
    void backToMainWindow();
    // Closing from the title bar: by default the same as "Назад".
    virtual void closedFromTitleBar();
    void closeEvent(QCloseEvent* event) override;

    // Design geometry in twips: the client area, and a control's left, top,
    // width and height relative to its parent.
    void setClientSizeTwips(int width, int height);
    void setBackgroundColour(QColor colour);
    void placeTwips(QWidget* widget, int left, int top, int width, int height) const;

private:
    FormId id_;
    FormContext context_;
};

}  // namespace radixon
