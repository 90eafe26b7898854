#include "expr/InFixa.h"

#include "core/chars.h"
#include "core/numbers.h"

#include <cmath>
#include <utility>

namespace calvorin {

namespace {

using Kind = TCalculadoraInFixa::TokenKind;

constexpr Extended Pi = 3.14159265358979323851L;
constexpr Extended OneEightieth = 1.0L / 180.0L;
// kept as the program has always written it: the sine and cosine of larger magnitudes are not computed: they
// give 0
constexpr Extended TrigLimit = 9223372036854775808.0L; // 2^63

Kind nameKind(std::string_view name) {
    static constexpr std::pair<std::string_view, Kind> names[] = {
        {"PI", Kind::Pi},           {"SEN", Kind::Sen},          {"COS", Kind::Cos},
        {"TG", Kind::Tg},           {"COTG", Kind::Cotg},        {"ARCSEN", Kind::ArcSen},
        {"ARCCOS", Kind::ArcCos},   {"ARCTG", Kind::ArcTg},      {"RAD", Kind::Rad},
        {"EXP", Kind::Exp},         {"LN", Kind::Ln},            {"LOG", Kind::Log},
        {"LOG2", Kind::Log2},       {"LOGN", Kind::LogN},        {"ANTILOG", Kind::AntiLog},
        {"ANTILOG2", Kind::AntiLog2}, {"ANTILOGN", Kind::AntiLogN}, {"POT", Kind::Pot},
        {"FAT", Kind::Fat},
    };
    for (const auto& [text, kind] : names)
        if (sameName(name, text)) return kind;
    return Kind::Error;
}

bool isFunction(Kind k) { return k >= Kind::Sen; }
bool takesTwoArguments(Kind f) { return f == Kind::LogN || f == Kind::AntiLogN || f == Kind::Pot; }

// ---- arithmetic rules --------------------------------------------------------------------------

// Repeated squaring on the magnitude of n; a negative n gives the reciprocal of the product.
Extended wholePower(Extended base, std::int64_t n) {
    Extended result = 1;
    for (std::uint64_t m = n < 0 ? -n : n; m != 0;) {
        if (m % 2 == 0) {
            base = fpu::mul(base, base);
            m /= 2;
        } else {
            result = fpu::mul(result, base);
            --m;
        }
    }
    return n < 0 ? fpu::div(1, result) : result;
}

Extended powerRule(Extended base, Extended exponent) {
    if (exponent == 0) return 1;
    if (std::trunc(exponent) == exponent && exponent < 2147483647.0L) {
        if (exponent < -2147483648.0L) throw InvalidOperation(); // does not fit the 32-bit count
        return wholePower(base, static_cast<std::int64_t>(exponent));
    }
    if (base == 0 && exponent > 0) return 0;
    // The logarithm raises for the rest: division by zero for base 0, invalid below it.
    return fpu::exp(fpu::mul(exponent, fpu::ln(base)));
}

// kept as the program has always written it: the whole part is a 16-bit count; from 1755 on the product
// overflows
Extended factorial(Extended x) {
    const Extended whole = std::trunc(x);
    if (whole < 0) throw InvalidOperation();
    if (whole > 65535) throw Overflow();
    Extended product = 1;
    for (auto n = static_cast<unsigned>(whole); n >= 2; --n) product = fpu::mul(product, n);
    return product;
}

// sqrt(1 - x^2), the other leg of the arc functions; invalid beyond magnitude 1.
Extended cathetus(Extended x) { return fpu::sqrt(fpu::sub(1, fpu::mul(x, x))); }

Extended apply(Kind f, Extended x) {
    switch (f) {
    case Kind::Sen: return std::fabs(x) >= TrigLimit ? 0 : fpu::sin(x);
    case Kind::Cos: return std::fabs(x) >= TrigLimit ? 0 : fpu::cos(x);
    case Kind::Tg: return fpu::tan(x);
    case Kind::Cotg: return fpu::div(1, fpu::tan(x));
    case Kind::ArcSen: return fpu::atan2(x, cathetus(x));
    case Kind::ArcCos: return fpu::atan2(cathetus(x), x);
    case Kind::ArcTg: return fpu::atan(x);
    // kept as the program has always written it: times pi, then times 1/180: RAD(180) is pi but for the last
    // bit
    case Kind::Rad: return fpu::mul(fpu::mul(x, Pi), OneEightieth);
    case Kind::Exp: return fpu::exp(x);
    case Kind::Ln: return fpu::ln(x);
    case Kind::Log: return fpu::log10(x);
    case Kind::Log2: return fpu::log2(x);
    case Kind::AntiLog: return powerRule(10, x);
    case Kind::AntiLog2: return powerRule(2, x);
    case Kind::Fat: return factorial(x);
    default: return 0;
    }
}

Extended apply(Kind f, Extended b, Extended x) {
    if (f == Kind::LogN) {
        const Extended numerator = fpu::log2(x); // first: its fault is the one raised
        return fpu::div(numerator, fpu::log2(b));
    }
    return powerRule(b, x); // ANTILOGN and POT
}

// Counts one level of nesting for as long as a factor is being read.
class Nesting {
public:
    explicit Nesting(int& depth) : depth_(++depth) {}
    ~Nesting() { --depth_; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;

private:
    int& depth_;
};

} // namespace

// ---- reader ------------------------------------------------------------------------------------

Extended TCalculadoraInFixa::Evaluate(std::string_view text) {
    text_ = text;
    position_ = 0;
    depth_ = 0;
    kind_ = TokenKind::None;
    const Extended value = Expression();
    valid_ = kind_ == TokenKind::End;
    return valid_ ? value : 0;
}

// An error is final: nothing more is read, and every rule still running ends at its next test.
void TCalculadoraInFixa::NextToken() {
    if (Failed()) return;
    Fail();
    while (position_ < text_.size() && text_[position_] == ' ') ++position_;
    if (position_ >= text_.size()) {
        kind_ = TokenKind::End;
        return;
    }
    const char c = text_[position_];
    tokenText_ = text_.substr(position_++, 1);
    switch (c) {
    case '+': kind_ = TokenKind::Plus; return;
    case '-': kind_ = TokenKind::Minus; return;
    case '*': kind_ = TokenKind::Times; return;
    case '/': kind_ = TokenKind::Divide; return;
    case '(': kind_ = TokenKind::Open; return;
    case ')': kind_ = TokenKind::Close; return;
    case ',': kind_ = TokenKind::Comma; return;
    }
    if (isDigit(c)) ScanNumber();
    else if (isLetter(c)) ScanName();
}

// kept as the program has always written it: separators anywhere in a number, and an "E" without digits
// reading as E0
// Digits and separators in any number, then "E", an optional sign and any digits. The value is
// converted only when a factor uses it.
void TCalculadoraInFixa::ScanNumber() {
    const std::size_t start = position_ - 1;
    const char separator = decimalSeparator();
    auto at = [&](auto test) { return position_ < text_.size() && test(text_[position_]); };
    while (at([&](char c) { return isDigit(c) || c == separator; })) ++position_;
    if (at([](char c) { return c == 'E' || c == 'e'; })) {
        ++position_;
        if (at([](char c) { return c == '+' || c == '-'; })) ++position_;
        while (at(isDigit)) ++position_;
    }
    tokenText_ = text_.substr(start, position_ - start);
    kind_ = TokenKind::Number;
}

void TCalculadoraInFixa::ScanName() {
    const std::size_t start = position_ - 1;
    while (position_ < text_.size() && (isLetter(text_[position_]) || isDigit(text_[position_]))) ++position_;
    tokenText_ = text_.substr(start, position_ - start);
    kind_ = nameKind(tokenText_);
}

// ---- grammar -----------------------------------------------------------------------------------

Extended TCalculadoraInFixa::Expression() {
    Extended value = Term();
    while (kind_ == TokenKind::Plus || kind_ == TokenKind::Minus) {
        const bool plus = kind_ == TokenKind::Plus;
        // A failed term is 0 and adds nothing; a good one is added even when the token after
        // it is an error, as the sum comes before the next test.
        const Extended right = Term();
        value = plus ? fpu::add(value, right) : fpu::sub(value, right);
    }
    return value;
}

Extended TCalculadoraInFixa::Term() {
    Extended value = Factor();
    NextToken();
    while (kind_ == TokenKind::Times || kind_ == TokenKind::Divide) {
        const bool times = kind_ == TokenKind::Times;
        const Extended right = Factor();
        if (Failed()) return 0;
        value = times ? fpu::mul(value, right) : fpu::div(value, right);
        NextToken();
    }
    return value;
}

// Reads exactly the tokens of one factor, never the one after it.
Extended TCalculadoraInFixa::Factor() {
    NextToken();
    const TokenKind kind = kind_;
    if (kind == TokenKind::Number) {
        const auto value = parseExtended(tokenText_, decimalSeparator());
        if (!value) Fail();
        return value.value_or(0);
    }
    if (kind == TokenKind::Pi) return Pi;
    if (kind != TokenKind::Plus && kind != TokenKind::Minus && kind != TokenKind::Open && !isFunction(kind)) {
        Fail();
        return 0;
    }

    const Nesting level(depth_);
    if (depth_ > MaxNesting) {
        Fail();
        return 0;
    }
    switch (kind) {
    case TokenKind::Plus: return Factor();
    case TokenKind::Minus: return -Factor();
    case TokenKind::Open: return Argument(TokenKind::Close);
    default: return FunctionCall(kind);
    }
}

Extended TCalculadoraInFixa::FunctionCall(TokenKind function) {
    NextToken();
    if (!Expect(TokenKind::Open)) return 0;
    const bool two = takesTwoArguments(function);
    const Extended first = Argument(two ? TokenKind::Comma : TokenKind::Close);
    const Extended second = two ? Argument(TokenKind::Close) : 0;
    if (Failed()) return 0;
    return two ? apply(function, first, second) : apply(function, first);
}

// An expression that must end at the given token, which is left current.
Extended TCalculadoraInFixa::Argument(TokenKind closer) {
    const Extended value = Expression();
    return Expect(closer) ? value : 0;
}

bool TCalculadoraInFixa::Expect(TokenKind kind) {
    if (kind_ != kind) Fail();
    return !Failed();
}

} // namespace calvorin
