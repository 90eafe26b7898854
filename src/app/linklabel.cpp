#include "app/linklabel.h"

#include <QMouseEvent>

namespace calvorin {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    // Like a button: the click counts only when the press began here and ends inside.
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit clicked();
}

LinkLabel* makeLink(QWidget* parent, const char* name, const QString& caption) {
    auto* link = new LinkLabel(caption, parent);
    link->setObjectName(name);
    return link;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    widget->setPalette(pal);
    widget->setForegroundRole(QPalette::WindowText); // a toolbar would draw it as button text
}

void setBold(QWidget* widget, int pointSize) {
    QFont font = widget->font();
    font.setBold(true);
    if (pointSize > 0) font.setPointSize(pointSize);
    widget->setFont(font);
}

} // namespace calvorin
