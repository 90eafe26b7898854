// Bases of the button-like flat controls: colours, hover and pressing flags, hover
// tracking through the class's timer and the accelerator key.
#pragma once

#include "widgets/FlatShared.h"

#include <QAbstractButton>
#include <QAccessible>

class FlatButtonBase : public QAbstractButton, protected FlatHoverClient {
    Q_OBJECT
    Q_PROPERTY(QColor ColorFocused READ colorFocused WRITE setColorFocused)
    Q_PROPERTY(QColor ColorDown READ colorDown WRITE setColorDown)
    Q_PROPERTY(QColor ColorBorder READ colorBorder WRITE setColorBorder)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(bool ParentColor READ parentColor WRITE setParentColor)
    Q_PROPERTY(QString Caption READ text WRITE setText)

public:
    ~FlatButtonBase() override;

    QColor colorFocused() const { return colorFocused_; }
    QColor colorDown() const { return colorDown_; }
    QColor colorBorder() const { return colorBorder_; }
    // The face; while ParentColor is set it is the parent's background.
    QColor color() const;
    bool parentColor() const { return parentColor_; }
    void setColorFocused(const QColor& c) { setColour(colorFocused_, c); }
    void setColorDown(const QColor& c) { setColour(colorDown_, c); }
    void setColorBorder(const QColor& c) { setColour(colorBorder_, c); }
    void setColor(const QColor& c); // clears ParentColor
    void setParentColor(bool on);

    bool isHovered() const { return hover_; }
    bool isPressing() const { return pressing_; }

protected:
    FlatButtonBase(FlatHoverGroup& group, const QColor& colorFocused, QWidget* parent);

    void setColour(QColor& member, const QColor& c);
    // Step 1 of hover tracking; every mouse move over the control calls it.
    void trackMouse() {
        if (isEnabled()) group_.mouseMoved(this);
    }
    bool tracked() const { return group_.tracked() == this; }

    QWidget* hoverWidget() override { return this; }
    void mouseEnter() override;
    void mouseLeave() override;
    // Forget the hover flag and let the timer go; the next move over the control highlights it again.
    void dropHover();
    // A press that can no longer end over the control (disabled or hidden) is dropped.
    void cancelPress();
    // Alt and the caption's underlined letter.
    virtual void accelerator() = 0;

    bool event(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void hideEvent(QHideEvent* e) override;

    bool hover_ = false;
    bool pressing_ = false;

private:
    FlatHoverGroup& group_;
    QColor colorFocused_;
    QColor colorDown_ = flat::kPressedGrey;
    QColor colorBorder_ = flat::kBorderGrey;
    QColor color_;
    bool parentColor_ = true;
};

// Radio button and check box: an indicator beside a wrapped caption.
class FlatOptionButton : public FlatButtonBase {
    Q_OBJECT
    Q_PROPERTY(int Layout READ layout WRITE setLayout)
    Q_PROPERTY(bool Checked READ isChecked WRITE setChecked)

public:
    // 0: indicator on the left, 1: on the right.
    int layout() const { return layout_; }
    void setLayout(int layout);

    QSize sizeHint() const override { return {121, 17}; }
    // The indicator's square inside the control.
    QRect indicatorRect() const;

    // What screen readers call the control, and what a click of the mouse does (they ask for it too).
    virtual QAccessible::Role accessibleRole() const = 0;
    void activate() { releasedInside(); }

protected:
    FlatOptionButton(FlatHoverGroup& group, int indicatorSize, QWidget* parent);

    // ColorDown while pressing, ColorFocused when focused or under the mouse, Color otherwise.
    QColor indicatorFill() const;
    // The dot or tick: its colour, or the system's shadow when disabled.
    QColor markColour(const QColor& c) const;
    virtual void paintIndicator(QPainter& p, const QRect& r) = 0;
    // Left button released over the control.
    virtual void releasedInside() = 0;

    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

    bool focus_ = false;

private:
    int indicatorSize_;
    int layout_ = 0;
};
