// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print_model.h"

#include <QWidget>

#include <optional>

namespace radixon {

// A print area: paints its lines from the top-left corner in its own font and
// colours. Screen readers get the printed text as its Value and as a read-only
// multi-line text they can read line by line from a caret the arrow keys move.
class PrintArea : public QWidget {
    Q_OBJECT

public:
    explicit PrintArea(QWidget* parent = nullptr);

    // Prints the items after what the area shows, as PrintModel::print does;
    // the caret stays where it is.
    void print(std::initializer_list<PrintItem> items, LineEnd end = LineEnd::End);
    // Clears the area and shows `page` in its place.
    void setPage(PrintModel page);
    void cls() { setPage(PrintModel()); }
    QString text() const { return model_.text(); }
    // The factor its window is drawn at: below 1 where the whole window is
    // drawn smaller than designed, its font included.
    void setScale(double scale) { scale_ = scale; }
    const PrintModel& model() const { return model_; }

    // Whether it holds other controls and no text: then it is their
    // background, not a page, to a screen reader.
    bool isBackground() const;

    // Where a screen reader reads: an offset into text(). It is not drawn.
    int caret() const { return caret_; }
    void setCaret(int offset);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // What print and setPage share: the text before a change, taken only
    // while a screen reader is there to be told, and the change told to it.
    std::optional<QString> textBeforeChange() const;
    void changed(const std::optional<QString>& before);
    void paintFocusFrame(QPainter& painter);
    bool holdsControls() const;
    bool outOfProportion() const;
    PrintModel model_;
    double scale_ = 1.0;
    int caret_ = 0;
};

}  // namespace radixon
