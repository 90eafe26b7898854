#include "app/frames.h"

#include "widgets/TFlatButtonUnit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace calvorin {

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

void applyFrame(QWidget* window, const Frame& frame) {
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
