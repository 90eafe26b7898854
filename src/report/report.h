#pragma once
// Starting and saving a report: the report windows' operations over the report log.
#include <QString>

namespace calvorin {
class SaveDialog;
}

namespace calvorin::report {

// Starts a new report (the generator's "Iniciar" and the command relatorio), hiding nothing:
// with an empty log the long header and recording on; otherwise the confirmation window decides.
void start();
// The confirmation window's way: the log is replaced by the short header and recording goes on,
// "Retomar" left as it was.
void startAnother();

// A save dialog as both report windows have it.
SaveDialog saveDialog();
// Asks for a name and writes the log to it with ".txt" appended. False when the dialog was
// cancelled: then nothing is written. A file that cannot be written raises FileError.
bool save(SaveDialog& dialog);

} // namespace calvorin::report
