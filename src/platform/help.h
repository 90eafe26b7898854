#pragma once
// The help file and the desktop shell, as the program reaches them.
#include <QString>

namespace calvorin {

// The application's help file ("Cv21.hlp" at start-up).
void setApplicationHelpFile(const QString& fileName);
QString applicationHelpFile();

// Help request: makes `helpFile` the application's help file, then kind 1 opens the keyword
// search (the topic is not used) and kind 2 jumps to the topic with that identifier.
void helpRequest(const QString& helpFile, int kind, const QString& topic);

// Asks the shell to start a program with a parameter. Starting "winhelp.exe" opens the help
// viewer's contents; anything it cannot start does nothing. Callers ignore the result.
bool shellExecute(const QString& program, const QString& parameter);

} // namespace calvorin
