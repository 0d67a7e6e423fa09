// SPDX-License-Identifier: GPL-3.0-or-later
#include "guard.h"
#include "runtime.h"
#include "scripted_dialogs.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace radixon {
namespace {

// Whatever a handler throws stops only that handler, and the pupil reads why
// in Russian in a box with the error icon.
TEST(RunGuarded, ReportsEveryFailureInRussianAndGoesOn)
{
    const struct {
        const char* name;
        std::function<void()> handler;
        const char* shown;
    } cases[] = {
        {"overflow", [] { throw RuntimeError(RuntimeErrorKind::Overflow); }, "Ошибка выполнения: переполнение"},
        {"subscript", [] { throw RuntimeError(RuntimeErrorKind::SubscriptOutOfRange); },
         "Ошибка выполнения: индекс за пределами допустимого диапазона"},
        {"division by zero", [] { throw RuntimeError(RuntimeErrorKind::DivisionByZero); },
         "Ошибка выполнения: деление на ноль"},
        {"memory", [] { throw std::bad_alloc(); }, "Ошибка выполнения: недостаточно памяти"},
        {"a fault of the program", [] { throw std::logic_error("window not registered"); },
         "Ошибка выполнения: непредвиденная ошибка программы"},
        {"not even an exception", [] { throw 42; }, "Ошибка выполнения: непредвиденная ошибка программы"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::ScriptedDialogs dialogs;
        EXPECT_NO_THROW(runGuarded(dialogs, c.handler));
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].prompt, QString::fromUtf8(c.shown));
        EXPECT_EQ(dialogs.shown()[0].style, MsgStyle::Critical);
        EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("Предупреждение"));
    }
    testing::ScriptedDialogs dialogs;
    bool ran = false;
    runGuarded(dialogs, [&ran] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_TRUE(dialogs.shown().empty());
}

}  // namespace
}  // namespace radixon
