#pragma once
// The metric relations of a right triangle: pick the side to find, then the relation, then type
// the lengths it needs.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "ui/toolwindow.h"

class QGroupBox;

class TfrmPitagoras : public calvorin::ToolWindow {
    Q_OBJECT
public:
    explicit TfrmPitagoras(QWidget* parent = nullptr);

    QLabel *Image1, *Label1, *lbl1, *lbl2, *lbl3, *Label2, *lblResposta;
    calvorin::FlatComboBox* cmbFormula;
    calvorin::FlatEdit *txt1, *txt2, *txt3;
    QGroupBox* GroupBox1;
    calvorin::FlatRadioButton *opta, *optb, *optc, *opth, *optm, *optn;
    calvorin::FlatButton *Button1, *Button2, *FlatButton1;

    // The chosen formula's number, 0 until one is picked.
    int selected() const { return formula_; }

public slots:
    void cmbformulaChange();
    void optaClick() { list('a'); }
    void optbClick() { list('b'); }
    void optcClick() { list('c'); }
    void opthClick() { list('h'); }
    void optmClick() { list('m'); }
    void optnClick() { list('n'); }
    void Button1Click();

private:
    // Puts the side's formulas in the list; the chosen formula stays until another is picked.
    void list(char side);

    int formula_ = 0;
};
