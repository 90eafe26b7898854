#pragma once
// Every modal box and the save dialog go through one service, so that tests can answer them.
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

class QWidget;

namespace calvorin {

class DialogService {
public:
    virtual ~DialogService() = default;
    // A modal message box with an OK button and the application's title.
    void message(const QString& text);
    // The error box: stop icon, OK button, the application's title; the text as it is shown.
    void error(const QString& text);
    // The save dialog. `filter` is written "Description|*.ext", more pairs following the first with
    // a "|"; `filterIndex` is the pair selected as it opens and, once a name is chosen, the pair the
    // user chose. Nothing when the user cancels.
    virtual std::optional<QString> saveFileName(const QString& initialName, const QString& filter,
                                                int& filterIndex) = 0;

protected:
    // How the service shows each box; message() and error() count it first.
    virtual void showMessage(const QString& text) = 0;
    virtual void showError(const QString& text) = 0;
};

// How many message and error boxes have been shown so far, by any service: a handler that compares
// the count before and after it ran knows whether it ended in one.
int boxesShown();

// The service in force: the real dialogs unless a test installed its own.
DialogService& dialogs();
// nullptr brings back the real dialogs. Gives the service that was in force before.
DialogService* installDialogs(DialogService* service);

// The error box for an error's text: the text followed by a full stop, always; a NUL in it shows
// as the replacement character.
void showErrorBox(const QString& errorText);

// A save dialog that remembers the last name chosen in it for its next use.
class SaveDialog {
public:
    SaveDialog(QString initialName, QString filter);
    std::optional<QString> execute();
    const QString& fileName() const { return name_; }
    // The filter chosen last, counted from 0; the next dialog opens with it.
    int filterIndex() const { return filterIndex_; }

private:
    QString name_;
    QString filter_;
    int filterIndex_ = 0;
};

// Answers every dialog without showing anything and keeps what was asked. While it lives it is
// the service in force; afterwards the one before it is back.
class DialogRecorder : public DialogService {
public:
    DialogRecorder() : previous_(installDialogs(this)) {}
    ~DialogRecorder() override { installDialogs(previous_); }
    DialogRecorder(const DialogRecorder&) = delete;
    DialogRecorder& operator=(const DialogRecorder&) = delete;

    std::optional<QString> saveFileName(const QString& initialName, const QString& filter,
                                        int& filterIndex) override;

    // The next save dialog answers with this name and filter, or is cancelled. Unanswered dialogs cancel.
    struct SaveAnswer {
        QString name; // null stands for Cancel
        int filter = 0;
    };
    void answerSave(const QString& name, int filter = 0) {
        saveAnswers.push_back({name.isNull() ? QString("") : name, filter});
    }
    void answerCancel() { saveAnswers.push_back({}); }

    QStringList messages;
    QStringList errors;
    QStringList saveInitialNames; // the name each save dialog opened with
    QStringList saveFilters;
    std::deque<SaveAnswer> saveAnswers;

protected:
    void showMessage(const QString& text) override { messages << text; }
    void showError(const QString& text) override { errors << text; }

private:
    DialogService* previous_;
};

} // namespace calvorin
