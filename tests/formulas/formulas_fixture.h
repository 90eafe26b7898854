#pragma once
// Inputs as the windows hand them to the formulas, and the decimal separator a row is written for.
#include "core/numbers.h"
#include "formulas/formula.h"
#include "support/separator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <vector>

namespace calvorin::testing_formulas {

using Separator = testing_tools::SeparatorGuard;

// An input by its value alone, for the answers.
inline Typed<> v(double x) {
    return {x, {}};
}

// An input as typed, converted with the separator in force; an empty text is 0.
inline Typed<> in(const char* text) {
    return {*text ? double(strToFloat(text)) : 0, text};
}

// A text written with "," for the decimal separator, under the one in force.
inline std::string localText(std::string text) {
    std::replace(text.begin(), text.end(), ',', decimalSeparator());
    return text;
}
// An input so typed, as the window converts it.
inline Typed<> local(const char* text) {
    return in(localText(text).c_str());
}

// A row of a report table: the formula's report from inputs typed with local(), and its lines, "|"
// between them, written with "," for the decimal separator. The row holds under both separators
// unless `only` names the one it holds for; its lines are then as they are.
struct ReportRow {
    std::function<Report()> report;
    std::string lines;
    char only = 0;
};

inline void expectReports(const std::vector<ReportRow>& rows) {
    for (char separator : {',', '.'})
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].only && rows[i].only != separator) continue;
            Separator guard(separator);
            std::istringstream split(rows[i].only ? rows[i].lines : localText(rows[i].lines));
            Report lines;
            for (std::string line; std::getline(split, line, '|');)
                lines.push_back(line);
            EXPECT_EQ(rows[i].report(), lines) << "row " << i << ", separator '" << separator << "'";
        }
}

} // namespace calvorin::testing_formulas
