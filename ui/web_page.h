// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

namespace radixon::web {

// The web page around the program (index.html) in a browser. Outside a
// browser these do nothing: there the screen reader reads the windows
// themselves, and the program ends as programs do.

// Adds `text` to the page's spoken log, a live region the pupil's screen
// reader reads out (it cannot read what Qt draws in the page's canvas).
void say(const QString& text);

// The program has ended (Выход, or its main window closed): the page hides
// the program's windows and says that the work is over, offering to start
// again.
void showEndPage();

}  // namespace radixon::web
