#include "platform/textfile.h"

#include "core/errors.h"

#include <QFile>
#include <QSaveFile>
#include <QStringConverter>

#include <algorithm>

namespace calvorin {

QString fromWindows1252(const QByteArray& bytes) {
    // Plain ASCII reads the same in the code page, and a start-up script's commands are plain
    // ASCII: only other text needs the codec, which is slow to start.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; }))
        return QString::fromLatin1(bytes);
    QStringDecoder decoder("windows-1252");
    return decoder(bytes);
}

QByteArray toWindows1252(const QString& text) {
    QStringEncoder encoder("windows-1252");
    QByteArray bytes = encoder(text);
    // The code page has one byte a character. The codec writes Ctrl+Z for most characters it lacks,
    // and Ctrl+Z ends a script when it is read back, but it drops others without a trace (U+FEFF,
    // U+200B and the other ignorable ones): one byte for every character, none of them Ctrl+Z, is
    // the text whole.
    if (bytes.size() == text.size() && !bytes.contains('\x1A')) return bytes;
    // Otherwise each character the code page lacks becomes a question mark, one character at a
    // time. A surrogate without its partner is such a character too (alone, the codec writes
    // nothing for it).
    bytes.clear();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        const QStringView ch = QStringView(text).mid(i, n);
        QStringEncoder one("windows-1252");
        const QByteArray b = one(ch);
        bytes += (b == "\x1A" || b.isEmpty()) && ch != u"\x1A" ? QByteArray("?") : b;
        i += n;
    }
    return bytes;
}

QStringList splitScriptLines(const QByteArray& bytes) {
    QStringList lines;
    QByteArray line;
    bool pending = false; // characters (or a line end) seen since the last line was taken
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c == '\x1A') break;
        if (c == '\r') {
            lines << fromWindows1252(line);
            line.clear();
            pending = false;
            if (i + 1 < n && bytes[i + 1] == '\n') ++i;
            continue;
        }
        line += c;
        pending = true;
    }
    if (pending) lines << fromWindows1252(line);
    return lines;
}

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw FileError::cannotRead(path.toStdString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) throw FileError::cannotRead(path.toStdString());
    return bytes;
}

} // namespace

QStringList readScriptFile(const QString& path) {
    return splitScriptLines(readBytes(path));
}

QString readTextFile(const QString& path) {
    QString text = fromWindows1252(readBytes(path));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text;
}

void writeLinesFile(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += toWindows1252(line) + "\r\n";
    // Written beside the old file and swapped in at the end, so a failed write loses nothing.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError::cannotCreate(path.toStdString());
}

} // namespace calvorin
