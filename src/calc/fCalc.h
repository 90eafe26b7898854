#pragma once
// The pocket calculator: its keypad, memory, clipboard and expression mode. The keys' logic is the
// engine's; this window holds the controls and passes their clicks on.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "ui/toolwindow.h"
#include "calc/CalcEngine.h"
#include "expr/Parser.h"

class TfrmCalc : public calvorin::ToolWindow, private calvorin::CalcEngine::Surface {
    Q_OBJECT
public:
    explicit TfrmCalc(QWidget* parent = nullptr);

    calvorin::FlatEdit *txtVisor, *txtExpoente;
    calvorin::FlatButton *btn0, *btn1, *btn2, *btn3, *btn4, *btn5, *btn6, *btn7, *btn8, *btn9;
    calvorin::FlatButton *btnPonto, *btnAdd, *btnMenos, *btnVezes, *btnDivisor, *btnClear, *btnCalc;
    calvorin::FlatButton *btnLog, *btnPotencia, *btnajuda, *btnFechar;
    calvorin::FlatButton *FlatButton1, *FlatButton2, *FlatButton3, *FlatButton4, *FlatButton5, *FlatButton6,
        *FlatButton7, *FlatButton8;
    QLabel* Label1;
    calvorin::FlatCheckBox* chkExp;
    calvorin::TMathParser parser;

public slots:
    void btn0Click() { engine_.digit(0); }
    void btn1Click() { engine_.digit(1); }
    void btn2Click() { engine_.digit(2); }
    void btn3Click() { engine_.digit(3); }
    void btn4Click() { engine_.digit(4); }
    void btn5Click() { engine_.digit(5); }
    void btn6Click() { engine_.digit(6); }
    void btn7Click() { engine_.digit(7); }
    void btn8Click() { engine_.digit(8); }
    void btn9Click() { engine_.digit(9); }
    void btnPontoClick() { engine_.decimalPoint(); }
    void btnClearClick() { engine_.clearEntry(); }
    void btnAddClick() { engine_.add(); }
    void btnMenosClick() { engine_.subtract(); }
    void btnVezesClick() { engine_.multiply(); }
    void btnDivisorClick() { engine_.divide(); }
    void btnPotenciaClick() { engine_.power(); }
    void btnCalcClick() { engine_.equals(chkExp->isChecked()); }
    void btnLogClick() { engine_.log(); }
    void FlatButton1Click() { engine_.squareRoot(); }
    void FlatButton2Click() { engine_.root(txtExpoente->text()); }
    void FlatButton3Click() { engine_.pi(); }
    void FlatButton4Click() { engine_.store(); }
    void FlatButton5Click() { engine_.recall(); }
    void FlatButton6Click();
    void FlatButton7Click();
    void FlatButton8Click() { engine_.invertSign(); }
    void btnajudaClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void restoreSelection();
    QString displayText() const override;
    void setDisplayText(const QString& text) override;
    void recordLine(const QString& line) override;

    calvorin::CalcEngine engine_{*this, parser};
    struct {
        int start = -1, length = 0;
    } kept_; // the display's selection when it last lost the focus
};
