// Flat edits (frame, highlighting, height) and flat combo boxes (arrow button, sorted items).
#include "flat_test_support.h"
#include "widgets/flat.h"

#include <QAbstractItemView>
#include <functional>

namespace {

const QColor kIdle(250, 240, 200); // ColorFlat, distinct from the white of ColorFocused

class FlatEditTest : public FlatWindowTest {
protected:
    TFlatEdit *txtA = nullptr, *txtB = nullptr;
    TFlatButton* button = nullptr;

    void SetUp() override {
        FlatWindowTest::SetUp();
        txtA = edit(10);
        txtB = edit(40);
        button = new TFlatButton(&window);
        button->move(10, 80);
        showActive();
        button->setFocus(); // not the first edit, as the window would choose
    }

    TFlatEdit* edit(int y) {
        auto* e = new TFlatEdit(&window);
        e->setProperty("ColorFlat", kIdle);
        e->move(10, y);
        return e;
    }

    // Outer line, the two inner lines, and the text area's background, at x = 40.
    static std::vector<QColor> frame(TFlatEdit* e) {
        const QImage img = e->grab().toImage();
        return {img.pixelColor(40, 0), img.pixelColor(40, 1), img.pixelColor(40, 2), img.pixelColor(40, 3)};
    }
    static std::vector<QColor> look(const QColor& face) { return {kBorderGrey, face, face, face}; }

    static void enter(TFlatEdit* e) {
        QEnterEvent ev(QPointF(5, 5), e->mapToGlobal(QPointF(5, 5)), e->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(e, &ev);
    }
    static void leave(TFlatEdit* e) {
        QEvent ev(QEvent::Leave);
        QApplication::sendEvent(e, &ev);
    }
};

// The frames of A and B after each step, in order: a frame lights up while its edit has the focus,
// or while the mouse is inside and no edit has the focus.
TEST_F(FlatEditTest, FrameLightsUpWithFocusOrMouseUnlessAnotherEditHasTheFocus) {
    const QColor white = Qt::white;
    // clang-format off
    const std::vector<std::tuple<const char*, std::function<void()>, QColor, QColor>> steps = {
        {"idle", [] {}, kIdle, kIdle},
        {"mouse in A, a button has the focus", [&] { enter(txtA); }, white, kIdle},
        {"mouse out", [&] { leave(txtA); }, kIdle, kIdle},
        {"A focused, mouse in B", [&] { txtA->setFocus(); enter(txtB); }, white, kIdle},
        {"the focus leaves the edits, mouse in B", [&] { button->setFocus(); }, kIdle, white},
        {"disabled", [&] { leave(txtB); txtA->setEnabled(false); }, kIdle, kIdle},
        {"enabled and focused", [&] { txtA->setEnabled(true); txtA->setFocus(); }, white, kIdle},
        {"no window of the program active", [&] {
             button->setFocus();
             flat::setActiveCheck([] { return false; });
             enter(txtA);
             flat::setActiveCheck(nullptr); }, kIdle, kIdle},
        {"the parent's colour", [&] { leave(txtA); txtA->setParentColor(true); }, kParentColour, kIdle},
        {"a colour of its own ends it", [&] { txtA->setProperty("ColorFlat", QColor(Qt::blue)); }, Qt::blue, kIdle},
    };
    // clang-format on
    for (const auto& [step, act, a, b] : steps) {
        SCOPED_TRACE(step);
        act();
        EXPECT_EQ(frame(txtA), look(a));
        EXPECT_EQ(frame(txtB), look(b));
    }
}

// The height follows the font, and what is typed is drawn inside the frame, neither over it nor
// hidden by it.
TEST_F(FlatEditTest, HeightFollowsTheFontAndTypedTextShowsInsideTheFrame) {
    for (int points : {7, 10, 16, 28}) {
        SCOPED_TRACE(points);
        QFont f = txtA->font();
        f.setPointSize(points);
        txtA->setFont(f);
        EXPECT_EQ(txtA->height(), QFontMetrics(f).height() + 6);
    }
    auto* late = new TFlatEdit(&window); // a window's own geometry gives way once, when first shown
    late->setGeometry(10, 120, 121, 40);
    late->show();
    EXPECT_EQ(late->height(), late->fontMetrics().height() + 6);

    txtA->setFocus();
    QTest::keyClicks(txtA, "8888888888888888888888888888888888");
    const QImage img = txtA->grab().toImage();
    int ink = 0;
    for (int x = 1; x < img.width() - 1; ++x)
        for (int y = 1; y < img.height() - 1; ++y) {
            const bool frame = y < 3 || y >= img.height() - 3;
            if (frame) ASSERT_EQ(img.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
            ink += !frame && img.pixelColor(x, y) != Qt::white;
        }
    EXPECT_GT(ink, 50) << "the typed digits are seen";
}

class FlatComboTest : public FlatWindowTest {
protected:
    TFlatComboBox* cmb = nullptr;

    void SetUp() override {
        FlatWindowTest::SetUp();
        cmb = new TFlatComboBox(&window);
        cmb->setGeometry(10, 10, 145, 21);
        cmb->addItems({"Seno", "Coseno"});
        showActive();
    }

    QRect button() const { return TFlatComboBox::arrowButtonRect(cmb->rect()); }
    // The arrow's middle column and the top and bottom rows of its 5 x 3 box.
    std::tuple<QColor, QColor, QColor> arrow(int dx = 0, int dy = 0) const {
        const QImage img = cmb->grab().toImage();
        const QPoint c = button().center();
        return {img.pixelColor(c.x() + dx, c.y() + dy), img.pixelColor(c.x() - 2 + dx, c.y() - 1 + dy),
                img.pixelColor(c.x() - 2 + dx, c.y() + 1 + dy)};
    }
};

TEST_F(FlatComboTest, PaintsFrameAndArrowButton) {
    const QImage img = cmb->grab().toImage();
    const QRect b = button();
    EXPECT_EQ(b.right(), cmb->width() - 2);
    EXPECT_EQ(img.pixelColor(0, 10), kBorderGrey);
    EXPECT_EQ(img.pixelColor(cmb->width() - 1, 10), kBorderGrey);
    EXPECT_EQ(img.pixelColor(b.left(), b.top() + 2), kBorderGrey);
    EXPECT_EQ(img.pixelColor(b.left() + 1, b.top() + 1), kPressedGrey);
    EXPECT_EQ(img.pixelColor(1, 10), asPixel(cmb->colorFlat()));
    EXPECT_EQ(img.pixelColor(2, 10), asPixel(cmb->colorFlat()));
}

// The arrow (its middle column, the top and bottom rows of its box) in each state, in order: down
// with a full top row, up while the list is down, embossed grey while disabled, and in the colours
// given.
TEST_F(FlatComboTest, ArrowFollowsTheListAndItsColours) {
    using Arrow = std::tuple<QColor, QColor, QColor>;
    const QColor black = Qt::black, grey(128, 128, 128);
    const auto listShown = [&](bool shown) {
        shown ? cmb->showPopup() : cmb->hidePopup();
        ASSERT_TRUE(QTest::qWaitFor([&] { return cmb->view()->isVisible() == shown; }, 5000));
    };
    // clang-format off
    const std::vector<std::tuple<const char*, std::function<void()>, Arrow>> steps = {
        {"idle", [] {}, {black, black, kPressedGrey}},
        {"list down", [&] { listShown(true); }, {black, kPressedGrey, black}},
        {"list up again", [&] { listShown(false); }, {black, black, kPressedGrey}},
        {"disabled", [&] { cmb->setEnabled(false); }, {grey, grey, kPressedGrey}},
        {"its own colours", [&] {
             cmb->setEnabled(true);
             cmb->setProperty("ColorArrow", QColor(200, 0, 0));
             cmb->setProperty("ColorArrowBackground", QColor(0, 0, 200)); },
         {QColor(200, 0, 0), QColor(200, 0, 0), QColor(0, 0, 200)}},
    };
    // clang-format on
    for (const auto& [step, act, expected] : steps) {
        SCOPED_TRACE(step);
        act();
        EXPECT_EQ(arrow(), expected);
        if (!cmb->isEnabled()) {
            const QPoint c = button().center();
            EXPECT_EQ(pixelAt(cmb, c.x() + 1, c.y() + 2), QColor(Qt::white))
                << "the white copy's point shows below";
        }
    }
    cmb->setProperty("ColorFlat", QColor(0, 200, 0));
    EXPECT_EQ(pixelAt(cmb, 2, 10), QColor(0, 200, 0));
}

TEST_F(FlatComboTest, EditPartSitsInsideTheFrame) {
    cmb->setEditable(true);
    const QRect field = cmb->lineEdit()->geometry();
    EXPECT_EQ(field, TFlatComboBox::fieldRect(cmb->rect()));
    EXPECT_FALSE(field.intersects(button()));
}

TEST_F(FlatComboTest, SortedKeepsItemsInCaseInsensitiveOrder) {
    cmb->setCurrentIndex(0);
    cmb->setProperty("Sorted", true);
    EXPECT_EQ(cmb->currentText(), "Seno") << "the selection follows its item";
    cmb->addItems({"tangente", "Cosecante"});
    cmb->addItem("cotangente");
    QStringList items;
    for (int i = 0; i < cmb->count(); ++i)
        items << cmb->itemText(i);
    EXPECT_EQ(items, (QStringList{"Cosecante", "Coseno", "cotangente", "Seno", "tangente"}));
    EXPECT_EQ(cmb->currentText(), "Seno");
}

} // namespace
