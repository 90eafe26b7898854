#pragma once
// The report log and the recording state. The log is the text of the viewer's memo txtReport:
// its lines, each ended by a line break except perhaps the last, so a trailing line break makes
// no extra line. It is empty when that text holds no character at all.
#include <QString>
#include <QStringList>

class QWidget;

namespace calvorin {
class SaveDialog;
}

namespace calvorin::report {

// True while the main window's recording flag equals 1.
bool recording();
// Adds one line at the end of the report log. Callers test recording() first; nothing is shown.
void append(const QString& line);
// The log's lines, in order; whether its text holds no character.
QStringList lines();
bool isEmpty();

// Starts a new report (the generator's "Iniciar" and the command relatorio), hiding nothing:
// with an empty log the long header and recording on; otherwise the confirmation window decides.
void start();
// The confirmation window's way: the log is replaced by the short header and recording goes on,
// mnuRestart left as it was.
void startAnother();
// The main menu's "Parar" and "Retomar" items.
void stop();
void resume();

// A save dialog as both report windows have it.
SaveDialog saveDialog();
// Asks for a name and writes the log to it with ".txt" appended. False when the dialog was
// cancelled: then nothing is written. A file that cannot be written raises FileError.
bool save(SaveDialog& dialog);

} // namespace calvorin::report
