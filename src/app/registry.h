#pragma once
// The window registry: one instance of every window, created at start in a fixed order and kept
// until the program ends. Windows reach each other only through it.
#include "app/frames.h"

#include <QWidget>

#include <functional>
#include <stdexcept>
#include <vector>

namespace calvorin {

class WindowRegistry {
public:
    // Creates every window of the program, the main window first (windows.cpp holds the order).
    // `mainCreated` runs as soon as the main window exists, before the others are made.
    static void createAll(const std::function<void(QWidget*)>& mainCreated = {});
    // Destroys them all, the last created first.
    static void destroyAll();

    // Adds one window at the end of the order; the registry owns it from then on.
    static void add(QWidget* window);
    static const std::vector<QWidget*>& windows();

    // The window whose class has that name; nullptr when the program has none. The windows handed
    // out are ready: sized and with their pictures, as if they had been shown.
    static QWidget* find(const char* className);

    template <class T>
    static T& get() {
        for (QWidget* w : windows())
            if (auto* t = qobject_cast<T*>(w)) {
                makeReady(t);
                return *t;
            }
        throw std::logic_error(std::string("window not created: ") + T::staticMetaObject.className());
    }
};

template <class T>
T& window() {
    return WindowRegistry::get<T>();
}

// Shows a window: visible, not modal, raised and activated. A visible one is only brought to front.
void showWindow(QWidget* window);
// Shows the window of that class; does nothing when the program has no window of that class.
void showWindow(const char* className);

} // namespace calvorin
