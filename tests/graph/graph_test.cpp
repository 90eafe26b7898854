#include "graph/fGraph.h"
#include "tools/fEqua2.h"

#include "support/tools_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace calvorin;

namespace {

const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0), red = qRgb(255, 0, 0);

class Graph : public testing::Test {
protected:
    DialogRecorder recorder;
    TfrmGraph w;

    void draw(const char* expression) {
        w.txtExpression->setText(expression);
        w.btnDraw->click();
    }
    bool hasCurve() const {
        const QImage& im = w.img->image();
        const auto* pixels = reinterpret_cast<const QRgb*>(im.constBits());
        return std::find(pixels, pixels + im.width() * im.height(), red) != pixels + im.width() * im.height();
    }
};

// 256 x 256 at half a unit a pixel: the origin at (128, 128), black axes with white dots every 20 pixels.
TEST_F(Graph, Draw) {
    const struct {
        const char* expression;
        QPoint at;
        QRgb colour;
        const char* error = nullptr;
    } cases[] = {
        {"", {128, 5}, black},
        {"", {148, 128}, white},
        {"", {128, 108}, white},
        {"", {138, 128}, black},
        {"SEN(", {138, 128}, black},
        {"SEN(x)", {132, 126}, red},
        {"POT(x ,2)/10", {128, 128}, red}, // the vertex
        {"POT(x,2)/10", {148, 108}, red},
        {"LN(x)", {128, 5}, black, "Invalid floating point operation."}, // at once, from x = -256
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        recorder.errors.clear();
        draw(c.expression);
        EXPECT_EQ(w.img->image().pixel(c.at), c.colour);
        EXPECT_EQ(hasCurve(), c.colour == red);
        EXPECT_EQ(recorder.errors, c.error ? QStringList{c.error} : QStringList{});
    }
}

TEST_F(Graph, ApplyConvertsXThenY) {
    testing_tools::SeparatorGuard comma{','};
    w.txtEscalax->setText("1");
    w.txtEscalay->setText("abc");
    w.FlatButton3->click();
    EXPECT_EQ(recorder.errors, QStringList{"'abc' is not a valid floating point value."});
    EXPECT_EQ(w.img->Scale().X, 1);
    EXPECT_EQ(w.img->Scale().Y, 0.5);
    w.txtEscalay->setText("1,0");
    w.FlatButton3->click();
    draw("POT(x ,2)/10");
    EXPECT_EQ(w.img->image().pixel(138, 118), red);
}

TEST_F(Graph, ZoomGrowsBeneathTheOtherControls) {
    w.show();
    draw("SEN(x)");
    const QImage picture = w.img->image();
    const int sizes[] = {384, 512, 384, 256, 256};
    QAbstractButton* steps[] = {w.btnMaiszoom, w.btnMaiszoom, w.btnMenoszoom, w.btnMenoszoom, w.btnMenoszoom};
    for (int i = 0; i < 5; ++i) {
        steps[i]->click();
        EXPECT_EQ(w.img->size(), QSize(sizes[i], sizes[i]));
        EXPECT_EQ(w.img->image(), picture);
        EXPECT_EQ(w.childAt(w.btnDraw->geometry().center()), w.btnDraw);
    }
    w.btnMaiszoom->click();
    draw("SEN(x)"); // on the image as it was: its size no longer follows the control's
    EXPECT_EQ(w.img->image(), picture);
}

// The scales start in the system's own notation, so "Aplicar" takes the defaults as they stand.
TEST(GraphScales, DefaultsApplyInEitherNotation) {
    for (char separator : {',', '.'}) {
        testing_tools::SeparatorGuard guard{separator};
        DialogRecorder recorder;
        TfrmGraph w;
        w.img->setScale({1, 1});
        w.FlatButton3->click();
        EXPECT_EQ(recorder.errors, QStringList{}) << separator;
        EXPECT_EQ(w.img->Scale().X, 0.5L) << separator;
        EXPECT_EQ(w.img->Scale().Y, 0.5L) << separator;
    }
}

// Before the first drawing both pictures are their background colour all over, however the
// plotter grew to its size; once drawn, growing keeps the drawing and fills only the new part.
TEST(Plotters, BackgroundWhereNothingIsDrawn) {
    DialogRecorder recorder;
    TfrmGraph graph;
    TfrmEqua2 equation;
    for (TTracador2D* img : {graph.img, equation.img}) {
        img->window()->show();
        QImage blank(img->size(), QImage::Format_RGB32);
        blank.fill(Qt::white);
        EXPECT_EQ(img->image(), blank) << img->window()->metaObject()->className();
    }
    TTracador2D* img = equation.img;
    img->DrawBackground();
    const QImage drawn = img->image();
    img->setColor(Qt::green);
    img->resize(img->width() + 10, img->height() + 10);
    EXPECT_EQ(img->image().copy(QRect(QPoint(), drawn.size())), drawn);
    EXPECT_EQ(img->image().pixel(drawn.width() + 5, 0), qRgb(0, 255, 0));
    EXPECT_EQ(img->image().pixel(0, drawn.height() + 5), qRgb(0, 255, 0));
}

} // namespace
