#include "tools/fConvertTemperatura.h"

#include "formulas/ConvertTemperatura.h"
#include "platform/clipboard.h"

using namespace calvorin;
using formulas::ConvertTemperatura::calculate;
using ScaleName = formulas::ConvertTemperatura::Scale;

namespace {
// kept as the program has always written it: the converter's own message for a value that does not convert,
// with a full stop unlike the check's
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
        // kept as the program has always written it: "referencia" without its accent
        group("GroupBox1", "Unidade a ser utilizada como referencia:", {{c, lblc}, {f, lblf}, {k, lblk}});
    row({GroupBox1});
    celsius_ = {ScaleName::celsius, lblc, " °C", {}};
    fahrenheit_ = {ScaleName::fahrenheit, lblf, " °F", {}};
    kelvin_ = {ScaleName::kelvin, lblk, " K", {}};
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

void TfrmConvertTemperatura::convert(Scale& from, Scale& to1, Scale& to2) {
    put(from, txtValor->text());
    // kept as the program has always written it: the typed text shows on its own scale before it is known to
    // convert
    // Each step reads the typed value afresh and is shown before the next; the first that does not
    // convert ends the block.
    std::vector<std::string> steps;
    const bool converted = convertOrTell(conversionFailed, [&] {
        for (Scale* to : {&to1, &to2}) {
            const auto result = calculate(from.name, to->name, typed<Real>(txtValor));
            put(*to, format(result.answer));
            steps.insert(steps.end(), result.steps.begin(), result.steps.end());
        }
    });
    if (converted) solved(steps);
}

void TfrmConvertTemperatura::Button1Click() {
    if (c->isChecked())
        convert(celsius_, fahrenheit_, kelvin_);
    else if (f->isChecked())
        convert(fahrenheit_, celsius_, kelvin_);
    else if (k->isChecked())
        convert(kelvin_, celsius_, fahrenheit_);
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
