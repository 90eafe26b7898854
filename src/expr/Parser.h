#pragma once
// TMathParser: the calculator's expression mode. A table-driven shift-reduce parser over a small
// lexer; every reduction computes its value at once, so nothing but a fixed stack is built.
// Malformed text and arithmetic failures are reported through the results, never raised. The
// tables keep two internal errors for states that no parse enters, so no text can reach them:
// Error("Bad token state"), an action looked up in a state without one, and
// Error("Invalid reduction"), a reduction by a number that has no production.
#include "core/real.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace calvorin {

namespace mathparser {
enum class Token : std::uint8_t;
enum class Function : std::uint8_t;

// One record of the parser stack: an LR state and the token's value or function.
struct TokenRecord {
    Extended value = 0; // first, so that a record takes two 16-byte words
    std::uint8_t state = 0;
    Function function{};
};
} // namespace mathparser

class TMathParser {
public:
    // kept as the program has always written it: the codes skip 2
    // Why a parse stopped: ErrorCode(), and the code OnParseError receives. The action table gives
    // 3 to 6, the stack 1 and the lexer 7; 2 is never given.
    enum ParseError : std::uint8_t {
        NoError = 0,
        StackFull = 1,        // more open records than StackSize
        OperandExpected = 3,  // a number, a known name, "-", "(" or a function was due
        OperatorExpected = 4, // an operator or the end was due
        OpenExpected = 5,     // "(" after a function's name
        CloseExpected = 6,    // an operator or ")" was due
        ExponentExpected = 7, // "E", maybe a sign, and no digit
    };

    // The owner resolves a variable name (as written): it stores the value and sets found.
    using TGetVarEvent =
        std::function<void(TMathParser& sender, std::string_view varName, Extended& value, bool& found)>;
    // Called once at the end of a parse that stopped with an error code.
    using TParseErrorEvent = std::function<void(TMathParser& sender, int parseError)>;

    TGetVarEvent OnGetVar;
    TParseErrorEvent OnParseError;
    std::string ParseString;

    void Parse();

    Extended ParseValue() const { return parseValue_; }
    bool ParseFailed() const { return parseFailed_; }
    ParseError ErrorCode() const { return errorCode_; }
    std::uint16_t ScanPosition() const { return scanPosition_; }

    // kept as the program has always written it: 15 records: 12 pairs of parentheses around a number, not 13
    static constexpr int StackSize = 15;
    // The end of a longer text (its length plus 1) would not fit the 16-bit ScanPosition: such a
    // text fails with OperandExpected at position 1.
    static constexpr std::size_t MaxTextLength = 65534;

private:
    using Token = mathparser::Token;
    using TokenRecord = mathparser::TokenRecord;

    Token NextToken();
    Token ScanNumber();
    Token ScanName();

    void Shift(std::uint8_t state);
    void Reduce(std::uint8_t production);
    void Push(const TokenRecord& record);
    void SetError(ParseError code, std::size_t position);
    void SyntaxError(ParseError code);
    void MathFailure() { MathFailed = true; }

    // Results, readable until the next parse.
    Extended parseValue_ = 0;
    bool parseFailed_ = false;
    ParseError errorCode_ = NoError;
    std::uint16_t scanPosition_ = 0;

    // Internal state of one parse.
    TokenRecord CurrentToken; // the token just scanned
    bool MathFailed = false;
    bool accepted_ = false;
    TokenRecord Stack[StackSize];
    std::uint8_t StackTop = 0;
    std::uint16_t TokenLength = 0;
    Token Lookahead{};
};

} // namespace calvorin
