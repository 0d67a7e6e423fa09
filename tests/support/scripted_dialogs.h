// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <stdexcept>
#include <vector>

namespace radixon::testing {

// One dialog the program showed, as the pupil would have seen it.
struct ShownDialog {
    enum class Kind { Input, Message } kind;
    QString prompt;
    QString title;
    MsgStyle style = MsgStyle::Critical;  // message boxes only

    bool isInput() const { return kind == Kind::Input; }
};

// Raised when the program asks for more replies than the test scripted; the
// test fails, and the handler's loop cannot go on asking for ever.
struct ScriptExhausted : std::runtime_error {
    ScriptExhausted() : std::runtime_error("the test scripted no more replies") {}
};

// Answers input boxes from a script (std::nullopt-free: Cancel is the empty
// text) and records every dialog shown.
class ScriptedDialogs final : public Dialogs {
public:
    void reply(const QString& text) { replies_.push_back(text); }
    void replies(std::initializer_list<QString> texts);
    void cancel() { replies_.push_back(QString()); }

    QString inputBox(const QString& prompt, const QString& title) override;
    void msgBox(const QString& prompt, MsgStyle style, const QString& title) override;

    const std::vector<ShownDialog>& shown() const { return shown_; }
    // Prompts of every dialog shown, in order.
    QStringList prompts() const;
    // Message boxes only.
    std::vector<ShownDialog> messages() const;
    std::size_t unusedReplies() const { return replies_.size(); }
    void clear();

private:
    std::deque<QString> replies_;
    std::vector<ShownDialog> shown_;
};

}  // namespace radixon::testing
