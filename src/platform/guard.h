#pragma once
// The one guard around every event handler: the program's errors end the handler and are shown
// in the error box; nothing crosses Qt's event loop and the program goes on.
#include <QApplication>
#include <QObject>

#include <functional>

namespace calvorin {

// Runs a handler; an error escaping it becomes the error box. Returns false when one did.
bool runGuarded(const std::function<void()>& handler);

// Connects a signal to a handler that runs inside the guard.
template <class Sender, class Signal, class Receiver, class Handler>
QMetaObject::Connection connectGuarded(Sender* sender, Signal signal, Receiver* receiver, Handler handler) {
    return QObject::connect(sender, signal, receiver, [receiver, handler] {
        runGuarded([&] {
            if constexpr (std::is_member_function_pointer_v<Handler>)
                (receiver->*handler)();
            else
                handler();
        });
    });
}

// The program's application object: a last net for errors thrown from event handlers that are
// not connected through the guard (show, key and paint handlers).
class Application : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace calvorin
