#pragma once
// TCalculadoraInFixa: the plotter's evaluator. A recursive-descent reader that computes while it
// reads; malformed text gives 0 with Valid false, arithmetic faults leave Evaluate as the
// program's floating-point errors and keep Valid as it was.
#include "core/real.h"

#include <cstdint>
#include <string_view>

namespace calvorin {

class TCalculadoraInFixa {
public:
    Extended Evaluate(std::string_view text);
    bool Valid() const { return valid_; }

    // Deeper nesting of parentheses, signs and function calls is malformed: it would only
    // exhaust the stack.
    static constexpr int MaxNesting = 1000;

    // One kind per function name; the functions come last.
    enum class TokenKind : std::uint8_t {
        None, Error, Number, Plus, Minus, Times, Divide, Open, Close, Comma, End, Pi,
        Sen, Cos, Tg, Cotg, ArcSen, ArcCos, ArcTg, Rad, Exp, Ln, Log, Log2, LogN,
        AntiLog, AntiLog2, AntiLogN, Pot, Fat,
    };

private:
    void NextToken();
    void ScanNumber();
    void ScanName();

    Extended Expression();
    Extended Term();
    Extended Factor();
    Extended FunctionCall(TokenKind function);
    Extended Argument(TokenKind closer);
    bool Expect(TokenKind kind);
    bool Failed() const { return kind_ == TokenKind::Error; }
    void Fail() { kind_ = TokenKind::Error; }

    TokenKind kind_ = TokenKind::None;
    std::string_view tokenText_;
    bool valid_ = false;
    std::size_t position_ = 0; // of the next character, 0-based
    int depth_ = 0;
    std::string_view text_;
};

} // namespace calvorin
