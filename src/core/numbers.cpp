#include "core/numbers.h"

#include "core/chars.h"

#include <array>
#include <charconv>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace calvorin {

namespace {

char g_separator = '.';

// The C locale exists on every system, so number text never depends on the user's locale.
locale_t cLocale() {
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return loc;
}

constexpr Extended NotANumber = std::numeric_limits<Extended>::quiet_NaN();

// The fast road of the number reader: up to 19 significant digits and the powers of ten up to
// 10^27 are exact in extended precision, so a single multiplication or division rounds the way the
// full conversion does, at a fraction of its cost. It takes a plain number (digits with at most one
// separator, then maybe "E", a sign and one to four digits) and leaves any other text, and any
// other number, to the full conversion: NaN.
constexpr int ExactDigits = 19;
constexpr int ExactScale = 27;

constexpr auto powersOfTen = [] {
    std::array<Extended, ExactScale + 1> table{};
    Extended p = 1;
    for (auto& power : table)
        power = p, p *= 10;
    return table;
}();

Extended exactValue(std::string_view text, char separator) {
    const std::size_t n = text.size();
    std::uint64_t mantissa = 0;
    int digits = 0;
    std::int64_t scale = 0;
    bool separatorSeen = false;
    std::size_t i = 0;
    for (; i < n; ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            if (separatorSeen) --scale;
            if (mantissa == 0 && c == '0') continue;
            if (++digits > ExactDigits) return NotANumber;
            mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
        } else if (c == separator && !separatorSeen) {
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (i == 0) return NotANumber;
    if (i < n) {
        if (text[i] != 'E' && text[i] != 'e') return NotANumber;
        bool negativeExponent = false;
        if (++i < n && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
        const std::size_t first = i;
        int exponent = 0;
        for (; i < n && i - first < 4 && isDigit(text[i]); ++i)
            exponent = exponent * 10 + (text[i] - '0');
        if (i == first || i != n) return NotANumber;
        scale += negativeExponent ? -exponent : exponent;
    }
    if (mantissa == 0) return 0;
    if (scale < -ExactScale || scale > ExactScale) return NotANumber;
    const auto m = static_cast<Extended>(mantissa);
    return scale < 0 ? m / powersOfTen[-scale] : m * powersOfTen[scale];
}

} // namespace

char decimalSeparator() { return g_separator; }
void setDecimalSeparator(char separator) { g_separator = separator ? separator : '.'; }

bool isNumeric(std::string_view text) {
    int marks = 0; // full stops and system separators together
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) continue;
        if (c == '.' || c == g_separator) {
            ++marks;
            continue;
        }
        if (c == '-' && i == 0) continue;
        return false;
    }
    return marks <= 1;
}

namespace {

// The full road, for whatever the fast one leaves; out of line, so that the fast road does not
// pay for its string.
[[gnu::noinline]] std::optional<Extended> fullValue(std::string_view text, char separator) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;

    // Rebuilt in the C locale's own notation, then converted in one correctly rounded step.
    std::string canon;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') canon += '-';
        ++i;
    }
    canon += '0'; // "." and ".5" need a digit in front; a leading zero changes nothing
    bool mantissa = false, separatorSeen = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            canon += c;
            mantissa = true;
        } else if (c == separator && !separatorSeen) {
            canon += '.';
            separatorSeen = true;
            mantissa = true;
        } else {
            break;
        }
    }
    if (!mantissa) return std::nullopt;

    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
        // Every digit is read; past the cap the exponent saturates, and no mantissa a user types
        // is long enough to bring such an exponent back into range, so the value decides alone.
        constexpr int cap = 1'000'000'000;
        int exponent = 0;
        for (; i < n && isDigit(text[i]); ++i)
            exponent = exponent >= cap / 10 ? cap : exponent * 10 + (text[i] - '0');
        canon += negative ? "e-" : "e";
        canon += std::to_string(exponent);
    }
    while (i < n && text[i] == ' ') ++i;
    if (i != n) return std::nullopt;

    char* end = nullptr;
    const Extended value = strtold_l(canon.c_str(), &end, cLocale());
    if (std::isinf(value) || std::isnan(value)) return std::nullopt; // beyond the extended range
    return value;
}

} // namespace

Extended numberValue(std::string_view text, char separator) {
    const Extended value = exactValue(text, separator);
    if (!std::isnan(value)) return value;
    return fullValue(text, separator).value_or(NotANumber);
}

std::optional<Extended> parseExtended(std::string_view text, char separator) {
    const Extended value = numberValue(text, separator);
    if (std::isnan(value)) return std::nullopt;
    return value;
}

Extended strToFloat(std::string_view text) {
    if (auto value = parseExtended(text, g_separator)) return *value;
    throw ConvertError::floatValue(std::string(text));
}

int strToInt(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < n && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    std::int64_t value = 0;
    const std::size_t start = i;
    for (; i < n; ++i) {
        const char c = text[i];
        int d;
        if (isDigit(c)) d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else break;
        value = value * base + d;
        if (value > 0x80000000LL) break;
    }
    const bool ok = i == n && i > start &&
                    (negative ? value <= 0x80000000LL : value <= 0x7FFFFFFFLL);
    if (!ok) throw ConvertError::integerValue(std::string(text));
    return static_cast<int>(negative ? -value : value);
}

std::string formatGeneral(Extended value, char separator) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";

    // Fifteen significant digits, correctly rounded: d.dddddddddddddde[+-]x
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    const std::string_view sci(buf, res.ptr - buf);
    const bool negative = sci.front() == '-';
    const std::size_t digitsStart = negative ? 1 : 0;
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (std::size_t k = digitsStart; k < ePos; ++k)
        if (sci[k] != '.') digits += sci[k];
    int exponent = 0;
    std::from_chars(sci.data() + ePos + (sci[ePos + 1] == '+' ? 2 : 1), sci.data() + sci.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= -4 && exponent < 15) {
        if (exponent < 0) {
            out += '0';
            out += separator;
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        } else {
            const std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= intDigits) {
                out += digits;
                out.append(intDigits - digits.size(), '0');
            } else {
                out += digits.substr(0, intDigits);
                out += separator;
                out += digits.substr(intDigits);
            }
        }
    } else {
        out += digits[0];
        if (digits.size() > 1) {
            out += separator;
            out += digits.substr(1);
        }
        out += 'E';
        out += std::to_string(exponent);
    }
    return out;
}

std::string formatGeneral(Extended value) { return formatGeneral(value, g_separator); }

Extended power(Extended base, Extended exponent) {
    if (exponent == 0) return 1;
    if (base == 0 && exponent > 0) return 0;
    if (std::trunc(exponent) == exponent && std::fabs(exponent) <= 2147483647.0L) {
        auto bits = static_cast<std::uint32_t>(std::fabs(exponent));
        Extended result = 1, square = base;
        for (;;) {
            if (bits & 1u) result = fpu::mul(result, square);
            bits >>= 1;
            if (!bits) break;
            square = fpu::mul(square, square);
        }
        return exponent < 0 ? fpu::div(1, result) : result;
    }
    return fpu::exp(fpu::mul(exponent, fpu::ln(base)));
}

} // namespace calvorin
