// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace radixon {

// The design names Windows faces. On Linux the Liberation faces of the same
// metrics draw them, so every classroom machine shows the same layout. On
// Windows the system's own faces draw them ("Microsoft Sans Serif", the
// TrueType twin of the bitmap "MS Sans Serif"), and a Liberation face
// carried in the program stands in only where one is missing (as under Wine).
// Once, before the first font is used.
void installDesignFaces();

// What a design font asks of the font matcher besides its face: on Windows,
// outline faces only, so no bitmap face of the same name is drawn.
QFont::StyleStrategy designFaceStrategy();

}  // namespace radixon
