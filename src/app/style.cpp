#include "app/style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>

namespace calvorin {

namespace {

// A style's standard icon, asked of the style only when it is first drawn or measured.
class StandardIconLater : public QIconEngine {
public:
    StandardIconLater(const QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new StandardIconLater(*this); }

private:
    QIcon& icon() {
        if (!resolved_) {
            icon_ = style_->standardIcon(which_);
            resolved_ = true;
        }
        return icon_;
    }

    const QStyle* style_;
    QStyle::StandardPixmap which_;
    QIcon icon_;
    bool resolved_ = false;
};

// Menu bars and tool bars ask for their extension button's icon when they are made. The style
// reads it from a picture, which starts the icon theme and the image plugins before the main
// window is on screen, for a button that shows only on a bar too narrow for its items.
class StartUpStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override {
        if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
            return QIcon(new StandardIconLater(baseStyle(), which));
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

} // namespace

void useStartUpStyle() {
    QApplication::setStyle(new StartUpStyle(QStyleFactory::create(QApplication::style()->name())));
}

} // namespace calvorin
