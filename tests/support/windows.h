#pragma once
// Test tables name windows by their class: the registry's window of that class name, ready as the
// registry hands windows out.
#include "ui/registry.h"

#include <cstring>

namespace testsupport {

inline QWidget* windowNamed(const char* className) {
    for (QWidget* w : calvorin::WindowRegistry::windows())
        if (std::strcmp(w->metaObject()->className(), className) == 0) {
            calvorin::makeReady(w);
            return w;
        }
    return nullptr;
}

} // namespace testsupport
