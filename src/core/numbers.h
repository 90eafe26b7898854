#pragma once
// How the program reads and writes numbers: the numeric check of the tool windows, text to number
// with the system decimal separator, the general 15-digit display and the shared Power function.
// Texts are UTF-8; every character that matters here is ASCII.
#include "core/real.h"

#include <optional>
#include <string>
#include <string_view>

namespace calvorin {

// The system decimal separator, read once at start-up; the full stop until then. Tests set it.
char decimalSeparator();
void setDecimalSeparator(char separator);

// kept as the program has always written it: no digit is needed, so the empty text, a lone minus sign and a
// lone mark pass
// Digits, at most one decimal mark, a minus sign only in first place. The empty text passes.
// The full stop and the system decimal separator are both marks, counted together: under a comma
// locale "2,5" passes (and converts), "2.5" passes and then fails conversion, "2.5,1" fails.
bool isNumeric(std::string_view text);

// Text to extended with the given decimal separator; nothing when the text is not a number or
// the value leaves the extended range.
std::optional<Extended> parseExtended(std::string_view text, char separator);
// The same reading with NaN for nothing. The value comes back in a register rather than through
// memory, which the calculator's parser, reading number after number, notices.
Extended numberValue(std::string_view text, char separator);

// Text to number with the system decimal separator; raises ConvertError with the text as typed.
Extended strToFloat(std::string_view text);
// Text to a 32-bit integer (decimal, or hexadecimal after $ or 0x); raises ConvertError.
int strToInt(std::string_view text);

// The general format with 15 significant digits and the given (or the system) decimal separator.
std::string formatGeneral(Extended value, char separator);
std::string formatGeneral(Extended value);

// base raised to exponent by the program's four rules.
Extended power(Extended base, Extended exponent);

} // namespace calvorin
