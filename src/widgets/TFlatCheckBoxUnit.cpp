#include "widgets/TFlatCheckBoxUnit.h"

#include <QPainter>

FlatHoverGroup& TFlatCheckBox::hoverGroup() {
    static FlatHoverGroup group;
    return group;
}

TFlatCheckBox::TFlatCheckBox(QWidget* parent) : FlatOptionButton(hoverGroup(), 11, parent) {
    resize(sizeHint());
}

void TFlatCheckBox::accelerator() {
    if (focusPolicy() != Qt::NoFocus) setFocus(Qt::ShortcutFocusReason);
    click();
}

void TFlatCheckBox::paintIndicator(QPainter& p, const QRect& r) {
    p.fillRect(r, indicatorFill());
    if (isChecked()) {
        // Six short strokes relative to the box's corner, each stopping before its end point.
        static constexpr int tick[6][4] = {{2, 4, 6, 8}, {2, 5, 5, 8}, {2, 6, 5, 9},
                                           {8, 2, 4, 6}, {8, 3, 4, 7}, {8, 4, 5, 7}};
        const QColor mark = markColour(colorCheck_);
        for (const auto& l : tick)
            flat::drawOpenLine(p, r.left() + l[0], r.top() + l[1], r.left() + l[2], r.top() + l[3], mark);
    }
    flat::drawFrame(p, r, colorBorder());
}
