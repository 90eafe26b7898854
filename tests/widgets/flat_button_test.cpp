// Flat buttons: colours at creation, painting per state, hover tracking, pressing, accelerators.
#include "flat_test_support.h"
#include "widgets/flat.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTimer>
#include <functional>

namespace {

// The combo box's list and choice under their published names: a new list leaves nothing chosen.
TEST(FlatControls, ComboItemsAndIndexArePublished) {
    using Shown = std::function<QString(QComboBox*)>;
    const Shown chosen = [](QComboBox* c) { return c->currentText(); };
    const Shown last = [](QComboBox* c) { return c->itemText(c->count() - 1); };
    const std::tuple<const char*, QVariant, Shown, QString> table[] = {
        {"ItemIndex", 1, chosen, "Coseno"},
        {"Items", QStringList{"x", "y", "z"}, last, "z"},
        {"Items", QStringList{"x", "y", "z"}, chosen, ""},
    };
    for (const auto& [property, value, shown, expected] : table) {
        TFlatComboBox combo;
        combo.addItems({"Seno", "Coseno"});
        ASSERT_TRUE(combo.setProperty(property, value)) << property;
        EXPECT_EQ(combo.property(property), value) << property;
        EXPECT_EQ(shown(&combo), expected) << property;
    }
}

// Without antialiasing every caption pixel has exactly the pen's colour.
QFont crispFont() {
    QFont f;
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

class FlatButtonTest : public FlatWindowTest {
protected:
    TFlatButton* a = nullptr;
    TFlatButton* b = nullptr;

    void SetUp() override {
        FlatWindowTest::SetUp();
        a = new TFlatButton(&window);
        a->setObjectName("Button1");
        a->move(10, 10);
        b = new TFlatButton(&window);
        b->move(60, 10);
        showActive();
    }

    // Top border, bottom border and face of a button without a caption.
    static std::tuple<QColor, QColor, QColor> look(TFlatButton* w) {
        const QImage img = w->grab().toImage();
        return {img.pixelColor(5, 0), img.pixelColor(5, w->height() - 1), img.pixelColor(5, 5)};
    }
    static std::tuple<QColor, QColor, QColor> flatLook() { return {kBorderGrey, kBorderGrey, kParentColour}; }
    static std::tuple<QColor, QColor, QColor> raisedLook() { return {Qt::white, Qt::black, kFlatGrey}; }
    // Not hovered, drawn flat, and no button of the class followed by the hover timer.
    static void expectFlat(TFlatButton* w) {
        EXPECT_FALSE(w->isHovered());
        EXPECT_EQ(look(w), flatLook());
        EXPECT_EQ(TFlatButton::hoverGroup().tracked(), nullptr);
    }
};

TEST_F(FlatButtonTest, PaintsEachDrawState) {
    struct Row {
        const char* state;
        std::function<void(TFlatButton*)> enter;
        std::tuple<QColor, QColor, QColor> expected;
    };
    // clang-format off
    const std::vector<Row> table = {
        {"idle", [](TFlatButton*) {}, flatLook()},
        {"mouse over", [](TFlatButton* w) { hover(w); }, raisedLook()},
        {"pressed", [](TFlatButton* w) { hover(w); QTest::mousePress(w, Qt::LeftButton); },
         {Qt::black, Qt::white, kPressedGrey}},
        {"disabled", [](TFlatButton* w) { w->setEnabled(false); }, flatLook()},
        {"disabled under the mouse", [](TFlatButton* w) { hover(w); w->setEnabled(false); }, flatLook()},
        {"no window of the program active", [](TFlatButton* w) {
             flat::setActiveCheck([] { return false; });
             hover(w);
             flat::setActiveCheck(nullptr); }, flatLook()},
        {"colours of its own", [](TFlatButton* w) {
             w->setProperty("Color", QColor(Qt::white));
             w->setProperty("ColorBorder", QColor(212, 212, 212)); }, {QColor(212, 212, 212), QColor(212, 212, 212), Qt::white}},
        {"the parent's colour again", [](TFlatButton* w) {
             w->setProperty("Color", QColor(Qt::white));
             w->setParentColor(true); }, flatLook()},
    };
    // clang-format on
    for (const auto& row : table) {
        SCOPED_TRACE(row.state);
        auto* w = new TFlatButton(&window);
        w->move(120, 10);
        w->show();
        row.enter(w);
        EXPECT_EQ(look(w), row.expected);
        if (w->isDown()) QTest::mouseRelease(w, Qt::LeftButton);
        delete w;
    }
}

TEST_F(FlatButtonTest, MovingStraightOntoAnotherButtonMovesTheHighlight) {
    hover(a);
    EXPECT_TRUE(a->isHovered());
    EXPECT_EQ(look(a), raisedLook());
    hover(b);
    EXPECT_FALSE(a->isHovered());
    EXPECT_TRUE(b->isHovered());
    EXPECT_EQ(look(a), flatLook());
    EXPECT_EQ(look(b), raisedLook());
    EXPECT_EQ(TFlatButton::hoverGroup().tracked()->hoverWidget(), b);
}

TEST_F(FlatButtonTest, LeavingOntoTheBackgroundFlattensOnTheTimersTick) {
    hover(a);
    ASSERT_TRUE(TFlatButton::hoverGroup().timer()->isActive());
    hoverBackground();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !a->isHovered(); }, 5000));
    expectFlat(a);
    EXPECT_FALSE(TFlatButton::hoverGroup().timer()->isActive());
}

TEST_F(FlatButtonTest, PressingAndDraggingOutReleasesWithoutAClick) {
    QSignalSpy clicks(a, &QAbstractButton::clicked);
    hover(a);
    QTest::mousePress(a, Qt::LeftButton);
    EXPECT_EQ(a->drawState(), TFlatButton::DrawState::Pressed);
    EXPECT_TRUE(a->hasFocus());
    QTest::mouseMove(a, {40, 40}); // the button is held: the move goes to a
    EXPECT_EQ(a->drawState(), TFlatButton::DrawState::Up);
    EXPECT_EQ(std::get<2>(look(a)), kFlatGrey) << "still under the held mouse";
    QTest::mouseMove(a, {5, 5});
    EXPECT_EQ(a->drawState(), TFlatButton::DrawState::Pressed);
    QTest::mouseMove(a, {40, 40});
    QTest::mouseRelease(a, Qt::LeftButton, {}, {40, 40});
    EXPECT_EQ(clicks.count(), 0);
    expectFlat(a);
}

TEST_F(FlatButtonTest, ReleasingInsideClicksOnceAndStaysRaised) {
    QSignalSpy clicks(a, &QAbstractButton::clicked);
    hover(a);
    QTest::mouseClick(a, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(a->isHovered());
    EXPECT_EQ(look(a), raisedLook());
}

TEST_F(FlatButtonTest, AClickHandlerThatDisablesTheButtonLeavesItFlat) {
    QObject::connect(a, &QAbstractButton::clicked, a, [this] { a->setEnabled(false); });
    hover(a);
    QTest::mouseClick(a, Qt::LeftButton);
    expectFlat(a);
    hover(b);
    EXPECT_TRUE(b->isHovered());
}

TEST_F(FlatButtonTest, DisabledButtonIgnoresTheMouseAndDrawsAnEmbossedCaption) {
    QSignalSpy clicks(a, &QAbstractButton::clicked);
    hover(a);
    a->setEnabled(false);
    expectFlat(a);
    QTest::mouseClick(a, Qt::LeftButton);
    hover(a);
    EXPECT_EQ(clicks.count(), 0);
    expectFlat(a);

    b->move(10, 100); // out of the way of the wider caption
    a->resize(120, 25);
    a->setFont(crispFont());
    a->setText("MMM");
    EXPECT_GT(countPixels(a, flat::systemShadow(*a)), 10);
    EXPECT_GT(countPixels(a, flat::systemHighlight(*a)), 10);
    EXPECT_EQ(countPixels(a, a->palette().color(QPalette::Active, QPalette::ButtonText)), 0);

    a->setEnabled(true);
    hover(b);
    hover(a);
    EXPECT_EQ(look(a), raisedLook());
}

TEST_F(FlatButtonTest, CaptionMovesOnePixelWhilePressed) {
    a->resize(40, 25);
    a->setFont(crispFont());
    a->setText("I");
    const QImage up = a->grab().toImage();
    QTest::mousePress(a, Qt::LeftButton);
    const QImage down = a->grab().toImage();
    QTest::mouseRelease(a, Qt::LeftButton);
    const QColor ink = a->palette().color(QPalette::Active, QPalette::ButtonText);
    auto inked = [&](const QImage& img) {
        QRect r;
        for (int y = 2; y < img.height() - 2; ++y)
            for (int x = 2; x < img.width() - 2; ++x)
                if (img.pixelColor(x, y) == ink) r |= QRect(x, y, 1, 1);
        return r;
    };
    ASSERT_FALSE(inked(up).isEmpty());
    EXPECT_EQ(inked(down), inked(up).translated(1, 1));
}

TEST_F(FlatButtonTest, AltAndTheUnderlinedLetterClicks) {
    a->setText("&Calcular");
    b->setText("&Limpar");
    QSignalSpy clicksA(a, &QAbstractButton::clicked), clicksB(b, &QAbstractButton::clicked);
    QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(clicksA.count(), 1);
    EXPECT_EQ(clicksB.count(), 0);
    a->setEnabled(false);
    QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(clicksA.count(), 1);
}

TEST_F(FlatButtonTest, HidingTheWindowMidPressDropsThePressAndTheTimer) {
    hover(a);
    QTest::mousePress(a, Qt::LeftButton);
    window.hide();
    EXPECT_FALSE(a->isPressing());
    EXPECT_EQ(TFlatButton::hoverGroup().tracked(), nullptr);
    showActive();
    expectFlat(a);
}

TEST(FlatControls, ScreenReadersSeeOrdinaryControls) {
    QWidget parent;
    auto* button = new TFlatButton(&parent);
    button->setText("&Calcular");
    auto* radio = new TFlatRadioButton(&parent);
    radio->setText("&Graus && minutos");
    auto* check = new TFlatCheckBox(&parent);
    check->setText("&Expressão");
    const std::vector<std::tuple<QWidget*, QAccessible::Role, QString>> table = {
        {button, QAccessible::Button, "Calcular"},
        {radio, QAccessible::RadioButton, "Graus & minutos"},
        {check, QAccessible::CheckBox, "Expressão"},
        {new TFlatEdit(&parent), QAccessible::EditableText, ""},
        {new TFlatComboBox(&parent), QAccessible::ComboBox, ""},
    };
    for (const auto& [w, role, name] : table) {
        SCOPED_TRACE(w->metaObject()->className());
        QAccessibleInterface* acc = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(acc, nullptr);
        EXPECT_EQ(acc->role(), role);
        if (!name.isEmpty()) {
            EXPECT_EQ(acc->text(QAccessible::Name), name);
        }
    }
    QAccessibleInterface* acc = QAccessible::queryAccessibleInterface(radio);
    EXPECT_TRUE(acc->state().checkable);
    EXPECT_FALSE(acc->state().checked);
    acc->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(radio->isChecked());
    EXPECT_TRUE(acc->state().checked);
    // A check box toggled by a screen reader is clicked, so its window hears of it.
    QSignalSpy clicked(check, &QAbstractButton::clicked);
    QAccessible::queryAccessibleInterface(check)->actionInterface()->doAction(
        QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(clicked.count(), 1);
}

} // namespace
