#pragma once
// What the window tests share: every window created once for the test program, each test in a
// fresh temporary working directory with the dialogs answered and the process exit caught.
#include "app/fMain.h"
#include "help/fAjuda.h"
#include "platform/dialogs.h"
#include "platform/help.h"
#include "platform/process.h"
#include "support/windows.h"
#include "ui/reportlog.h"
#include "windows.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace apptest {

class RegistryEnvironment : public ::testing::Environment {
public:
    void SetUp() override { calvorin::createAllWindows(); }
    void TearDown() override { calvorin::WindowRegistry::destroyAll(); }
};

inline const ::testing::Environment* const registryEnvironment =
    ::testing::AddGlobalTestEnvironment(new RegistryEnvironment);

// Thrown by the exit hook so that a terminated handler unwinds instead of ending the tests.
struct ProcessTerminated {
    int code;
};

inline TfrmMain& mainWindow() {
    return calvorin::window<TfrmMain>();
}

using testsupport::windowNamed;

inline void expectShown(const char* className) {
    QWidget* w = windowNamed(className);
    ASSERT_NE(w, nullptr) << className;
    EXPECT_TRUE(w->isVisible()) << className;
}

inline void expectReportItems(const TfrmMain& main, bool start, bool stop, bool restart) {
    EXPECT_EQ(main.mnuStart->isEnabled(), start);
    EXPECT_EQ(main.mnuStop->isEnabled(), stop);
    EXPECT_EQ(main.mnuRestart->isEnabled(), restart);
}

inline void hideAllWindows() {
    for (QWidget* w : calvorin::WindowRegistry::windows())
        w->hide();
}

inline void click(QWidget* w) {
    const QPointF at = QRectF(w->rect()).center();
    const QPointF global = w->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

inline void pressKey(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

template <class T = QWidget> T* child(QObject* parent, const char* name) {
    return parent->findChild<T*>(QString::fromLatin1(name));
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        hideAllWindows();
        calvorin::reportLog().clear();
        calvorin::reportLog().setState({});
        mainWindow().splash = 1;
        calvorin::setTerminateHook([this](int code) {
            exitCodes.push_back(code);
            throw ProcessTerminated{code};
        });
    }

    void TearDown() override {
        QApplication::processEvents();
        hideAllWindows();
        calvorin::helpViewer()->hide();
        calvorin::setTerminateHook({});
        QDir::setCurrent(previousDir_);
    }

    // Shows the main window as at start (the script runs then, only the first time) with the
    // chosen panel, so its links can be clicked; every other window is hidden again.
    static void showMainWindow(QWidget* panel = nullptr) {
        calvorin::showWindow(&mainWindow());
        QApplication::processEvents();
        hideAllWindows();
        calvorin::showWindow(&mainWindow());
        if (panel) mainWindow().showPanel(static_cast<QFrame*>(panel));
        QApplication::processEvents();
    }

    // Writes the start-up script into the working directory, bytes as given.
    void writeScript(const QByteArray& bytes) {
        QFile file(dir_.filePath("autoexec.cv1"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    calvorin::DialogRecorder dialogs;
    std::vector<int> exitCodes;
    QTemporaryDir dir_;

private:
    QString previousDir_;
};

} // namespace apptest
