#include "widgets/TFlatRadioButtonUnit.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

namespace {

// An ordinary radio button's face for screen readers: without this the generic button
// description would announce a check box, as the control is not auto-exclusive.
class AccessibleFlatRadio : public QAccessibleWidget {
public:
    explicit AccessibleFlatRadio(QWidget* w) : QAccessibleWidget(w, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        const QString caption = radio()->text();
        if (t == QAccessible::Name)
            return QString(caption).replace("&&", QChar(1)).remove('&').replace(QChar(1), "&");
        if (t == QAccessible::Accelerator)
            return QKeySequence::mnemonic(caption).toString(QKeySequence::NativeText);
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = radio()->isChecked();
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override {
        if (name == pressAction()) {
            if (!radio()->isChecked()) radio()->click();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

private:
    TFlatRadioButton* radio() const { return static_cast<TFlatRadioButton*>(widget()); }
};

QAccessibleInterface* accessibleFlatRadio(const QString& className, QObject* o) {
    if (className == QLatin1String("TFlatRadioButton") && o && o->isWidgetType())
        return new AccessibleFlatRadio(static_cast<QWidget*>(o));
    return nullptr;
}

} // namespace

FlatHoverGroup& TFlatRadioButton::hoverGroup() {
    static FlatHoverGroup group;
    return group;
}

TFlatRadioButton::TFlatRadioButton(QWidget* parent) : FlatOptionButton(hoverGroup(), 10, parent) {
    static const bool accessible = (QAccessible::installFactory(accessibleFlatRadio), true);
    Q_UNUSED(accessible);
    // Connected first, so the group is settled before anyone else hears of the change.
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        if (on) uncheckGroup();
    });
    resize(sizeHint());
}

void TFlatRadioButton::uncheckGroup() {
    QWidget* p = parentWidget();
    if (!p) return;
    for (auto* other : p->findChildren<TFlatRadioButton*>(Qt::FindDirectChildrenOnly))
        if (other != this && other->groupIndex_ == groupIndex_) other->setChecked(false);
}

// A click never unchecks a radio button.
void TFlatRadioButton::nextCheckState() {
    if (!isChecked()) setChecked(true);
}

// The accelerator only moves the focus; the choice changes with a click or the space bar.
void TFlatRadioButton::accelerator() {
    if (focusPolicy() != Qt::NoFocus) setFocus(Qt::ShortcutFocusReason);
}

void TFlatRadioButton::releasedInside() {
    if (!isChecked()) click();
}

void TFlatRadioButton::focusInEvent(QFocusEvent* e) {
    FlatOptionButton::focusInEvent(e);
    if (pressing_ && hover_ && !isChecked()) click();
}

// The space bar on a checked radio button changes nothing and says nothing.
void TFlatRadioButton::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Space && isChecked() && !isDown()) return e->accept();
    FlatOptionButton::keyPressEvent(e);
}

void TFlatRadioButton::keyReleaseEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Space && isChecked() && !isDown()) return e->accept();
    FlatOptionButton::keyReleaseEvent(e);
}

void TFlatRadioButton::paintIndicator(QPainter& p, const QRect& r) {
    // One-pixel pen: the outline covers the 10-pixel square exactly.
    p.setPen(colorBorder());
    p.setBrush(indicatorFill());
    p.drawEllipse(r.adjusted(0, 0, -1, -1));
    if (!isChecked()) return;
    const QColor dot = markColour(colorDot_);
    p.setPen(dot);
    p.setBrush(dot);
    p.drawEllipse(QRect(r.left() + 3, r.top() + 3, 3, 3));
}
