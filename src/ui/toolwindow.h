#pragma once
// What every tool window shares: its frame, the standard controls and layout, Copy and Close,
// and the calculate flow validate -> convert -> compute -> display -> record. A tool window's own
// file then holds its controls, formula and literals.
#include "core/errors.h"
#include "core/real.h"
#include "core/typed.h"
#include "platform/dialogs.h"
#include "platform/guard.h"
#include "ui/registry.h"

#include "widgets/flat.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

class QGridLayout;
class QHBoxLayout;
class QKeyEvent;
class QMenu;

namespace calvorin {

// The flat-style controls the tool windows are made of; every one is created by ToolWindow.
using FlatButton = TFlatButton;
using FlatEdit = TFlatEdit;
using FlatRadioButton = TFlatRadioButton;
using FlatCheckBox = TFlatCheckBox;
using FlatComboBox = TFlatComboBox;

// The validation messages of the tool windows.
// kept as the program has always written it: four wordings for one check, "necessáriamente" with its stray
// accent and one ending in a full stop
namespace validation {
inline const QString mustBeNumeric = QStringLiteral("Os valores devem ser numéricos!");
inline const QString needToBeNumeric = QStringLiteral("Os valores precisam ser numéricos!");
inline const QString mustBeReal = QStringLiteral("Os valores devem ser reais!");
inline const QString necessarilyNumeric =
    QStringLiteral("Os valores necessáriamente precisam ser numéricos.");
} // namespace validation

// Captions of the standard buttons.
namespace captions {
inline const QString calculate = QStringLiteral("&Calcular");
inline const QString close = QStringLiteral("&Fechar");
inline const QString copy = QStringLiteral("Copiar");
// The same three in the windows that caption them without accelerators.
inline const QString plainCalculate = QStringLiteral("Calcular");
inline const QString plainClose = QStringLiteral("Fechar");
} // namespace captions

class ToolWindow : public QWidget {
    Q_OBJECT
public:
    explicit ToolWindow(QWidget* parent = nullptr);

    // ---- the calculate flow, in its order ----
    // True when every input passes the numeric check. Otherwise shows the message once (nothing
    // when it is empty) and the handler is to end.
    static bool valid(std::initializer_list<const QLineEdit*> inputs, const QString& message = {});
    // The input converted with the system decimal separator and stored as a double; raises the
    // conversion error with the text as typed.
    static double number(const QLineEdit* input);
    // The input converted the same way but kept at extended precision, for formulas whose
    // constants are extended and must cancel exactly against the typed value.
    static Real extendedNumber(const QLineEdit* input);
    // The result in the general 15-digit format becomes the answer's caption.
    static void display(QLabel* answer, Real result);
    static QString format(Real value);
    // Appends the lines to the report, only while recording.
    static void record(const QStringList& lines);

    // ---- a formula's inputs and result ----
    // The input converted as number() (a double) or extendedNumber() (Real) converts it, with its
    // text as typed.
    template <class T = double> static Typed<T> typed(const QLineEdit* input) {
        if constexpr (std::is_same_v<T, Real>)
            return {extendedNumber(input), input->text().toStdString()};
        else
            return {number(input), input->text().toStdString()};
    }
    static void record(const Report& lines);
    // The end of a calculation that went well, from its formula's result: the answer in the label,
    // the report lines recorded and the worked solution handed over, in that order.
    template <class Result> void conclude(const Result& result, QLabel* answer) {
        display(answer, result.answer);
        conclude(result);
    }
    // The same for a window that shows its answers itself. A result without report lines records none.
    template <class Result> void conclude(const Result& result) {
        if constexpr (requires { result.report; }) record(result.report);
        solved(result.steps);
    }

    // The worked solution of the answer shown, its lines in order; empty before any calculation
    // and after one that failed.
    const QStringList& steps() const { return steps_; }
    // A calculation that ended well hands its worked solution here, after display and record.
    void solved(const std::vector<std::string>& steps);
    // Opens "Resolução passo a passo" on this window's steps (F2, and the answer's context menu).
    void showSteps();

    // Runs conversions that the window checks itself: a conversion error shows the window's
    // message instead of the error box and gives false. Other errors go on to the error box.
    template <class Step> static bool convertOrTell(const QString& message, Step&& step) {
        try {
            step();
            return true;
        } catch (const ConvertError&) {
            dialogs().message(message);
            return false;
        }
    }

    // A narrow edit: while it is not being typed in it shows its text from the start (a long
    // number keeps its sign in view), and its tooltip holds the whole text when it does not fit.
    static void showsFromStart(QLineEdit* edit);

    // The Copy button: the caption as it is now, on the clipboard.
    static void copy(const QLabel* answer);


protected:
    // ---- controls: created here so that each kind is made in one place, named after its member ----
    QLabel* label(const QString& name, const QString& caption);
    FlatEdit* edit(const QString& name, const QString& text = {});
    QLabel* answer(const QString& caption, const QString& name = "lblResposta");
    FlatButton* button(const QString& name, const QString& caption);
    FlatRadioButton* radio(const QString& name, const QString& caption, bool checked = false);
    FlatCheckBox* checkBox(const QString& name, const QString& caption);
    FlatComboBox* combo(const QString& name, const QStringList& items = {});
    // A titled group box holding the widgets in rows of a grid of its own; radio buttons in it
    // exclude each other only.
    QGroupBox* group(const QString& name, const QString& title,
                     std::initializer_list<std::initializer_list<QWidget*>> rows);
    // The calculate, close and copy buttons with their usual names and captions; close and copy
    // are wired (closes, copies), the answer being what copy copies.
    std::tuple<FlatButton*, FlatButton*, FlatButton*> standardButtons(const QLabel* answer,
                                                                      const QString& calculate = "Button1",
                                                                      const QString& close = "Button2",
                                                                      const QString& copy = "FlatButton1");
    // The same three in the windows that caption them "Calcular", "Copiar" and "Fechar".
    std::tuple<FlatButton*, FlatButton*, FlatButton*> plainButtons(const QLabel* answer,
                                                                   const QString& calculate = "FlatButton1",
                                                                   const QString& close = "FlatButton3",
                                                                   const QString& copy = "FlatButton2");
    // The button starts a calculation, and its handler (connected with onClick) decides what
    // becomes of the worked solution: one that ends well hands in its own; one that ends in a
    // message or error box fails and leaves none; one that ends in neither (nothing to calculate)
    // leaves the steps of the answer still shown. button() marks those captioned "&Calcular" or
    // "Calcular" itself.
    void calculates(QAbstractButton* button);
    // The widget shows an answer: its context menu (also Shift+F10 and the menu key on the window's
    // first answer) offers "Copiar resposta" and "Resolução passo a passo". answer() marks its
    // labels itself. Copying takes the widget's text unless the window says what to copy.
    void answers(QWidget* widget, std::function<QString()> copyText = {});
    // The button hides the window ("Fechar").
    void closes(QAbstractButton* button);
    // The button puts the answer's caption, as it is at the click, on the clipboard ("Copiar").
    void copies(QAbstractButton* button, const QLabel* answer);

    // ---- layout: rows of a grid from the top, then one row of buttons under it ----
    // The widgets take the grid's columns from the left (nullptr: an empty cell); a lone widget
    // spans the row. A label names the edit or combo box after it for screen readers.
    void row(std::initializer_list<QWidget*> widgets);
    void buttonRow(std::initializer_list<QWidget*> buttons);
    QGridLayout* grid() const { return grid_; }

    // Return or Enter in the input (or in any control inside it) presses the button. Without this,
    // Return in an edit or combo box presses the window's first calculate button.
    void submits(QWidget* input, QAbstractButton* button);
    // Esc hides the window, as its close box does; a window whose keys mean something else turns
    // it off.
    void setClosesOnEscape(bool on) { closesOnEscape_ = on; }
    void keyPressEvent(QKeyEvent* event) override;

    // Connects a button to the window's handler through the guard.
    template <class Window> void onClick(QAbstractButton* button, void (Window::*handler)()) {
        auto* window = static_cast<Window*>(this);
        connect(button, &QAbstractButton::clicked, window, [this, button, window, handler] {
            press(button, [window, handler] { (window->*handler)(); });
        });
    }

    // A named item added to a menu, running the window's handler through the guard.
    template <class Window>
    QAction* menuItem(QMenu* menu, const QString& name, const QString& caption, void (Window::*handler)()) {
        QAction* item = addMenuItem(menu, name, caption);
        connectGuarded(item, &QAction::triggered, static_cast<Window*>(this), handler);
        return item;
    }

    // The frame, once the controls are laid out: fixed single border, white, its caption; most tool
    // windows stay on top and open at the default position.
    void finish(const QString& caption, bool stayOnTop = true, bool centred = false);

signals:
    // The worked solution changed: a calculation ended well, or one failed.
    void stepsChanged();

private:
    static QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption);
    // Runs a click's handler inside the guard; for a calculate button, then settles its steps.
    void press(QAbstractButton* button, const std::function<void()>& handler);
    void clearSteps();
    // The answers' context menu, for that answer, at that point of it.
    void answerMenu(QWidget* answer, QPoint at);
    // The button Return presses while the widget has the focus, if any.
    QAbstractButton* buttonFor(const QWidget* focus) const;

    QStringList steps_;
    int solutions_ = 0; // worked solutions handed in so far
    std::vector<QAbstractButton*> calculateButtons_; // the first is the one Return presses
    struct Answer {
        QWidget* widget;
        std::function<QString()> copyText;
    };
    std::vector<Answer> answers_;
    QMenu* answerMenu_;
    QAction *mnuCopiarResposta_, *mnuResolucao_;
    QWidget* menuAnswer_ = nullptr; // the answer the menu was last opened on
    std::vector<std::pair<QWidget*, QAbstractButton*>> submits_;
    bool closesOnEscape_ = true;
    QGridLayout* grid_;
    QHBoxLayout* buttons_;
    int rows_ = 0;
};

} // namespace calvorin
