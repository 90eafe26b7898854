#include "widgets/TFlatEditUnit.h"

#include "widgets/FlatShared.h"

#include <QApplication>
#include <QPainter>

namespace {
constexpr int kFrame = 3;
}

TFlatEdit::TFlatEdit(QWidget* parent)
    : QLineEdit(parent), colorFlat_(flat::kFlatGrey), colorBorder_(flat::kBorderGrey) {
    setFrame(false);
    setTextMargins(kFrame, kFrame, kFrame, kFrame);
    // Highlighting depends on which control has the focus anywhere in the program.
    connect(qApp, &QApplication::focusChanged, this, &TFlatEdit::refresh);
    resize(sizeHint());
    refresh();
}

QColor TFlatEdit::colorFlat() const {
    if (!parentColor_) return colorFlat_;
    const QWidget* p = parentWidget();
    return p ? p->palette().color(QPalette::Window) : colorFlat_;
}

void TFlatEdit::setColorFlat(const QColor& c) {
    parentColor_ = false;
    colorFlat_ = c;
    refresh();
}

void TFlatEdit::setColorFocused(const QColor& c) {
    colorFocused_ = c;
    refresh();
}

void TFlatEdit::setColorBorder(const QColor& c) {
    colorBorder_ = c;
    refresh();
}

void TFlatEdit::setParentColor(bool on) {
    parentColor_ = on;
    refresh();
}

bool TFlatEdit::isHighlighted() const {
    if (hasFocus()) return true;
    return mouseInside_ && !qobject_cast<TFlatEdit*>(QApplication::focusWidget());
}

QSize TFlatEdit::sizeHint() const {
    return {121, fontMetrics().height() + 2 * kFrame};
}

void TFlatEdit::fitHeightToFont() {
    resize(width(), fontMetrics().height() + 2 * kFrame);
}

// The background takes the inner lines' colour, so the frame and the text area are one face.
void TFlatEdit::refresh() {
    const QColor face = isHighlighted() ? colorFocused_ : colorFlat();
    if (palette().color(QPalette::Base) != face) {
        QPalette p = palette();
        p.setColor(QPalette::Base, face);
        setPalette(p);
    }
    update();
}

bool TFlatEdit::event(QEvent* e) {
    if (e->type() == QEvent::Polish) fitHeightToFont(); // once the window has set its geometry
    return QLineEdit::event(e);
}

void TFlatEdit::changeEvent(QEvent* e) {
    QLineEdit::changeEvent(e);
    switch (e->type()) {
    case QEvent::FontChange:
        fitHeightToFont();
        break;
    case QEvent::EnabledChange:
    case QEvent::ParentChange:
    case QEvent::PaletteChange: // the parent's colour may have changed
        refresh();
        break;
    default:
        break;
    }
}

void TFlatEdit::enterEvent(QEnterEvent* e) {
    QLineEdit::enterEvent(e);
    if (!flat::programActive()) return;
    mouseInside_ = true;
    refresh();
}

void TFlatEdit::leaveEvent(QEvent* e) {
    QLineEdit::leaveEvent(e);
    mouseInside_ = false;
    refresh();
}

void TFlatEdit::paintEvent(QPaintEvent* e) {
    QLineEdit::paintEvent(e);
    QPainter p(this);
    const QRect r = rect();
    const QColor face = isHighlighted() ? colorFocused_ : colorFlat();
    flat::drawFrame(p, r, colorBorder_);
    flat::drawFrame(p, r.adjusted(1, 1, -1, -1), face);
    flat::drawFrame(p, r.adjusted(2, 2, -2, -2), face);
}
