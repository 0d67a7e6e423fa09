#pragma once

#include "design.h"
#include "dialogs.h"
#include "module1.h"
#include "random_source.h"
#include "window_services.h"

#include <QWidget>

#include <functional>

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

// A top-level window of the tutor, built from its design table.
class Form : public QWidget {
    Q_OBJECT

public:
    Form(FormId id, FormContext context, const WindowDesign& design);

    FormId id() const { return id_; }
    const WindowDesign& design() const { return design_; }
    // Runs once, when the window is first shown.
    virtual void Form_Load() {}

    // Twips to this screen's logical pixels (15 twips a pixel at 96 dpi).
    int twips(int value) const;

protected:
    Модуль1& m() { return context_.state; }
    Dialogs& dialogs() { return context_.dialogs; }
    RandomSource& random() { return context_.random; }
    WindowServices& windows() { return context_.windows; }

    // Makes the design's controls on `client` (their container unless the
    // design names another), names them for screen readers, chains the Tab
    // order and gives the first control in it the focus.
    void buildDesign(QWidget* client);
    // The control of the design with this name.
    template <class Control>
    Control* control(const char* name) const
    {
        return findChild<Control*>(QString::fromUtf8(name));
    }

    // Connects a click through the guard that reports runtime errors.
    void onClick(QAbstractButton* button, std::function<void()> handler);
    void onTriggered(QAction* action, std::function<void()> handler);

    // What every "Назад" button does: hide this window and show the main one.
    void backToMainWindow();
    // Closing from the title bar: by default the same as "Назад".
    virtual void closedFromTitleBar();
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* makeControl(QWidget* parent, const ControlDesign& row) const;

    FormId id_;
    FormContext context_;
    const WindowDesign& design_;
};

}  // namespace radixon
