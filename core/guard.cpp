#include "guard.h"

#include "runtime.h"

namespace radixon {

void runGuarded(Dialogs& dialogs, const std::function<void()>& handler)
{
    const QString title = QStringLiteral("Предупреждение");
    try {
        handler();
    } catch (const RuntimeError& error) {
        dialogs.msgBox(error.message(), MsgStyle::Critical, title);
    } catch (const std::bad_alloc&) {
        dialogs.msgBox(QStringLiteral("Ошибка выполнения: недостаточно памяти"), MsgStyle::Critical, title);
    } catch (const std::exception& error) {
        dialogs.msgBox(QStringLiteral("Ошибка выполнения: ") + QString::fromLocal8Bit(error.what()),
                       MsgStyle::Critical, title);
    }
}

}  // namespace radixon
