#pragma once
// What the command tests share: every window created afresh in an empty working directory, the
// commands' outside effects recorded, and the process end turned into an exception.
#include "app/Korvanta.h"
#include "app/fComandos.h"
#include "app/fEditor.h"
#include "app/fMain.h"
#include "platform/process.h"
#include "ui/reportlog.h"
#include "windows.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace commands_test {

struct Ended {
    int code;
};

// The two lines the command window starts with.
inline const QStringList intro = {
    "Interpretador de comandos do Calvorin 2.1",
    "Para obter uma lista com todos os comandos do Calvorin, digite ?, ajuda ou help.",
};

class CommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        calvorin::korvanta::setEffectObserver([this](const QString& what) { effects << what; });
        calvorin::setTerminateHook([](int code) { throw Ended{code}; });
        resetReportLog();
        calvorin::createAllWindows();
    }

    void TearDown() override {
        calvorin::WindowRegistry::destroyAll();
        calvorin::setTerminateHook({});
        calvorin::korvanta::setEffectObserver({});
        QDir::setCurrent(previous);
    }

    // Starts over with new windows, as at program start.
    void restart() {
        calvorin::WindowRegistry::destroyAll();
        resetReportLog();
        calvorin::createAllWindows();
        effects.clear();
    }

    static void resetReportLog() {
        calvorin::reportLog().clear();
        calvorin::reportLog().setState({});
    }

    // Runs an action; the exit code when it ended the program.
    static std::optional<int> exitCodeOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const Ended& e) {
            return e.code;
        }
        return std::nullopt;
    }

    static void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray readFile(const QString& name) {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    TfrmComandos& comandos() { return calvorin::window<TfrmComandos>(); }
    TfrmEditor& editor() { return calvorin::window<TfrmEditor>(); }
    TfrmMain& mainWindow() { return calvorin::window<TfrmMain>(); }

    QTemporaryDir dir;
    QString previous;
    QStringList effects; // windows shown (class names), "report", "help"
};

} // namespace commands_test
