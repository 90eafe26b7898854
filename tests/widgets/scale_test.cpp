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

// The sides (left, top, right, bottom) of the square that miss the colour on some device row or
// column. A side runs between `inset` logical pixels from either end, over the device pixels that
// its outermost logical pixel touches.
QStringList lostSides(const QImage& image, const QRect& r, int inset, QRgb colour, double ratio) {
    const auto lost = [&](int from, int to, int edge, bool vertical) {
        for (int a = int(std::ceil(from * ratio)); a < int(std::floor(to * ratio)); ++a) {
            bool found = false;
            for (int c = int(std::floor(edge * ratio)); c < int(std::ceil((edge + 1) * ratio)) && !found; ++c)
                found = (vertical ? image.pixel(c, a) : image.pixel(a, c)) == colour;
            if (!found) return true;
        }
        return false;
    };
    const int top = r.top() + inset, bottom = r.bottom() + 1 - inset;
    const int left = r.left() + inset, right = r.right() + 1 - inset;
    QStringList sides;
    if (lost(top, bottom, r.left(), true)) sides << "left";
    if (lost(left, right, r.top(), false)) sides << "top";
    if (lost(top, bottom, r.right(), true)) sides << "right";
    if (lost(left, right, r.bottom(), false)) sides << "bottom";
    return sides;
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
                auto* option = qobject_cast<FlatOptionButton*>(w);
                if (!(option || qobject_cast<TFlatButton*>(w) || qobject_cast<TFlatEdit*>(w) ||
                      qobject_cast<TFlatComboBox*>(w)) ||
                    !w->isVisibleTo(window))
                    continue;
                kinds.insert(w->metaObject()->className());
                // Radio buttons and check boxes have their border around the indicator; of a radio
                // button's circle only the middle two logical pixels of each side touch its square.
                QRect square = option ? option->indicatorRect() : w->rect();
                const int inset = qobject_cast<TFlatRadioButton*>(w) ? square.width() / 2 - 1 : 1;
                square.translate(w->mapTo(window, QPoint()));
                const QStringList lost =
                    lostSides(image, square, inset, w->property("ColorBorder").value<QColor>().rgb(), ratio);
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
