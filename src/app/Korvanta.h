#pragma once
// Korvanta, the program's command language: one command word per line.
#include <QString>

namespace calvorin::korvanta {

enum Mode { Script = 1, Interactive = 2 };

// Runs one line: every row of the command table whose word and mode match, in table order.
void execute(const QString& line, int mode);

// Runs every line of a script file in script mode (the start-up script, the editor's preview).
// Raises FileError when the file cannot be read; no line runs then.
void runFile(const QString& path);

} // namespace calvorin::korvanta
