#include "platform/process.h"

#include <cstdio>
#include <cstdlib>

namespace calvorin {

namespace {
std::function<void(int)> g_hook;
}

void setTerminateHook(std::function<void(int)> hook) {
    g_hook = std::move(hook);
}

void terminateProcess(int exitCode) {
    if (g_hook) g_hook(exitCode);
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

} // namespace calvorin
