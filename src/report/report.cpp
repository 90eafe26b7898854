#include "report/report.h"

#include "platform/dialogs.h"
#include "platform/locale.h"
#include "platform/textfile.h"
#include "report/fConfirmNR.h"
#include "ui/registry.h"
#include "ui/reportlog.h"

namespace calvorin::report {

void start() {
    ReportLog& log = reportLog();
    // kept as the program has always written it: the log is tested twice: once the confirmation window is
    // shown it decides, and an empty log starts at once
    if (!log.isEmpty()) showWindow(&window<TfrmConfirmNR>());
    if (!log.isEmpty()) return; // the confirmation window decides
    log.clear();
    log.append(QStringLiteral("Relatório do Calvorin 2.1"));
    // kept as the program has always written it: the blank before the colon
    log.append(QStringLiteral("Gerado em : ") + longTimeText());
    log.append(QString());
    log.setState({true, false});
}

// kept as the program has always written it: the confirmation window's header says "2.0", has no blank before
// the colon and no empty third line, and leaves "Retomar" as it was
void startAnother() {
    ReportLog& log = reportLog();
    log.clear();
    log.append(QStringLiteral("Relatório do Calvorin 2.0"));
    log.append(QStringLiteral("Gerado em: ") + longTimeText());
    log.setState({true, log.state().resumable});
}

SaveDialog saveDialog() {
    return SaveDialog(QStringLiteral("CVRelatório"), QStringLiteral("Arquivos texto|*.txt"));
}

bool save(SaveDialog& dialog) {
    const std::optional<QString> name = dialog.execute();
    if (!name) return false;
    // kept as the program has always written it: the extension goes on whatever was typed, also after a
    // ".txt"
    writeLinesFile(*name + QStringLiteral(".txt"), reportLog().lines());
    return true;
}

} // namespace calvorin::report
