// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_dialogs.h"

#include "web_page.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace radixon {

namespace {
// A box asked for without a title bears the program's name, as its main
// window does.
QString titleOrAppName(const QString& title)
{
    return title.isEmpty() ? QStringLiteral("РАДИКСОН") : title;
}
}  // namespace

QString QtDialogs::inputBox(const QString& prompt, const QString& title)
{
    QInputDialog dialog(QApplication::activeWindow());
    // A reply may hold letters the application's face lacks.
    QFont merging = QApplication::font();
    merging.setStyleStrategy(QFont::PreferDefault);
    dialog.setFont(merging);
    dialog.setWindowTitle(titleOrAppName(title));
    dialog.setLabelText(prompt);
    dialog.setTextValue(QString());
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Отмена"));
    web::say(prompt);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

void QtDialogs::msgBox(const QString& prompt, MsgStyle style, const QString& title)
{
    QMessageBox box(style == MsgStyle::Critical ? QMessageBox::Critical : QMessageBox::Warning, titleOrAppName(title),
                    prompt, QMessageBox::Ok, QApplication::activeWindow());
    // A screen reader says the box's text as it opens, but Orca, still busy
    // with the answer box that has just closed, may say only the focused
    // button: the button carries the text too, so the verdict is always heard.
    box.button(QMessageBox::Ok)->setAccessibleDescription(prompt);
    web::say(prompt);
    box.exec();
}

}  // namespace radixon
