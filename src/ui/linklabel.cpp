#include "ui/linklabel.h"

#include "widgets/FlatShared.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace calvorin {

namespace {

// A link for screen readers: its text, the link role, and a press that follows it.
class AccessibleLink : public QAccessibleWidget {
public:
    explicit AccessibleLink(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return link()->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    // Queued: the window it opens must not hold up the reader's call.
    void doAction(const QString& name) override {
        if (name == pressAction())
            QMetaObject::invokeMethod(link(), &LinkLabel::clicked, Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(name);
    }

private:
    LinkLabel* link() const { return static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* accessibleLink(const QString& className, QObject* o) {
    if (className == QLatin1String(LinkLabel::staticMetaObject.className()))
        return new AccessibleLink(static_cast<LinkLabel*>(o));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    static const bool accessible = (QAccessible::installFactory(accessibleLink), true);
    Q_UNUSED(accessible);
    setCursor(Qt::PointingHandCursor);
    // Reached with Tab and followed with Enter, Return or Space, like a button.
    setFocusPolicy(Qt::TabFocus);
    setTextFormat(Qt::PlainText); // before the text, which is then taken once
    setText(text);
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

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    // Around the text itself, in the link's own colour, drawn whatever the style does with focus
    // rectangles (some draw none until a window is active).
    QPainter p(this);
    const int flags = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    const QRect text = fontMetrics().boundingRect(contentsRect(), flags, this->text());
    flat::drawFrame(p, text.adjusted(-2, -1, 2, 1).intersected(rect()), palette().color(foregroundRole()));
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
