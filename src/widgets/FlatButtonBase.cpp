#include "widgets/FlatButtonBase.h"

#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

FlatButtonBase::FlatButtonBase(FlatHoverGroup& group, const QColor& colorFocused, QWidget* parent)
    : QAbstractButton(parent), group_(group), colorFocused_(colorFocused) {
    group_.attach();
    setMouseTracking(true); // hover tracking needs moves without a button held
    setFocusPolicy(Qt::StrongFocus);
}

FlatButtonBase::~FlatButtonBase() {
    group_.detach(this);
}

QColor FlatButtonBase::color() const {
    if (!parentColor_) return color_;
    const QWidget* p = parentWidget();
    return (p ? p->palette() : palette()).color(QPalette::Window);
}

void FlatButtonBase::setColour(QColor& member, const QColor& c) {
    if (member == c) return;
    member = c;
    update();
}

void FlatButtonBase::setColor(const QColor& c) {
    parentColor_ = false;
    color_ = c;
    update();
}

void FlatButtonBase::setParentColor(bool on) {
    if (on == parentColor_) return;
    if (!on) color_ = color(); // keep the look until a colour is set
    parentColor_ = on;
    update();
}

void FlatButtonBase::mouseEnter() {
    if (!isEnabled() || hover_) return;
    hover_ = true;
    repaint();
}

void FlatButtonBase::mouseLeave() {
    if (pressing_) return; // a held button keeps its look until released
    // The timer is let go even when the flag is already clear, so it never follows a
    // control that can no longer leave.
    group_.release(this);
    if (!isEnabled() || !hover_) return;
    hover_ = false;
    update();
}

void FlatButtonBase::dropHover() {
    group_.release(this);
    hover_ = false;
}

void FlatButtonBase::cancelPress() {
    pressing_ = false;
    setDown(false);
    dropHover();
    update();
}

void FlatButtonBase::hideEvent(QHideEvent* e) {
    cancelPress();
    QAbstractButton::hideEvent(e);
}

bool FlatButtonBase::event(QEvent* e) {
    if (e->type() == QEvent::Shortcut) {
        auto* se = static_cast<QShortcutEvent*>(e);
        if (se->key() == shortcut() && !se->isAmbiguous()) {
            if (isEnabled()) accelerator();
            return true;
        }
    }
    return QAbstractButton::event(e);
}

void FlatButtonBase::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange) {
        cancelPress();
    } else if (e->type() == QEvent::ParentChange && parentColor_) {
        update();
    }
    QAbstractButton::changeEvent(e);
}

// ---------------------------------------------------------------------------

namespace {

// Radio buttons and check boxes as screen readers know them. The generic button description would
// announce a radio button as a check box (it is not auto-exclusive), and its toggle would change the
// check without the click that runs the window's handler.
class AccessibleFlatOption : public QAccessibleWidget {
public:
    explicit AccessibleFlatOption(FlatOptionButton* b) : QAccessibleWidget(b, b->accessibleRole()) {}

    QString text(QAccessible::Text t) const override {
        const QString caption = option()->text();
        if (t == QAccessible::Name && option()->accessibleName().isEmpty())
            return QString(caption).replace("&&", QChar(1)).remove('&').replace(QChar(1), "&");
        if (t == QAccessible::Accelerator)
            return QKeySequence::mnemonic(caption).toString(QKeySequence::NativeText);
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = option()->isChecked();
        return s;
    }

    // A radio button is chosen, a check box toggled.
    QString activation() const { return role() == QAccessible::RadioButton ? pressAction() : toggleAction(); }

    QStringList actionNames() const override {
        return QStringList{activation()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override {
        if (name != activation()) {
            QAccessibleWidget::doAction(name);
        } else if (option()->isEnabled()) {
            option()->activate();
        }
    }

private:
    FlatOptionButton* option() const { return static_cast<FlatOptionButton*>(widget()); }
};

QAccessibleInterface* accessibleFlatOption(const QString& className, QObject* o) {
    if (className == QLatin1String("FlatOptionButton"))
        return new AccessibleFlatOption(static_cast<FlatOptionButton*>(o));
    return nullptr;
}

} // namespace

FlatOptionButton::FlatOptionButton(FlatHoverGroup& group, int indicatorSize, QWidget* parent)
    : FlatButtonBase(group, Qt::white, parent), indicatorSize_(indicatorSize) {
    static const bool accessible = (QAccessible::installFactory(accessibleFlatOption), true);
    Q_UNUSED(accessible);
    setCheckable(true);
    setAutoExclusive(false);
}

void FlatOptionButton::setLayout(int layout) {
    if (layout_ == layout) return;
    layout_ = layout;
    update();
}

QRect FlatOptionButton::indicatorRect() const {
    const int x = layout_ == 1 ? width() - 1 - indicatorSize_ : 1;
    return {x, 3, indicatorSize_, indicatorSize_};
}

QColor FlatOptionButton::indicatorFill() const {
    if (pressing_) return colorDown();
    if (focus_ || hover_) return colorFocused();
    return color();
}

QColor FlatOptionButton::markColour(const QColor& c) const {
    return isEnabled() ? c : flat::systemShadow(*this);
}

void FlatOptionButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintIndicator(p, indicatorRect());
    // The caption keeps clear of the indicator and wraps in the rest of the control.
    const int gap = indicatorSize_ + 6;
    const QRect r = layout_ == 1 ? rect().adjusted(0, 1, -gap, 0) : rect().adjusted(gap, 1, 0, 0);
    const int align = layout_ == 1 ? Qt::AlignRight : Qt::AlignLeft;
    flat::drawCaption(p, *this, r, align | Qt::AlignTop | Qt::TextWordWrap, text());
}

void FlatOptionButton::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    if (focusPolicy() != Qt::NoFocus) setFocus(Qt::MouseFocusReason);
    pressing_ = true;
    update();
}

void FlatOptionButton::mouseMoveEvent(QMouseEvent* e) {
    trackMouse();
    e->accept();
}

void FlatOptionButton::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !pressing_) {
        e->ignore();
        return;
    }
    pressing_ = false;
    update();
    if (rect().contains(e->position().toPoint())) releasedInside();
}

void FlatOptionButton::focusInEvent(QFocusEvent* e) {
    focus_ = true;
    update();
    QAbstractButton::focusInEvent(e);
}

void FlatOptionButton::focusOutEvent(QFocusEvent* e) {
    focus_ = false;
    dropHover();
    update();
    QAbstractButton::focusOutEvent(e);
}
