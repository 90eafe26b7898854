#include "expr/Parser.h"

#include "near.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace calvorin;

namespace {

// One parse: the text in; the value, the failure flag, the error code and ScanPosition out.
struct Case {
    std::string text;
    Extended value;
    bool failed;
    TMathParser::ParseError code;
    int position; // 0: not checked
};

// The error codes, by what was due instead.
constexpr auto None = TMathParser::NoError, Full = TMathParser::StackFull,
               Operand = TMathParser::OperandExpected, Operator = TMathParser::OperatorExpected,
               Open = TMathParser::OpenExpected, Close = TMathParser::CloseExpected,
               Exponent = TMathParser::ExponentExpected;

Case ok(std::string text, Extended value) { return {std::move(text), value, false, None, 0}; }
Case math(std::string text, int position) { return {std::move(text), 0, true, None, position}; }
Case syntax(std::string text, TMathParser::ParseError code, int position) {
    return {std::move(text), 0, true, code, position};
}

std::ostream& operator<<(std::ostream& os, const Case& c) { return os << '"' << c.text << '"'; }

std::string nested(int pairs) { return std::string(pairs, '(') + "1" + std::string(pairs, ')'); }

class Parses : public testing::TestWithParam<Case> {};

TEST_P(Parses, Outcome) {
    const Case& c = GetParam();
    TMathParser parser;
    int reported = 0, reportedCode = -1;
    parser.OnParseError = [&](TMathParser&, int code) { ++reported, reportedCode = code; };
    parser.ParseString = c.text;
    parser.Parse();

    EXPECT_EQ(parser.ParseFailed(), c.failed);
    EXPECT_EQ(parser.ErrorCode(), c.code);
    const Extended expected = c.failed ? 0 : c.value;
    EXPECT_TRUE(nearExtended(parser.ParseValue(), expected));
    if (c.position) {
        EXPECT_EQ(parser.ScanPosition(), c.position);
    }
    // Only an error code is reported, and only once.
    EXPECT_EQ(reported, c.code ? 1 : 0);
    EXPECT_EQ(reportedCode, c.code ? c.code : -1);
}

INSTANTIATE_TEST_SUITE_P(Precedence, Parses, testing::Values(
    ok("1+2*3", 7), ok("(1+2)*3", 9), ok("10/4", 2.5), ok("8-2-1", 5), ok("8/4/2", 1),
    ok("2^3^2", 512), ok("2*3^2", 18), ok("2^-1", 0.5), ok("-2*3", -6), ok("2*-3", -6),
    ok("-2", -2), ok("-(-2)", 2), ok("2--3", 5), ok("- 3 + 1", -2)));

INSTANTIATE_TEST_SUITE_P(Mod, Parses, testing::Values(
    ok("7 MOD 3", 1), ok("-7 MOD 3", -1), ok("7 MOD -3", 1), ok("7.6 MOD 3", 2), ok("7 mod 3", 1),
    ok("2.5 MOD 3", 2), ok("3.5 MOD 3", 1), ok("7 MOD 3*2", 2), ok("1+7 MOD 3", 2), ok("2^7 MOD 3", 2),
    ok("(2*7) MOD 3", 2), ok("17 MOD 7 MOD 2", 1), ok("7 MOD 2^2", 3),
    ok("2147483647.4 MOD 2", 1), ok("-2147483648 MOD 3", -2), ok("-2147483648 MOD -1", 0),
    syntax("2*7 MOD 3", Operator, 5), syntax("8/2 MOD 3", Operator, 5), syntax("MOD 2", Operand, 1),
    syntax("2 MOD", Operand, 6),
    math("5 MOD 0.4", 10), math("2147483648 MOD 2", 17), math("1 MOD 2147483648", 17)));

INSTANTIATE_TEST_SUITE_P(Functions, Parses, testing::Values(
    ok("sqrt(16) + Abs(-3)", 7), ok("SQRT (16)", 4), ok("round(2.5)", 2), ok("ROUND(3.5)", 4),
    ok("ROUND(-2.5)", -2), ok("TRUNC(-2.7)", -2), ok("SQR(-3)", 9), ok("EXP(0)", 1), ok("LN(1)", 0),
    ok("ATAN(0)", 0), ok("COS(0)", 1), ok("SIN(0)", 0), ok("-SQR(2)", -4), ok("ABS(-1E4000)", 1E4000L),
    ok("ROUND(1E9)", 1E9), ok("TRUNC(-1E9)", -1E9), ok("SIN(9E18)-SIN(9E18)", 0),
    syntax("SQRT2", Operand, 6), syntax("SINX(1)", Operand, 5), syntax("SIN 2", Open, 5),
    syntax("SIN(2", Close, 6), syntax("SIN()", Operand, 5), syntax("SIN(1 2)", Close, 7),
    math("LN(0)", 6), math("LN(-1)", 7), math("SQRT(-1)", 9), math("EXP(20000)", 11), math("EXP(11357)", 11),
    math("ROUND(1000000001)", 18), math("TRUNC(-1000000001)", 19), math("SQR(1.1E2466)", 14),
    math("COS(9.1E18)", 12), math("SIN(-9.1E18)", 13)));

INSTANTIATE_TEST_SUITE_P(Power, Parses, testing::Values(
    ok("4^0.5", 2), ok("1^1E4000", 1), ok("2^10", 1024),
    math("(-2)^2", 7), math("-2^2", 5), math("0^2", 4), math("(-8)^(1/3)", 11), math("2^99999", 8)));

INSTANTIATE_TEST_SUITE_P(Numbers, Parses, testing::Values(
    ok(".5", 0.5), ok(".5+1", 1.5), ok("5.", 5), ok("5.E1", 50), ok("1E3", 1000), ok("1e-2", 0.01L),
    ok("1E+3", 1000), ok("2.5E-0001", 0.25), ok("1E-4940", 1E-4940L), ok("1" + std::string(100, '0'), 1E100L),
    ok("0." + std::string(68, '0') + "1E5000", 1E4931L), ok("1" + std::string(69, '0') + "E-5000*1E4931", 1),
    ok("1E-5000", 0),
    syntax(".", Operand, 1), syntax("1+.", Operand, 3), syntax("1.2.3", Operator, 4),
    syntax("1,5", Operator, 2), syntax("1E12345", Operator, 7), syntax("1E", Exponent, 3),
    syntax("1E+", Exponent, 4), syntax("2+1e-", Exponent, 6), syntax(".5E", Exponent, 4),
    math("1E5000", 7), math("1E4000*1E4000", 14), math("-1E4000*1E4000", 15), math("1E4932+1E4932", 14)));

INSTANTIATE_TEST_SUITE_P(Syntax, Parses, testing::Values(
    syntax("", Operand, 1), syntax("   ", Operand, 4), syntax("2+", Operand, 3), syntax("2^", Operand, 3),
    syntax("+2", Operand, 1), syntax("--2", Operand, 2), syntax("()", Operand, 2), syntax("_x", Operand, 1),
    syntax("\t1", Operand, 1), syntax("x+1", Operand, 2), syntax("2*--3", Operand, 4),
    syntax("2*(x1_y)", Operand, 8), syntax("2 3", Operator, 3), syntax("2)", Operator, 2),
    syntax("1\t+2", Operator, 2), syntax("1#", Operator, 2), syntax("1/0)", Operator, 4),
    syntax("(1)(2)", Operator, 4), syntax("(2+3", Close, 5)));

INSTANTIATE_TEST_SUITE_P(ErrorMark, Parses, testing::Values(
    math("!", 1), math("1+!", 3), math("(!", 2), math("1+!)garbage", 3),
    syntax("1!", Operator, 2), syntax("-!", Operand, 2)));

// The start record counts, and a closing parenthesis is pushed on top of what it closes.
INSTANTIATE_TEST_SUITE_P(Stack, Parses, testing::Values(
    ok(nested(12), 1), syntax(nested(13), Full, 17), syntax("-" + nested(12), Full, 17),
    ok("1+(2*(3^(4-5/6)))", 1 + 2 * std::pow(3.0L, 4 - 5 / 6.0L))));

INSTANTIATE_TEST_SUITE_P(Length, Parses, testing::Values(
    syntax(std::string(65535, '1'), Operand, 1), syntax(std::string(70000, ' '), Operand, 1),
    syntax(std::string(65534, ' '), Operand, 65535), ok(std::string(65530, ' ') + "1+2", 3)));

TEST(Parser, AsksTheOwnerForEachVariableInTextOrder) {
    TMathParser parser;
    std::vector<std::string> asked;
    parser.OnGetVar = [&](TMathParser& sender, std::string_view name, Extended& value, bool& found) {
        EXPECT_EQ(&sender, &parser);
        EXPECT_FALSE(found);
        asked.emplace_back(name);
        found = name != "unknown";
        value = name == "x" ? 2 : 10;
    };
    parser.ParseString = "x+1";
    parser.Parse();
    EXPECT_FALSE(parser.ParseFailed());
    EXPECT_EQ(parser.ParseValue(), 3);

    asked.clear();
    parser.ParseString = "SIN(Foo_1) MOD x * foo_1 - MOD_";
    parser.Parse();
    EXPECT_EQ(asked, (std::vector<std::string>{"Foo_1", "x", "foo_1", "MOD_"}));

    parser.ParseString = "2 * unknown + x";
    parser.Parse();
    EXPECT_EQ(parser.ErrorCode(), Operand);
    EXPECT_EQ(parser.ScanPosition(), 12); // just after the name
}

TEST(Parser, AVariableThatIsNotFiniteFails) {
    TMathParser parser;
    parser.OnGetVar = [](TMathParser&, std::string_view, Extended& value, bool& found) {
        value = INFINITY;
        found = true;
    };
    parser.ParseString = "1 MOD y";
    parser.Parse();
    EXPECT_TRUE(parser.ParseFailed());
    EXPECT_EQ(parser.ErrorCode(), None);
}

TEST(Parser, EachParseStartsFromScratch) {
    TMathParser parser;
    parser.ParseString = "2)";
    parser.Parse();
    parser.ParseString = "1/0";
    parser.Parse();
    EXPECT_EQ(parser.ErrorCode(), None);
    parser.ParseString = "2*3";
    parser.Parse();
    EXPECT_FALSE(parser.ParseFailed());
    EXPECT_EQ(parser.ParseValue(), 6);
}

} // namespace
