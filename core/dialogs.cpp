// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs.h"

namespace radixon {

QString askAnswer(Dialogs& dialogs)
{
    return dialogs.inputBox(QStringLiteral("Введи ответ"), QStringLiteral("Ввод ответа"));
}

void showAnswerVerdict(Dialogs& dialogs, bool right)
{
    // The title's first letter is a Latin C, as the pupils have always seen it.
    if (right)
        dialogs.msgBox(QStringLiteral("МОЛОДЕЦ!!!  ПРАВИЛЬНО!!!"), MsgStyle::Exclamation, QStringLiteral("Cообщение"));
    else
        warn(dialogs, QStringLiteral("НЕПРАВИЛЬНО!!!"));
}

void warn(Dialogs& dialogs, const QString& prompt)
{
    dialogs.msgBox(prompt, MsgStyle::Critical, QStringLiteral("Предупреждение"));
}

}  // namespace radixon
