#include "platform/help.h"

namespace calvorin {

namespace {
QString g_helpFile;
}

void setApplicationHelpFile(const QString& fileName) { g_helpFile = fileName; }
QString applicationHelpFile() { return g_helpFile; }

void helpRequest(const QString& helpFile, int, const QString&) { setApplicationHelpFile(helpFile); }

bool shellExecute(const QString&, const QString&) { return false; }

} // namespace calvorin
