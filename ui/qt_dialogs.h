// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs.h"

namespace radixon {

// The dialogs of the running program: Qt's input dialog and message box,
// over the active window.
class QtDialogs final : public Dialogs {
public:
    QString inputBox(const QString& prompt, const QString& title) override;
    void msgBox(const QString& prompt, MsgStyle style, const QString& title) override;
};

}  // namespace radixon
