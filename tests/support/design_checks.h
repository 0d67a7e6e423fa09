#pragma once

#include "form.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>

#include <span>

namespace radixon::testing {

// The lettering a control is designed with.
struct DesignFont {
    const char* face;
    double points;
    bool bold;
    bool italic;
    // The Liberation face that draws `face` on screen; nullptr: not checked.
    const char* drawnWith = nullptr;
};

// One control as the window's design describes it.
struct DesignedControl {
    const char* name;
    // The button's caption, the box's text, the label's caption or the print
    // area's printed text.
    QString caption;
    // Left, top, width and height in twips within the parent; a null rect
    // leaves the place unchecked (a control the window sizes by other rules).
    QRect twips;
    // Button face, or the background of a box, label or print area;
    // invalid: not checked.
    QColor back;
    // Its text colour; invalid: not checked.
    QColor text;
    DesignFont font;
    // The control it sits in; nullptr: not checked.
    const char* parent = nullptr;
};

// Every control of `design` stands in `window` at its twips, with its
// caption, colours and font.
void expectDesign(Form& window, std::span<const DesignedControl> design);

// Tab, pressed from the first control of `order`, walks the rest of them in
// turn and then comes back to the first.
void expectTabOrder(Form& window, const QStringList& order);

}  // namespace radixon::testing
