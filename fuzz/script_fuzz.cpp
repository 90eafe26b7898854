// Any bytes as a start-up script: the lines must be exactly the bytes before Ctrl+Z, cut at each
// CR with one LF after it dropped, and written back they must read back as the same lines. Any
// text written must not gain a Ctrl+Z, which would cut the script short when read.
#include "platform/textfile.h"

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
    QByteArray kept; // the text without the LF that follows each CR
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!(text[i] == '\n' && i > 0 && text[i - 1] == '\r')) kept += text[i];

    const bool open = !kept.isEmpty() && !kept.endsWith('\r');
    require(lines.size() == kept.count('\r') + (open ? 1 : 0));
    QByteArray joined, written;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        require(!lines[k].contains(u'\r'));
        const QByteArray line = toWindows1252(lines[k]);
        joined += k ? "\r" + line : line;
        written += line + "\r\n";
    }
    if (!open && !kept.isEmpty()) joined += '\r';
    require(joined == kept);
    require(splitScriptLines(written) == lines);

    // The same bytes as UTF-16 text, lone surrogates and all, as an edit may hold it.
    std::u16string units(size / 2, u'\0');
    if (!units.empty()) std::memcpy(units.data(), data, units.size() * 2);
    const QString any(reinterpret_cast<const QChar*>(units.data()), qsizetype(units.size()));
    const QByteArray encoded = toWindows1252(any);
    require(encoded.count('\x1A') == any.count(QChar(0x1A)));
    require(encoded.size() <= any.size());
    return 0;
}
