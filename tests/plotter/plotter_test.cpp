#include "plotter/Tracador2D.h"

#include "support/separator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>

using namespace calvorin;

namespace {

const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0), red = qRgb(255, 0, 0),
           yellow = qRgb(255, 255, 0), cyan = qRgb(0, 255, 255);

// A 40 x 40 plotter as created, one pixel per world unit: the origin at (20, 20).
std::unique_ptr<TTracador2D> small(Extended scaleX = 1) {
    auto img = std::make_unique<TTracador2D>();
    img->resize(40, 40);
    img->setScale({scaleX, 1});
    return img;
}

TEST(Plotter, SampleTextWritesTheNumberForEveryLoneX) {
    struct Case {
        const char* expression;
        Extended x;
        char separator;
        const char* text;
    } cases[] = {
        {"-x", -3, '.', "--3 "},
        {"2x", 3, '.', "23 "},
        {"POT(x,2)", 0.5, ',', "POT(0,5 ,2)"},
        {"EXP(x)", 2, '.', "EXP(2 )"},
        {"xx+Xa+ax", 1, '.', "xx+Xa+ax"},
        {"x1(x)", 1e15, '.', "1E15 1(1E15 )"},
    };
    std::string out;
    for (const Case& c : cases) {
        testing_tools::SeparatorGuard separator{c.separator};
        PlotPicture::sampleText(c.expression, c.x, out);
        EXPECT_EQ(out, c.text) << c.expression;
    }
}

// The axes in their pen's colour and mode, with tick dots Nearest(Ticks / Scale) pixels apart, none
// when that is 0, on a white background: the origin at (20, 20).
TEST(Plotter, AxesAndTickDots) {
    struct Case {
        Extended scale;
        int ticks;
        TPen axis;
        QPoint at;
        QRgb colour;
    } cases[] = {
        {1, 10, {Qt::red}, {30, 20}, white},
        {1, 10, {Qt::red}, {25, 20}, red},
        {5, 10, {Qt::red}, {20, 18}, white},
        {5, 10, {Qt::red}, {20, 19}, red},
        {2, 5, {Qt::red}, {22, 20}, white},
        {2, 5, {Qt::red}, {21, 20}, red}, // 2.5 goes to 2
        {2, 7, {Qt::red}, {24, 20}, white},
        {2, 7, {Qt::red}, {22, 20}, red}, // 3.5 goes to 4
        {25, 10, {Qt::red}, {20, 20}, red},
        {1, 10, {Qt::red, TPen::Black}, {20, 5}, black},
        {1, 10, {Qt::red, TPen::NotCopy}, {20, 5}, cyan},
        {1, 10, {Qt::red, TPen::Not}, {20, 5}, black},
        {1, 10, {Qt::red, TPen::Xor}, {20, 5}, cyan},
        {1, 10, {Qt::red, TPen::Copy, Qt::SolidLine, 3}, {19, 5}, red},
    };
    for (const Case& c : cases) {
        auto img = small();
        img->setColor(Qt::white);
        img->setScale({c.scale, c.scale});
        img->setTicks({c.ticks, c.ticks, Qt::white});
        img->setAxis(c.axis);
        img->DrawBackground();
        EXPECT_EQ(img->image().pixel(c.at), c.colour)
            << double(c.scale) << " " << c.ticks << " " << c.axis.Mode;
    }
}

// Which samples are drawn: the range, the stops, the errors, and the mended increments that never
// advance. The background is black: a drawn pixel is any other colour.
TEST(Plotter, Sampling) {
    struct Case {
        const char* expression;
        bool automatic;
        TFaixa range;
        Extended scaleX;
        bool result;
        QPoint drawn, blank; // a pixel drawn (none at the origin) and one left as the background
        const char* error = "";
    } cases[] = {
        // -40 .. 40 at 4 units a pixel: columns 10 .. 30, the last pixel unset
        {"1", true, {}, 4, true, {10, 19}, {30, 19}},
        {"x", false, {-3, 3, 1.5L}, 1, true, {22, 18}, {21, 18}},
        // 0.x is malformed at the first fractional sample x = 1.5: the curve stops at x = 0
        {"0.x", false, {-3, 3, 1.5L}, 1, false, {19, 21}, {21, 19}},
        {"1", false, {5, 1, 1}, 1, true, {}, {25, 19}},
        {"1+", false, {5, 1, 1}, 1, false, {}, {25, 19}},
        {"1", false, {-5, 5, 0}, 1, true, {}, {16, 19}},
        {"1", false, {-5, 5, -1}, 1, true, {}, {16, 19}},
        {"1", false, {-5, 5, NAN}, 1, true, {}, {16, 19}},
        {"1", false, {1e20L, 1e21L, 1}, 1e20L, true, {}, {22, 19}},
        {"2/x", false, {-3, 3, 1}, 1, false, {18, 21}, {19, 22}, "Floating point division by zero"},
        // a pixel beyond 32 bits
        {"POT(10,20)", false, {-3, 3, 1}, 1, false, {5, 20}, {5, 19}, "Invalid floating point operation"},
        // the tick spacing divides by the scale after the axes are drawn
        {"x", true, {}, 0, false, {20, 0}, {}, "Floating point division by zero"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.expression << " " << double(c.range.Left));
        auto img = small(c.scaleX);
        img->setAutomaticRange(c.automatic);
        img->setRange(c.range);
        img->setExpression(c.expression);
        std::string error;
        try {
            EXPECT_EQ(img->Plot(), c.result);
        } catch (const MathError& e) {
            error = e.what();
        }
        EXPECT_EQ(error, c.error);
        if (!c.drawn.isNull()) {
            EXPECT_NE(img->image().pixel(c.drawn), black);
        }
        if (!c.blank.isNull()) {
            EXPECT_EQ(img->image().pixel(c.blank), black);
        }
    }
}

// The title's text on its own background, over the vertical axis at column 20.
TEST(Plotter, Title) {
    auto img = small();
    img->setColor(Qt::white);
    img->setTitle({"MMM", 15, 1});
    img->DrawBackground();
    const QImage box = img->image().copy(15, 1, 15, 7);
    EXPECT_TRUE(box.allGray()) << "the axis is covered";
    QImage blank(box.size(), box.format());
    blank.fill(Qt::white);
    EXPECT_NE(box, blank) << "no text";
}

// At a device pixel ratio the picture has the screen's pixels: the axis covers its logical
// column's device pixels, and the curve of x / 2 climbs one device pixel at a time, where a
// pixel-doubled picture would climb a logical pixel. 40 x 40 logical pixels, one unit each.
TEST(Plotter, DrawsAtTheDevicePixelRatio) {
    const struct {
        qreal ratio;
        int size, axis, width; // device pixels: the image, the axis's first column and its width
    } cases[] = {{1, 40, 20, 1}, {1.5, 60, 30, 2}, {2, 80, 40, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ratio);
        PlotPicture picture;
        picture.resize({40, 40}, c.ratio, Qt::white);
        PlotSettings s;
        s.color = Qt::white;
        s.scale = {1, 1};
        s.expression = "x/2";
        picture.plot(s);
        const QImage& im = picture.image;
        ASSERT_EQ(im.size(), QSize(c.size, c.size));
        for (int x = c.axis - 1; x <= c.axis + c.width; ++x)
            EXPECT_EQ(im.pixel(x, 2), x >= c.axis && x < c.axis + c.width ? red : white) << x;
        std::set<int> rises; // how far the curve's top moves from one column to the next
        for (int x = c.size * 3 / 4, last = -1, top; x < c.size; ++x, last = top) {
            for (top = 0; top < c.size && im.pixel(x, top) != yellow;)
                ++top;
            if (last >= 0 && top != last) rises.insert(last - top);
        }
        EXPECT_EQ(rises, std::set<int>{1});
    }
}

// The bottom-left pixel's colour is not drawn when transparent; without Expand the picture is
// centred at its magnified size.
TEST(Plotter, CopyToTheScreen) {
    QWidget parent;
    parent.resize(60, 60);
    parent.setPalette(QPalette(Qt::green, Qt::green));
    parent.setAutoFillBackground(true);
    auto* img = new TTracador2D(&parent);
    img->resize(60, 60);
    img->setColor(Qt::white);
    img->setExpand(false);
    img->DrawBackground();
    img->ZoomIn();
    const QRgb green = qRgb(0, 255, 0);
    const struct {
        bool transparent;
        QPoint at;
        QRgb colour;
    } cases[] = {{false, {2, 2}, white}, {true, {2, 2}, green}, {true, {30, 2}, red}, {true, {28, 2}, green}};
    for (const auto& c : cases) {
        img->setTransparent(c.transparent);
        EXPECT_EQ(parent.grab().toImage().pixel(c.at), c.colour) << c.at.x();
    }
}

} // namespace
