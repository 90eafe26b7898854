#pragma once
// The report log and the recording state, as the rest of the program uses them.
#include <QString>

namespace calvorin::report {

// True while the main window's recording flag equals 1.
bool recording();
// Adds one line at the end of the report log. Callers test recording() first.
void append(const QString& line);
// Starts a new report (the generator's "Iniciar" and the command relatorio), hiding nothing.
void start();
// The main menu's "Parar" and "Retomar" items.
void stop();
void resume();

} // namespace calvorin::report
