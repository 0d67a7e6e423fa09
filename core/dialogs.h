// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace radixon {

// Message box styles: the number picks the icon.
enum class MsgStyle { Critical = 16, Exclamation = 48 };

// The modal dialogs every handler asks through. The program shows Qt's
// dialogs; tests answer from a script.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Returns the typed text; Cancel gives the empty text. An empty title means
    // the box has no title of its own.
    virtual QString inputBox(const QString& prompt, const QString& title) = 0;
    virtual void msgBox(const QString& prompt, MsgStyle style, const QString& title) = 0;
};

// Asks "Введи ответ" and returns the reply as typed; Cancel gives the empty text.
QString askAnswer(Dialogs& dialogs);
// The verdict on a typed answer: praise with the warning icon, or the error
// icon for a wrong one.
void showAnswerVerdict(Dialogs& dialogs, bool right);
// A message box with the error icon and the title "Предупреждение".
void warn(Dialogs& dialogs, const QString& prompt);

}  // namespace radixon
