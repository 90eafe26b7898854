#include "ui/reportlog.h"

#include "platform/memo.h"

#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace calvorin {

ReportLog::ReportLog() : document_(new QTextDocument(this)) {
    document_->setDocumentLayout(new QPlainTextDocumentLayout(document_)); // shown in a plain text edit
}

template <class Change> void ReportLog::change(Change&& c) {
    document_->setUndoRedoEnabled(false);
    c(*document_);
    document_->setUndoRedoEnabled(true);
}

void ReportLog::append(const QString& line) {
    change([&](QTextDocument& doc) {
        QTextCursor cursor(&doc);
        cursor.movePosition(QTextCursor::End);
        // A last line without its line break (the user removed it) gets one first.
        if (!cursor.block().text().isEmpty()) cursor.insertText(QStringLiteral("\n"));
        cursor.insertText(line + QLatin1Char('\n'));
    });
    emit appended(line);
}

void ReportLog::record(const QStringList& lines) {
    if (!recording()) return;
    for (const QString& line : lines)
        append(line);
}

void ReportLog::clear() {
    change([](QTextDocument& doc) { doc.clear(); });
}

QStringList ReportLog::lines() const {
    QString text = textOf(*document_);
    if (text.isEmpty()) return {};
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text.split(QLatin1Char('\n'));
}

bool ReportLog::isEmpty() const {
    return document_->isEmpty();
}

void ReportLog::setState(RecordingState state) {
    if (state == state_) return;
    state_ = state;
    emit stateChanged(state_);
}

ReportLog& reportLog() {
    static ReportLog* const log = new ReportLog; // lives as long as the program
    return *log;
}

} // namespace calvorin
