// SPDX-License-Identifier: GPL-3.0-or-later
#include "print_model.h"

#include <gtest/gtest.h>

namespace radixon {
namespace {

TEST(PrintModel, NumbersCarryBlanksAndPrintsContinueOrEndTheLine)
{
    PrintModel model;
    model.print({PrintItem::text("45"), PrintItem::text("  :    "), PrintItem::number(2), PrintItem::text(" = "),
                 PrintItem::number(22), PrintItem::text("("), PrintItem::number(1), PrintItem::text(")")});
    model.print({});
    model.print({PrintItem::text("ОТВЕТ:")});
    model.print({PrintItem::number(1)}, LineEnd::Continue);
    model.print({PrintItem::number(-1)}, LineEnd::Continue);
    EXPECT_EQ(model.lines(), QStringList({"45  :     2  =  22 ( 1 )", "", "ОТВЕТ:", " 1 -1 "}));
    EXPECT_EQ(model.text(), "45  :     2  =  22 ( 1 )\n\nОТВЕТ:\n 1 -1 ");
}

TEST(PrintModel, ClsEmptiesAndStartsAtTheTop)
{
    PrintModel model;
    model.print({PrintItem::text("a")}, LineEnd::Continue);
    model.cls();
    EXPECT_TRUE(model.lines().isEmpty());
    model.print({PrintItem::text("b")});
    model.print({PrintItem::text("")});
    model.print({PrintItem::text("c")});
    EXPECT_EQ(model.lines(), QStringList({"b", "", "c"}));
}

}  // namespace
}  // namespace radixon
