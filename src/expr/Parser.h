#pragma once
// TMathParser: the calculator's expression mode. A table-driven shift-reduce parser over a small
// lexer; every reduction computes its value at once, so nothing but a fixed stack is built.
// Malformed text and arithmetic failures are reported through the results, never raised.
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
    std::uint8_t ErrorCode() const { return errorCode_; }
    std::uint16_t ScanPosition() const { return scanPosition_; }

    static constexpr int StackSize = 15;
    // The end of a longer text (its length plus 1) would not fit the 16-bit ScanPosition: such a
    // text fails with code 3 at position 1.
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
    void SetError(std::uint8_t code, std::size_t position);
    void SyntaxError(std::uint8_t code);
    void MathFailure() { MathFailed = true; }

    // Results, readable until the next parse.
    Extended parseValue_ = 0;
    bool parseFailed_ = false;
    std::uint8_t errorCode_ = 0;
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
