#pragma once

#include "print_model.h"

#include <QWidget>

namespace radixon {

// A print area: paints its lines from the top-left corner in its own font and
// colours, and gives screen readers the printed text as its Value.
class PrintArea : public QWidget {
    Q_OBJECT

public:
    explicit PrintArea(QWidget* parent = nullptr);

    void print(std::initializer_list<PrintItem> items, LineEnd end = LineEnd::End);
    void cls();
    // Clears the area and shows `page` in its place.
    void setPage(PrintModel page);
    QString text() const { return model_.text(); }
    const PrintModel& model() const { return model_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void changed();
    PrintModel model_;
};

}  // namespace radixon
