// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace radixon {

// Every text box (QLineEdit, the input box's too) is given to screen readers
// by our own accessible interface, once, before the first window. It is Qt's
// line edit as assistive technology sees it, but for the text attributes: Qt
// reports an empty run at every offset, and Orca joins such runs into one
// that ends a character early, so that on focus it said "17" for "170". Ours
// is one run over the whole text. Nothing of it runs without a screen reader.
void installTextBoxAccessibility();

}  // namespace radixon
