#include "platform/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include <algorithm>

namespace calvorin {

namespace {

class RealDialogs : public DialogService {
public:
    std::optional<QString> saveFileName(const QString& initialName, const QString& filter,
                                        int& filterIndex) override {
        // Qt's own dialog, so that it can be driven like every other window of the program.
        QFileDialog dialog(QApplication::activeWindow());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        // The caller appends the extension itself, so the name typed is not the file replaced.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        const QStringList filters = qtFilters(filter);
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(filterIndex));
        dialog.selectFile(initialName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        filterIndex = std::max(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())));
        return dialog.selectedFiles().first();
    }

protected:
    void showMessage(const QString& text) override { box(QMessageBox::NoIcon, text); }
    void showError(const QString& text) override { box(QMessageBox::Critical, text); }

private:
    static void box(QMessageBox::Icon icon, const QString& text) {
        QMessageBox box(icon, QApplication::applicationName(), text, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
    }
    // "Arquivos texto|*.txt" -> "Arquivos texto (*.txt)", one entry a pair
    static QStringList qtFilters(const QString& filter) {
        const QStringList parts = filter.split('|');
        QStringList out;
        for (int i = 0; i + 1 < parts.size(); i += 2)
            out << parts[i] + " (" + parts[i + 1] + ")";
        return out;
    }
};

RealDialogs g_real;
DialogService* g_service = &g_real;
int g_boxes = 0;

} // namespace

void DialogService::message(const QString& text) {
    ++g_boxes;
    showMessage(text);
}

void DialogService::error(const QString& text) {
    ++g_boxes;
    showError(text);
}

int boxesShown() {
    return g_boxes;
}

DialogService& dialogs() {
    return *g_service;
}
DialogService* installDialogs(DialogService* service) {
    DialogService* previous = g_service;
    g_service = service ? service : &g_real;
    return previous;
}

void showErrorBox(const QString& errorText) {
    // A NUL pasted into an input is part of the text, but a box shows nothing for it: the
    // replacement character marks where it was.
    dialogs().error(QString(errorText).replace(QChar(0), QChar::ReplacementCharacter) + '.');
}

SaveDialog::SaveDialog(QString initialName, QString filter)
    : name_(std::move(initialName)), filter_(std::move(filter)) {}

std::optional<QString> SaveDialog::execute() {
    auto chosen = dialogs().saveFileName(name_, filter_, filterIndex_);
    if (chosen) name_ = *chosen;
    return chosen;
}

std::optional<QString> DialogRecorder::saveFileName(const QString& initialName, const QString& filter,
                                                    int& filterIndex) {
    saveInitialNames << initialName;
    saveFilters << filter;
    if (saveAnswers.empty()) return std::nullopt;
    const SaveAnswer answer = saveAnswers.front();
    saveAnswers.pop_front();
    if (answer.name.isNull()) return std::nullopt;
    filterIndex = answer.filter;
    return answer.name;
}

} // namespace calvorin
