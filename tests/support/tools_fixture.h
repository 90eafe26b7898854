#pragma once
// Tool windows for the tests, over a fresh report log, driven by their controls' names.
#include "core/numbers.h"
#include "platform/dialogs.h"
#include "support/separator.h"
#include "support/windows.h"
#include "ui/registry.h"
#include "ui/reportlog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace calvorin::testing_tools {

using Inputs = std::vector<std::pair<const char*, const char*>>; // control name, text

// The controls a window's rows fill, in order: with `Fields f{"txtA", "txtB"}`, f("1", "2") types "1"
// into txtA and "2" into txtB; fewer texts fill the first controls only.
struct Fields {
    std::vector<const char*> names;
    Fields(std::initializer_list<const char*> n) : names(n) {}
    template <class... Texts> Inputs operator()(Texts... texts) const {
        Inputs inputs;
        std::size_t i = 0;
        (inputs.push_back({names.at(i++), texts}), ...);
        return inputs;
    }
};

// Report lines written as one text, "|" between lines.
inline QStringList lines(const char* text) {
    return QString::fromUtf8(text).split('|');
}

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

// ---- the table runner: one calculation in a tool window, as a user makes it ----------------------

// The names a window gives its calculate button and answer label.
struct Names {
    const char* calculate = "Button1";
    const char* answer = "lblResposta";
};

// What the calculation showed: the answer's caption (nothing when it was left as it was), the
// report lines it appended while recording, and the message and error boxes, in order.
struct Shown {
    std::optional<QString> answer;
    QStringList report;
    QStringList messages;
    QStringList errors;
};

// Gives each named control its text (an edit or a combo box takes it; a radio button is clicked;
// a check box is clicked to "1" checked or "0" unchecked), then presses calculate under the decimal
// separator with recording on.
inline Shown calculate(QWidget* window, const Inputs& typed, char separator, Names names = {}) {
    static const QString unchanged = QStringLiteral("(unchanged)");
    SeparatorGuard locale(separator);
    DialogRecorder boxes;
    ReportLog& log = reportLog();
    log.setState({true, false});
    auto* answer = window->findChild<QLabel*>(names.answer);
    EXPECT_NE(answer, nullptr) << names.answer;
    if (!answer) return {};
    answer->setText(unchanged);
    for (auto& [name, text] : typed) {
        const QString value = QString::fromUtf8(text);
        if (auto* edit = window->findChild<QLineEdit*>(name))
            edit->setText(value);
        else if (auto* combo = window->findChild<QComboBox*>(name))
            combo->setCurrentText(value);
        else if (auto* option = window->findChild<QAbstractButton*>(name)) {
            if (option->autoExclusive() || option->isChecked() != (value == "1")) option->click();
        } else
            ADD_FAILURE() << "no control named " << name;
    }
    const qsizetype before = log.lines().size();
    auto* button = window->findChild<QAbstractButton*>(names.calculate);
    EXPECT_NE(button, nullptr) << names.calculate;
    if (button) button->click();
    Shown shown;
    if (answer->text() != unchanged) shown.answer = answer->text();
    shown.report = log.lines().mid(before);
    shown.messages = boxes.messages;
    shown.errors = boxes.errors;
    return shown;
}

// One row of a window's table: the inputs as typed, and what is then shown. Texts are written with
// "," for the decimal separator and hold under both separators, unless `only` names the one
// separator the row holds for: its texts are then as shown.
struct Row {
    Inputs typed;
    const char* answer = nullptr; // nullptr: the answer is left as it was
    QStringList report = {};      // the lines appended, when given: the formula's tables check the rest
    const char* message = nullptr;
    const char* error = nullptr;
    char only = 0;
    Inputs labels = {}; // other labels and their captions afterwards; nullptr: left as they were
};

// Runs every row under each separator it holds for and expects what it says.
inline void expectRows(QWidget* window, const std::vector<Row>& rows, Names names = {}) {
    for (char separator : {',', '.'}) {
        for (const Row& row : rows) {
            if (row.only && row.only != separator) continue;
            std::string trace = std::string("separator '") + separator + "':";
            for (auto& [name, text] : row.typed)
                trace += std::string(" ") + name + "=" + text;
            SCOPED_TRACE(trace);
            auto local = [&](QString text) { return row.only ? text : text.replace(',', QChar(separator)); };
            auto box = [](const char* text) {
                return text ? QStringList{QString::fromUtf8(text)} : QStringList{};
            };
            QStringList report;
            for (const QString& line : row.report)
                report << local(line);

            std::vector<QByteArray> texts;
            texts.reserve(row.typed.size()); // typed points into them
            Inputs typed;
            for (auto [name, text] : row.typed)
                typed.push_back(
                    {name, texts.emplace_back(local(QString::fromUtf8(text)).toUtf8()).constData()});
            for (auto [label, caption] : row.labels)
                window->findChild<QLabel*>(label)->setText("(unchanged)");
            const Shown shown = calculate(window, typed, separator, names);
            EXPECT_EQ(shown.answer,
                      row.answer ? std::optional(local(QString::fromUtf8(row.answer))) : std::nullopt);
            if (!row.report.isEmpty() || !row.answer) {
                EXPECT_EQ(shown.report, report); // a failure appends none
            }
            EXPECT_EQ(shown.messages, box(row.message));
            EXPECT_EQ(shown.errors, box(row.error));
            for (auto [label, caption] : row.labels)
                EXPECT_EQ(window->findChild<QLabel*>(label)->text(),
                          caption ? local(QString::fromUtf8(caption)) : "(unchanged)")
                    << label;
        }
    }
}

} // namespace calvorin::testing_tools
