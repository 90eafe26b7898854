#include "ui/reportlog.h"

#include "widgets/memo.h"

#include <QAbstractUndoItem>
#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace calvorin {

ReportLog::ReportLog() : document_(new QTextDocument(this)) {
    document_->setDocumentLayout(new QPlainTextDocumentLayout(document_)); // shown in a plain text edit
}

namespace {

// Qt records nothing while it undoes a step, so a change made by an undo item's undo stays out
// of the history. Turning undo off around the change would empty the whole history instead.
class UnrecordedChange : public QAbstractUndoItem {
public:
    explicit UnrecordedChange(const std::function<void()>& change) : change_(change) {}
    void undo() override { change_(); }
    void redo() override {}

private:
    std::function<void()> change_;
};

} // namespace

void ReportLog::changeUnrecorded(const std::function<void()>& change) {
    if (!document_->isUndoRedoEnabled()) return change();
    // The item goes on top of the history, which would cut off the steps the user undid: they are
    // redone first and undone again after.
    int redone = 0;
    for (; document_->isRedoAvailable(); ++redone)
        document_->redo();
    document_->appendUndoItem(new UnrecordedChange(change));
    document_->undo();
    document_->clearUndoRedoStacks(QTextDocument::RedoStack); // the item, now spent
    while (redone-- > 0)
        document_->undo();
}

void ReportLog::append(const QString& line) {
    changeUnrecorded([&] {
        // At the end of the text as it stands with the user's undone steps redone.
        QTextCursor cursor(document_);
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
    document_->clear(); // and its undo history: a new report starts
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
