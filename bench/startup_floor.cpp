// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt Widgets program can do to show the main window: a bare window
// of its size with one label in its font, ending after the first paint. The
// tutor's start-up is measured against this.

#include "first_paint.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    // The main window's client area: 9615 x 6930 twips at 15 twips a pixel.
    window.resize(641, 462);
    window.setWindowTitle(QStringLiteral("РАДИКСОН"));
    auto* label = new QLabel(QStringLiteral("Ваша фамилия"), &window);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(18);
    font.setBold(true);
    font.setItalic(true);
    label->setFont(font);
    label->setGeometry(32, 48, 225, 57);
    QuitAfterFirstPaint::watch(window);
    window.show();
    return app.exec();
}
