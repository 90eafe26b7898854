#pragma once
// The one guard around every event handler: the program's errors end the handler and are shown
// in the error box; nothing crosses Qt's event loop and the program goes on.
#include <QApplication>
#include <QObject>

#include <functional>
#include <type_traits>

namespace calvorin {

// Runs a handler; an error escaping it becomes the error box. Returns false when one did.
bool runGuarded(const std::function<void()>& handler);

// Connects a signal to a handler that runs inside the guard. The handler is a member function of
// the receiver or any callable; it gets the signal's arguments when it takes them, none otherwise
// (`Button1Click()` on `clicked(bool)`, `txtChange(const QString&)` on `textEdited`).
template <class Sender, class Signal, class Receiver, class Handler>
QMetaObject::Connection connectGuarded(Sender* sender, Signal signal, Receiver* receiver, Handler handler) {
    return QObject::connect(sender, signal, receiver, [receiver, handler](const auto&... args) {
        runGuarded([&] {
            if constexpr (std::is_member_function_pointer_v<Handler>) {
                if constexpr (std::is_invocable_v<Handler, Receiver*, decltype(args)...>)
                    std::invoke(handler, receiver, args...);
                else
                    (receiver->*handler)();
            } else {
                if constexpr (std::is_invocable_v<Handler, decltype(args)...>)
                    handler(args...);
                else
                    handler();
            }
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
