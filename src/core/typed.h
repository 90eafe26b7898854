#pragma once
// What a window hands a calculation and what the calculation hands back, as plain text (UTF-8, no
// Qt): an input with the text the user typed, and the lines of a worked solution or of a report.
#include <string>
#include <vector>

namespace calvorin {

// An input as the window converted it, with its text as the user typed it.
template <class T = double> struct Typed {
    T value;
    std::string text;
};

// The lines of a worked solution, in order.
using Steps = std::vector<std::string>;
// The lines a calculation appends to the report while it is being recorded, in order.
using Report = std::vector<std::string>;

} // namespace calvorin
