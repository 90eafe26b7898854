#pragma once
// The character rules of the expression readers and the plotter. Names are ASCII and read
// without regard to case; any other byte is neither a letter nor a digit.
#include <cstddef>
#include <string_view>

namespace calvorin {

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
constexpr bool isLetter(char c) {
    return upper(c) >= 'A' && upper(c) <= 'Z';
}

// A name as typed against one written in capitals.
constexpr bool sameName(std::string_view name, std::string_view upperCased) {
    if (name.size() != upperCased.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (upper(name[i]) != upperCased[i]) return false;
    return true;
}

} // namespace calvorin
