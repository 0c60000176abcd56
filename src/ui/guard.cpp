#include "ui/guard.h"

#include "common/apperror.h"
#include "ui/messageservice.h"

bool runGuarded(const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const Abort &) {
    } catch (const std::exception &e) {
        Msg::error(exceptionText(e));
    } catch (...) {
        Msg::error(QStringLiteral("Ocorreu um erro inesperado."));
    }
    return false;
}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    bool result = false;
    runGuarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}
