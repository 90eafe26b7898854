#pragma once
// The window registry: one instance of every window, created at start in a fixed order (the list
// beside main.cpp) and kept until the program ends. Windows reach each other only through it.
#include "ui/frames.h"

#include <QWidget>

#include <functional>
#include <stdexcept>
#include <vector>

namespace calvorin {

class WindowRegistry {
public:
    // Destroys them all, the last created first.
    static void destroyAll();

    // Adds one window at the end of the order; the registry owns it from then on.
    static void add(QWidget* window);
    static const std::vector<QWidget*>& windows();

    // The window of that class; nullptr when it has not been created. The windows handed out are
    // ready: sized and with their pictures, as if they had been shown.
    template <class T> static T* find() {
        for (QWidget* w : windows())
            if (auto* t = qobject_cast<T*>(w)) {
                makeReady(t);
                return t;
            }
        return nullptr;
    }

    template <class T> static T& get() {
        if (T* t = find<T>()) return *t;
        throw std::logic_error(std::string("window not created: ") + T::staticMetaObject.className());
    }
};

template <class T>
T& window() {
    return WindowRegistry::get<T>();
}

// Shows a window: visible, not modal, raised and activated. A visible one is only brought to front.
void showWindow(QWidget* window);

// Shows the one window of that class, as it was last left.
template <class T> void open() {
    showWindow(&window<T>());
}

} // namespace calvorin
