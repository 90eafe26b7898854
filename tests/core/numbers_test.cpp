#include "core/numbers.h"

#include "support/separator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>

using namespace calvorin;

namespace {

using testing_tools::SeparatorGuard;

// clang-format off
// ---- numeric check -------------------------------------------------------------------------

TEST(NumericCheck, Rule) {
    for (char separator : {'.', ','}) {
        SeparatorGuard sep(separator);
        for (const char* text : {"12", "-12", "007", "1.5", ".5", "5.", "", "-", ".", "-."})
            EXPECT_TRUE(isNumeric(text)) << '"' << text << "\" with '" << separator << "'";
        for (const char* text : {" 5", "5 ", "+5", "5-", "1.2.3", "1e5", "1E5", "abc", "--5", "\xc3\xa3", "1,2,3"})
            EXPECT_FALSE(isNumeric(text)) << '"' << text << "\" with '" << separator << "'";
    }
    // The system separator is a decimal mark too, counted with the full stop.
    const struct {
        char separator;
        const char* text;
        bool numeric;
    } marks[] = {
        {',', "2,5", true},  {',', ",5", true},    {',', "-,", true},     {',', ",", true},
        {',', "2.5,1", false}, {',', "2,5.", false}, {',', "2,5,1", false},
        {'.', "1,5", false}, {'.', "2,5", false},
    };
    for (const auto& m : marks) {
        SeparatorGuard sep(m.separator);
        EXPECT_EQ(isNumeric(m.text), m.numeric) << '"' << m.text << "\" with '" << m.separator << "'";
    }
}

// ---- conversion ----------------------------------------------------------------------------

TEST(Conversion, Rule) {
    const struct {
        char separator;
        const char* text;
        long double value;
    } converts[] = {
        {'.', "2.5", 2.5L}, {'.', "-12", -12}, {'.', "007", 7},     {'.', ".", 0},         {'.', ".5", 0.5L},
        {'.', "5.", 5},     {'.', "  7  ", 7}, {'.', "+3", 3},      {'.', "1E", 1},        {'.', "1E+", 1},
        {'.', "1e-3", 0.001L}, {'.', "2E3", 2000}, {'.', "1E0499", 1E499L}, {'.', "1E-0499", 1E-499L},
        {',', "2,5", 2.5L}, {',', ",5", 0.5L}, {',', ",", 0},
    };
    for (const auto& c : converts) {
        SeparatorGuard sep(c.separator);
        EXPECT_EQ(strToFloat(c.text), c.value) << '"' << c.text << "\" with '" << c.separator << "'";
    }
    const std::pair<char, const char*> fails[] = {
        {'.', ""},       {'.', "-"},      {'.', "   "},    {'.', "2,5"},     {'.', "1.2.3"},   {'.', "E5"},
        {'.', "abc"},    {'.', "1 2"},    {'.', "1E5000"}, {'.', "1E9999"},  {'.', "1E4933"},  {'.', "-1E4933"},
        {'.', "--1"},    {'.', "1E+-2"},  {',', "2.5"},    {',', "."},       {',', "1,2,3"},   {',', ""},
    };
    for (const auto& [separator, text] : fails) {
        SeparatorGuard sep(separator);
        try {
            strToFloat(text);
            ADD_FAILURE() << '"' << text << "\" converted with '" << separator << "'";
        } catch (const ConvertError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' is not a valid floating point value");
        }
    }
}

// The whole exponent is read and the value decides the range, whatever the exponent's length.
TEST(Conversion, LongExponents) {
    const std::string e4931 = "0." + std::string(68, '0') + "1E5000";
    const std::string eMinus4931 = "1" + std::string(69, '0') + "E-5000";
    const std::pair<std::string, long double> converts[] = {
        {"1E500", 1E500L}, {"1E-500", 1E-500L}, {e4931, 1E4931L}, {eMinus4931, 1E-4931L},
        {"1E-5000", 0}, {"-1E-5000", 0}, {"1E-99999999999999999999", 0}, {"0E99999999999999999999", 0}};
    for (const auto& [text, value] : converts)
        EXPECT_EQ(strToFloat(text), value) << text;
    for (const char* text : {"1E5000", "1E99999999999999999999", "-1E5000", "1E4933"})
        EXPECT_FALSE(parseExtended(text, '.').has_value()) << text;
    EXPECT_TRUE(parseExtended("1E4932", '.').has_value());
    EXPECT_EQ(*parseExtended("1e400", '.'), 1E400L);
}

// Plain short numbers take a quicker road than the full conversion and must round exactly as it
// does, with either separator; a sign and spaces send them the full way.
TEST(Conversion, RoundsAsTheFullConversion) {
    for (const char* text : {"0.1", "0.3", "2.675", "1234567890123456789", "123456789012345678.9", "1E27", "1E28",
                             "12345678901234567890", "18446744073709551616", "9.999999999999999999E27", "1E-27",
                             "1E-28", "0.000000000000000000000000001", "3.14159265358979323846", "2.5E-0001",
                             "0000000000000000000000001.5", "7.", ".125E3", "4.9406564584124654E-324", "0",
                             "0.0E9", "1E+0", "9999999999999999999E-27", "0.1234567890123456789E8", "432462E-28",
                             "6311528E28"}) {
        const long double full = std::strtold(text, nullptr);
        std::string comma = text;
        std::replace(comma.begin(), comma.end(), '.', ',');
        for (const auto& [typed, separator, value] : {std::tuple{std::string(text), '.', full},
                                                       std::tuple{comma, ',', full},
                                                       std::tuple{" -" + comma + " ", ',', -full}}) {
            const auto read = parseExtended(typed, separator);
            ASSERT_TRUE(read) << typed;
            EXPECT_EQ(*read, value) << typed;
            EXPECT_EQ(std::signbit(*read), std::signbit(value)) << typed;
        }
    }
}

// Below the extended range a value reads as 0, in the denormal range as itself: no error either way.
TEST(Conversion, UnderflowIsSilent) {
    const std::string belowRange = "0." + std::string(4500, '0') + "1E-499"; // 1E-5000
    const std::string denormal = "0." + std::string(4440, '0') + "1E-499";   // 1E-4940
    EXPECT_EQ(strToFloat(belowRange), 0);
    EXPECT_GT(strToFloat(denormal), 0);
    EXPECT_LT(strToFloat(denormal), 1E-4931L);
}

// ---- integer conversion --------------------------------------------------------------------

TEST(IntegerConversion, Table) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    } cases[] = {{"12", true, 12},     {"-5", true, -5},          {" 7", true, 7},
                 {"+8", true, 8},      {"$1F", true, 31},         {"0x10", true, 16},
                 {"2147483647", true, 2147483647}, {"-2147483648", true, -2147483647 - 1},
                 {"2147483648", false, 0}, {"2,5", false, 0}, {"2.5", false, 0}, {"", false, 0},
                 {"1E3", false, 0}, {"7 ", false, 0}, {"-", false, 0}, {"99999999999999999999", false, 0}};
    for (const auto& c : cases) {
        if (c.ok) {
            EXPECT_EQ(strToInt(c.text), c.value) << c.text;
        } else {
            try {
                strToInt(c.text);
                ADD_FAILURE() << c.text;
            } catch (const ConvertError& e) {
                EXPECT_EQ(std::string(e.what()), "'" + std::string(c.text) + "' is not a valid integer value");
            }
        }
    }
}

// ---- display -------------------------------------------------------------------------------

TEST(Display, General15) {
    const struct {
        long double value;
        const char *comma, *stop;
    } cases[] = {
        {1.0L / 3, "0,333333333333333", "0.333333333333333"}, {2.5L * 4, "10", "10"}, {0.0001L, "0,0001", "0.0001"},
        {1152921504606846976.0L, "1,15292150460685E18", "1.15292150460685E18"}, {-0.00000025L, "-2,5E-7", "-2.5E-7"},
        {1E15L, "1E15", "1E15"}, {0.00001L, "1E-5", "1E-5"}, {0, "0", "0"}, {-0.0L, "0", "0"},
        {999999999999999.0L, "999999999999999", "999999999999999"},
        {999999999999999.9L, "1E15", "1E15"}, // rounds up to 10^15: shown in scientific notation
        {0.000099999999999999999L, "0,0001", "0.0001"}, {0.00009L, "9E-5", "9E-5"}, {5.5L, "5,5", "5.5"},
        {-21, "-21", "-21"}, {5050, "5050", "5050"}, {123456.789L, "123456,789", "123456.789"},
        {3.14159265358979323851L, "3,14159265358979", "3.14159265358979"}, {1E100L, "1E100", "1E100"},
        {-1.5E-300L, "-1,5E-300", "-1.5E-300"}, {1.98E4930L, "1,98E4930", "1.98E4930"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatGeneral(c.value, ','), c.comma);
        EXPECT_EQ(formatGeneral(c.value, '.'), c.stop);
    }
}

TEST(Display, UsesTheSystemSeparator) {
    SeparatorGuard sep(',');
    EXPECT_EQ(formatGeneral(2.5L), "2,5");
    setDecimalSeparator('.');
    EXPECT_EQ(formatGeneral(2.5L), "2.5");
}

// ---- power ---------------------------------------------------------------------------------

TEST(Power, Rules) {
    struct Case {
        long double base, exponent, result;
    } cases[] = {
        {0, 0, 1},     {5, 0, 1},       {-3, 0, 1},          // rule 1
        {0, 2, 0},     {0, 0.5L, 0},                          // rule 2
        {2, 10, 1024}, {-2, 3, -8},     {2, -1, 0.5L}, {-2, -2, 0.25L}, {1.5L, 2, 2.25L}, // rule 3
        {4, 0.5L, 2},                                          // rule 4
    };
    for (const auto& c : cases)
        EXPECT_NEAR((double)power(c.base, c.exponent), (double)c.result, 1e-15)
            << c.base << "^" << c.exponent;
    EXPECT_EQ(power(2, 60), 1152921504606846976.0L);
    EXPECT_EQ(power(10, 2), 100);
}

TEST(Power, Faults) {
    EXPECT_THROW(power(0, -1), ZeroDivide);    // rule 3: 1/0
    EXPECT_THROW(power(0, -0.5L), ZeroDivide); // rule 4: ln 0
    EXPECT_THROW(power(-8, 1.0L / 3), InvalidOperation);
    EXPECT_THROW(power(10, 5000), Overflow);
    EXPECT_THROW(power(10, 5000.5L), Overflow);
    // the magnitude is raised first, so a large negative whole exponent overflows before 1/x
    EXPECT_THROW(power(10, -5000), Overflow);
    EXPECT_EQ(power(10, -5000.5L), 0) << "underflow is silent";
    // whole exponent beyond 32 bits goes through the logarithm
    EXPECT_THROW(power(-2, 4294967296.0L), InvalidOperation);
}

// clang-format on

} // namespace
