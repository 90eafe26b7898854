#pragma once
#include <functional>

namespace calvorin {
// Ends the process at once with the exit code: no window is closed and nothing is saved.
[[noreturn]] void terminateProcess(int exitCode);
// Tests replace the termination; the hook must not return normally (throw to unwind).
void setTerminateHook(std::function<void(int)> hook);
} // namespace calvorin
