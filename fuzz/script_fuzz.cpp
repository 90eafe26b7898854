// Any bytes as a start-up script: the lines must be exactly the bytes before Ctrl+Z, cut at each
// CR with one LF after it dropped, and written back they must read back as the same lines. Any
// text written must not gain a Ctrl+Z, which would cut the script short when read.
#include "platform/textfile.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace calvorin;

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = splitScriptLines(bytes);

    const qsizetype ctrlZ = bytes.indexOf('\x1A');
    const QByteArray text = ctrlZ < 0 ? bytes : bytes.first(ctrlZ);
    // The text decoded whole and cut at every CR, less one LF after each, and nothing after the
    // last line end: what the lines must be.
    const QString decoded = fromWindows1252(text);
    require(toWindows1252(decoded) == text); // the code page keeps every byte as it was
    QStringList expected = decoded.split(u'\r');
    for (qsizetype k = 1; k < expected.size(); ++k)
        if (expected[k].startsWith(u'\n')) expected[k].remove(0, 1);
    if (expected.back().isEmpty()) expected.removeLast();
    require(lines == expected);

    // Saved, they read back the same.
    const QByteArray written = lines.isEmpty() ? QByteArray() : toWindows1252(lines.join("\r\n") + "\r\n");
    require(splitScriptLines(written) == lines);

    // The first bytes as UTF-16 text, lone surrogates and all, as an edit may hold it (a few
    // dozen characters: each one outside the code page is encoded alone).
    std::u16string units(std::min<std::size_t>(size, 128) / 2, u'\0');
    if (!units.empty()) std::memcpy(units.data(), data, units.size() * 2);
    const QString any(reinterpret_cast<const QChar*>(units.data()), qsizetype(units.size()));
    const QByteArray encoded = toWindows1252(any);
    require(encoded.count('\x1A') == any.count(QChar(0x1A)));
    require(encoded.size() <= any.size());
    return 0;
}
