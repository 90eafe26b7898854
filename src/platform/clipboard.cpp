#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace calvorin {
void setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}
QString clipboardText() {
    return QGuiApplication::clipboard()->text();
}
} // namespace calvorin
