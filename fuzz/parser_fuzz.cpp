// Any text through the calculator's parser: it must end, flag what it cannot read and never
// report anything the results cannot mean.
#include "expr/Parser.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

using calvorin::Extended;
using calvorin::TMathParser;

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TMathParser parser = [] {
        TMathParser p;
        // Names starting with "v" are known, so the variable road is explored as well.
        p.OnGetVar = [](TMathParser&, std::string_view name, Extended& value, bool& found) {
            found = name[0] == 'v';
            value = static_cast<Extended>(name.size()) / 4;
        };
        return p;
    }();
    int reports = 0;
    parser.OnParseError = [&](TMathParser&, int) { ++reports; };

    parser.ParseString.assign(reinterpret_cast<const char*>(data), size);
    parser.Parse();

    const int code = parser.ErrorCode();
    require(code <= 7 && code != 2);
    require(reports == (code ? 1 : 0));
    require(parser.ParseFailed() || code == 0);
    require(parser.ParseFailed() ? parser.ParseValue() == 0 : std::isfinite(parser.ParseValue()));
    if (size <= TMathParser::MaxTextLength) {
        require(parser.ScanPosition() >= 1 && parser.ScanPosition() <= size + 1);
    } else {
        require(code == 3 && parser.ScanPosition() == 1);
    }
    return 0;
}
