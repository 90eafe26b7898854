#include "app/Korvanta.h"

#include "platform/textfile.h"

namespace calvorin::korvanta {

void execute(const QString&, int) {}

void runFile(const QString& path) {
    for (const QString& line : readScriptFile(path)) execute(line, Script);
}

} // namespace calvorin::korvanta
