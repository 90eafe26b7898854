// Flat buttons: colours at creation, painting per state, hover tracking, pressing, accelerators.
#include "flat_test_support.h"
#include "widgets/flat.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTimer>
#include <functional>

namespace {

struct Creation {
    const char* className;
    std::function<QWidget*(QWidget*)> make;
    QSize size; // empty: height follows the font
    std::vector<std::pair<const char*, QColor>> colours;
};

TEST(FlatControls, PublishedColoursAndSizesAtCreation) {
    QWidget parent;
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, kParentColour);
    parent.setPalette(pal);
    // clang-format off
    const std::vector<Creation> table = {
        {"TFlatButton", create<TFlatButton>, {25, 25},
         {{"ColorFocused", kFlatGrey}, {"ColorDown", kPressedGrey}, {"ColorBorder", kBorderGrey},
          {"ColorHighLight", Qt::white}, {"ColorShadow", Qt::black}, {"Color", kParentColour}}},
        {"TFlatEdit", create<TFlatEdit>, {},
         {{"ColorFlat", kFlatGrey}, {"ColorFocused", Qt::white}, {"ColorBorder", kBorderGrey}}},
        {"TFlatRadioButton", create<TFlatRadioButton>, {121, 17},
         {{"ColorFocused", Qt::white}, {"ColorDown", kPressedGrey}, {"ColorBorder", kBorderGrey},
          {"ColorDot", Qt::black}, {"Color", kParentColour}}},
        {"TFlatCheckBox", create<TFlatCheckBox>, {121, 17},
         {{"ColorFocused", Qt::white}, {"ColorDown", kPressedGrey}, {"ColorBorder", kBorderGrey},
          {"ColorCheck", Qt::black}, {"Color", kParentColour}}},
        {"TFlatComboBox", create<TFlatComboBox>, {},
         {{"ColorArrow", Qt::black}, {"ColorArrowBackground", kPressedGrey}, {"ColorBorder", kBorderGrey}}},
    };
    // clang-format on
    for (const auto& row : table) {
        SCOPED_TRACE(row.className);
        QWidget* w = row.make(&parent);
        EXPECT_STREQ(w->metaObject()->className(), row.className);
        if (!row.size.isEmpty()) {
            EXPECT_EQ(w->size(), row.size);
        }
        for (const auto& [name, colour] : row.colours) {
            SCOPED_TRACE(name);
            EXPECT_EQ(w->property(name).value<QColor>(), colour);
        }
    }
}

TEST(FlatControls, OrdinaryPropertiesAreAlsoPublishedUnderTheirOwnNames) {
    using Make = std::function<QWidget*(QWidget*)>;
    using Shown = std::function<QVariant(QWidget*)>;
    const Make combo = [](QWidget* p) {
        auto* c = new TFlatComboBox(p);
        c->addItems({"Seno", "Coseno"});
        return c;
    };
    const Shown caption = [](QWidget* w) { return QVariant(static_cast<QAbstractButton*>(w)->text()); };
    const Shown checked = [](QWidget* w) { return QVariant(static_cast<QAbstractButton*>(w)->isChecked()); };
    const Shown text = [](QWidget* w) { return QVariant(static_cast<QLineEdit*>(w)->text()); };
    const Shown chosen = [](QWidget* w) { return QVariant(static_cast<QComboBox*>(w)->currentText()); };
    const Shown last = [](QWidget* w) {
        auto* c = static_cast<QComboBox*>(w);
        return QVariant(c->itemText(c->count() - 1));
    };
    struct Row {
        Make make;
        const char* property;
        QVariant value;
        Shown shown;
        QVariant expected; // what the control then shows
    };
    const Row table[] = {
        {create<TFlatButton>, "Caption", "&Calcular", caption, "&Calcular"},
        {create<TFlatRadioButton>, "Caption", "&Graus", caption, "&Graus"},
        {create<TFlatRadioButton>, "Checked", true, checked, true},
        {create<TFlatCheckBox>, "Checked", true, checked, true},
        {create<TFlatEdit>, "Text", "2,5", text, "2,5"},
        {combo, "ItemIndex", 1, chosen, "Coseno"},
        {combo, "Items", QStringList{"x", "y", "z"}, last, "z"},
        {combo, "Items", QStringList{"x", "y", "z"}, chosen, ""}, // a new list leaves nothing chosen
    };
    QWidget parent;
    for (const Row& row : table) {
        SCOPED_TRACE(row.property);
        QWidget* w = row.make(&parent);
        ASSERT_TRUE(w->setProperty(row.property, row.value)) << "no such property";
        EXPECT_EQ(w->property(row.property), row.value);
        EXPECT_EQ(row.shown(w), row.expected);
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

TEST_F(FlatButtonTest, ColoursCanBeChangedAndNoLongerFollowTheParent) {
    a->setProperty("Color", QColor(Qt::white));
    a->setProperty("ColorBorder", QColor(212, 212, 212));
    EXPECT_FALSE(a->parentColor());
    EXPECT_EQ(look(a), std::make_tuple(QColor(212, 212, 212), QColor(212, 212, 212), QColor(Qt::white)));
    a->setParentColor(true);
    EXPECT_EQ(std::get<2>(look(a)), kParentColour);
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

TEST_F(FlatButtonTest, NoHighlightWhileNoWindowOfTheProgramIsActive) {
    flat::setActiveCheck([] { return false; });
    hover(a);
    flat::setActiveCheck(nullptr);
    expectFlat(a);
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

TEST(FlatHoverTimers, OneTimerPerClassLivesWithItsControls) {
    using Group = std::function<FlatHoverGroup&()>;
    const std::vector<std::pair<Group, std::function<QWidget*(QWidget*)>>> table = {
        {TFlatButton::hoverGroup, create<TFlatButton>},
        {TFlatRadioButton::hoverGroup, create<TFlatRadioButton>},
        {TFlatCheckBox::hoverGroup, create<TFlatCheckBox>},
    };
    for (const auto& [group, make] : table) {
        ASSERT_EQ(group().timer(), nullptr);
        std::unique_ptr<QWidget> first(make(nullptr));
        QTimer* timer = group().timer();
        ASSERT_NE(timer, nullptr);
        EXPECT_EQ(timer->interval(), 100);
        std::unique_ptr<QWidget> second(make(nullptr));
        EXPECT_EQ(group().timer(), timer);
        first.reset();
        EXPECT_EQ(group().timer(), timer);
        second.reset();
        EXPECT_EQ(group().timer(), nullptr);
    }
    EXPECT_NE(&TFlatButton::hoverGroup(), &TFlatRadioButton::hoverGroup());
    EXPECT_NE(&TFlatRadioButton::hoverGroup(), &TFlatCheckBox::hoverGroup());
}

} // namespace
