#include "calc/fCalc.h"

#include "ui/frames.h"
#include "platform/clipboard.h"
#include "platform/help.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include <algorithm>

using namespace calvorin;

namespace {
FlatButton* withHint(FlatButton* button, const QString& hint) {
    button->setToolTip(hint);
    return button;
}
} // namespace

TfrmCalc::TfrmCalc(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmCalc");
    setClosesOnEscape(false); // the calculator's keys stay as they always were
    // kept as the program has always written it: "Raiz com outro expoente:" with its colon, "Ajuda?", the
    // name "btnajuda" and the hints' "que encontra-se" and "atualmente exposto"
    txtVisor = edit("txtVisor", "0");
    FlatButton** digits[] = {&btn0, &btn1, &btn2, &btn3, &btn4, &btn5, &btn6, &btn7, &btn8, &btn9};
    for (int d = 0; d < 10; ++d)
        *digits[d] = button(QString("btn%1").arg(d), QString::number(d));
    btnPonto = button("btnPonto", ".");
    btnAdd = withHint(button("btnAdd", "+"), "Adição");
    btnMenos = withHint(button("btnMenos", "-"), "Subtração");
    btnVezes = withHint(button("btnVezes", "*"), "Multiplicação");
    btnDivisor = withHint(button("btnDivisor", "/"), "Divisão");
    btnClear = withHint(button("btnClear", "CE"), "Limpar");
    btnCalc = button("btnCalc", "=");
    btnLog = withHint(button("btnLog", "Log"), "Logaritmo");
    btnPotencia = withHint(button("btnPotencia", "X^Y"), "Potenciação");
    FlatButton1 = button("FlatButton1", "Raiz quadrada");
    FlatButton2 = button("FlatButton2", "Raiz com outro expoente:");
    Label1 = label("Label1", "Expoente:");
    txtExpoente = edit("txtExpoente", "3");
    FlatButton4 = withHint(button("FlatButton4", "Guardar na memória"),
                           "Guarda na memória da calculadora o número atualmente exibido");
    FlatButton5 = withHint(button("FlatButton5", "Colar da memória"),
                           "Insere o número que encontra-se na memória da calculadora no visor");
    FlatButton3 = withHint(button("FlatButton3", "Exibir valor do Pi"), "Exibe o valor do número Pi");
    FlatButton8 =
        withHint(button("FlatButton8", "Inverter sinal"), "Inverte o sinal do número atualmente exposto");
    FlatButton6 = button("FlatButton6", "Copiar");
    FlatButton7 = button("FlatButton7", "Colar");
    chkExp = checkBox("chkExp", "Expressão personalizada");
    btnajuda = button("btnajuda", "Ajuda?");
    btnFechar = button("btnFechar", captions::close);

    // A pocket calculator: the display across the top, the keypad beneath it with every key one
    // size, the functions grouped beside it in rows of the keypad's height, the expression mode and
    // the window's own buttons along the bottom.
    grid()->setHorizontalSpacing(10);
    row({txtVisor});
    auto* keypad = new QGridLayout;
    keypad->setSpacing(3);
    FlatButton* const keys[4][5] = {{btn7, btn8, btn9, btnDivisor, btnClear},
                                    {btn4, btn5, btn6, btnVezes, btnLog},
                                    {btn1, btn2, btn3, btnMenos, btnPotencia},
                                    {btn0, btnPonto, btnCalc, btnAdd, nullptr}};
    int keyWidth = 32;
    for (const auto& keyRow : keys)
        for (const FlatButton* key : keyRow)
            if (key) keyWidth = std::max(keyWidth, key->fontMetrics().horizontalAdvance(key->text()) + 14);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 5; ++c)
            if (FlatButton* key = keys[r][c]) {
                key->setFixedSize(keyWidth, 25);
                keypad->addWidget(key, r, c);
            }
    // Two columns of function keys, each as wide as its widest caption.
    auto* functions = new QGridLayout;
    functions->setSpacing(3);
    const auto side = [](QWidget* a, QWidget* b) { // two controls side by side
        auto* line = new QHBoxLayout;
        line->setSpacing(3);
        line->addWidget(a);
        line->addWidget(b);
        return line;
    };
    functions->addWidget(FlatButton1, 0, 0);
    functions->addWidget(FlatButton3, 0, 1);
    functions->addWidget(FlatButton2, 1, 0);
    functions->addLayout(side(Label1, txtExpoente), 1, 1);
    functions->addWidget(FlatButton4, 2, 0);
    functions->addWidget(FlatButton5, 2, 1);
    functions->addWidget(FlatButton8, 3, 0);
    functions->addLayout(side(FlatButton6, FlatButton7), 3, 1);
    for (FlatButton* b : {FlatButton1, FlatButton2, FlatButton3, FlatButton4, FlatButton5, FlatButton6,
                          FlatButton7, FlatButton8})
        b->setMaximumWidth(QWIDGETSIZE_MAX); // the column's width
    txtExpoente->setMinimumWidth(32);
    labelControl(Label1, txtExpoente);
    grid()->addLayout(keypad, 1, 0);
    grid()->addLayout(functions, 1, 1);
    grid()->addWidget(chkExp, 2, 0);
    auto* closing = side(btnajuda, btnFechar);
    closing->insertStretch(0);
    grid()->addLayout(closing, 2, 1);

    const std::pair<FlatButton*, void (TfrmCalc::*)()> handlers[] = {
        {btn0, &TfrmCalc::btn0Click},
        {btn1, &TfrmCalc::btn1Click},
        {btn2, &TfrmCalc::btn2Click},
        {btn3, &TfrmCalc::btn3Click},
        {btn4, &TfrmCalc::btn4Click},
        {btn5, &TfrmCalc::btn5Click},
        {btn6, &TfrmCalc::btn6Click},
        {btn7, &TfrmCalc::btn7Click},
        {btn8, &TfrmCalc::btn8Click},
        {btn9, &TfrmCalc::btn9Click},
        {btnPonto, &TfrmCalc::btnPontoClick},
        {btnClear, &TfrmCalc::btnClearClick},
        {btnAdd, &TfrmCalc::btnAddClick},
        {btnMenos, &TfrmCalc::btnMenosClick},
        {btnVezes, &TfrmCalc::btnVezesClick},
        {btnDivisor, &TfrmCalc::btnDivisorClick},
        {btnPotencia, &TfrmCalc::btnPotenciaClick},
        {btnCalc, &TfrmCalc::btnCalcClick},
        {btnLog, &TfrmCalc::btnLogClick},
        {FlatButton1, &TfrmCalc::FlatButton1Click},
        {FlatButton2, &TfrmCalc::FlatButton2Click},
        {FlatButton3, &TfrmCalc::FlatButton3Click},
        {FlatButton4, &TfrmCalc::FlatButton4Click},
        {FlatButton5, &TfrmCalc::FlatButton5Click},
        {FlatButton6, &TfrmCalc::FlatButton6Click},
        {FlatButton7, &TfrmCalc::FlatButton7Click},
        {FlatButton8, &TfrmCalc::FlatButton8Click},
        {btnajuda, &TfrmCalc::btnajudaClick},
    };
    for (const auto& [b, handler] : handlers)
        onClick(b, handler);
    closes(btnFechar);
    txtVisor->installEventFilter(this);
    connect(txtVisor, &QLineEdit::textChanged, this, [this] { kept_ = {}; });
    finish("Calculadora", false);
}

// A line edit drops its selection when it loses the focus, as it does to the key clicked next.
bool TfrmCalc::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtVisor && event->type() == QEvent::FocusOut)
        kept_ = {txtVisor->selectionStart(), txtVisor->selectionLength()};
    return ToolWindow::eventFilter(watched, event);
}

// "Copiar" and "Colar" act on the selection the display had before the key took the focus.
void TfrmCalc::restoreSelection() {
    if (!txtVisor->hasFocus() && kept_.start >= 0) txtVisor->setSelection(kept_.start, kept_.length);
}

// Only the selection goes to the clipboard; with nothing selected the clipboard keeps its text.
void TfrmCalc::FlatButton6Click() {
    restoreSelection();
    if (txtVisor->hasSelectedText()) setClipboardText(txtVisor->selectedText());
}

// At the caret, over the selection, unchecked: the display is an ordinary edit.
void TfrmCalc::FlatButton7Click() {
    restoreSelection();
    txtVisor->insert(clipboardText());
}

void TfrmCalc::btnajudaClick() {
    helpRequest("cv21.hlp", 2, "calculadora");
}

QString TfrmCalc::displayText() const {
    return txtVisor->text();
}

void TfrmCalc::setDisplayText(const QString& text) {
    txtVisor->setText(text);
}

void TfrmCalc::recordLine(const QString& line) {
    record({line});
}
