// Both expression engines against muparser's text-to-value path and the floor, on the same
// expressions, with the heap allocations of one evaluation counted.
#include "expr/InFixa.h"
#include "expr/Parser.h"
#include "floor.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

namespace {
std::size_t g_allocations = 0;
}

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

using calvorin::Extended;

// One expression in each engine's own words; the floor reads only numbers, operators and parentheses.
struct Expression {
    const char* name;
    const char* infix;
    const char* lr;
    const char* muparser;
    bool floor;
};

const char* const nested200 =
    "((1.5+2.25)*(3-0.5)/(4+(5-2.5)*1.25))-((6.5/(2+0.5))*(7-(8-1.5)))+(9.75-(1.25*(2+3)))/"
    "((4-1.5)*(2.5+0.5))+((3.5*2)-(1.5/(0.5+0.25)))*((2-1.25)+(3/(1.5+1.5)))-(((7.5-2.5)/5)*((4+4)/(2*2)))"
    "+(0.125*(4+4))";

const Expression expressions[] = {
    {"short", "1+2*3-4/5", "1+2*3-4/5", "1+2*3-4/5", true},
    {"functions", "SEN(0.5)*COS(0.25)+LN(2)+EXP(1)", "SIN(0.5)*COS(0.25)+LN(2)+EXP(1)",
     "sin(0.5)*cos(0.25)+ln(2)+exp(1)", false},
    {"nested200", nested200, nested200, nested200, true},
    {"plot", "POT(-3.5 ,2)/10 + SEN(-3.5 )", "SQR(-3.5)/10 + SIN(-3.5)", "POT(-3.5 ,2)/10 + SEN(-3.5 )",
     false},
};

double pot(double b, double x) { return std::pow(b, x); }
double sen(double x) { return std::sin(x); }

template <class Evaluate>
void run(benchmark::State& state, Evaluate evaluate) {
    const std::size_t before = g_allocations;
    for (auto _ : state) benchmark::DoNotOptimize(evaluate());
    state.counters["allocs"] =
        benchmark::Counter(static_cast<double>(g_allocations - before), benchmark::Counter::kAvgIterations);
}

void infix(benchmark::State& state, const char* text) {
    calvorin::TCalculadoraInFixa calc;
    run(state, [&] { return calc.Evaluate(text); });
}

void lr(benchmark::State& state, const char* text) {
    calvorin::TMathParser parser;
    run(state, [&] {
        parser.ParseString = text;
        parser.Parse();
        return parser.ParseValue();
    });
}

void muparser(benchmark::State& state, const char* text) {
    mu::Parser parser;
    parser.DefineFun("POT", pot);
    parser.DefineFun("SEN", sen);
    run(state, [&] {
        parser.SetExpr(text);
        return parser.Eval();
    });
}

void floorEvaluator(benchmark::State& state, const char* text) {
    FloorEvaluator floor;
    run(state, [&] { return floor.evaluate(text); });
}

// The engines must agree before their times mean anything.
bool agree(const Expression& e) {
    calvorin::TCalculadoraInFixa calc;
    const Extended a = calc.Evaluate(e.infix);
    calvorin::TMathParser parser;
    parser.ParseString = e.lr;
    parser.Parse();
    mu::Parser mu;
    mu.DefineFun("POT", pot);
    mu.DefineFun("SEN", sen);
    mu.SetExpr(e.muparser);
    const double m = mu.Eval();
    const auto close = [](Extended x, Extended y) { return std::fabs(x - y) <= 1e-12L * std::fabs(y); };
    bool ok = calc.Valid() && !parser.ParseFailed() && close(a, m) && close(parser.ParseValue(), m);
    if (e.floor) ok = ok && close(FloorEvaluator().evaluate(e.infix), m);
    if (!ok) std::fprintf(stderr, "engines disagree on %s\n", e.name);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    for (const auto& e : expressions) {
        if (!agree(e)) return 1;
        const std::string name = e.name;
        benchmark::RegisterBenchmark((name + "/infix").c_str(), infix, e.infix);
        benchmark::RegisterBenchmark((name + "/lr").c_str(), lr, e.lr);
        benchmark::RegisterBenchmark((name + "/muparser").c_str(), muparser, e.muparser);
        if (e.floor) benchmark::RegisterBenchmark((name + "/floor").c_str(), floorEvaluator, e.infix);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
