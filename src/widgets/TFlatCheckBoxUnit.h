// Flat check box: a square box with a tick beside the caption.
#pragma once

#include "widgets/FlatButtonBase.h"

class TFlatCheckBox : public FlatOptionButton {
    Q_OBJECT
    Q_PROPERTY(QColor ColorCheck READ colorCheck WRITE setColorCheck)

public:
    explicit TFlatCheckBox(QWidget* parent = nullptr);

    QColor colorCheck() const { return colorCheck_; }
    void setColorCheck(const QColor& c) { setColour(colorCheck_, c); }

    // The timer shared by all flat check boxes.
    static FlatHoverGroup& hoverGroup();

    QAccessible::Role accessibleRole() const override { return QAccessible::CheckBox; }

protected:
    void accelerator() override;
    void releasedInside() override { click(); }
    void paintIndicator(QPainter& p, const QRect& r) override;

private:
    QColor colorCheck_ = Qt::black;
};
