#pragma once
// The program's style: the desktop's own, made cheaper to start.

namespace calvorin {

// Makes the application's style a wrapper of the style Qt chose (the desktop's, or the one asked for
// with -style) that gives the extension buttons of menu bars and tool bars their icon when it is
// first drawn. Call it once the application exists, before the first window is made.
void useStartUpStyle();

} // namespace calvorin
