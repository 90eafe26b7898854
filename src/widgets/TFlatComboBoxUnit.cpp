#include "widgets/TFlatComboBoxUnit.h"

#include "widgets/FlatShared.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStandardItemModel>
#include <QStyleOptionComboBox>

namespace {

constexpr int kArrowWidth = 11;
constexpr int kSortKeyRole = Qt::UserRole + 0x464c; // private to the sorted list

// Gives the ordinary combo its flat geometry: the arrow button that mouse presses hit,
// the field the edit part and the label occupy, and a list that drops below.
class FlatComboStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl cc, const QStyleOptionComplex* opt, SubControl sc,
                         const QWidget* w) const override {
        if (cc == CC_ComboBox && qobject_cast<const TFlatComboBox*>(w)) {
            switch (sc) {
            case SC_ComboBoxArrow:
                return TFlatComboBox::arrowButtonRect(opt->rect);
            case SC_ComboBoxEditField:
                return TFlatComboBox::fieldRect(opt->rect);
            case SC_ComboBoxFrame:
            case SC_ComboBoxListBoxPopup:
                return opt->rect;
            default:
                break;
            }
        }
        return QProxyStyle::subControlRect(cc, opt, sc, w);
    }

    int styleHint(StyleHint hint, const QStyleOption* opt, const QWidget* w,
                  QStyleHintReturn* ret) const override {
        if (hint == SH_ComboBox_Popup && qobject_cast<const TFlatComboBox*>(w)) return 0;
        return QProxyStyle::styleHint(hint, opt, w, ret);
    }
};

QStyle* flatComboStyle() {
    static QPointer<FlatComboStyle> style;
    if (!style) {
        style = new FlatComboStyle;
        style->setParent(qApp);
    }
    return style;
}

} // namespace

TFlatComboBox::TFlatComboBox(QWidget* parent)
    : QComboBox(parent), colorArrowBackground_(flat::kPressedGrey), colorBorder_(flat::kBorderGrey) {
    setStyle(flatComboStyle());
    connect(model(), &QAbstractItemModel::rowsInserted, this, [this] {
        if (sorted_) sortItems();
    });
}

QRect TFlatComboBox::arrowButtonRect(const QRect& r) {
    return {r.right() - kArrowWidth, r.top() + 1, kArrowWidth, r.height() - 2};
}

// Inside the border and the two inner lines, up to the arrow button.
QRect TFlatComboBox::fieldRect(const QRect& r) {
    return QRect(QPoint(r.left() + 3, r.top() + 3), QPoint(arrowButtonRect(r).left() - 1, r.bottom() - 3));
}

QColor TFlatComboBox::colorFlat() const {
    return palette().color(QPalette::Base);
}

void TFlatComboBox::setColorFlat(const QColor& c) {
    QPalette p = palette();
    p.setColor(QPalette::Base, c);
    setPalette(p);
    update();
}

void TFlatComboBox::setColour(QColor& member, const QColor& c) {
    member = c;
    update();
}

void TFlatComboBox::setSorted(bool on) {
    sorted_ = on;
    if (on) sortItems();
}

void TFlatComboBox::sortItems() {
    auto* m = qobject_cast<QStandardItemModel*>(model());
    if (!m || sorting_) return;
    sorting_ = true;
    for (int row = 0; row < m->rowCount(); ++row)
        if (QStandardItem* item = m->item(row, modelColumn()))
            item->setData(item->text().toCaseFolded(), kSortKeyRole);
    m->setSortRole(kSortKeyRole);
    m->sort(modelColumn());
    sorting_ = false;
}

QStringList TFlatComboBox::items() const {
    QStringList list;
    for (int i = 0; i < count(); ++i)
        list << itemText(i);
    return list;
}

void TFlatComboBox::setItems(const QStringList& items) {
    clear();
    addItems(items);
    setCurrentIndex(-1);
}

bool TFlatComboBox::isDroppedDown() const {
    return view() && view()->isVisible();
}

void TFlatComboBox::showPopup() {
    view()->installEventFilter(this); // to turn the arrow back when the list closes
    QComboBox::showPopup();
    update();
}

bool TFlatComboBox::eventFilter(QObject* watched, QEvent* e) {
    if (watched == view() && (e->type() == QEvent::Show || e->type() == QEvent::Hide)) update();
    return QComboBox::eventFilter(watched, e);
}

void TFlatComboBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const QRect button = arrowButtonRect(r);

    flat::drawFrame(p, r, colorBorder_);
    // Two lines in the combo's colour on every side but the arrow button's, and the field.
    p.fillRect(QRect(QPoint(1, 1), QPoint(button.left() - 1, r.bottom() - 1)), colorFlat());

    if (!isEditable()) {
        QStyleOptionComboBox opt;
        initStyleOption(&opt);
        style()->drawControl(QStyle::CE_ComboBoxLabel, &opt, &p, this);
    }

    p.fillRect(button, colorArrowBackground_);
    flat::drawFrame(p, button, colorBorder_);
    paintArrow(p, button);
}

// A 5 x 3 triangle in the middle of the button, pointing down, or up while the list is open.
void TFlatComboBox::paintArrow(QPainter& p, const QRect& button) {
    const int cx = button.left() + button.width() / 2;
    const int cy = button.top() + (button.height() - 1) / 2;
    const bool up = isDroppedDown();
    auto draw = [&](int dx, int dy, const QColor& c) {
        for (int row = 0; row < 3; ++row) {
            const int half = up ? row : 2 - row;
            p.fillRect(cx - half + dx, cy - 1 + row + dy, 2 * half + 1, 1, c);
        }
    };
    if (isEnabled()) {
        draw(0, 0, colorArrow_);
    } else {
        draw(1, 1, Qt::white);
        draw(0, 0, QColor(128, 128, 128));
    }
}
