// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>

#include <vector>

namespace radixon {

enum class ControlKind {
    Button,
    // A button whose caption wraps at blanks onto more lines when it is wider
    // than the button (the design's narrow buttons hold two-word captions).
    WrappingButton,
    TextBox,
    Label,
    PrintArea,
};

// Lettering as the design names it: a Windows face, drawn with the
// Liberation face of the same metrics.
struct Lettering {
    const char* face;
    double points;
    bool bold;
    bool italic;
};

// One control of a window's design.
struct ControlDesign {
    const char* name;  // its objectName
    ControlKind kind;
    const char* text;  // caption or initial text; print areas start empty
    QRect twips;       // left, top, width and height within its container
    QColor back;       // face or background; invalid: as inherited
    QColor fore;       // text colour; invalid: the default one
    Lettering lettering;
    // The control whose caption names this one for screen readers (a label
    // also takes it as its buddy).
    const char* labelledBy = nullptr;
    // A name for screen readers where no control labels this one.
    const char* readerName = nullptr;
    // The control it lies in; nullptr: the window's client area.
    const char* container = nullptr;
};

// A window as designed: its client area, background, controls in the order
// they are made, and the Tab order (print areas in it take the focus too).
struct WindowDesign {
    const char* name;
    QSize clientTwips;
    QColor background;  // invalid: the desktop's
    std::vector<ControlDesign> controls;
    std::vector<const char*> tabOrder;
};

}  // namespace radixon
