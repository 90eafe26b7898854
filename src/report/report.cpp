#include "report/report.h"

#include "app/mdiMain.h"
#include "ui/registry.h"
#include "platform/dialogs.h"
#include "platform/locale.h"
#include "platform/textfile.h"
#include "report/fConfirmNR.h"
#include "report/fViewReport.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace calvorin::report {

namespace {

QTextDocument& log() {
    return *window<TfrmViewReport>().txtReport->document();
}

// The program's own changes to the log are kept out of the viewer's undo history, so that an
// undo in the viewer never takes away appended lines.
template <class Change> void change(Change&& c) {
    QTextDocument& doc = log();
    doc.setUndoRedoEnabled(false);
    c(doc);
    doc.setUndoRedoEnabled(true);
}

void clear() {
    change([](QTextDocument& doc) { doc.clear(); });
}

void setRecording(bool on) {
    window<TfrmMain>().recording = on ? 1 : 0;
}

} // namespace

bool recording() {
    return window<TfrmMain>().recording == 1;
}

void append(const QString& line) {
    change([&](QTextDocument& doc) {
        QTextCursor cursor(&doc);
        cursor.movePosition(QTextCursor::End);
        // A last line without its line break (the user removed it) gets one first.
        if (!cursor.block().text().isEmpty()) cursor.insertText(QStringLiteral("\n"));
        cursor.insertText(line + QLatin1Char('\n'));
    });
}

QStringList lines() {
    QString text = log().toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'))
        .replace(QChar::LineSeparator, QLatin1Char('\n'));
    if (text.isEmpty()) return {};
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text.split(QLatin1Char('\n'));
}

bool isEmpty() {
    return log().isEmpty();
}

void start() {
    if (!isEmpty()) showWindow(&window<TfrmConfirmNR>());
    if (!isEmpty()) return; // the confirmation window decides
    clear();
    append(QStringLiteral("Relatório do Calvorin 2.1"));
    append(QStringLiteral("Gerado em : ") + longTimeText());
    append(QString());
    TfrmMain& main = window<TfrmMain>();
    main.mnuStart->setEnabled(false);
    main.mnuStop->setEnabled(true);
    main.mnuRestart->setEnabled(false);
    setRecording(true);
}

void startAnother() {
    clear();
    append(QStringLiteral("Relatório do Calvorin 2.0"));
    append(QStringLiteral("Gerado em: ") + longTimeText());
    setRecording(true);
    TfrmMain& main = window<TfrmMain>();
    main.mnuStart->setEnabled(false);
    main.mnuStop->setEnabled(true);
}

void stop() {
    setRecording(false);
    TfrmMain& main = window<TfrmMain>();
    main.mnuStart->setEnabled(true);
    main.mnuRestart->setEnabled(true);
    main.mnuStop->setEnabled(false);
}

void resume() {
    setRecording(true);
    TfrmMain& main = window<TfrmMain>();
    main.mnuStart->setEnabled(false);
    main.mnuRestart->setEnabled(false);
    main.mnuStop->setEnabled(true);
}

SaveDialog saveDialog() {
    return SaveDialog(QStringLiteral("CVRelatório"), QStringLiteral("Arquivos texto|*.txt"));
}

bool save(SaveDialog& dialog) {
    const std::optional<QString> name = dialog.execute();
    if (!name) return false;
    // The extension goes on whatever was typed, also after a ".txt".
    writeLinesFile(*name + QStringLiteral(".txt"), lines());
    return true;
}

} // namespace calvorin::report
