// Flat push button: a one-pixel border that rises under the mouse and sinks while pressed.
#pragma once

#include "widgets/FlatButtonBase.h"

class TFlatButton : public FlatButtonBase {
    Q_OBJECT
    Q_PROPERTY(QColor ColorHighLight READ colorHighLight WRITE setColorHighLight)
    Q_PROPERTY(QColor ColorShadow READ colorShadow WRITE setColorShadow)

public:
    enum class DrawState { Up, Disabled, Pressed };

    explicit TFlatButton(QWidget* parent = nullptr);

    QColor colorHighLight() const { return colorHighLight_; }
    QColor colorShadow() const { return colorShadow_; }
    void setColorHighLight(const QColor& c) { setColour(colorHighLight_, c); }
    void setColorShadow(const QColor& c) { setColour(colorShadow_, c); }

    DrawState drawState() const;
    QSize sizeHint() const override { return {25, 25}; }

    // The timer shared by all flat buttons.
    static FlatHoverGroup& hoverGroup();

protected:
    void accelerator() override { click(); }
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QColor colorHighLight_ = Qt::white;
    QColor colorShadow_ = Qt::black;
};
