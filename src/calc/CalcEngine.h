#pragma once
// The calculator's keys without the keypad: the state the window keeps for the whole run and what
// each key does to it, to the display's text and to the report. The window only wires buttons here.
#include "core/real.h"
#include "expr/Parser.h"

#include <QString>

namespace calvorin {

class CalcEngine {
public:
    // What the keys reach outside the engine: the display (an edit the user may also type into)
    // and the report (the surface tests the recording flag itself).
    class Surface {
    public:
        virtual ~Surface() = default;
        virtual QString displayText() const = 0;
        virtual void setDisplayText(const QString& text) = 0;
        virtual void recordLine(const QString& line) = 0;
    };

    // The expression mode evaluates through the window's own parser.
    CalcEngine(Surface& surface, TMathParser& parser) : surface_(surface), parser_(parser) {}

    // ---- entry keys ----
    void digit(int d);
    void decimalPoint();
    void clearEntry();

    // ---- operation keys: each converts the display first ----
    void add();
    void subtract();
    void multiply();
    void divide();
    void power();

    // "=": the expression first (when the mode is on), then the pending operation.
    void equals(bool expressionMode);

    // ---- function keys ----
    void log();
    void squareRoot();
    void root(const QString& exponentText);
    void pi();
    void invertSign();
    void store();
    void recall();

    static inline const QString expressionError = QStringLiteral("Erro na expressão");

    // The state, as the program names it; it lives as long as the window.
    double FirstOperand = 0;
    double SecondOperand = 0;
    QString PendingOp; // "adição", "subtração", "multiplicação", "divisão", "pot"; never cleared
    double MemoryValue = 0;
    bool DecimalEntered = false;
    bool StartNewOperand = false;

private:
    QString display() const { return surface_.displayText(); }
    void show(Extended value);
    Extended displayValue() const;
    void record(const QString& line) { surface_.recordLine(line); }

    void startOperation(const QString& op, bool rewriteDisplay);
    void evaluateExpression();
    void applyPending();

    Surface& surface_;
    TMathParser& parser_;
};

} // namespace calvorin
