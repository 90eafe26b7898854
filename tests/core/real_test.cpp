#include "core/real.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <functional>

using namespace calvorin;

namespace {

enum class Fault { None, Invalid, ZeroDiv, Overflow };

Fault faultOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const InvalidOperation&) {
        return Fault::Invalid;
    } catch (const ZeroDivide&) {
        return Fault::ZeroDiv;
    } catch (const Overflow&) {
        return Fault::Overflow;
    }
    return Fault::None;
}

TEST(Fpu, ClassifiesEachOperation) {
    const Extended big = LDBL_MAX;
    volatile Extended zero = 0; // keeps the compiler from folding the faults away
    struct Case {
        const char* what;
        std::function<void()> op;
        Fault fault;
    } cases[] = {
        {"0/0", [&] { fpu::div(zero, zero); }, Fault::Invalid},
        {"1/0", [&] { fpu::div(1, zero); }, Fault::ZeroDiv},
        {"-1/0", [&] { fpu::div(-1, zero); }, Fault::ZeroDiv},
        {"max*2", [&] { fpu::mul(big, 2); }, Fault::Overflow},
        {"max+max", [&] { fpu::add(big, big); }, Fault::Overflow},
        {"-max-max", [&] { fpu::sub(-big, big); }, Fault::Overflow},
        {"max/0.5", [&] { fpu::div(big, 0.5L); }, Fault::Overflow},
        {"sqrt -1", [&] { fpu::sqrt(-1); }, Fault::Invalid},
        {"ln 0", [&] { fpu::ln(zero); }, Fault::ZeroDiv},
        {"ln -1", [&] { fpu::ln(-1); }, Fault::Invalid},
        {"log10 0", [&] { fpu::log10(zero); }, Fault::ZeroDiv},
        {"log2 -1", [&] { fpu::log2(-1); }, Fault::Invalid},
        {"exp 20000", [&] { fpu::exp(20000); }, Fault::Overflow},
        {"exp -20000 underflows silently", [&] { fpu::exp(-20000); }, Fault::None},
        {"tiny*tiny underflows silently", [&] { fpu::mul(LDBL_MIN, LDBL_MIN); }, Fault::None},
        {"1/3 is inexact, silently", [&] { fpu::div(1, 3); }, Fault::None},
        {"extended beyond double", [&] { fpu::toDouble(1E400L); }, Fault::Overflow},
        {"extended within double", [&] { fpu::toDouble(1E300L); }, Fault::None},
        {"Real formula", [&] { (Real(1) - Real(1)) / (Real(0) - Real(zero)); }, Fault::Invalid},
    };
    for (const auto& c : cases) EXPECT_EQ(faultOf(c.op), c.fault) << c.what;
}

TEST(Fpu, ErrorTexts) {
    EXPECT_STREQ(InvalidOperation().what(), "Invalid floating point operation");
    EXPECT_STREQ(ZeroDivide().what(), "Floating point division by zero");
    EXPECT_STREQ(Overflow().what(), "Floating point overflow");
    EXPECT_STREQ(IntDivideByZero().what(), "Division by zero");
}

TEST(Real, EvaluatesInExtendedPrecision) {
    // (n - 1) * r + a1 with n = 10, r = 2, a1 = 3
    EXPECT_EQ(((Real(10.0) - 1) * 2.0 + 3.0).value(), 21);
    // 1/3 * 3 is exactly 1 in extended but the intermediate keeps 64 bits of mantissa
    EXPECT_NE((Real(1) / 3).value(), (Extended)(1.0 / 3.0));
}

} // namespace
