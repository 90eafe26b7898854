#pragma once
// Windows-1252 text files: the start-up script, the preview copy and the saved report.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace calvorin {

// Splits script bytes into lines: CR ends a line and one LF right after it is skipped; a lone LF
// stays in the line; Ctrl+Z ends the text; the last line needs no line end.
QStringList splitScriptLines(const QByteArray& bytes);

// Reads a file's lines by those rules; raises FileError when it cannot be read.
QStringList readScriptFile(const QString& path);

// Reads a whole file as an editor shows it, each line break a '\n': CR LF, CR and LF each end a
// line, the last line end adds no empty line, and Ctrl+Z is a character like any other, so that
// saving it again loses nothing. Raises FileError when it cannot be read.
QString readTextFile(const QString& path);

// Writes every line followed by CR LF, replacing the file; raises FileError when it cannot be written.
void writeLinesFile(const QString& path, const QStringList& lines);

QString fromWindows1252(const QByteArray& bytes);
QByteArray toWindows1252(const QString& text);

} // namespace calvorin
