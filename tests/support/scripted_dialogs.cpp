// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripted_dialogs.h"

#include <gtest/gtest.h>

namespace radixon::testing {

void ScriptedDialogs::replies(std::initializer_list<QString> texts)
{
    for (const QString& text : texts)
        replies_.push_back(text);
}

QString ScriptedDialogs::inputBox(const QString& prompt, const QString& title)
{
    shown_.push_back({ShownDialog::Kind::Input, prompt, title});
    if (replies_.empty()) {
        ADD_FAILURE() << "unscripted input box: " << prompt.toStdString();
        throw ScriptExhausted();
    }
    QString text = replies_.front();
    replies_.pop_front();
    return text;
}

void ScriptedDialogs::msgBox(const QString& prompt, MsgStyle style, const QString& title)
{
    shown_.push_back({ShownDialog::Kind::Message, prompt, title, style});
}

QStringList ScriptedDialogs::prompts() const
{
    QStringList list;
    for (const ShownDialog& dialog : shown_)
        list << dialog.prompt;
    return list;
}

std::vector<ShownDialog> ScriptedDialogs::messages() const
{
    std::vector<ShownDialog> list;
    for (const ShownDialog& dialog : shown_)
        if (!dialog.isInput())
            list.push_back(dialog);
    return list;
}

void ScriptedDialogs::clear()
{
    replies_.clear();
    shown_.clear();
}

}  // namespace radixon::testing
