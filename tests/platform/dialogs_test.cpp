#include "core/errors.h"
#include "platform/dialogs.h"
#include "platform/guard.h"
#include "platform/locale.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <tuple>
#include <vector>

using namespace calvorin;

namespace {

// ---- the recorder and the save dialog ------------------------------------------------------

TEST(DialogRecorder, KeepsMessagesAndErrorsApart) {
    DialogRecorder rec;
    dialogs().message("Os valores devem ser numéricos!");
    showErrorBox("Floating point overflow");
    EXPECT_EQ(rec.messages, QStringList{"Os valores devem ser numéricos!"});
    EXPECT_EQ(rec.errors, QStringList{"Floating point overflow."});
}

TEST(DialogRecorder, NestedRecorderGivesBackTheOuterOne) {
    DialogRecorder outer;
    {
        DialogRecorder inner;
        dialogs().message("inner");
        EXPECT_EQ(inner.messages, QStringList{"inner"});
    }
    dialogs().message("outer");
    EXPECT_EQ(outer.messages, QStringList{"outer"});
}

TEST(SaveDialog, RemembersTheLastChosenNameAndKeepsItOnCancel) {
    DialogRecorder rec;
    SaveDialog dialog("CVRelatório", "Arquivos texto|*.txt");
    rec.answerSave("/tmp/primeiro");
    rec.answerCancel();
    rec.answerSave("/tmp/segundo");

    EXPECT_EQ(dialog.execute(), std::optional<QString>("/tmp/primeiro"));
    EXPECT_EQ(dialog.execute(), std::nullopt);
    EXPECT_EQ(dialog.fileName(), "/tmp/primeiro");
    EXPECT_EQ(dialog.execute(), std::optional<QString>("/tmp/segundo"));
    EXPECT_EQ(dialog.execute(), std::nullopt) << "an unanswered dialog counts as cancelled";

    EXPECT_EQ(rec.saveInitialNames,
              (QStringList{"CVRelatório", "/tmp/primeiro", "/tmp/primeiro", "/tmp/segundo"}));
    EXPECT_EQ(rec.saveFilters.value(0), "Arquivos texto|*.txt");
}

TEST(SaveDialog, EachDialogRemembersItsOwnName) {
    DialogRecorder rec;
    SaveDialog viewer("CVRelatório", "Arquivos texto|*.txt");
    SaveDialog confirm("CVRelatório", "Arquivos texto|*.txt");
    rec.answerSave("a");
    viewer.execute();
    EXPECT_EQ(viewer.fileName(), "a");
    EXPECT_EQ(confirm.fileName(), "CVRelatório");
}

// ---- the real dialogs, answered from inside their own event loop --------------------------

// Runs `open` and, as soon as its modal window is up, hands that window to `inspect`, which
// should close it. Whatever `inspect` finds, the window is closed so that `open` returns.
void whenModal(const std::function<void()>& open, const std::function<void(QWidget*)>& inspect) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        seen = modal != nullptr;
        if (modal) inspect(modal);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) d->reject();
    });
    open();
    EXPECT_TRUE(seen) << "no modal window came up";
}

TEST(RealDialogs, MessageAndErrorBoxesHaveOkAndTheApplicationTitle) {
    const std::tuple<std::function<void()>, const char*, bool> boxes[] = {
        {[] { dialogs().message("Olá"); }, "Olá", false},
        {[] { showErrorBox("Division by zero"); }, "Division by zero.", true}, // the stop icon
    };
    for (const auto& [open, text, critical] : boxes)
        whenModal(open, [&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "Calvorin 2.1");
            EXPECT_EQ(box->text(), QString::fromUtf8(text));
            EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
            EXPECT_EQ(box->icon() == QMessageBox::Critical, critical);
            box->button(QMessageBox::Ok)->click();
        });
}

// Opens `save` and hands Qt's file dialog to `inspect`; gives what the dialog answered.
std::optional<QString> whenSaving(SaveDialog& save, const std::function<void(QFileDialog*)>& inspect) {
    std::optional<QString> chosen;
    whenModal([&] { chosen = save.execute(); },
              [&](QWidget* w) {
                  auto* dialog = qobject_cast<QFileDialog*>(w);
                  ASSERT_NE(dialog, nullptr);
                  inspect(dialog);
              });
    return chosen;
}

TEST(RealDialogs, SaveDialogIsQtsOwnAndGivesTheChosenName) {
    QTemporaryDir dir;
    const QString name = dir.filePath("meu relatório");
    SaveDialog save("CVRelatório", "Arquivos texto|*.txt");
    std::optional<QString> chosen = whenSaving(save, [&](QFileDialog* dialog) {
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->nameFilters(), QStringList{"Arquivos texto (*.txt)"});
        dialog->setDirectory(dir.path());
        dialog->selectFile("meu relatório");
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(chosen, std::optional<QString>(name));
    EXPECT_EQ(save.fileName(), name);

    // The next use opens where the last one ended, and a cancel there keeps that name.
    chosen = whenSaving(save, [&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->directory().absolutePath(), QDir(dir.path()).absolutePath());
        EXPECT_EQ(dialog->selectedFiles().value(0), name);
        static_cast<QDialog*>(dialog)->reject();
    });
    EXPECT_EQ(chosen, std::nullopt);
    EXPECT_EQ(save.fileName(), name);
}

TEST(RealDialogs, SaveDialogGivesTheChosenFilterAndOpensWithIt) {
    SaveDialog save("CVGráfico", "Imagem PNG|*.png|Imagem SVG|*.svg");
    for (const char* shown : {"Imagem PNG (*.png)", "Imagem SVG (*.svg)"})
        whenSaving(save, [&](QFileDialog* dialog) {
            EXPECT_EQ(dialog->selectedNameFilter(), shown);
            dialog->selectNameFilter("Imagem SVG (*.svg)");
            dialog->selectFile(QDir::temp().filePath("figura"));
            static_cast<QDialog*>(dialog)->accept();
        });
    EXPECT_EQ(save.filterIndex(), 1);
}

// Qt's own texts follow the locale once its translations are loaded; the program's stay as given.
TEST(RealDialogs, SaveDialogSpeaksTheUsersLanguage) {
    ASSERT_TRUE(loadQtTranslations(QLocale(QLocale::Portuguese, QLocale::Brazil))) << "qt6-translations-l10n";
    SaveDialog save("CVRelatório", "Arquivos texto|*.txt");
    whenSaving(save, [](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Salvar como");
        EXPECT_EQ(dialog->labelText(QFileDialog::LookIn), "Procurar em:");
        EXPECT_EQ(dialog->labelText(QFileDialog::FileName), "&Nome do arquivo:");
        EXPECT_EQ(dialog->labelText(QFileDialog::Reject), "Cancelar");
        EXPECT_EQ(dialog->nameFilters(), QStringList{"Arquivos texto (*.txt)"});
    });
    EXPECT_FALSE(loadQtTranslations(QLocale::c())) << "Qt speaks English without translations";
    whenSaving(save, [](QFileDialog* dialog) { EXPECT_EQ(dialog->windowTitle(), "Save As"); });
}

// ---- the guard ------------------------------------------------------------------------------

struct GuardCase {
    const char* what;
    std::function<void()> handler;
    const char* shown; // nullptr: the handler ends normally
};

void PrintTo(const GuardCase& c, std::ostream* os) {
    *os << c.what;
}

class Guard : public testing::TestWithParam<GuardCase> {};

TEST_P(Guard, TurnsAnErrorIntoTheErrorBox) {
    DialogRecorder rec;
    const GuardCase& c = GetParam();
    const bool ok = runGuarded(c.handler);
    EXPECT_EQ(ok, c.shown == nullptr);
    EXPECT_EQ(rec.errors, c.shown ? QStringList{QString::fromUtf8(c.shown)} : QStringList{});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, Guard, testing::ValuesIn(std::vector<GuardCase>{
    {"nothing", [] {}, nullptr},
    {"conversion", [] { throw ConvertError::floatValue("abc"); }, "'abc' is not a valid floating point value."},
    {"empty conversion", [] { throw ConvertError::floatValue(""); }, "'' is not a valid floating point value."},
    {"integer conversion", [] { throw ConvertError::integerValue("1,5"); },
     "'1,5' is not a valid integer value."},
    {"invalid", [] { throw InvalidOperation(); }, "Invalid floating point operation."},
    {"zero divide", [] { throw ZeroDivide(); }, "Floating point division by zero."},
    {"overflow", [] { throw Overflow(); }, "Floating point overflow."},
    {"integer division", [] { throw IntDivideByZero(); }, "Division by zero."},
    {"file", [] { throw FileError::cannotCreate("relatório.txt"); }, "Cannot create file relatório.txt."},
    {"a name ending in a full stop still gets one", [] { throw FileError::cannotRead("x."); },
     "Cannot read file x.."},
    // The whole text, whatever follows a NUL typed into the input; the NUL shows as a mark.
    {"NUL in the input", [] { throw ConvertError::floatValue(std::string("0.\0" "5", 4)); },
     "'0.\uFFFD5' is not a valid floating point value."},
    {"foreign exception", [] { throw std::out_of_range("index out of range"); }, "index out of range."},
    {"not an exception at all", [] { throw 42; }, "Unknown error."}}),
    [](const testing::TestParamInfo<GuardCase>& info) { return "case" + std::to_string(info.index); });
// clang-format on

class Thrower : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw ZeroDivide();
        return QObject::event(e);
    }
};

TEST(Guard, ApplicationCatchesAnErrorThrownFromAnEventHandler) {
    DialogRecorder rec;
    Thrower target;
    QEvent event(QEvent::User);
    EXPECT_NO_THROW(QCoreApplication::sendEvent(&target, &event));
    EXPECT_EQ(rec.errors, QStringList{"Floating point division by zero."});

    // The program goes on: the next event is delivered as usual.
    QEvent other(QEvent::Type(QEvent::User + 1));
    EXPECT_NO_THROW(QCoreApplication::sendEvent(&target, &other));
    EXPECT_EQ(rec.errors.size(), 1);
}

struct Window : QObject {
    int calls = 0;
    QString typed;
    void Button1Click() {
        ++calls;
        throw Overflow();
    }
    void txtChange(const QString& text) {
        typed = text;
        if (text == "x") throw ConvertError::floatValue("x");
    }
};

TEST(Guard, ConnectedHandlerRunsInsideTheGuard) {
    DialogRecorder rec;
    QPushButton button;
    Window w;
    connectGuarded(&button, &QPushButton::clicked, &w, &Window::Button1Click);
    button.click();
    button.click();
    EXPECT_EQ(w.calls, 2);
    EXPECT_EQ(rec.errors, (QStringList{"Floating point overflow.", "Floating point overflow."}));
}

TEST(Guard, ConnectedHandlerGetsTheSignalArgumentsWhenItTakesThem) {
    DialogRecorder rec;
    QLineEdit edit;
    Window w;
    QString seenByLambda;
    int plainCalls = 0;
    connectGuarded(&edit, &QLineEdit::textChanged, &w, &Window::txtChange);
    connectGuarded(&edit, &QLineEdit::textChanged, &w, [&](const QString& t) { seenByLambda = t; });
    connectGuarded(&edit, &QLineEdit::textChanged, &w, [&] { ++plainCalls; });
    edit.setText("12");
    EXPECT_EQ(w.typed, "12");
    EXPECT_EQ(seenByLambda, "12");
    EXPECT_EQ(plainCalls, 1);
    edit.setText("x");
    EXPECT_EQ(rec.errors, QStringList{"'x' is not a valid floating point value."});
    EXPECT_EQ(seenByLambda, "x") << "one handler's error does not stop the others";
}

} // namespace
