#include "formulas/Combinations.h"
#include "formulas/Fatoriais.h"
#include "formulas/JurosCompostos.h"
#include "formulas/MDC.h"
#include "formulas/Regra3.h"

#include "formulas_fixture.h"

#include <gtest/gtest.h>

#include <vector>

using namespace calvorin;
using namespace calvorin::formulas;
using namespace calvorin::testing_formulas;

namespace {

// The answer as shown (full stop as separator), or "!" and the error's text.
template <class Answer> std::string outcome(Answer answer) {
    try {
        return formatGeneral(Real(answer()).value(), '.');
    } catch (const Error& e) {
        return std::string("!") + e.what();
    }
}

const char* const invalid = "!Invalid floating point operation";
const char* const overflow = "!Floating point overflow";

// clang-format off
TEST(JurosCompostos, AmountAfterTPeriods) {
    const struct {
        double t, i, P;
        const char* amount;
    } rows[] = {
        {0, 37, 250, "250"},  // no time: the initial value, whatever the rate
        {7.5, 0, 250, "250"}, // no interest
        {3, -100, 80, "0"}, {0.5, -150, 100, invalid}, {1e300, 10, 1, overflow},
        {-1, 25, 1000, "800"}, // a negative time discounts
        {0.5, 21, 100, "110"}, // a fractional time: e^(t ln base)
        {2, -150, 100, "25"},  // a negative base with a whole time
    };
    for (const auto& row : rows) {
        auto amount = [&] { return JurosCompostos::calculate(v(row.t), v(row.i), v(row.P)).answer; };
        EXPECT_EQ(outcome(amount), row.amount) << row.t << " " << row.i << " " << row.P;
    }
}

TEST(Fatoriais, DescendingProduct) {
    const struct {
        double x;
        const char* product;
    } rows[] = {
        {0, "1"}, // the empty product
        {1, "1"}, {2, "2"}, {170, "7.257415615308E306"},
        {-3, "-3"},       // x itself at 2 and below
        {4.5, "59.0625"}, // 4.5 3.5 2.5 1.5: the factors above 1
    };
    for (const auto& row : rows)
        EXPECT_EQ(outcome([&] { return Fatoriais::calculate(v(row.x)).answer; }), row.product) << row.x;
}

TEST(Combinations, GroupsOfPFromN) {
    const struct {
        double n, p;
        const char* groups;
    } rows[] = {
        {10, 3, "120"}, {5, 5, "1"}, {5, 0, "1"}, {0, 0, "1"}, {171, 1, overflow},
        {4, 6, "-0.0166666666666667"}, // (4 - 6)! taken as the product -2
        {1e308, -1e308, overflow},     // n - p leaves the double range
    };
    for (const auto& row : rows)
        EXPECT_EQ(outcome([&] { return Combinations::calculate(v(row.n), v(row.p)).answer; }), row.groups)
            << row.n << " " << row.p;
}

TEST(MDC, EuclidOnWholeNumbers) {
    const struct {
        double a, b;
        const char* divisor;
    } rows[] = {
        {18, 12, "6"}, {6, 6, "6"}, {-4, 6, "2"}, {0, 0, "!Division by zero"},
        {-4, -6, "-2"},            // the remainder's sign follows the dividend
        {0, -5, "-5"},             // the first remainder is already 0
        {-2147483648.0, -1, "-1"}, // the quotient leaves 32 bits
        {2147483648.0, 2, "!'2147483648' is not a valid integer value"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(outcome([&] { return MDC::calculate(v(row.a), v(row.b)).answer; }), row.divisor)
            << row.a << " " << row.b;
}

TEST(Regra3, TheMissingTermOfTheProportion) {
    const struct {
        int missing;
        std::array<double, 4> x;
        const char* term;
    } rows[] = {
        {0, {99, 6, 4, 3}, "8"}, // the missing term's value is not read
        {1, {4, 0, 8, 10}, "5"}, {2, {2, 4, 0, 10}, "5"}, {3, {2, 10, 3, 0}, "15"},
        {0, {0, 1, 1, 3}, "0.333333333333333"}, // rounded to a double before display
        {3, {0, 0, 4, 0}, invalid}, {1, {1e300, 0, 1e-300, 1e300}, overflow},
    };
    for (const auto& row : rows) {
        const std::array x = {v(row.x[0]), v(row.x[1]), v(row.x[2]), v(row.x[3])};
        EXPECT_EQ(outcome([&] { return Regra3::calculate(row.missing, x).answer; }), row.term) << row.missing;
    }
}

// The worked solutions: the inputs as typed, in the order the window converts them, under the
// decimal separator; the missing term of the rule of three typed empty.
Steps stepsOf(const std::string& window, const std::vector<const char*>& typed, char separator) {
    Separator guard(separator);
    std::vector<Typed<>> x;
    int missing = -1;
    for (const char* text : typed) {
        if (!*text) missing = int(x.size());
        x.push_back(in(text));
    }
    Steps steps;
    if (window == "JurosCompostos") steps = JurosCompostos::calculate(x[0], x[1], x[2]).steps;
    if (window == "Fatoriais") steps = Fatoriais::calculate(x[0]).steps;
    if (window == "Combinations") steps = Combinations::calculate(x[0], x[1]).steps;
    if (window == "MDC") steps = MDC::calculate(x[0], x[1]).steps;
    if (window == "Regra3") steps = Regra3::calculate(missing, {x[0], x[1], x[2], x[3]}).steps;
    return steps;
}

TEST(AlgebraSteps, WorkedSolutions) {
    const char* const factorial = "n! = n · (n - 1) · (n - 2) · ... · 1";
    const char* const notFactorial = "n! só existe para n inteiro e não negativo; aqui, o produto n · (n - 1) · (n - 2) · ... dos fatores maiores que 1";
    const char* const euclid = "D = q · d + r  ⇒  MDC(D, d) = MDC(d, r); o MDC é o divisor da última divisão, a de resto 0";
    const char* const proportion = "x1 / x2 = x3 / x4  ⇒  x1 · x4 = x2 · x3";
    const char* const choose = "C(n, p) = n! / (p! · (n - p)!)";
    const char* const notChoose = "C(n, p) = n! / (p! · (n - p)!) só existe para n e p inteiros com 0 ≤ p ≤ n; aqui, no lugar de x!, F(x) = x · (x - 1) · (x - 2) · ..., com os fatores maiores que 1";
    const struct {
        const char* window;
        std::vector<const char*> typed;
        char separator;
        Steps lines;
    } rows[] = {
        {"JurosCompostos", {"2", "10", "1000"}, ',',
         {"M = P · (1 + i/100)^t", "M = 1000 · (1 + 10/100)^2", "1 + i/100 = 1 + 10/100 = 1,1", "(1 + i/100)^t = 1,1^2 = 1,21", "P · (1 + i/100)^t = 1000 · 1,21 = 1210", "M = 1210"}},
        // a loss of 2 % a period
        {"JurosCompostos", {"3", "-2", "5000"}, ',',
         {"M = P · (1 + i/100)^t", "M = 5000 · (1 + (-2)/100)^3", "1 + i/100 = 1 + (-2)/100 = 0,98", "(1 + i/100)^t = 0,98^3 = 0,941192", "P · (1 + i/100)^t = 5000 · 0,941192 = 4705,96", "M = 4705,96"}},
        {"JurosCompostos", {"0.5", "21", "100"}, '.',
         {"M = P · (1 + i/100)^t", "M = 100 · (1 + 21/100)^0.5", "1 + i/100 = 1 + 21/100 = 1.21", "(1 + i/100)^t = 1.21^0.5 = 1.1", "P · (1 + i/100)^t = 100 · 1.1 = 110", "M = 110"}},
        {"Fatoriais", {"0"}, ',', {factorial, "0! = 1, por definição", "0! = 1"}},
        {"Fatoriais", {"1"}, ',', {factorial, "1! = 1", "1! = 1"}},
        {"Fatoriais", {"5"}, ',', {factorial, "5! = 5 · 4 · 3 · 2 · 1", "5 · 4 = 20", "20 · 3 = 60", "60 · 2 = 120", "5! = 120"}},
        {"Fatoriais", {"8"}, ',',
         {factorial, "8! = 8 · 7 · 6 · 5 · ... · 2 · 1", "8 · 7 = 56", "56 · 6 = 336", "336 · 5 = 1680", "1680 · 4 = 6720", "6720 · 3 = 20160", "20160 · 2 = 40320", "8! = 40320"}},
        {"Fatoriais", {"-3"}, ',', {notFactorial, "Produto: -3", "Resposta: -3"}},
        {"Fatoriais", {"4.5"}, '.',
         {notFactorial, "Produto: 4.5 · 3.5 · 2.5 · 1.5", "4.5 · 3.5 = 15.75", "15.75 · 2.5 = 39.375", "39.375 · 1.5 = 59.0625", "Resposta: 59.0625"}},
        // x's own factors after "...", down to the one in (1, 2]
        {"Fatoriais", {"7,5"}, ',',
         {notFactorial, "Produto: 7,5 · 6,5 · 5,5 · 4,5 · ... · 1,5", "7,5 · 6,5 = 48,75", "48,75 · 5,5 = 268,125", "268,125 · 4,5 = 1206,5625", "1206,5625 · 3,5 = 4222,96875",
          "4222,96875 · 2,5 = 10557,421875", "10557,421875 · 1,5 = 15836,1328125", "Resposta: 15836,1328125"}},
        {"Fatoriais", {"8.5"}, '.',
         {notFactorial, "Produto: 8.5 · 7.5 · 6.5 · 5.5 · ... · 1.5", "8.5 · 7.5 = 63.75", "63.75 · 6.5 = 414.375", "414.375 · 5.5 = 2279.0625", "2279.0625 · 4.5 = 10255.78125",
          "10255.78125 · 3.5 = 35895.234375", "35895.234375 · 2.5 = 89738.0859375", "89738.0859375 · 1.5 = 134607.12890625", "Resposta: 134607.12890625"}},
        {"Combinations", {"5", "2"}, ',',
         {choose, "C(5, 2) = 5! / (2! · (5 - 2)!)", "n - p = 5 - 2 = 3", "(n - p)! = 3! = 6", "n! = 5! = 120", "p! = 2! = 2", "p! · (n - p)! = 2 · 6 = 12", "n! / (p! · (n - p)!) = 120 / 12 = 10", "C(5, 2) = 10"}},
        // p! and (n - p)! equal, each labelled
        {"Combinations", {"8", "4"}, '.',
         {choose, "C(8, 4) = 8! / (4! · (8 - 4)!)", "n - p = 8 - 4 = 4", "(n - p)! = 4! = 24", "n! = 8! = 40320", "p! = 4! = 24", "p! · (n - p)! = 24 · 24 = 576", "n! / (p! · (n - p)!) = 40320 / 576 = 70", "C(8, 4) = 70"}},
        {"Combinations", {"2.5", "0.5"}, '.',
         {notChoose, "C = F(2.5) / (F(0.5) · F(2.5 - 0.5))", "n - p = 2.5 - 0.5 = 2", "F(n - p) = F(2) = 2", "F(n) = F(2.5) = 3.75", "F(p) = F(0.5) = 0.5", "F(p) · F(n - p) = 0.5 · 2 = 1",
          "F(n) / (F(p) · F(n - p)) = 3.75 / 1 = 3.75", "Resposta: 3.75"}},
        {"Combinations", {"4", "6"}, ',',
         {notChoose, "C = F(4) / (F(6) · F(4 - 6))", "n - p = 4 - 6 = -2", "F(n - p) = F(-2) = -2", "F(n) = F(4) = 24", "F(p) = F(6) = 720", "F(p) · F(n - p) = 720 · (-2) = -1440",
          "F(n) / (F(p) · F(n - p)) = 24 / (-1440) = -0,0166666666666667", "Resposta: -0,0166666666666667"}},
        {"MDC", {"252", "105"}, ',',
         {euclid, "MDC(252, 105): D = 252, d = 105", "252 = 2 · 105 + 42", "105 = 2 · 42 + 21", "42 = 2 · 21 + 0", "MDC(252, 105) = 21"}},
        {"MDC", {"-4", "-6"}, ',',
         {euclid, "MDC(-4, -6): D = -4, d = -6", "-4 = 0 · (-6) + (-4)", "-6 = 1 · (-4) + (-2)", "-4 = 2 · (-2) + 0", "Resposta obtida: -2"}},
        // 3 kg cost 12; what do 5 kg cost?
        {"Regra3", {"3", "12", "5", ""}, ',', {proportion, "3 · x = 12 · 5", "x = 12 · 5 / 3", "12 · 5 = 60", "60 / 3 = 20", "x = 20"}},
        {"Regra3", {"-1.5", "", "3", "0.5"}, '.',
         {proportion, "(-1.5) · 0.5 = x · 3", "x = (-1.5) · 0.5 / 3", "(-1.5) · 0.5 = -0.75", "(-0.75) / 3 = -0.25", "x = -0.25"}},
    };
    for (const auto& row : rows) {
        std::string trace = row.window;
        for (const char* text : row.typed)
            trace += std::string(" '") + text + "'";
        EXPECT_EQ(stepsOf(row.window, row.typed, row.separator), row.lines) << trace;
    }
}

// The report lines: the inputs as typed, the answer as shown. Nothing for the rule of three.
TEST(AlgebraReports, InputsAsTypedAndTheAnswer) {
    expectReports({
        {[] { return JurosCompostos::calculate(local("2"), local("10,5"), local("01000")).report; },
         "Cálculo de juros compostos|Valor inicial = 01000|Tempo = 2|Juros = 10,5%|Quantia obtida = 1221,025"},
        {[] { return Fatoriais::calculate(local("020")).report; }, "Cálculo de fatoriais|Fatorial de 020 = 2,43290200817664E18"},
        {[] { return Combinations::calculate(local("4"), local("06")).report; },
         "Cálculo de combinações simples|Número de elementos: 4|Agrupamentos de 06|Resposta: -0,0166666666666667"},
        {[] { return MDC::calculate(local("12"), local("018")).report; },
         "Cálculo de Máximo Divisor Comum (MDC)|Calculando o MDC de: 12 e 018|Resposta obtida: 6"},
    });
}

// clang-format on

} // namespace
