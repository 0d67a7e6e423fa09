// SPDX-License-Identifier: GPL-3.0-or-later
#include "guard.h"

#include "runtime.h"

#include <new>

namespace radixon {

void runGuarded(Dialogs& dialogs, const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const RuntimeError& error) {
        warn(dialogs, error.message());
    } catch (const std::bad_alloc&) {
        warn(dialogs, QStringLiteral("Ошибка выполнения: недостаточно памяти"));
    } catch (...) {
        // Anything else is a fault of the program, not of what the pupil
        // typed; its own text is for developers and would be English.
        warn(dialogs, QStringLiteral("Ошибка выполнения: непредвиденная ошибка программы"));
    }
}

}  // namespace radixon
