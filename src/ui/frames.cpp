#include "ui/frames.h"

#include "widgets/TFlatButtonUnit.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

namespace calvorin {

namespace {
// A window of ours built on a plain widget is a window to screen readers too, not a filler.
QAccessibleInterface* accessibleWindow(const QString& className, QObject* o) {
    if (className == QLatin1String("QWidget") && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow())
        return new QAccessibleWidget(static_cast<QWidget*>(o), QAccessible::Window);
    return nullptr;
}
} // namespace

void setWhiteBackground(QWidget* widget) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, Qt::white);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

TFlatButton* makeButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new TFlatButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    QString shown = caption;
    shown.remove(QLatin1Char('&'));
    button->setFixedSize(qMax(75, button->fontMetrics().horizontalAdvance(shown) + 16), 25);
    return button;
}

void labelControl(QLabel* label, QWidget* control) {
    // As the label's buddy the control is named by the label's current text. A caption with "&"
    // would turn into an accelerator that way, so it names the control directly instead.
    if (label->text().contains(QLatin1Char('&')))
        control->setAccessibleName(label->text());
    else
        label->setBuddy(control);
}

void applyFrame(QWidget* window, const Frame& frame) {
    static const bool accessible = (QAccessible::installFactory(accessibleWindow), true);
    Q_UNUSED(accessible);
    Qt::WindowFlags flags =
        frame.border == Border::Tool
            ? Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            : Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                  Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    if (frame.stayOnTop) flags |= Qt::WindowStaysOnTopHint;
    window->setWindowFlags(flags);
    window->setWindowTitle(frame.caption);
    if (frame.white) setWhiteBackground(window);
    window->adjustSize();
    window->setFixedSize(window->size());
    if (frame.centred) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect r = window->frameGeometry();
            r.moveCenter(screen->availableGeometry().center());
            window->move(r.topLeft());
        }
    }
}

} // namespace calvorin
