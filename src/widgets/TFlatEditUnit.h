// Flat edit: a line edit inside a 3-pixel frame (one border line, two lines in the face
// colour) that lights up while focused or under the mouse; its height follows its font.
#pragma once

#include <QColor>
#include <QLineEdit>

class TFlatEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QColor ColorFlat READ colorFlat WRITE setColorFlat)
    Q_PROPERTY(QColor ColorFocused READ colorFocused WRITE setColorFocused)
    Q_PROPERTY(QColor ColorBorder READ colorBorder WRITE setColorBorder)
    Q_PROPERTY(bool ParentColor READ parentColor WRITE setParentColor)
    Q_PROPERTY(QString Text READ text WRITE setText)

public:
    explicit TFlatEdit(QWidget* parent = nullptr);

    // The idle face; while ParentColor is set it is the parent's background.
    QColor colorFlat() const;
    QColor colorFocused() const { return colorFocused_; }
    QColor colorBorder() const { return colorBorder_; }
    bool parentColor() const { return parentColor_; }
    void setColorFlat(const QColor& c); // clears ParentColor
    void setColorFocused(const QColor& c);
    void setColorBorder(const QColor& c);
    void setParentColor(bool on);

    bool isMouseInside() const { return mouseInside_; }
    // Focused, or under the mouse while no flat edit has the focus.
    bool isHighlighted() const;

    QSize sizeHint() const override;

protected:
    bool event(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void refresh();
    void fitHeightToFont();

    QColor colorFlat_;
    QColor colorFocused_ = Qt::white;
    QColor colorBorder_;
    bool parentColor_ = false;
    bool mouseInside_ = false;
};
