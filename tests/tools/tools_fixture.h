#pragma once
// Windows for the tool tests: the main window (the recording flag), the viewer (the report log)
// and the tool windows, driven by their controls' names.
#include "app/mdiMain.h"
#include "ui/registry.h"
#include "core/numbers.h"
#include "platform/dialogs.h"
#include "report/fViewReport.h"
#include "report/report.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace calvorin::testing_tools {

struct SeparatorGuard {
    char saved = decimalSeparator();
    explicit SeparatorGuard(char s) { setDecimalSeparator(s); }
    ~SeparatorGuard() { setDecimalSeparator(saved); }
};

using Inputs = std::vector<std::pair<const char*, const char*>>; // edit name, text

class ToolFixture {
protected:
    DialogRecorder recorder;

    // Registers the main window and the viewer, then the given windows.
    void create(std::initializer_list<QWidget*> tools) {
        WindowRegistry::add(new TfrmMain);
        WindowRegistry::add(new TfrmViewReport);
        for (QWidget* w : tools)
            WindowRegistry::add(w);
    }
    void destroy() { WindowRegistry::destroyAll(); }

    static QWidget* tool(const char* className) {
        QWidget* w = WindowRegistry::find(className);
        EXPECT_NE(w, nullptr) << className;
        return w;
    }
    template <class T> static T* control(QWidget* w, const char* name) {
        T* c = w->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    static void type(QWidget* w, const Inputs& inputs) {
        for (auto& [name, text] : inputs)
            control<QLineEdit>(w, name)->setText(QString::fromUtf8(text));
    }
    static void click(QWidget* w, const char* button) { control<QAbstractButton>(w, button)->click(); }
    static QString caption(QWidget* w, const char* label) { return control<QLabel>(w, label)->text(); }
    static void setRecording(bool on) { window<TfrmMain>().recording = on ? 1 : 0; }
};

} // namespace calvorin::testing_tools
