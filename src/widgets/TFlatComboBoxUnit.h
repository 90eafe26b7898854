// Flat combo box: a border-grey frame and a narrow arrow button; the edit part and the
// list are the ordinary ones.
#pragma once

#include <QColor>
#include <QComboBox>

class TFlatComboBox : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(QColor ColorArrow READ colorArrow WRITE setColorArrow)
    Q_PROPERTY(QColor ColorArrowBackground READ colorArrowBackground WRITE setColorArrowBackground)
    Q_PROPERTY(QColor ColorBorder READ colorBorder WRITE setColorBorder)
    Q_PROPERTY(QColor ColorFlat READ colorFlat WRITE setColorFlat)
    Q_PROPERTY(bool Sorted READ sorted WRITE setSorted)
    Q_PROPERTY(QStringList Items READ items WRITE setItems)
    Q_PROPERTY(int ItemIndex READ currentIndex WRITE setCurrentIndex)

public:
    explicit TFlatComboBox(QWidget* parent = nullptr);

    QColor colorArrow() const { return colorArrow_; }
    QColor colorArrowBackground() const { return colorArrowBackground_; }
    QColor colorBorder() const { return colorBorder_; }
    // The combo's own colour: the two inner frame lines and the text field.
    QColor colorFlat() const;
    void setColorArrow(const QColor& c) { setColour(colorArrow_, c); }
    void setColorArrowBackground(const QColor& c) { setColour(colorArrowBackground_, c); }
    void setColorBorder(const QColor& c) { setColour(colorBorder_, c); }
    void setColorFlat(const QColor& c);

    // Items kept in case-insensitive order as they are added.
    bool sorted() const { return sorted_; }
    void setSorted(bool on);

    // The whole list; a new list leaves nothing chosen.
    QStringList items() const;
    void setItems(const QStringList& items);

    bool isDroppedDown() const;

    // Parts of a combo box of the given rectangle.
    static QRect arrowButtonRect(const QRect& r);
    static QRect fieldRect(const QRect& r);

    void showPopup() override;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void setColour(QColor& member, const QColor& c);
    void sortItems();
    void paintArrow(QPainter& p, const QRect& button);

    QColor colorArrow_ = Qt::black;
    QColor colorArrowBackground_;
    QColor colorBorder_;
    bool sorted_ = false;
    bool sorting_ = false;
};
