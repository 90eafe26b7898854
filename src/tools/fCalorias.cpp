#include "tools/fCalorias.h"

#include "formulas/Calorias.h"
#include "tools/fConvertTemperatura.h"

using namespace calvorin;

TfrmCalorias::TfrmCalorias(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmCalorias");
    row({Label1 = label("Label1", "Calor específico:"), txtCalor = edit("txtCalor")});
    row({Label2 = label("Label2", "Massa:"), txtMassa = edit("txtMassa")});
    row({Label3 = label("Label3", "Temperatura inicial (Celsius):"), txtInit = edit("txtInit")});
    // kept as the program has always written it: no colon after the final temperature's "(Celsius)"
    row({Label4 = label("Label4", "Temperatura final (Celsius)"), txtFinal = edit("txtFinal")});
    row({lblResposta = answer("Resposta:")});
    row({btnConvert = button("btnConvert", "Conversor de temperaturas")});
    std::tie(btnCalc, btnFechar, FlatButton1) = standardButtons(lblResposta, "btnCalc", "btnFechar");
    onClick(btnCalc, &TfrmCalorias::btnCalcClick);
    onClick(btnConvert, &TfrmCalorias::btnConvertClick);
    // kept as the program has always written it: the caption "Calculando", where the menus say "Cálculo de
    // calorias gastas"
    finish("Calculando as calorias gastas");
}

void TfrmCalorias::btnCalcClick() {
    Typed<> c, m, ti, tf;
    // kept as the program has always written it: "provávelmente" with its stray accent
    if (!convertOrTell("Um erro! Você provávelmente colocou um valor não numérico em um dos campos. Outra "
                       "causa poderia ter sido você ter deixado um dos campos em branco. Tente novamente.",
                       [&] {
                           c = typed(txtCalor);
                           m = typed(txtMassa);
                           ti = typed(txtInit);
                           tf = typed(txtFinal);
                       }))
        return;
    conclude(formulas::Calorias::calculate(c, m, ti, tf), lblResposta);
}

void TfrmCalorias::btnConvertClick() {
    calvorin::open<TfrmConvertTemperatura>();
}
