#include "app/registry.h"

#include <cstring>

namespace calvorin {

namespace {
std::vector<QWidget*>& list() {
    static std::vector<QWidget*> windows;
    return windows;
}
} // namespace

void WindowRegistry::add(QWidget* window) { list().push_back(window); }
const std::vector<QWidget*>& WindowRegistry::windows() { return list(); }

void WindowRegistry::destroyAll() {
    auto& l = list();
    while (!l.empty()) {
        delete l.back();
        l.pop_back();
    }
}

QWidget* WindowRegistry::find(const char* className) {
    for (QWidget* w : list())
        if (std::strcmp(w->metaObject()->className(), className) == 0) {
            makeReady(w);
            return w;
        }
    return nullptr;
}

void showWindow(QWidget* window) {
    if (!window) return;
    window->show();
    window->raise();
    window->activateWindow();
}

void showWindow(const char* className) { showWindow(WindowRegistry::find(className)); }

} // namespace calvorin
