#pragma once
// Every window of the program, for start-up and for the tests that start the program in-process.
#include "ui/registry.h"

#include <functional>

namespace calvorin {

// Creates every window once, the main window first, in the program's fixed order, into the registry.
// `mainCreated` runs as soon as the main window exists, before the others are made. The help file's
// command list is filled from the command table first, and the help viewer handed to the help requests.
void createAllWindows(const std::function<void(QWidget*)>& mainCreated = {});

} // namespace calvorin
