#pragma once
// The report log and the recording state. The log is one text document, the one the viewer shows,
// so the user's edits there change the log itself. Its lines are the document's, each ended by a
// line break except perhaps the last, so a trailing line break makes no extra line; it is empty
// when its text holds no character at all. Windows append through it and the main window's report
// menu follows its state, so neither needs the other.
#include <QObject>
#include <QStringList>

#include <functional>

class QTextDocument;

namespace calvorin {

struct RecordingState {
    bool recording = false; // the recording flag: calculations append their lines while it is on
    bool resumable = false; // a stopped report may go on ("Retomar geração do relatório atual")
    friend bool operator==(const RecordingState&, const RecordingState&) = default;
};

class ReportLog : public QObject {
    Q_OBJECT
public:
    ReportLog();

    QTextDocument* document() const { return document_; }

    // Adds one line at the end of the log whatever the state; shows nothing.
    void append(const QString& line);
    // A calculation's lines: appended only while recording.
    void record(const QStringList& lines);
    void clear();
    QStringList lines() const;
    bool isEmpty() const;

    RecordingState state() const { return state_; }
    bool recording() const { return state_.recording; }
    void setState(RecordingState state);
    // The main menu's "Parar" and "Retomar".
    void stop() { setState({false, true}); }
    void resume() { setState({true, false}); }

signals:
    void appended(const QString& line);
    void stateChanged(calvorin::RecordingState state);

private:
    // The program's own changes are kept out of the viewer's undo history, so that an undo there
    // never takes away appended lines, and the user's own steps stay in it.
    void changeUnrecorded(const std::function<void()>& change);

    QTextDocument* document_;
    RecordingState state_;
};

// The program's one report log, empty and not recording at start.
ReportLog& reportLog();

} // namespace calvorin
