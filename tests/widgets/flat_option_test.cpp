// Flat radio buttons and check boxes: groups, toggling by mouse and keys, indicator painting.
#include "flat_test_support.h"
#include "widgets/flat.h"

#include <functional>

namespace {

class FlatOptionTest : public FlatWindowTest {
protected:
    QWidget* box = nullptr; // a group box of its own, as in the program's windows
    TFlatRadioButton *r1 = nullptr, *r2 = nullptr, *r3 = nullptr, *other = nullptr;
    TFlatCheckBox* chk = nullptr;

    void SetUp() override {
        FlatWindowTest::SetUp();
        box = new QWidget(&window);
        box->setGeometry(0, 0, 150, 120);
        r1 = radio(box, "&Celsius", 10);
        r2 = radio(box, "&Fahrenheit", 30);
        r3 = radio(box, "&Kelvin", 50);
        other = radio(&window, "&Outro", 10);
        other->move(160, 10);
        chk = new TFlatCheckBox(&window);
        chk->setText("&Expressão personalizada");
        chk->move(160, 50);
        showActive();
    }

    static TFlatRadioButton* radio(QWidget* parent, const char* caption, int y) {
        auto* r = new TFlatRadioButton(parent);
        r->setText(caption);
        r->move(10, y);
        return r;
    }
};

// Mouse, keys and the program, step by step in order: which options are checked afterwards (r1 r2
// r3 other chk), the control then focused, and how many clicks the window heard so far. A radio
// button unchecks only its group on its own parent; a press counts only when released over it.
TEST_F(FlatOptionTest, MouseKeysAndTheProgram) {
    const std::initializer_list<QAbstractButton*> all = {r1, r2, r3, other, chk};
    int clicks = 0;
    for (QAbstractButton* b : all)
        QObject::connect(b, &QAbstractButton::clicked, &window, [&] { ++clicks; });
    const auto outside = [](QAbstractButton* w) {
        QTest::mousePress(w, Qt::LeftButton);
        QTest::mouseRelease(w, Qt::LeftButton, {}, {5, 40});
    };
    const auto alt = [&](Qt::Key k) { QTest::keyClick(&window, k, Qt::AltModifier); };
    const auto click = [](QAbstractButton* w) { QTest::mouseClick(w, Qt::LeftButton); };
    const auto space = [](QAbstractButton* w) { QTest::keyClick(w, Qt::Key_Space); };
    // clang-format off
    const std::vector<std::tuple<const char*, std::function<void()>, const char*, QWidget*, int>> steps = {
        {"r1 released outside", [&] { outside(r1); }, "00000", r1, 0},
        {"the box released outside", [&] { outside(chk); }, "00000", chk, 0},
        {"Alt+K focuses Kelvin only", [&] { alt(Qt::Key_K); }, "00000", r3, 0},
        {"Alt+E focuses and checks the box", [&] { alt(Qt::Key_E); }, "00001", chk, 1},
        {"Alt+E again", [&] { alt(Qt::Key_E); }, "00000", chk, 2},
        {"space", [&] { space(chk); }, "00001", chk, 3},
        {"space again", [&] { space(chk); }, "00000", chk, 4},
        {"clicked", [&] { click(chk); }, "00001", chk, 5},
        {"clicked again", [&] { click(chk); }, "00000", chk, 6},
        {"set by the program, r3 in a group of its own", [&] {
             other->setChecked(true);
             r3->setGroupIndex(1);
             r3->setChecked(true);
             r1->setChecked(true); }, "10110", nullptr, 6},
        {"r2 clicked", [&] { click(r2); }, "01110", r2, 7},
        {"r2 clicked again and space: nothing", [&] { click(r2); space(r2); }, "01110", r2, 7},
        {"cleared by the program", [&] { r2->setChecked(false); }, "00110", r2, 7},
    };
    // clang-format on
    for (const auto& [step, act, checked, focus, clicked] : steps) {
        SCOPED_TRACE(step);
        act();
        QString shown;
        for (QAbstractButton* b : all)
            shown += b->isChecked() ? '1' : '0';
        EXPECT_EQ(shown.toStdString(), checked);
        if (focus) EXPECT_TRUE(focus->hasFocus());
        EXPECT_EQ(clicks, clicked);
    }
}

// The indicator's fill, outline and mark, sampled at the same places in every state.
struct IndicatorPoints {
    QPoint fill, outline, mark, clear; // clear: inside the indicator, never marked
};

struct IndicatorCase {
    const char* name;
    std::function<FlatOptionButton*(QWidget*)> make;
    IndicatorPoints at; // relative to the indicator's top-left corner
};

// The pixel at p from the indicator's top-left corner.
QColor indicatorPixel(FlatOptionButton* w, QPoint p) {
    const QPoint corner = w->indicatorRect().topLeft();
    return pixelAt(w, corner.x() + p.x(), corner.y() + p.y());
}

const std::vector<IndicatorCase> kIndicators = {
    // Circle in a 10-pixel square; dot 4 x 4, 3 pixels in.
    {"radio", create<TFlatRadioButton>, {{2, 5}, {0, 5}, {4, 4}, {5, 8}}},
    // Box 11 x 11; the tick's strokes stop short of their end points, so (6,8) stays clear.
    {"check box", create<TFlatCheckBox>, {{1, 1}, {0, 5}, {2, 4}, {6, 8}}},
};

TEST_F(FlatOptionTest, IndicatorFillFollowsFocusHoverAndPressing) {
    using Setup = std::function<void(FlatOptionButton*)>;
    const std::vector<std::tuple<const char*, Setup, QColor>> states = {
        {"idle", [](FlatOptionButton*) {}, kParentColour},
        {"focused", [](FlatOptionButton* w) { w->setFocus(); }, Qt::white},
        {"under the mouse", [](FlatOptionButton* w) { hover(w); }, Qt::white},
        {"pressing", [](FlatOptionButton* w) { QTest::mousePress(w, Qt::LeftButton); }, kPressedGrey},
        {"focus lost",
         [this](FlatOptionButton* w) {
             hover(w);
             w->setFocus();
             chk->setFocus();
         },
         kParentColour},
    };
    for (const auto& ind : kIndicators) {
        for (const auto& [state, setup, fill] : states) {
            SCOPED_TRACE(std::string(ind.name) + ", " + state);
            FlatOptionButton* w = ind.make(&window);
            w->setGeometry(160, 80, 121, 17);
            w->show();
            setup(w);
            EXPECT_EQ(indicatorPixel(w, ind.at.fill), fill);
            EXPECT_EQ(indicatorPixel(w, ind.at.outline), kBorderGrey);
            if (w->isPressing()) QTest::mouseRelease(w, Qt::LeftButton, {}, {300, 300});
            delete w;
        }
    }
}

TEST_F(FlatOptionTest, CheckedMarkAndLayout) {
    const std::vector<std::tuple<int, bool, QColor>> cases = {
        // layout, enabled, expected mark colour
        {0, true, QColor(10, 100, 10)},
        {1, true, QColor(10, 100, 10)},
        {0, false, QColor()}, // the system's shadow colour
    };
    for (const auto& ind : kIndicators) {
        for (const auto& [layout, enabled, markColour] : cases) {
            SCOPED_TRACE(std::string(ind.name) + ", layout " + std::to_string(layout));
            FlatOptionButton* w = ind.make(&window);
            w->setGeometry(160, 80, 121, 17);
            w->setProperty(qobject_cast<TFlatRadioButton*>(w) ? "ColorDot" : "ColorCheck",
                           QColor(10, 100, 10));
            w->setProperty("Layout", layout);
            w->setChecked(true);
            w->setEnabled(enabled);
            const QPoint corner = w->indicatorRect().topLeft();
            EXPECT_EQ(corner, layout == 0 ? QPoint(1, 3) : QPoint(121 - 1 - w->indicatorRect().width(), 3));
            const QColor expected = markColour.isValid() ? markColour : asPixel(flat::systemShadow(*w));
            EXPECT_EQ(indicatorPixel(w, ind.at.mark), expected);
            EXPECT_NE(indicatorPixel(w, ind.at.clear), expected);
            w->setChecked(false);
            EXPECT_NE(indicatorPixel(w, ind.at.mark), expected);
            delete w;
        }
    }
}

TEST_F(FlatOptionTest, HoverMovesBetweenClassesThroughEachClassTimer) {
    hover(r1);
    EXPECT_TRUE(r1->isHovered());
    hover(chk);
    EXPECT_TRUE(chk->isHovered());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !r1->isHovered(); }, 5000));
    EXPECT_EQ(TFlatRadioButton::hoverGroup().tracked(), nullptr);
    EXPECT_EQ(TFlatCheckBox::hoverGroup().tracked()->hoverWidget(), chk);
}

TEST_F(FlatOptionTest, FocusLostUnderTheMouseHighlightsAgainOnTheNextMove) {
    hover(r1);
    r1->setFocus();
    chk->setFocus();
    EXPECT_FALSE(r1->isHovered());
    hover(r1, {6, 6});
    EXPECT_TRUE(r1->isHovered());
}

} // namespace
