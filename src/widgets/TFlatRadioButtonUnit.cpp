#include "widgets/TFlatRadioButtonUnit.h"

#include <QKeyEvent>
#include <QPainter>

FlatHoverGroup& TFlatRadioButton::hoverGroup() {
    static FlatHoverGroup group;
    return group;
}

TFlatRadioButton::TFlatRadioButton(QWidget* parent) : FlatOptionButton(hoverGroup(), 10, parent) {
    // Connected first, so the group is settled before anyone else hears of the change.
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        if (on) uncheckGroup();
    });
    resize(sizeHint());
}

void TFlatRadioButton::uncheckGroup() {
    QWidget* p = parentWidget();
    if (!p) return;
    for (auto* other : p->findChildren<TFlatRadioButton*>(Qt::FindDirectChildrenOnly))
        if (other != this && other->groupIndex_ == groupIndex_) other->setChecked(false);
}

// A click never unchecks a radio button.
void TFlatRadioButton::nextCheckState() {
    if (!isChecked()) setChecked(true);
}

// The accelerator only moves the focus; the choice changes with a click or the space bar.
void TFlatRadioButton::accelerator() {
    if (focusPolicy() != Qt::NoFocus) setFocus(Qt::ShortcutFocusReason);
}

void TFlatRadioButton::releasedInside() {
    if (!isChecked()) click();
}

void TFlatRadioButton::focusInEvent(QFocusEvent* e) {
    FlatOptionButton::focusInEvent(e);
    if (pressing_ && hover_ && !isChecked()) click();
}

// The space bar on a checked radio button changes nothing and says nothing.
void TFlatRadioButton::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Space && isChecked() && !isDown()) return e->accept();
    FlatOptionButton::keyPressEvent(e);
}

void TFlatRadioButton::keyReleaseEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Space && isChecked() && !isDown()) return e->accept();
    FlatOptionButton::keyReleaseEvent(e);
}

void TFlatRadioButton::paintIndicator(QPainter& p, const QRect& r) {
    const QColor dot = markColour(colorDot_);
    if (p.deviceTransform().type() <= QTransform::TxTranslate) {
        // One-pixel pen: the outline covers the 10-pixel square exactly.
        p.setPen(colorBorder());
        p.setBrush(indicatorFill());
        p.drawEllipse(r.adjusted(0, 0, -1, -1));
        if (!isChecked()) return;
        p.setPen(dot);
        p.setBrush(dot);
        p.drawEllipse(QRect(r.left() + 3, r.top() + 3, 3, 3));
        return;
    }
    // Scaled, that pen's line lands between device pixels and loses its sides: the circle is filled
    // as a ring one logical pixel wide instead, the dot as a disc in its middle.
    const QRectF square(r);
    p.setPen(Qt::NoPen);
    p.setBrush(colorBorder());
    p.drawEllipse(square);
    p.setBrush(indicatorFill());
    p.drawEllipse(square.adjusted(1, 1, -1, -1));
    if (!isChecked()) return;
    p.setBrush(dot);
    p.drawEllipse(square.adjusted(3, 3, -3, -3));
}
