// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

#include <QStringList>

namespace radixon::testing {

// Every control of the window's design table stands in the window as the
// table says: its kind, container, place, text, colours and lettering, drawn
// with the Liberation face that stands in for the design's Windows face.
void expectBuiltFromDesign(Form& window);

// What a design must keep through any change to its table: every control
// lies inside the client area (a print area may reach beyond it: a long page
// is seen by enlarging the window), no two controls of one container overlap,
// and every control of the Tab order takes the focus.
void expectSoundDesign(const WindowDesign& design);

// Tab, pressed from the first control of `order`, walks the rest of them in
// turn and then comes back to the first.
void expectTabOrder(Form& window, const QStringList& order);

}  // namespace radixon::testing
