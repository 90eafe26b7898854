#include "platform/memo.h"

#include <QMimeData>

namespace calvorin {

void Memo::insertFromMimeData(const QMimeData* source) {
    if (source && !source->formats().isEmpty()) QPlainTextEdit::insertFromMimeData(source);
}

} // namespace calvorin
