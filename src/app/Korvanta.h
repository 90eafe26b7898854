#pragma once
// Korvanta, the program's command language: one command word per line.
#include <QString>

#include <functional>

namespace calvorin::korvanta {

enum Mode { Script = 1, Interactive = 2 };

// Runs one line: every row of the command table whose word and mode match, in table order.
void execute(const QString& line, int mode);

// Runs every line of a script file in script mode (the start-up script, the editor's preview).
// Raises FileError when the file cannot be read; no line runs then.
void runFile(const QString& path);

// Tests watch what the commands ask of other parts of the program: the class name of every
// window shown, "report" when a report is started, "help" when the help viewer is launched.
// The observer is called just before the effect; an empty function removes it.
void setEffectObserver(std::function<void(const QString&)> observer);

} // namespace calvorin::korvanta
