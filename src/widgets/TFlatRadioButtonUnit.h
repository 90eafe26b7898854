// Flat radio button: a circle beside the caption; checking one unchecks the others of its
// group on the same parent.
#pragma once

#include "widgets/FlatButtonBase.h"

class TFlatRadioButton : public FlatOptionButton {
    Q_OBJECT
    Q_PROPERTY(QColor ColorDot READ colorDot WRITE setColorDot)
    Q_PROPERTY(int GroupIndex READ groupIndex WRITE setGroupIndex)

public:
    explicit TFlatRadioButton(QWidget* parent = nullptr);

    QColor colorDot() const { return colorDot_; }
    void setColorDot(const QColor& c) { setColour(colorDot_, c); }
    int groupIndex() const { return groupIndex_; }
    void setGroupIndex(int index) { groupIndex_ = index; }

    // The timer shared by all flat radio buttons.
    static FlatHoverGroup& hoverGroup();

    QAccessible::Role accessibleRole() const override { return QAccessible::RadioButton; }

protected:
    void nextCheckState() override;
    void accelerator() override;
    void releasedInside() override;
    void paintIndicator(QPainter& p, const QRect& r) override;
    void focusInEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    void uncheckGroup();

    QColor colorDot_ = Qt::black;
    int groupIndex_ = 0;
};
