// Every window drawn at a device pixel ratio, as the screen draws it: each flat control shows all
// four border sides, whole, on the device pixels of its outermost logical pixel. A control's grab
// of itself starts at its own origin and would hide the fractional offset that loses a side.
#include "ui/registry.h"
#include "widgets/flat.h"
#include "windows.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace {

// The device pixels that logical [from, to) touches, along one axis.
struct Span {
    int first, end;
};
Span touched(int from, int to, double ratio) {
    return {int(std::floor(from * ratio)), int(std::ceil(to * ratio))};
}
// ... and those it covers whole.
Span covered(int from, int to, double ratio) {
    return {int(std::ceil(from * ratio)), int(std::floor(to * ratio))};
}

// Where a control's border runs, in the window's logical pixels: the indicator's square for radio
// buttons and check boxes, the whole control for the others. Of a radio button's circle only the
// middle two logical pixels of each side touch the square.
struct Outline {
    QRect square;
    int inset; // logical pixels at either end of a side that need not show the border
};
Outline outline(QWidget* control, QWidget* window) {
    const QPoint at = control->mapTo(window, QPoint());
    if (auto* option = qobject_cast<FlatOptionButton*>(control)) {
        const QRect square = option->indicatorRect().translated(at);
        return {square, qobject_cast<TFlatRadioButton*>(control) ? square.width() / 2 - 1 : 1};
    }
    return {QRect(at, control->size()), 1};
}

// The sides (left, top, right, bottom) that miss the colour on some device row or column.
QStringList lostSides(const QImage& image, const Outline& o, const QColor& colour, double ratio) {
    const QRect& r = o.square;
    const QRgb want = colour.rgb();
    // A side lies along one axis and crosses the other over its outermost logical pixel.
    const auto missing = [&](Span along, Span across, bool vertical) {
        for (int a = along.first; a < along.end; ++a) {
            bool found = false;
            for (int c = across.first; c < across.end && !found; ++c)
                found = (vertical ? image.pixel(c, a) : image.pixel(a, c)) == want;
            if (!found) return true;
        }
        return false;
    };
    const Span rows = covered(r.top() + o.inset, r.bottom() + 1 - o.inset, ratio);
    const Span columns = covered(r.left() + o.inset, r.right() + 1 - o.inset, ratio);
    QStringList lost;
    if (missing(rows, touched(r.left(), r.left() + 1, ratio), true)) lost << "left";
    if (missing(columns, touched(r.top(), r.top() + 1, ratio), false)) lost << "top";
    if (missing(rows, touched(r.right(), r.right() + 1, ratio), true)) lost << "right";
    if (missing(columns, touched(r.bottom(), r.bottom() + 1, ratio), false)) lost << "bottom";
    return lost;
}

bool isFlat(QWidget* w) {
    return qobject_cast<TFlatButton*>(w) || qobject_cast<TFlatEdit*>(w) || qobject_cast<TFlatComboBox*>(w) ||
           qobject_cast<FlatOptionButton*>(w);
}

// The window as its backing store holds it under QT_SCALE_FACTOR=ratio, pixel for pixel.
QImage rendered(QWidget* window, double ratio) {
    QImage image((QSizeF(window->size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    window->render(&image);
    return image;
}

TEST(Scale, EveryFlatControlDrawsItsFourBorderSides) {
    calvorin::createAllWindows();
    const double ratios[] = {1, 1.25, 1.5, 2};
    for (double ratio : ratios) {
        std::set<std::string> kinds; // so that no kind of control passes by being absent
        for (QWidget* window : calvorin::WindowRegistry::windows()) {
            calvorin::makeReady(window);
            calvorin::showWindow(window);
            QApplication::processEvents();
            const QImage image = rendered(window, ratio);
            for (QWidget* w : window->findChildren<QWidget*>()) {
                if (!isFlat(w) || !w->isVisibleTo(window)) continue;
                kinds.insert(w->metaObject()->className());
                const QStringList lost =
                    lostSides(image, outline(w, window), w->property("ColorBorder").value<QColor>(), ratio);
                EXPECT_TRUE(lost.isEmpty())
                    << "at " << ratio << " " << window->metaObject()->className() << " "
                    << w->objectName().toStdString() << " loses " << lost.join(", ").toStdString();
            }
            window->hide();
        }
        EXPECT_EQ(kinds.size(), 5u) << ratio;
    }
    calvorin::WindowRegistry::destroyAll();
}

} // namespace
