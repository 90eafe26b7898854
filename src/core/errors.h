#pragma once
// The program's errors. Each carries the exact English text the user sees in the error box;
// the box adds the final full stop.
// kept as the program has always written it: the error texts are in English
#include <stdexcept>
#include <string>

namespace calvorin {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& text) : std::runtime_error(text), text_(text) {}
    // The whole text: what() ends at the first NUL, and an input as typed may hold one.
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// A text that is not a number ("'x' is not a valid floating point value").
class ConvertError : public Error {
public:
    using Error::Error;
    static ConvertError floatValue(const std::string& text);
    static ConvertError integerValue(const std::string& text);
};

// Faults of the floating-point unit.
class MathError : public Error {
public:
    using Error::Error;
};
class InvalidOperation : public MathError {
public:
    InvalidOperation() : MathError("Invalid floating point operation") {}
};
class ZeroDivide : public MathError {
public:
    ZeroDivide() : MathError("Floating point division by zero") {}
};
class Overflow : public MathError {
public:
    Overflow() : MathError("Floating point overflow") {}
};

// Integer division by zero.
class IntDivideByZero : public Error {
public:
    IntDivideByZero() : Error("Division by zero") {}
};

// A file that cannot be created, read or written.
class FileError : public Error {
public:
    using Error::Error;
    static FileError cannotCreate(const std::string& fileName);
    static FileError cannotRead(const std::string& fileName);
};

} // namespace calvorin
