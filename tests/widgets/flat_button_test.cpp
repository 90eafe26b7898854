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

// The mouse over the two buttons, step by step in order: how each looks afterwards and how often
// a was clicked. A highlight moves straight from button to button, leaves on the hover timer's
// tick, and a press counts only when released inside.
TEST_F(FlatButtonTest, TheMouseOverTwoButtons) {
    using Look = std::tuple<QColor, QColor, QColor>;
    const Look flat = flatLook(), raised = raisedLook(), pressed{Qt::black, Qt::white, kPressedGrey};
    const auto press = [&] { QTest::mousePress(a, Qt::LeftButton); };
    const auto drag = [&](QPoint to) { QTest::mouseMove(a, to); }; // held: the moves go to a
    QSignalSpy clicks(a, &QAbstractButton::clicked);
    // clang-format off
    const std::vector<std::tuple<const char*, std::function<void()>, Look, Look, int>> steps = {
        {"onto a", [&] { hover(a); }, raised, flat, 0},
        {"straight onto b", [&] { hover(b); }, flat, raised, 0},
        {"onto the background", [&] {
             hoverBackground();
             EXPECT_TRUE(QTest::qWaitFor([&] { return !b->isHovered(); }, 5000)); }, flat, flat, 0},
        {"pressed on a", [&] { hover(a); press(); }, pressed, flat, 0},
        {"dragged out, held", [&] { drag({40, 40}); }, raised, flat, 0},
        {"dragged back in", [&] { drag({5, 5}); }, pressed, flat, 0},
        {"released outside", [&] { drag({40, 40}); QTest::mouseRelease(a, Qt::LeftButton, {}, {40, 40}); }, flat, flat, 0},
        {"clicked", [&] { hover(a); QTest::mouseClick(a, Qt::LeftButton); }, raised, flat, 1},
        {"the window hidden mid-press", [&] { press(); window.hide(); EXPECT_FALSE(a->isPressing()); showActive(); }, flat, flat, 1},
        {"disabled under the mouse, clicked", [&] {
             hover(a);
             a->setEnabled(false);
             QTest::mouseClick(a, Qt::LeftButton);
             hover(a); }, flat, flat, 1},
        {"enabled again", [&] { a->setEnabled(true); hover(b); hover(a); }, raised, flat, 1},
        {"a click handler disables it", [&] {
             QObject::connect(a, &QAbstractButton::clicked, a, [this] { a->setEnabled(false); });
             QTest::mouseClick(a, Qt::LeftButton); }, flat, flat, 2},
        {"then onto b", [&] { hover(b); }, flat, raised, 2},
    };
    // clang-format on
    for (const auto& [step, act, lookA, lookB, clicked] : steps) {
        SCOPED_TRACE(step);
        act();
        EXPECT_EQ(look(a), lookA);
        EXPECT_EQ(look(b), lookB);
        EXPECT_EQ(clicks.count(), clicked);
        // The hover timer follows the lit button and runs only while there is one.
        FlatHoverClient* tracked = TFlatButton::hoverGroup().tracked();
        QWidget* lit = lookA != flat ? a : lookB != flat ? b : nullptr;
        EXPECT_EQ(tracked ? tracked->hoverWidget() : nullptr, lit);
        EXPECT_EQ(TFlatButton::hoverGroup().timer()->isActive(), lit != nullptr);
    }
}

// A disabled button draws its caption embossed, in the system's shadow and highlight, not in ink.
TEST_F(FlatButtonTest, DisabledCaptionIsEmbossed) {
    b->move(10, 100); // out of the way of the wider caption
    a->resize(120, 25);
    a->setFont(crispFont());
    a->setText("MMM");
    a->setEnabled(false);
    EXPECT_GT(countPixels(a, flat::systemShadow(*a)), 10);
    EXPECT_GT(countPixels(a, flat::systemHighlight(*a)), 10);
    EXPECT_EQ(countPixels(a, a->palette().color(QPalette::Active, QPalette::ButtonText)), 0);
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
