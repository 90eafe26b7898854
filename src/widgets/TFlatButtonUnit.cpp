#include "widgets/TFlatButtonUnit.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

FlatHoverGroup& TFlatButton::hoverGroup() {
    static FlatHoverGroup group;
    return group;
}

TFlatButton::TFlatButton(QWidget* parent) : FlatButtonBase(hoverGroup(), flat::kFlatGrey, parent) {
    resize(sizeHint());
}

TFlatButton::DrawState TFlatButton::drawState() const {
    if (!isEnabled()) return DrawState::Disabled;
    return isDown() ? DrawState::Pressed : DrawState::Up;
}

void TFlatButton::paintEvent(QPaintEvent*) {
    const DrawState state = drawState();
    QColor topLeft = colorBorder(), bottomRight = colorBorder(), face = color();
    if (state == DrawState::Pressed) {
        topLeft = colorShadow_;
        bottomRight = colorHighLight_;
        face = colorDown();
    } else if (state == DrawState::Up && hover_) {
        topLeft = colorHighLight_;
        bottomRight = colorShadow_;
        face = colorFocused();
    }

    QPainter p(this);
    const QRect r = rect();
    flat::drawFrame(p, r, topLeft, bottomRight);
    p.fillRect(r.adjusted(1, 1, -1, -1), face);

    const QRect captionRect = state == DrawState::Pressed ? r.translated(1, 1) : r;
    flat::drawCaption(p, *this, captionRect, Qt::AlignCenter | Qt::TextSingleLine, text());
}

void TFlatButton::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && focusPolicy() != Qt::NoFocus) setFocus(Qt::MouseFocusReason);
    QAbstractButton::mousePressEvent(e); // pressed look and the pressed() signal
    if (e->button() == Qt::LeftButton && isDown()) pressing_ = true;
}

void TFlatButton::mouseMoveEvent(QMouseEvent* e) {
    trackMouse();
    QAbstractButton::mouseMoveEvent(e); // pressed inside, up outside
    e->accept();
}

void TFlatButton::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !pressing_) {
        QAbstractButton::mouseReleaseEvent(e);
        return;
    }
    const bool inside = rect().contains(e->position().toPoint());
    pressing_ = false;
    hover_ = false;
    QPointer<TFlatButton> alive(this);
    QAbstractButton::mouseReleaseEvent(e); // clicks when released inside
    if (!alive) return;                    // the click handler may delete the button
    if (inside) {
        trackMouse();
        if (tracked()) mouseEnter();
    } else {
        mouseLeave();
    }
    update();
}
