// SPDX-License-Identifier: GPL-3.0-or-later
#include "print_model.h"

#include "runtime.h"

namespace radixon {

PrintItem PrintItem::number(double value)
{
    return PrintItem(Str(value) + u' ');
}

void PrintModel::print(std::initializer_list<PrintItem> items, LineEnd end)
{
    if (!lineOpen_) {
        lines_.append(QString());
        lineOpen_ = true;
    }
    QString& line = lines_.last();
    for (const PrintItem& item : items)
        line += item.written();
    if (end == LineEnd::End || items.size() == 0)
        lineOpen_ = false;
}

PrintModel PrintModel::ofLines(const QStringList& lines)
{
    PrintModel page;
    page.lines_ = lines;
    return page;
}

void PrintModel::cls()
{
    lines_.clear();
    lineOpen_ = false;
}

}  // namespace radixon
