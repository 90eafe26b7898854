// Flat edits (frame, highlighting, height) and flat combo boxes (arrow button, sorted items).
#include "flat_test_support.h"
#include "widgets/flat.h"

#include <QAbstractItemView>
#include <QSignalSpy>

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

TEST_F(FlatEditTest, FrameLightsUpWithFocusOrMouseUnlessAnotherEditHasTheFocus) {
    EXPECT_EQ(frame(txtA), look(kIdle));
    enter(txtA);
    EXPECT_EQ(frame(txtA), look(Qt::white)) << "mouse inside, a button has the focus";
    leave(txtA);
    EXPECT_EQ(frame(txtA), look(kIdle));

    txtA->setFocus();
    enter(txtB);
    EXPECT_EQ(frame(txtA), look(Qt::white));
    EXPECT_EQ(frame(txtB), look(kIdle)) << "the focused edit keeps the highlight";

    button->setFocus(); // the focus leaves the edits while the mouse is still in B
    EXPECT_EQ(frame(txtA), look(kIdle));
    EXPECT_EQ(frame(txtB), look(Qt::white));
}

TEST_F(FlatEditTest, MouseDoesNotHighlightWhileNoWindowIsActive) {
    flat::setActiveCheck([] { return false; });
    enter(txtA);
    flat::setActiveCheck(nullptr);
    EXPECT_FALSE(txtA->isMouseInside());
    EXPECT_EQ(frame(txtA), look(kIdle));
}

TEST_F(FlatEditTest, DisabledEditKeepsItsFrameColours) {
    txtA->setEnabled(false);
    EXPECT_EQ(frame(txtA), look(kIdle));
    txtA->setEnabled(true);
    txtA->setFocus();
    EXPECT_EQ(frame(txtA), look(Qt::white));
}

TEST_F(FlatEditTest, ParentColorReplacesColorFlat) {
    txtA->setParentColor(true);
    EXPECT_EQ(txtA->colorFlat(), kParentColour);
    EXPECT_EQ(frame(txtA), look(kParentColour));
    txtA->setProperty("ColorFlat", QColor(Qt::white));
    EXPECT_FALSE(txtA->parentColor());
    EXPECT_EQ(frame(txtA), look(Qt::white));
}

TEST_F(FlatEditTest, HeightFollowsTheFontAndTextStaysInsideTheFrame) {
    for (int points : {7, 10, 16, 28}) {
        SCOPED_TRACE(points);
        QFont f = txtA->font();
        f.setPointSize(points);
        txtA->setFont(f);
        EXPECT_EQ(txtA->height(), QFontMetrics(f).height() + 6);
        EXPECT_EQ(txtA->width(), 121);
    }
    auto* late = new TFlatEdit(&window); // a window's own geometry gives way once, when first shown
    late->setGeometry(10, 120, 121, 40);
    late->show();
    EXPECT_EQ(late->height(), late->fontMetrics().height() + 6);

    txtA->setText("8888888888888888888888888888888888");
    const QImage img = txtA->grab().toImage();
    for (int x = 1; x < img.width() - 1; ++x)
        for (int y : {1, 2, img.height() - 3, img.height() - 2})
            ASSERT_EQ(img.pixelColor(x, y), kIdle) << x << "," << y;
}

TEST_F(FlatEditTest, BehavesAsALineEdit) {
    QSignalSpy changed(txtA, &QLineEdit::textChanged);
    txtA->setFocus();
    QTest::keyClicks(txtA, "3,5");
    EXPECT_EQ(txtA->text(), "3,5");
    EXPECT_EQ(changed.count(), 3);
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
    EXPECT_EQ(b.width(), 11);
    EXPECT_EQ(b.right(), cmb->width() - 2);
    EXPECT_EQ(img.pixelColor(0, 10), kBorderGrey);
    EXPECT_EQ(img.pixelColor(cmb->width() - 1, 10), kBorderGrey);
    EXPECT_EQ(img.pixelColor(b.left(), b.top() + 2), kBorderGrey);
    EXPECT_EQ(img.pixelColor(b.left() + 1, b.top() + 1), kPressedGrey);
    EXPECT_EQ(img.pixelColor(1, 10), asPixel(cmb->colorFlat()));
    EXPECT_EQ(img.pixelColor(2, 10), asPixel(cmb->colorFlat()));
    // Down: full top row, point at the bottom.
    EXPECT_EQ(arrow(), std::make_tuple(QColor(Qt::black), QColor(Qt::black), kPressedGrey));
}

TEST_F(FlatComboTest, ArrowPointsUpWhileTheListIsDown) {
    cmb->showPopup();
    ASSERT_TRUE(QTest::qWaitFor([&] { return cmb->view()->isVisible(); }, 5000));
    EXPECT_TRUE(cmb->isDroppedDown());
    EXPECT_EQ(arrow(), std::make_tuple(QColor(Qt::black), kPressedGrey, QColor(Qt::black)));
    cmb->hidePopup();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !cmb->view()->isVisible(); }, 5000));
    EXPECT_EQ(arrow(), std::make_tuple(QColor(Qt::black), QColor(Qt::black), kPressedGrey));
}

TEST_F(FlatComboTest, DisabledArrowIsEmbossed) {
    cmb->setEnabled(false);
    const QColor grey(128, 128, 128);
    EXPECT_EQ(std::get<0>(arrow()), grey);
    EXPECT_EQ(std::get<1>(arrow()), grey);
    const QPoint c = button().center();
    EXPECT_EQ(pixelAt(cmb, c.x() + 1, c.y() + 2), QColor(Qt::white)) << "the white copy's point shows below";
}

TEST_F(FlatComboTest, ColoursRepaintTheirParts) {
    cmb->setProperty("ColorArrow", QColor(200, 0, 0));
    cmb->setProperty("ColorArrowBackground", QColor(0, 0, 200));
    cmb->setProperty("ColorFlat", QColor(0, 200, 0));
    EXPECT_EQ(arrow(), std::make_tuple(QColor(200, 0, 0), QColor(200, 0, 0), QColor(0, 0, 200)));
    EXPECT_EQ(pixelAt(cmb, 2, 10), QColor(0, 200, 0));
}

TEST_F(FlatComboTest, EditPartSitsInsideTheFrame) {
    cmb->setEditable(true);
    const QRect field = cmb->lineEdit()->geometry();
    EXPECT_EQ(field, TFlatComboBox::fieldRect(cmb->rect()));
    EXPECT_FALSE(field.intersects(button()));
    QSignalSpy changed(cmb, &QComboBox::currentTextChanged);
    cmb->setCurrentIndex(1);
    EXPECT_EQ(cmb->lineEdit()->text(), "Coseno");
    EXPECT_EQ(changed.count(), 1);
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
