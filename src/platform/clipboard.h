#pragma once
#include <QString>

namespace calvorin {
// Plain text on the system clipboard, replacing what it held.
void setClipboardText(const QString& text);
QString clipboardText();
} // namespace calvorin
