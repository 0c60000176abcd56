#pragma once

#include <QApplication>
#include <QObject>

#include <functional>
#include <type_traits>
#include <utility>

// Runs an event handler so that no exception escapes it: Abort ends the
// handler silently, any other exception reaches the operator as the standard
// error report, and the program goes on. True when the handler completed.
bool runGuarded(const std::function<void()> &handler);

template<typename F> bool guarded(F &&handler)
{
    return runGuarded(std::function<void()>(std::forward<F>(handler)));
}

// connect() for event handlers: the slot runs under the guard.
//   onSignal(btnConfirmar, &QPushButton::clicked, this, &TfrmX::btnConfirmarClick);
template<typename Sender, typename Signal, typename Receiver, typename Slot>
QMetaObject::Connection onSignal(Sender *sender, Signal signal, Receiver *receiver, Slot slot)
{
    return QObject::connect(sender, signal, receiver, [receiver, slot](auto &&...args) {
        guarded([&] {
            if constexpr (std::is_member_function_pointer_v<Slot>) {
                if constexpr (std::is_invocable_v<Slot, Receiver *, decltype(args)...>)
                    (receiver->*slot)(std::forward<decltype(args)>(args)...);
                else
                    (receiver->*slot)();
            } else {
                if constexpr (std::is_invocable_v<Slot, decltype(args)...>)
                    slot(std::forward<decltype(args)>(args)...);
                else
                    slot();
            }
        });
    });
}

// The application object: its notify() is the last net under every event
// handler, so an exception thrown where no guard was set is still reported.
class GuardedApplication : public QApplication
{
public:
    GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) { }
    bool notify(QObject *receiver, QEvent *event) override;
};
