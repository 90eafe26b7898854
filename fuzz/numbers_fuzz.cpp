// Any text through the number rules: the numeric check, text to number with either decimal
// separator, text to integer and the 15-digit display must agree with one another.
#include "core/errors.h"
#include "core/numbers.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

using namespace calvorin;

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

std::string swapStopsAndCommas(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        c = c == '.' ? ',' : c == ',' ? '.' : c;
    return s;
}

std::optional<int> integerOf(std::string_view text) {
    try {
        return strToInt(text);
    } catch (const ConvertError&) {
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto value = parseExtended(text, '.');

    // The separator is only a parameter: swapping it in the text and in the call changes nothing.
    const auto swapped = parseExtended(swapStopsAndCommas(text), ',');
    require(value.has_value() == swapped.has_value() && (!value || *value == *swapped));

    // strToFloat is the same reading with the system separator, failing with ConvertError.
    setDecimalSeparator('.');
    try {
        const Extended read = strToFloat(text);
        require(value && read == *value);
    } catch (const ConvertError&) {
        require(!value);
    }

    // Whatever passes the numeric check and holds a digit converts (4096 digits stay in range).
    const bool digit = std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (isNumeric(text) && digit && size <= 4096) require(value.has_value());

    // In the C library's own notation the reading is the C library's, rounded the same way.
    const auto cChar = [](char c) { return c != 0 && std::strchr("0123456789.eE+-", c) != nullptr; };
    if (value && size > 0 && size <= 64 && std::all_of(text.begin(), text.end(), cChar)) {
        const std::string copy(text);
        char* end = nullptr;
        const long double read = std::strtold(copy.c_str(), &end);
        if (end == copy.c_str() + size) require(read == *value && std::signbit(read) == std::signbit(*value));
    }

    if (value) {
        require(std::isfinite(*value));
        // The display reads back to the same display, and near the value while it is normal.
        const std::string shown = formatGeneral(*value, '.');
        const auto back = parseExtended(shown, '.');
        require(back.has_value());
        if (std::fabs(*value) >= LDBL_MIN) {
            require(std::fabs(*back - *value) <= std::fabs(*value) * 1e-14L);
            require(formatGeneral(*back, '.') == shown);
        }
    }

    const auto integer = integerOf(text);
    if (integer) require(integerOf(std::to_string(*integer)) == integer);
    // A decimal integer reads the same as a number, and a numeric one in range reads as an integer.
    const bool decimal = text.find_first_of("$xX.") == std::string_view::npos;
    if (integer && decimal) require(value && *value == *integer);
    if (isNumeric(text) && decimal && digit && value && *value >= INT_MIN && *value <= INT_MAX)
        require(integer && *integer == *value);
    return 0;
}
