#pragma once
// Extended precision arithmetic that fails the way the floating-point unit does: every result is
// classified, so invalid operations, divisions by zero and overflows raise the program's errors
// exactly where they happen, whatever the optimiser reorders. Underflow and rounding stay silent.
#include "core/errors.h"

#include <cmath>

namespace calvorin {

using Extended = long double;

namespace fpu {

// A finite result stays; NaN means an invalid operation, infinity an overflow.
inline Extended check(Extended r) {
    if (std::isnan(r)) throw InvalidOperation();
    if (std::isinf(r)) throw Overflow();
    return r;
}

inline Extended add(Extended a, Extended b) { return check(a + b); }
inline Extended sub(Extended a, Extended b) { return check(a - b); }
inline Extended mul(Extended a, Extended b) { return check(a * b); }
inline Extended div(Extended a, Extended b) {
    if (b == 0) {
        if (a == 0 || std::isnan(a)) throw InvalidOperation();
        throw ZeroDivide();
    }
    return check(a / b);
}

inline Extended sqrt(Extended x) {
    if (x < 0) throw InvalidOperation();
    return check(std::sqrt(x));
}
// Logarithms: 0 is a division by zero, a negative argument an invalid operation.
inline void checkLogArgument(Extended x) {
    if (x == 0) throw ZeroDivide();
    if (x < 0 || std::isnan(x)) throw InvalidOperation();
}
inline Extended ln(Extended x) { return checkLogArgument(x), check(std::log(x)); }
inline Extended log10(Extended x) { return checkLogArgument(x), check(std::log10(x)); }
inline Extended log2(Extended x) { return checkLogArgument(x), check(std::log2(x)); }
inline Extended exp(Extended x) { return check(std::exp(x)); }
inline Extended sin(Extended x) { return check(std::sin(x)); }
inline Extended cos(Extended x) { return check(std::cos(x)); }
inline Extended tan(Extended x) { return check(std::tan(x)); }
inline Extended atan(Extended x) { return check(std::atan(x)); }
inline Extended atan2(Extended y, Extended x) { return check(std::atan2(y, x)); }

// Storing an extended value into a double overflows when it leaves the double range.
inline double toDouble(Extended x) {
    const double d = static_cast<double>(check(x));
    if (std::isinf(d)) throw Overflow();
    return d;
}

} // namespace fpu

// An extended value whose operators are the checked operations above, so that a formula reads
// as it is written: (n - 1) * r + a1.
class Real {
public:
    constexpr Real() = default;
    constexpr Real(Extended v) : v_(v) {}
    constexpr Real(double v) : v_(v) {}
    constexpr Real(int v) : v_(v) {}

    constexpr Extended value() const { return v_; }
    double toDouble() const { return fpu::toDouble(v_); }

    friend Real operator+(Real a, Real b) { return fpu::add(a.v_, b.v_); }
    friend Real operator-(Real a, Real b) { return fpu::sub(a.v_, b.v_); }
    friend Real operator*(Real a, Real b) { return fpu::mul(a.v_, b.v_); }
    friend Real operator/(Real a, Real b) { return fpu::div(a.v_, b.v_); }
    friend constexpr Real operator-(Real a) { return Real(-a.v_); }
    Real& operator+=(Real b) { return *this = *this + b; }
    Real& operator-=(Real b) { return *this = *this - b; }
    Real& operator*=(Real b) { return *this = *this * b; }
    Real& operator/=(Real b) { return *this = *this / b; }

    friend constexpr bool operator==(Real a, Real b) { return a.v_ == b.v_; }
    friend constexpr auto operator<=>(Real a, Real b) { return a.v_ <=> b.v_; }

private:
    Extended v_ = 0;
};

} // namespace calvorin
