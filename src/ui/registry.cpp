#include "ui/registry.h"

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

void showWindow(QWidget* window) {
    if (!window) return;
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace calvorin
