#include "expr/InFixa.h"

#include "core/numbers.h"
#include "near.h"

#include <gtest/gtest.h>

#include <string>

using namespace calvorin;

namespace {

constexpr Extended Pi = 3.14159265358979323851L;

enum class Out { Value, Malformed, Invalid, ZeroDiv, Overflow };

// One evaluation: the text and the separator in (0: either); a value, malformed or a raised error out.
struct Case {
    std::string text;
    char separator;
    Out out;
    Extended value = 0;
};

Case value(std::string text, Extended v, char separator = 0) {
    return {std::move(text), separator, Out::Value, v};
}
Case malformed(std::string text, char separator = 0) { return {std::move(text), separator, Out::Malformed}; }
Case raises(std::string text, Out error) { return {std::move(text), 0, error}; }

std::ostream& operator<<(std::ostream& os, const Case& c) {
    return os << '"' << c.text.substr(0, 40) << "\" sep '" << (c.separator ? c.separator : '-') << "'";
}

Out evaluate(TCalculadoraInFixa& calc, const std::string& text, Extended& result) {
    try {
        result = calc.Evaluate(text);
        return calc.Valid() ? Out::Value : Out::Malformed;
    } catch (const InvalidOperation&) {
        return Out::Invalid;
    } catch (const ZeroDivide&) {
        return Out::ZeroDiv;
    } catch (const Overflow&) {
        return Out::Overflow;
    }
}

class Evaluates : public testing::TestWithParam<Case> {};

TEST_P(Evaluates, Outcome) {
    const Case& c = GetParam();
    const char saved = decimalSeparator();
    for (char separator : {'.', ','}) {
        if (c.separator && c.separator != separator) continue;
        setDecimalSeparator(separator);
        TCalculadoraInFixa calc;
        Extended result = -1;
        EXPECT_EQ(evaluate(calc, c.text, result), c.out) << "separator " << separator;
        if (c.out == Out::Value || c.out == Out::Malformed) {
            EXPECT_TRUE(nearExtended(result, c.value)) << separator;
        }
    }
    setDecimalSeparator(saved);
}

INSTANTIATE_TEST_SUITE_P(Rules, Evaluates, testing::Values(
    value("2+3*4", 14), value("(2+3)*4", 20), value("8/4/2", 1), value("2-3-4", -5), value("-2*3", -6),
    value("2*-3", -6), value("--2", 2), value("+2", 2), value("-+-2", 2), value(" 1 + 2 ", 3),
    value("--3", 3), value("-3 *-3", 9), value("-POT(2 ,2)", -4), value("2*(3)", 6)));

INSTANTIATE_TEST_SUITE_P(Functions, Evaluates, testing::Values(
    value("sen(pi/2)", 1), value("Cos(0)", 1), value("TG(0)", 0), value("COTG(PI/4)", 1),
    value("ARCSEN(1)", Pi / 2), value("ARCCOS(-1)", Pi), value("ARCCOS(1)", 0), value("ARCTG(0)", 0),
    value("EXP(0)", 1), value("LN(EXP(2))", 2), value("LOG(1000)", 3), value("LOG2(8)", 3),
    value("ANTILOG2(3)", 8), value("ANTILOG(2)", 100), value("LOGN(2 ,8)", 3), value("ANTILOGN(2 ,3)", 8),
    value("LOGN(2,8)", 3, '.'), value("ANTILOGN(2,3)", 8, '.'), value("SEN(1E19)", 0), value("COS(-1E19)", 0),
    value("FAT(0)", 1), value("FAT(1)", 1), value("FAT(5)", 120), value("FAT(5.9)", 120, '.'),
    value("FAT(-0.5)", 1, '.'),
    value("fat(3)+PI-pi", 6), value("pI", Pi)));

INSTANTIATE_TEST_SUITE_P(Power, Evaluates, testing::Values(
    value("POT(2,3)", 8, '.'), value("POT(2 ,3)", 8), value("POT(2 ,-1)", 0.5), value("POT(0 ,0)", 1),
    value("POT(-3 ,2)", 9), value("POT(-2 ,3)", -8), value("POT(0 ,5)", 0), value("POT(4 ,0.5)", 2, '.'),
    value("POT(0 ,0.5)", 0, '.'), value("POT(1 ,1E4000)", 1), value("POT(-1 ,-2147483648)", 1),
    value("POT(1 ,2147483647)", 1), value("POT(-3.5 ,2)/10 + SEN(-3.5 )", 1.225L + std::sin(-3.5L), '.'),
    value("POT(-3,5 ,2)/10 + SEN(-3,5 )", 1.225L + std::sin(-3.5L), ',')));

INSTANTIATE_TEST_SUITE_P(Numbers, Evaluates, testing::Values(
    value("1E3", 1000), value("1e-3", 0.001L), value("1E", 1), value("1E+", 1), value("2.5E1", 25, '.'),
    value("2,5*2", 5, ','), value("2,5E-1", 0.25, ','), value("007", 7), value("1.", 1, '.'),
    malformed("2,5", '.'), malformed("1,2,3", ','), malformed("2.5", ','), malformed("1..2", '.'),
    value("0." + std::string(68, '0') + "1E5000", 1E4931L, '.'), value("1" + std::string(69, '0') + "E-5000*1E4931", 1),
    value("1E-5000", 0), value("1E-99999999999999999999", 0),
    malformed(".5"), malformed(",5"), malformed("1E5000"), malformed("1E99999999999999999999"),
    malformed("POT(2,3)", ',')));

INSTANTIATE_TEST_SUITE_P(Malformed, Evaluates, testing::Values(
    malformed(""), malformed("   "), malformed("2+"), malformed("*2"), malformed("(2"), malformed("2)"),
    malformed("2 3"), malformed("2(3)"), malformed("2^3"), malformed("x"), malformed("SEN 1"),
    malformed("PI()"), malformed("SENO(1)"), malformed("sen(1"), malformed("POT(2 ,3"), malformed("POT(2)"),
    malformed("LN(1 ,2)"), malformed("1\t+2"), malformed("()"), malformed("2+)"), malformed("(+)"),
    malformed("LN(x)"), malformed("1/(x)"), malformed("x/0") /* the division is never reached */));

INSTANTIATE_TEST_SUITE_P(Faults, Evaluates, testing::Values(
    raises("10/0", Out::ZeroDiv), raises("0/0", Out::Invalid), raises("LN(0)", Out::ZeroDiv),
    raises("LN(-1)", Out::Invalid), raises("LOG(0)", Out::ZeroDiv), raises("LOG2(-1)", Out::Invalid),
    raises("LOGN(1 ,8)", Out::ZeroDiv), raises("LOGN(0 ,8)", Out::ZeroDiv),
    raises("LOGN(-2 ,8)", Out::Invalid), raises("LOGN(-2 ,0)", Out::ZeroDiv),
    raises("COTG(0)", Out::ZeroDiv), raises("ARCSEN(2)", Out::Invalid), raises("ARCCOS(-2)", Out::Invalid),
    raises("EXP(20000)", Out::Overflow), raises("1E4000*1E4000", Out::Overflow),
    raises("1E4932+1E4932", Out::Overflow), raises("1E4932+1E4932 x", Out::Overflow),
    raises("POT(10 ,5000)", Out::Overflow),
    raises("FAT(1755)", Out::Overflow), raises("FAT(70000)", Out::Overflow), raises("FAT(-1)", Out::Invalid),
    raises("POT(0 ,-1)", Out::ZeroDiv), raises("POT(0 ,-1/2)", Out::ZeroDiv),
    raises("POT(-8 ,1/3)", Out::Invalid),
    raises("POT(2 ,-3000000000)", Out::Invalid), raises("POT(-2 ,2147483647)", Out::Invalid),
    raises("ANTILOG(5000)", Out::Overflow), raises("1/0 2", Out::ZeroDiv)));

Extended iteratedSine(int times) {
    Extended x = 1;
    while (times--) x = std::sin(x);
    return x;
}

std::string nested(const std::string& open, int depth, const std::string& close) {
    std::string text;
    for (int i = 0; i < depth; ++i) text += open;
    text += "1";
    for (int i = 0; i < depth; ++i) text += close;
    return text;
}

INSTANTIATE_TEST_SUITE_P(Nesting, Evaluates, testing::Values(
    value(nested("(", 1000, ")"), 1), malformed(nested("(", 1001, ")")), value(nested("-", 1000, ""), 1),
    malformed(nested("-", 1001, "")), value(nested("SEN(", 1000, ")"), iteratedSine(1000)),
    malformed(nested("(", 200000, ")")), value(nested("-(", 500, ")"), 1),
    malformed(nested("-(", 500, ")").insert(1000, "+"))));

TEST(InFixa, ExactValues) {
    TCalculadoraInFixa calc;
    EXPECT_EQ(calc.Evaluate("ARCTG(1)*4"), Pi);
    EXPECT_EQ(calc.Evaluate("PI"), Pi);
    const Extended rad = calc.Evaluate("RAD(180)");
    EXPECT_NE(rad, Pi);
    EXPECT_EQ(std::nextafter(rad, Pi), Pi); // a single step away
    EXPECT_EQ(formatGeneral(rad, '.'), "3.14159265358979");
    EXPECT_EQ(calc.Evaluate("FAT(20)"), 2432902008176640000.0L);
    EXPECT_GT(calc.Evaluate("FAT(1754)"), 1.97E4930L);
    EXPECT_EQ(calc.Evaluate("POT(3 ,-2)"), 1 / 9.0L);
}

TEST(InFixa, AFaultKeepsTheLastValidity) {
    TCalculadoraInFixa calc;
    calc.Evaluate("1");
    EXPECT_THROW(calc.Evaluate("1/0"), ZeroDivide);
    EXPECT_TRUE(calc.Valid());
    calc.Evaluate("x");
    EXPECT_THROW(calc.Evaluate("LN(0)"), ZeroDivide);
    EXPECT_FALSE(calc.Valid());
    EXPECT_EQ(calc.Evaluate("2*3"), 6);
    EXPECT_TRUE(calc.Valid());
}

} // namespace
