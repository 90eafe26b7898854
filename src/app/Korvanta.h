#pragma once
// Korvanta, the program's command language: one command word per line.
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

struct QMetaObject;

namespace calvorin::korvanta {

enum Mode { Script = 1, Interactive = 2 };

// The texts a command prints into the command window: the version lines, or one of the listings.
enum class Printout { None, Version, Progressions, Geometric, Tools };

// What a command does in one mode, in this order: shows a window, prints, then its own action.
struct Does {
    const QMetaObject* opens = nullptr; // the class of the window it shows
    void (*show)() = nullptr;
    Printout prints = Printout::None;
    void (*act)() = nullptr; // empties the output, ends the program, starts a report, ...
};

// Where a listing shows a command: in its place, as "word - line".
struct Listed {
    Printout in = Printout::None;
    int at = 0;
    const char* line = nullptr;
};

// One command: its words, what it does in each mode, its listing line and its line in the help file.
struct Command {
    QStringList words;
    Does script;               // in the start-up script and the editor's preview
    std::optional<Does> typed; // in the command window; none when it acts as in a script
    Listed listed;
    const char* help = nullptr; // none: the help file's command list leaves it out

    const Does& in(int mode) const { return mode == Script || !typed ? script : *typed; }
};

// Every command, in the order of the help file's command list. A word belongs to one command.
const std::vector<Command>& commands();

// The lines a printout appends to the command window.
QStringList lines(Printout printout);

// Runs one line: what every command with that word does in that mode.
void execute(const QString& line, int mode);

// Runs every line of a script file in script mode (the start-up script, the editor's preview).
// Raises FileError when the file cannot be read; no line runs then.
void runFile(const QString& path);

// Hands the commands' help lines to the help file's command list. Call it once at start-up,
// before the help viewer is first used.
void listInHelp();

// Tests watch what the commands ask of other parts of the program: the class name of every
// window shown, "report" when a report is started, "help" when the help viewer is launched.
// The observer is called just before the effect; an empty function removes it.
void setEffectObserver(std::function<void(const QString&)> observer);

} // namespace calvorin::korvanta
