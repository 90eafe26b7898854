#include "expr/Parser.h"

#include "core/chars.h"
#include "core/errors.h"
#include "core/numbers.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace calvorin {

namespace mathparser {
// The column order of the action table.
// clang-format off
enum class Token : std::uint8_t {
    Plus, Minus, Times, Divide, Power, Open, Close, Number, Function, End, Bad, ErrorMark, Mod
};
// clang-format on
enum class Function : std::uint8_t { Abs, Atan, Cos, Exp, Ln, Round, Sin, Sqrt, Sqr, Trunc };
} // namespace mathparser

namespace {

using mathparser::Function;
using mathparser::Token;
using mathparser::TokenRecord;

constexpr int TokenKinds = 13;
constexpr int StateCount = 81;
constexpr std::uint8_t BadState = 18;

// ---- the two internal errors: no text reaches them ---------------------------------------------

// An action looked up in a state without one: the bad state, or a state no row of the table names.
[[noreturn]] void badTokenState() {
    throw Error("Bad token state");
}
// A reduction by a number with no production (11 and 13), or by more records than the stack holds.
[[noreturn]] void invalidReduction() {
    throw Error("Invalid reduction");
}

// ---- productions -------------------------------------------------------------------------------

enum Nonterminal : std::uint8_t { E, T, F, G, H, I, NonterminalCount };

// The productions, by the numbers the action table reduces by. 11 and 13 have none: the states
// that reduce by them, 7 and 26, are entered by no parse.
enum Rule : std::uint8_t {
    Sum = 1,          // E -> E + T
    Difference = 2,   // E -> E - T
    EFromT = 3,       // E -> T
    Product = 4,      // T -> T * F
    Quotient = 5,     // T -> T / F
    TFromF = 6,       // T -> F
    Raise = 7,        // F -> G ^ F
    FFromG = 8,       // F -> G
    Negation = 9,     // G -> - H
    GFromH = 10,      // G -> H
    HFromI = 12,      // H -> I
    Parentheses = 14, // I -> ( E )
    Operand = 15,     // I -> number, or a variable
    Call = 16,        // I -> function ( E )
    Remainder = 100,  // F -> F MOD F
};

struct Production {
    Rule rule{};
    Nonterminal result = E;
    std::uint8_t length = 0; // records on the right side; 0 marks a number with no production
};

constexpr Production productionList[] = {
    {Sum, E, 3},    {Difference, E, 3},  {EFromT, E, 1},  {Product, T, 3},  {Quotient, T, 3},
    {TFromF, T, 1}, {Raise, F, 3},       {FFromG, F, 1},  {Negation, G, 2}, {GFromH, G, 1},
    {HFromI, H, 1}, {Parentheses, I, 3}, {Operand, I, 1}, {Call, I, 4},     {Remainder, F, 3},
};

constexpr auto productions = [] {
    std::array<Production, Remainder + 1> table{};
    for (const auto& p : productionList)
        table[p.rule] = p;
    return table;
}();

// ---- action table ------------------------------------------------------------------------------

enum class Act : std::uint8_t { BadState, Shift, Reduce, Error, Accept, AcceptFailed };

struct Action {
    Act act = Act::BadState;
    std::uint8_t arg = 0;
};

constexpr Action s(std::uint8_t state) {
    return {Act::Shift, state};
}
constexpr Action r(std::uint8_t production) {
    return {Act::Reduce, production};
}
constexpr Action e(TMathParser::ParseError code) {
    return {Act::Error, code};
}
constexpr Action acc{Act::Accept};
constexpr Action mrk{Act::AcceptFailed}; // the error mark ends the parse as a failure
constexpr Action bad{Act::BadState};
// The syntax errors, by what was due instead.
constexpr Action opd = e(TMathParser::OperandExpected);  // an operand
constexpr Action opr = e(TMathParser::OperatorExpected); // an operator or the end
constexpr Action opn = e(TMathParser::OpenExpected);     // "(" after a function's name
constexpr Action cls = e(TMathParser::CloseExpected);    // an operator or ")"

using ActionRow = std::array<Action, TokenKinds>;

constexpr ActionRow every(Action a) {
    ActionRow row;
    row.fill(a);
    return row;
}

struct StateActions {
    std::uint8_t state;
    ActionRow on;
};

// clang-format off
// kept as the program has always written it: MOD only after an operand that starts a product (2*7 MOD 3 is
// refused), unary minus binding tighter than ^, and "!" ending the parse as a failure
// An operand is due: at the start, after "(", after an operator and after a function's "(".
constexpr ActionRow operand =
    //  +      -      *      /      ^      (      )      num    fn     end    bad    !      MOD
    {opd,   s(5),  opd,   opd,   opd,   s(9),  opd,   s(10), s(11), opd,   opd,   mrk,   opd};

// Each row's comment says what has been read: the symbols on top of the stack in that state.
// (never): entered by no parse; the row keeps an internal error for it.
constexpr StateActions actionRows[] = {
    //       +      -      *      /      ^      (      )      num    fn     end    bad    !      MOD
    {0,  operand},                                                                                     // (start)
    {1,  {s(12), s(13), opr,   opr,   opr,   opr,   opr,   opr,   opr,   acc,   opr,   opr,   opr}},   // E
    {2,  {r(3),  r(3),  s(14), s(15), r(3),  r(3),  r(3),  r(3),  r(3),  r(3),  r(3),  r(3),  r(3)}},  // T
    {3,  {r(6),  r(6),  r(6),  r(6),  r(6),  r(6),  r(6),  r(6),  r(6),  r(6),  r(6),  r(6),  s(40)}}, // F
    {4,  {r(8),  r(8),  r(8),  r(8),  s(16), r(8),  r(8),  r(8),  r(8),  r(8),  r(8),  r(8),  r(8)}},  // G
    {5,  {opd,   opd,   opd,   opd,   opd,   s(9),  opd,   s(10), s(11), opd,   opd,   opd,   opd}},   // -
    {6,  every(r(10))},                                                                                // H
    {7,  every(r(13))},                                                                                // (never)
    {8,  every(r(12))},                                                                                // I
    {9,  operand},                                                                                     // (
    {10, every(r(15))},                                                                                // num
    {11, {opn,   opn,   opn,   opn,   opn,   s(20), opn,   opn,   opn,   opn,   opn,   opn,   opn}},   // fn
    {12, operand},                                                                                     // E +
    {13, operand},                                                                                     // E -
    {14, operand},                                                                                     // T *
    {15, operand},                                                                                     // T /
    {16, operand},                                                                                     // G ^
    {17, every(r(9))},                                                                                 // - H
    {BadState, every(bad)},                                                                            // (never)
    {19, {s(12), s(13), cls,   cls,   cls,   cls,   s(27), cls,   cls,   cls,   cls,   cls,   cls}},   // ( E
    {20, operand},                                                                                     // fn (
    {21, {r(1),  r(1),  s(14), s(15), r(1),  r(1),  r(1),  r(1),  r(1),  r(1),  r(1),  r(1),  r(1)}},  // E + T
    {22, {r(2),  r(2),  s(14), s(15), r(2),  r(2),  r(2),  r(2),  r(2),  r(2),  r(2),  r(2),  r(2)}},  // E - T
    {23, every(r(4))},                                                                                 // T * F
    {24, every(r(5))},                                                                                 // T / F
    {25, every(r(7))},                                                                                 // G ^ F
    {26, every(r(11))},                                                                                // (never)
    {27, every(r(14))},                                                                                // ( E )
    {28, {s(12), s(13), cls,   cls,   cls,   cls,   s(29), cls,   cls,   cls,   cls,   cls,   cls}},   // fn ( E
    {29, every(r(16))},                                                                                // fn ( E )
    {40, operand},                                                                                     // F MOD
    {80, every(r(100))},                                                                               // F MOD F
};
// clang-format on

// Dense form of the rows; a state no row names is the bad state, so the loop cannot spin on it.
constexpr auto actionTable = [] {
    std::array<ActionRow, StateCount> table;
    table.fill(every(bad));
    for (const auto& row : actionRows)
        table[row.state] = row.on;
    return table;
}();

// ---- goto table --------------------------------------------------------------------------------

struct GotoEntry {
    Nonterminal result;
    std::uint8_t uncovered, next;
};

// clang-format off
constexpr GotoEntry gotoList[] = {
    {E, 0, 1},   {E, 9, 19},  {E, 20, 28},
    {T, 0, 2},   {T, 9, 2},   {T, 20, 2},  {T, 12, 21}, {T, 13, 22},
    {F, 0, 3},   {F, 9, 3},   {F, 12, 3},  {F, 13, 3},  {F, 20, 3},
    {F, 14, 23}, {F, 15, 24}, {F, 16, 25}, {F, 40, 80},
    {G, 0, 4},   {G, 9, 4},   {G, 12, 4},  {G, 13, 4},  {G, 14, 4},
    {G, 15, 4},  {G, 16, 4},  {G, 20, 4},  {G, 40, 4},
    {H, 0, 6},   {H, 9, 6},   {H, 12, 6},  {H, 13, 6},  {H, 14, 6},
    {H, 15, 6},  {H, 16, 6},  {H, 20, 6},  {H, 40, 6},  {H, 5, 17},
    {I, 0, 8},   {I, 5, 8},   {I, 9, 8},   {I, 12, 8},  {I, 13, 8},
    {I, 14, 8},  {I, 15, 8},  {I, 16, 8},  {I, 20, 8},  {I, 40, 8},
};
// clang-format on

constexpr auto gotoTable = [] {
    std::array<std::array<std::uint8_t, StateCount>, NonterminalCount> table;
    for (auto& row : table)
        row.fill(BadState);
    for (const auto& g : gotoList)
        table[g.result][g.uncovered] = g.next;
    return table;
}();

// Rules of one record (E -> T, H -> I, ...) only relabel the record on top, so their chains are
// followed here once, at compile time: this is where an operand's six reductions cost one
// look-up. Where a chain ends depends on the record below only through the goto table, so the
// states below are grouped into the ones some goto uncovers and one column for all others.
struct Uncovered {
    std::array<std::uint8_t, StateCount> column{};
    std::array<std::uint8_t, StateCount> state{}; // a state of each column
    int columns = 0;
};

constexpr Uncovered uncovered = [] {
    Uncovered u;
    u.column.fill(0xFF);
    for (const auto& g : gotoList)
        if (u.column[g.uncovered] == 0xFF) {
            u.state[u.columns] = g.uncovered;
            u.column[g.uncovered] = static_cast<std::uint8_t>(u.columns++);
        }
    u.state[u.columns] = BadState; // no goto uncovers it
    for (auto& c : u.column)
        if (c == 0xFF) c = static_cast<std::uint8_t>(u.columns);
    ++u.columns;
    return u;
}();

// settled[s][k][c]: the state a record in state s settles in under lookahead k, above a record
// of column c, before the parser takes its next action.
constexpr auto settled = [] {
    std::array<std::array<std::array<std::uint8_t, uncovered.columns>, TokenKinds>, StateCount> table{};
    for (int s = 0; s < StateCount; ++s)
        for (int k = 0; k < TokenKinds; ++k)
            for (int c = 0; c < uncovered.columns; ++c) {
                auto state = static_cast<std::uint8_t>(s);
                for (Action a = actionTable[state][k]; a.act == Act::Reduce && productions[a.arg].length == 1;
                     a = actionTable[state][k])
                    state = gotoTable[productions[a.arg].result][uncovered.state[c]];
                table[s][k][c] = state;
            }
    return table;
}();

// ---- arithmetic: a failure is a result that is not a finite number -----------------------------

// Overflow gives infinity and so fails like every other fault here; nothing is raised.
constexpr Extended Failure = std::numeric_limits<Extended>::quiet_NaN();

bool outside(Extended x, Extended limit) {
    return x < -limit || x > limit;
}

Extended quotient(Extended a, Extended b) {
    return b == 0 ? Failure : a / b;
}

// kept as the program has always written it: a base of 0 or below fails, 0^2 and (-2)^2 included
Extended power(Extended base, Extended exponent) {
    if (base <= 0) return Failure;
    const Extended t = exponent * std::log(base);
    return outside(t, 11356) ? Failure : std::exp(t);
}

// Rounded to the nearest 32-bit integer, ties to even; nothing when it does not fit.
std::optional<std::int64_t> roundToInt32(Extended x) {
    const Extended rounded = std::nearbyint(x);
    if (rounded < -2147483648.0L || rounded > 2147483647.0L) return std::nullopt;
    return static_cast<std::int64_t>(rounded);
}

Extended remainder(Extended a, Extended b) {
    const auto left = roundToInt32(a), right = roundToInt32(b);
    if (!left || !right || *right == 0) return Failure;
    return static_cast<Extended>(*left % *right);
}

// kept as the program has always written it: each function's own limits
Extended apply(Function f, Extended x) {
    switch (f) {
    case Function::Abs:
        return std::fabs(x);
    case Function::Atan:
        return std::atan(x);
    case Function::Cos:
        return outside(x, 9E18L) ? Failure : std::cos(x);
    case Function::Exp:
        return outside(x, 11356) ? Failure : std::exp(x);
    case Function::Ln:
        return x <= 0 ? Failure : std::log(x);
    case Function::Round:
        return outside(x, 1E9L) ? Failure : std::nearbyint(x);
    case Function::Sin:
        return outside(x, 9E18L) ? Failure : std::sin(x);
    case Function::Sqrt:
        return x < 0 ? Failure : std::sqrt(x);
    case Function::Sqr:
        return outside(x, 1E2466L) ? Failure : x * x;
    case Function::Trunc:
        return outside(x, 1E9L) ? Failure : std::trunc(x);
    }
    return Failure;
}

// The value of a production's result from its right side, leftmost record first.
Extended reductionValue(std::uint8_t production, const TokenRecord* rhs) {
    switch (production) {
    case Sum:
        return rhs[0].value + rhs[2].value;
    case Difference:
        return rhs[0].value - rhs[2].value;
    case Product:
        return rhs[0].value * rhs[2].value;
    case Quotient:
        return quotient(rhs[0].value, rhs[2].value);
    case Raise:
        return power(rhs[0].value, rhs[2].value);
    case Remainder:
        return remainder(rhs[0].value, rhs[2].value);
    case Negation:
        return -rhs[1].value;
    case Parentheses:
        return rhs[1].value;
    case Call:
        return apply(rhs[0].function, rhs[2].value);
    default:
        return rhs[0].value;
    }
}

// ---- names -------------------------------------------------------------------------------------

bool isNameChar(char c) {
    return isLetter(c) || isDigit(c) || c == '_';
}

std::optional<Function> functionNamed(std::string_view name) {
    static constexpr std::pair<std::string_view, Function> names[] = {
        {"ABS", Function::Abs}, {"ATAN", Function::Atan},   {"COS", Function::Cos}, {"EXP", Function::Exp},
        {"LN", Function::Ln},   {"ROUND", Function::Round}, {"SIN", Function::Sin}, {"SQRT", Function::Sqrt},
        {"SQR", Function::Sqr}, {"TRUNC", Function::Trunc},
    };
    for (const auto& [text, f] : names)
        if (sameName(name, text)) return f;
    return std::nullopt;
}

std::optional<Token> operatorToken(char c) {
    switch (c) {
    case '+':
        return Token::Plus;
    case '-':
        return Token::Minus;
    case '*':
        return Token::Times;
    case '/':
        return Token::Divide;
    case '^':
        return Token::Power;
    case '(':
        return Token::Open;
    case ')':
        return Token::Close;
    default:
        return std::nullopt;
    }
}

} // namespace

// ---- lexer -------------------------------------------------------------------------------------

Token TMathParser::NextToken() {
    const std::string_view text = ParseString;
    while (scanPosition_ <= text.size() && text[scanPosition_ - 1] == ' ')
        ++scanPosition_;
    TokenLength = 0;
    if (scanPosition_ > text.size()) return Token::End;

    const char c = upper(text[scanPosition_ - 1]);
    if (c == '!') return Token::ErrorMark;
    if (isDigit(c) || c == '.') return ScanNumber();
    if (isLetter(c)) return ScanName();
    if (const auto op = operatorToken(c)) {
        ++scanPosition_;
        TokenLength = 1;
        return *op;
    }
    return Token::Bad;
}

// kept as the program has always written it: digits with one full stop, then "E", an optional sign and at
// most four digits
Token TMathParser::ScanNumber() {
    const std::string_view text = ParseString;
    const std::size_t start = scanPosition_ - 1;
    std::size_t end = start;
    bool stop = false;
    for (; end < text.size(); ++end) {
        if (text[end] == '.' && !stop)
            stop = true;
        else if (!isDigit(text[end]))
            break;
    }
    if (end - start == 1 && stop) return Token::Bad;

    if (end < text.size() && upper(text[end]) == 'E') {
        ++end;
        if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
        const std::size_t digits = end;
        while (end < text.size() && end - digits < 4 && isDigit(text[end]))
            ++end;
        if (end == digits) {
            MathFailure();
            SetError(ExponentExpected, end + 1);
            return Token::Bad;
        }
    }

    // Beyond the extended range is an arithmetic failure, like every other one here.
    const Extended value = numberValue(text.substr(start, end - start), '.');
    CurrentToken.value = std::isfinite(value) ? value : 0;
    if (!std::isfinite(value)) MathFailure();
    TokenLength = static_cast<std::uint16_t>(end - start);
    scanPosition_ = static_cast<std::uint16_t>(end + 1);
    return Token::Number;
}

// A function, MOD, or a variable the owner may know.
Token TMathParser::ScanName() {
    const std::string_view text = ParseString;
    const std::size_t start = scanPosition_ - 1;
    std::size_t end = start + 1;
    while (end < text.size() && isNameChar(text[end]))
        ++end;
    const std::string_view name = text.substr(start, end - start);
    const auto length = static_cast<std::uint16_t>(name.size());
    scanPosition_ = static_cast<std::uint16_t>(end + 1);

    if (const auto f = functionNamed(name)) {
        CurrentToken.function = *f;
        TokenLength = length;
        return Token::Function;
    }
    if (sameName(name, "MOD")) {
        TokenLength = length;
        return Token::Mod;
    }
    bool found = false;
    if (OnGetVar) OnGetVar(*this, name, CurrentToken.value, found);
    if (!found) return Token::Bad; // TokenLength 0: the error points just after the name
    if (!std::isfinite(CurrentToken.value)) {
        MathFailure();
        CurrentToken.value = 0;
    }
    TokenLength = length;
    return Token::Number;
}

// ---- driver ------------------------------------------------------------------------------------

void TMathParser::Parse() {
    scanPosition_ = 1;
    StackTop = 0;
    errorCode_ = NoError;
    MathFailed = false;
    accepted_ = false;

    if (ParseString.size() > MaxTextLength) {
        SetError(OperandExpected, 1);
    } else {
        Push(TokenRecord{});
        Lookahead = NextToken();
        while (!accepted_ && errorCode_ == NoError) {
            const int k = static_cast<int>(Lookahead);
            TokenRecord& top = Stack[StackTop - 1];
            const std::uint8_t below = StackTop > 1 ? Stack[StackTop - 2].state : BadState;
            top.state = settled[top.state][k][uncovered.column[below]];
            const Action a = actionTable[top.state][k];
            switch (a.act) {
            case Act::Shift:
                Shift(a.arg);
                break;
            case Act::Reduce:
                Reduce(a.arg);
                break;
            case Act::Error:
                SyntaxError(static_cast<ParseError>(a.arg));
                break;
            case Act::Accept:
                accepted_ = true;
                break;
            case Act::AcceptFailed:
                MathFailure();
                accepted_ = true;
                break;
            case Act::BadState:
                badTokenState();
            }
        }
    }

    parseFailed_ = MathFailed || errorCode_ != NoError;
    parseValue_ = parseFailed_ ? 0 : Stack[StackTop - 1].value;
    if (errorCode_ != NoError && OnParseError) OnParseError(*this, errorCode_);
}

void TMathParser::Shift(std::uint8_t state) {
    // Built from its fields: a whole copy would read the value just stored by the lexer with a
    // wider load than the store, which the processor cannot forward and waits for.
    Push({CurrentToken.value, state, CurrentToken.function});
    // Read on even when the stack refused the record: a full stack reports where the lexer stops.
    Lookahead = NextToken();
}

void TMathParser::Reduce(std::uint8_t production) {
    const Production rule = production < productions.size() ? productions[production] : Production{};
    if (rule.length == 0 || rule.length >= StackTop) invalidReduction();

    // The right side is popped in place and its leftmost record becomes the result, so a rule of
    // one record only changes the state on top.
    StackTop -= rule.length;
    TokenRecord* rhs = Stack + StackTop;
    if (rule.length > 1) {
        const Extended value = reductionValue(production, rhs);
        if (std::isfinite(value))
            rhs[0].value = value;
        else
            MathFailure();
    }
    rhs[0].state = gotoTable[rule.result][Stack[StackTop - 1].state];
    ++StackTop;
}

void TMathParser::Push(const TokenRecord& record) {
    if (StackTop == StackSize) return SetError(StackFull, scanPosition_);
    Stack[StackTop++] = record;
}

// Every error position is set here.
void TMathParser::SetError(ParseError code, std::size_t position) {
    errorCode_ = code;
    scanPosition_ = static_cast<std::uint16_t>(position);
}

// Back to the start of the lookahead token: the end, a bad character or an unknown name has none.
void TMathParser::SyntaxError(ParseError code) {
    SetError(code, scanPosition_ - TokenLength);
}

} // namespace calvorin
