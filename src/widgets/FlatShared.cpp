#include "widgets/FlatShared.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace flat {

namespace {
bool anyWindowActive() {
    return QApplication::activeWindow() != nullptr;
}
ActiveCheck activeCheck = anyWindowActive;
} // namespace

bool programActive() {
    return activeCheck();
}
void setActiveCheck(ActiveCheck check) {
    activeCheck = check ? check : anyWindowActive;
}

QColor systemHighlight(const QWidget& w) {
    return w.palette().color(QPalette::Active, QPalette::Light);
}
QColor systemShadow(const QWidget& w) {
    return w.palette().color(QPalette::Active, QPalette::Dark);
}

void drawCaption(QPainter& p, const QWidget& w, const QRect& r, int flags, const QString& text) {
    flags |= Qt::TextShowMnemonic;
    p.setFont(w.font());
    if (w.isEnabled()) {
        p.setPen(w.palette().color(QPalette::Active, w.foregroundRole()));
        p.drawText(r, flags, text);
        return;
    }
    p.setPen(systemHighlight(w));
    p.drawText(r.translated(1, 1), flags, text);
    p.setPen(systemShadow(w));
    p.drawText(r, flags, text);
}

void drawOpenLine(QPainter& p, int ax, int ay, int bx, int by, const QColor& c) {
    const int steps = std::max(std::abs(bx - ax), std::abs(by - ay));
    for (int i = 0; i < steps; ++i)
        p.fillRect(ax + qRound(double(i * (bx - ax)) / steps), ay + qRound(double(i * (by - ay)) / steps), 1,
                   1, c);
}

void drawFrame(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    p.fillRect(r.left(), r.top(), r.width() - 1, 1, topLeft);
    p.fillRect(r.left(), r.top(), 1, r.height() - 1, topLeft);
    p.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    p.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}

} // namespace flat

void FlatHoverGroup::attach() {
    if (controls_++ == 0) {
        timer_ = new QTimer;
        timer_->setInterval(100);
        QObject::connect(timer_, &QTimer::timeout, timer_, [this] { tick(); });
    }
}

void FlatHoverGroup::detach(FlatHoverClient* c) {
    release(c);
    if (--controls_ == 0) {
        delete timer_;
        timer_ = nullptr;
    }
}

void FlatHoverGroup::mouseMoved(FlatHoverClient* c) {
    if (tracked_ == c) return;
    if (tracked_) tracked_->mouseLeave();
    if (!flat::programActive()) return;
    timer_->stop();
    tracked_ = c;
    timer_->start();
    c->mouseEnter();
}

void FlatHoverGroup::release(FlatHoverClient* c) {
    if (tracked_ != c || !c) return;
    timer_->stop();
    tracked_ = nullptr;
}

void FlatHoverGroup::tick() {
    if (!tracked_) {
        timer_->stop();
        return;
    }
    if (QApplication::widgetAt(QCursor::pos()) != tracked_->hoverWidget()) tracked_->mouseLeave();
}
