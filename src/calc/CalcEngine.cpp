#include "calc/CalcEngine.h"

#include "core/numbers.h"

#include <numbers>

namespace calvorin {

namespace {

const QString title = QStringLiteral("Calculadora");
const QString pot = QStringLiteral("pot");

// The four operations "=" applies the same way: the pending name, the report's title and sign.
struct Arithmetic {
    QString op;
    QString title;
    QString sign;
    Real (*apply)(Real, Real);
};
const Arithmetic arithmetic[] = {
    {"adição", "Adição", " + ", [](Real a, Real b) { return a + b; }},
    {"subtração", "Subtração", " - ", [](Real a, Real b) { return a - b; }},
    {"multiplicação", "Multiplicação", " * ", [](Real a, Real b) { return a * b; }},
    {"divisão", "Divisão", " / ", [](Real a, Real b) { return a / b; }},
};

QString text(Extended value) {
    return QString::fromStdString(formatGeneral(value));
}

} // namespace

Extended CalcEngine::displayValue() const {
    return strToFloat(display().toStdString());
}

void CalcEngine::show(Extended value) {
    surface_.setDisplayText(text(value));
}

// ---- entry keys ----

void CalcEngine::digit(int d) {
    const QString typed = QString::number(d);
    surface_.setDisplayText(StartNewOperand || display() == "0" ? typed : display() + typed);
    StartNewOperand = false;
}

// The system separator, so that what the key writes converts back; after an operation key it
// begins the new operand instead of extending the first one.
void CalcEngine::decimalPoint() {
    if (DecimalEntered) return;
    const QChar separator = QChar::fromLatin1(decimalSeparator());
    surface_.setDisplayText(StartNewOperand ? QStringLiteral("0") + separator : display() + separator);
    StartNewOperand = false;
    DecimalEntered = true;
}

void CalcEngine::clearEntry() {
    surface_.setDisplayText(QStringLiteral("0"));
    DecimalEntered = false;
}

// ---- operation keys ----

void CalcEngine::startOperation(const QString& op, bool rewriteDisplay) {
    FirstOperand = fpu::toDouble(displayValue());
    if (rewriteDisplay) show(FirstOperand);
    PendingOp = op;
    StartNewOperand = true;
    DecimalEntered = false;
}

void CalcEngine::add() {
    startOperation(arithmetic[0].op, false);
}
void CalcEngine::subtract() {
    startOperation(arithmetic[1].op, false);
}
void CalcEngine::multiply() {
    startOperation(arithmetic[2].op, true);
}
void CalcEngine::divide() {
    startOperation(arithmetic[3].op, true);
}

// The display's "0" is replaced by the next digit anyway, so StartNewOperand stays as it was.
void CalcEngine::power() {
    FirstOperand = fpu::toDouble(displayValue());
    surface_.setDisplayText(QStringLiteral("0"));
    PendingOp = pot;
    DecimalEntered = false;
}

// ---- "=" ----

// A failed expression leaves its message on the display, and a pending operation then reads
// that message as its operand: the conversion box, after the lines it has already recorded.
void CalcEngine::equals(bool expressionMode) {
    if (expressionMode) evaluateExpression();
    applyPending();
    DecimalEntered = false;
}

// The parser reads the full stop as decimal point whatever the locale, and never raises for bad
// text.
void CalcEngine::evaluateExpression() {
    parser_.ParseString = display().toStdString();
    parser_.Parse();
    if (parser_.ParseFailed())
        surface_.setDisplayText(expressionError);
    else
        show(parser_.ParseValue());
}

// kept as the program has always written it: the operation stays pending and, but for the power, the first
// operand too: "=" again repeats it on the value now displayed.
void CalcEngine::applyPending() {
    if (PendingOp == pot) {
        record(title);
        // kept as the program has always written it: "Cálando uma potênciação", and the exponent as the
        // display shows it
        record(QStringLiteral("Cálando uma potênciação"));
        record(text(FirstOperand) + " elevado a " + display());
        SecondOperand = fpu::toDouble(displayValue());
        FirstOperand = fpu::toDouble(calvorin::power(FirstOperand, SecondOperand));
        show(FirstOperand);
        record("Resposta: " + display());
        return;
    }
    for (const Arithmetic& a : arithmetic) {
        if (PendingOp != a.op) continue;
        record(title);
        record(a.title);
        SecondOperand = fpu::toDouble(displayValue());
        const Real result = a.apply(FirstOperand, SecondOperand);
        show(result.value());
        record(text(FirstOperand) + a.sign + text(SecondOperand) + " = " + text(result.value()));
        return;
    }
}

// ---- function keys ----

// kept as the program has always written it: "Log" keeps its operand as the first operand
void CalcEngine::log() {
    FirstOperand = fpu::toDouble(displayValue());
    show(fpu::log10(FirstOperand));
}

void CalcEngine::squareRoot() {
    record(title);
    const Extended root = fpu::sqrt(displayValue());
    record("Raiz quadrada de " + display() + " = " + text(root));
    show(root);
}

void CalcEngine::root(const QString& exponentText) {
    const Extended n = strToFloat(exponentText.toStdString());
    FirstOperand = fpu::toDouble(displayValue());
    show(calvorin::power(FirstOperand, fpu::div(1, n)));
}

void CalcEngine::pi() {
    const Extended pi = std::numbers::pi_v<Extended>;
    record(title);
    // kept as the program has always written it: no blank after "="
    record("Valor de Pi =" + text(pi));
    show(pi);
}

void CalcEngine::invertSign() {
    record(title);
    const Extended inverted = fpu::mul(displayValue(), -1);
    record("Inversão do sinal de " + display() + " = " + text(inverted));
    show(inverted);
}

void CalcEngine::store() {
    MemoryValue = fpu::toDouble(displayValue());
}

void CalcEngine::recall() {
    show(MemoryValue);
}

} // namespace calvorin
