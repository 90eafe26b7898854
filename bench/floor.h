#pragma once
// The floor: the least an evaluator of numbers, + - * / and parentheses can do. One pass,
// recursive descent, the C library's conversion for numbers, no checks beyond the grammar.
#include <cstdlib>

class FloorEvaluator {
public:
    long double evaluate(const char* text) {
        p_ = text;
        ok_ = true;
        const long double v = sum();
        skip();
        return ok_ && *p_ == 0 ? v : 0;
    }

private:
    void skip() { while (*p_ == ' ') ++p_; }
    bool take(char c) { return skip(), *p_ == c ? (++p_, true) : false; }

    long double sum() {
        long double v = product();
        for (;;) {
            if (take('+')) v += product();
            else if (take('-')) v -= product();
            else return v;
        }
    }
    long double product() {
        long double v = atom();
        for (;;) {
            if (take('*')) v *= atom();
            else if (take('/')) v /= atom();
            else return v;
        }
    }
    long double atom() {
        if (take('-')) return -atom();
        if (take('(')) {
            const long double v = sum();
            ok_ = ok_ && take(')');
            return v;
        }
        char* end;
        const long double v = std::strtold(p_, &end);
        ok_ = ok_ && end != p_;
        p_ = end;
        return v;
    }

    const char* p_ = nullptr;
    bool ok_ = true;
};
