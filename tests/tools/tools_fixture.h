#pragma once
// Tool windows for the tests, over a fresh report log, driven by their controls' names.
#include "core/numbers.h"
#include "platform/dialogs.h"
#include "support/windows.h"
#include "ui/registry.h"
#include "ui/reportlog.h"

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

    // Registers the given windows over an empty log, not recording.
    void create(std::initializer_list<QWidget*> tools) {
        reportLog().clear();
        reportLog().setState({});
        for (QWidget* w : tools)
            WindowRegistry::add(w);
    }
    void destroy() { WindowRegistry::destroyAll(); }

    static QWidget* tool(const char* className) {
        QWidget* w = testsupport::windowNamed(className);
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
    static void setRecording(bool on) { reportLog().setState({on, false}); }
};

} // namespace calvorin::testing_tools
