#pragma once
// Every window of the program, for start-up and for the tests that start the program in-process.
#include "ui/registry.h"

namespace calvorin {

// Creates every window once, the main window first, in the program's fixed order, into the registry.
void createAllWindows();

} // namespace calvorin
