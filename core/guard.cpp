#include "guard.h"

#include "runtime.h"

namespace radixon {

void runGuarded(Dialogs& dialogs, const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const RuntimeError& error) {
        warn(dialogs, error.message());
    } catch (const std::bad_alloc&) {
        warn(dialogs, QStringLiteral("Ошибка выполнения: недостаточно памяти"));
    } catch (const std::exception& error) {
        warn(dialogs, QStringLiteral("Ошибка выполнения: ") + QString::fromLocal8Bit(error.what()));
    }
}

}  // namespace radixon
