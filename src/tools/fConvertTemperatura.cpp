#include "tools/fConvertTemperatura.h"

#include "platform/clipboard.h"

using namespace calvorin;

namespace {
// The converter's constants, at extended precision.
const Real a18 = 1.8L, a27315 = 273.15L, a45967 = 459.67L;
const Real oneNinth = 1.0L / 9, fiveNinths = 5.0L / 9;

Real celsiusToFahrenheit(Real c) {
    return c * a18 + 32;
}
Real celsiusToKelvin(Real c) {
    return c + a27315;
}
Real fahrenheitToCelsius(Real f) {
    return (f - 32) * 5 * oneNinth;
}
Real fahrenheitToKelvin(Real f) {
    return (f + a45967) * fiveNinths;
}
Real kelvinToCelsius(Real k) {
    return k - a27315;
}
Real kelvinToFahrenheit(Real k) {
    return k * a18 - a45967;
}

// The converter's own message for a value that does not convert (with a full stop, unlike the check's).
const QString conversionFailed = QStringLiteral("Os valores precisam ser numéricos.");
} // namespace

TfrmConvertTemperatura::TfrmConvertTemperatura(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmConvertTemperatura");
    row({Label1 = label("Label1", "Valor:"), txtValor = edit("txtValor")});
    c = radio("c", "&Celsius");
    f = radio("f", "&Fahrenheit");
    k = radio("k", "&Kelvin");
    lblc = label("lblc", "°C");
    lblf = label("lblf", "°F");
    lblk = label("lblk", "K");
    GroupBox1 =
        group("GroupBox1", "Unidade a ser utilizada como referencia:", {{c, lblc}, {f, lblf}, {k, lblk}});
    row({GroupBox1});
    celsius_ = {lblc, " °C", {}};
    fahrenheit_ = {lblf, " °F", {}};
    kelvin_ = {lblk, " K", {}};
    // The three scales are the answers; each copies as its Copy button does.
    for (Scale* scale : {&celsius_, &fahrenheit_, &kelvin_})
        answers(scale->label, [scale] { return scale->held; });

    Button1 = button("Button1", captions::calculate);
    Button2 = button("Button2", captions::close);
    FlatButton1 = button("FlatButton1", "Copiar Celsius");
    FlatButton2 = button("FlatButton2", "Copiar Fahrenheit");
    FlatButton3 = button("FlatButton3", "Copiar Kelvin");
    buttonRow({Button1, Button2, FlatButton1, FlatButton2, FlatButton3});
    onClick(Button1, &TfrmConvertTemperatura::Button1Click);
    closes(Button2);
    onClick(FlatButton1, &TfrmConvertTemperatura::FlatButton1Click);
    onClick(FlatButton2, &TfrmConvertTemperatura::FlatButton2Click);
    onClick(FlatButton3, &TfrmConvertTemperatura::FlatButton3Click);
    finish("Conversor de temperaturas");
}

void TfrmConvertTemperatura::put(Scale& scale, const QString& value) {
    scale.label->setText(value + scale.unit);
    scale.held = value;
}

void TfrmConvertTemperatura::convert(Scale& from, Scale& to1, Real (*formula1)(Real), Scale& to2,
                                     Real (*formula2)(Real)) {
    put(from, txtValor->text());
    // Each step reads the typed value afresh; the first that does not convert ends the block.
    convertOrTell(conversionFailed, [&] {
        put(to1, format(formula1(extendedNumber(txtValor))));
        put(to2, format(formula2(extendedNumber(txtValor))));
    });
}

void TfrmConvertTemperatura::Button1Click() {
    if (c->isChecked())
        convert(celsius_, fahrenheit_, celsiusToFahrenheit, kelvin_, celsiusToKelvin);
    else if (f->isChecked())
        convert(fahrenheit_, celsius_, fahrenheitToCelsius, kelvin_, fahrenheitToKelvin);
    else if (k->isChecked())
        convert(kelvin_, celsius_, kelvinToCelsius, fahrenheit_, kelvinToFahrenheit);
}

void TfrmConvertTemperatura::FlatButton1Click() {
    setClipboardText(celsius_.held);
}

void TfrmConvertTemperatura::FlatButton2Click() {
    setClipboardText(fahrenheit_.held);
}

void TfrmConvertTemperatura::FlatButton3Click() {
    setClipboardText(kelvin_.held);
}
