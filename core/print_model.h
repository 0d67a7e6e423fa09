// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

namespace radixon {

// One item of a print: text is written unchanged, a number with one leading
// blank (the place of its sign) and one trailing blank.
class PrintItem {
public:
    static PrintItem text(const QString& text) { return PrintItem(text); }
    static PrintItem number(double value);
    const QString& written() const { return written_; }

private:
    explicit PrintItem(QString written) : written_(std::move(written)) {}
    QString written_;
};

enum class LineEnd { Continue, End };

// What a print area shows: its lines, and whether the last one is still open
// for the next print to continue.
class PrintModel {
public:
    // Writes the items one after another at the current position. With
    // LineEnd::End (always so for a print with no items) the next print starts
    // a new line.
    void print(std::initializer_list<PrintItem> items, LineEnd end = LineEnd::End);
    void cls();

    // A page of whole lines, as printed one print a line (the empty text is an
    // empty line).
    static PrintModel ofLines(const QStringList& lines);

    const QStringList& lines() const { return lines_; }
    // The printed lines joined with "\n", blanks as printed.
    QString text() const { return lines_.join(u'\n'); }

private:
    QStringList lines_;
    bool lineOpen_ = false;
};

}  // namespace radixon
