#include "widgets/memo.h"

#include <QMimeData>
#include <QTextDocument>

namespace calvorin {

QString textOf(const QTextDocument& document) {
    return document.toRawText()
        .replace(QChar::ParagraphSeparator, QLatin1Char('\n'))
        .replace(QChar::LineSeparator, QLatin1Char('\n'));
}

void Memo::insertFromMimeData(const QMimeData* source) {
    if (source && !source->formats().isEmpty()) QPlainTextEdit::insertFromMimeData(source);
}

} // namespace calvorin
