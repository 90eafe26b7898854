#pragma once
// The program's editable multi-line text: a plain-text edit that pastes nothing when there is
// nothing to paste.
#include <QPlainTextEdit>

namespace calvorin {

// A document's text as typed, each line break a '\n': toPlainText() would also turn every no-break
// space into a blank, and the files we write must keep it.
QString textOf(const QTextDocument& document);

class Memo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit Memo(const QString& text = {}, QWidget* parent = nullptr) : QPlainTextEdit(text, parent) {}
    explicit Memo(QWidget* parent) : QPlainTextEdit(parent) {}

protected:
    // Qt 6.4.2 reads the first format of pasted data without checking that there is one, and an
    // X clipboard that nobody owns hands out data with none: it crashes. Every paste comes
    // through here (keys, middle button, context menu, paste(), drops), so this one test guards
    // them all.
    void insertFromMimeData(const QMimeData* source) override;
};

} // namespace calvorin
