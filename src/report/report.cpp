#include "report/report.h"

#include "app/mdiMain.h"
#include "app/registry.h"

namespace calvorin::report {

bool recording() { return window<TfrmMain>().recording == 1; }
void append(const QString&) {}
void start() {}
void stop() {}
void resume() {}

} // namespace calvorin::report
