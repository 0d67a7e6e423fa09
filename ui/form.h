// SPDX-License-Identifier: GPL-3.0-or-later
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

    // Twips to this screen's logical pixels (15 twips a pixel at 96 dpi),
    // at the factor the window is drawn at.
    int twips(int value) const;
    // 1 where the design fits the screen; below 1 where the whole window is
    // drawn smaller so that it does.
    double scale() const { return scale_; }

    // Shows the window with all of its frame on the screen: centred the first
    // time, later where the pupil left it, moved in where it would stick out.
    void showOnScreen();

protected:
    Модуль1& m() { return context_.state; }
    Dialogs& dialogs() { return context_.dialogs; }
    RandomSource& random() { return context_.random; }
    WindowServices& windows() { return context_.windows; }

    // Makes the design's controls on `client` (their container unless the
    // design names another), names them for screen readers, chains the Tab
    // order and gives the first control in it the focus. The design is drawn
    // smaller where it does not fit the screen; `fixedHeight` is the part of
    // the window above the client area that keeps its size (a menu bar).
    void buildDesign(QWidget* client, int fixedHeight = 0);
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
    // The screen has changed (a phone turned, the browser's zoom, another
    // resolution): the design is drawn anew at the factor it now needs, and
    // a shown window is moved in where it would stick out.
    void refit();
    // The window's size at factor 1, with the part above the client area.
    QSize designedSize() const;
    // A control's lettering, and its place, at the window's factor.
    QFont letteringFont(const Lettering& lettering) const;
    void place(QWidget* control, const QRect& t) const;
    QWidget* makeControl(QWidget* parent, const ControlDesign& row) const;
    // The frame around our windows, as far as it is known yet.
    static QMargins frameAround();

    FormId id_;
    FormContext context_;
    const WindowDesign& design_;
    double scale_ = 1.0;
    int fixedHeight_ = 0;
    bool placed_ = false;
};

}  // namespace radixon
