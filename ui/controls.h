// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>

class QApplication;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace radixon {

class PrintArea;

// Style, fonts, name and icon of the application; once, before the first
// window.
void setupApplication(QApplication& app);
// The program's icon, as every window shows it.
QIcon programIcon();

QFont designFont(const QString& face, double points, bool bold, bool italic);

// Controls with their design name as objectName and their design colours.
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, QColor face, const QFont& font);
// The same button, its caption wrapped at blanks onto more lines when it is
// wider than the button (the design's narrow buttons hold two-word captions).
QPushButton* makeWrappingButton(QWidget* parent, const QString& name, const QString& caption, QColor face,
                                const QFont& font);
QLineEdit* makeTextBox(QWidget* parent, const QString& name, const QString& text, QColor back, QColor fore,
                       const QFont& font);
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, QColor back, QColor fore,
                  const QFont& font);
PrintArea* makePrintArea(QWidget* parent, const QString& name, QColor back, QColor fore, const QFont& font);

}  // namespace radixon
