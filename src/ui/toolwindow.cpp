#include "ui/toolwindow.h"

#include "core/numbers.h"
#include "platform/clipboard.h"
#include "ui/fResolucao.h"
#include "ui/frames.h"
#include "ui/reportlog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace calvorin {

namespace {
template <class Control> Control* named(Control* control, const QString& name) {
    control->setObjectName(name);
    return control;
}

// The formulas' UTF-8 lines as the windows show and record them.
QStringList toQt(const std::vector<std::string>& lines) {
    QStringList converted;
    for (const std::string& line : lines)
        converted << QString::fromStdString(line);
    return converted;
}

// Keeps a narrow edit's start in view and its whole text in the tooltip when it does not fit.
class StartInView : public QObject {
public:
    explicit StartInView(QLineEdit* edit) : QObject(edit), edit_(edit) {
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textChanged, this, &StartInView::update);
        connect(edit, &QLineEdit::editingFinished, this, &StartInView::update); // typing ended
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize) update();
        return false;
    }

private:
    void update() {
        if (!edit_->hasFocus()) edit_->home(false);
        edit_->setToolTip(fits() ? QString() : edit_->text());
    }
    // The room QLineEdit leaves its text: the contents less the text margins, its own 2 px on
    // each side and the frame it draws.
    bool fits() const {
        const QMargins margins = edit_->textMargins();
        int room = edit_->contentsRect().width() - margins.left() - margins.right() - 2 * 2;
        if (edit_->hasFrame()) room -= 2 * edit_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit_);
        return edit_->fontMetrics().horizontalAdvance(edit_->text()) <= room;
    }
    QLineEdit* edit_;
};
} // namespace

void ToolWindow::showsFromStart(QLineEdit* edit) {
    new StartInView(edit);
}

ToolWindow::ToolWindow(QWidget* parent) : QWidget(parent) {
    auto* outer = new QVBoxLayout(this);
    grid_ = new QGridLayout;
    buttons_ = new QHBoxLayout;
    outer->addLayout(grid_);
    outer->addLayout(buttons_);

    // The worked solution: F2 opens it; the answers' context menu offers it beside copying the
    // answer, and Shift+F10 or the menu key open that menu on the first answer.
    answerMenu_ = named(new QMenu(this), "mnuResposta");
    mnuCopiarResposta_ = addMenuItem(answerMenu_, "mnuCopiarResposta", "Copiar resposta");
    mnuResolucao_ = addMenuItem(answerMenu_, "mnuResolucao", "Resolução passo a passo");
    mnuResolucao_->setShortcut(Qt::Key_F2);
    connectGuarded(mnuCopiarResposta_, &QAction::triggered, this, [this] {
        for (const Answer& a : answers_)
            if (a.widget == menuAnswer_) setClipboardText(a.copyText());
    });
    connectGuarded(mnuResolucao_, &QAction::triggered, this, &ToolWindow::showSteps);
    connectGuarded(new QShortcut(Qt::Key_F2, this), &QShortcut::activated, this, &ToolWindow::showSteps);
    for (QKeySequence keys : {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] {
            if (!answers_.empty())
                answerMenu(answers_.front().widget, answers_.front().widget->rect().center());
        });
}

bool ToolWindow::valid(std::initializer_list<const QLineEdit*> inputs, const QString& message) {
    for (const QLineEdit* input : inputs) {
        if (!isNumeric(input->text().toStdString())) {
            if (!message.isEmpty()) dialogs().message(message);
            return false;
        }
    }
    return true;
}

double ToolWindow::number(const QLineEdit* input) {
    return fpu::toDouble(strToFloat(input->text().toStdString()));
}

Real ToolWindow::extendedNumber(const QLineEdit* input) {
    return strToFloat(input->text().toStdString());
}

QString ToolWindow::format(Real value) {
    return QString::fromStdString(formatGeneral(value.value()));
}

void ToolWindow::display(QLabel* answer, Real result) {
    answer->setText(format(result));
}

void ToolWindow::record(const QStringList& lines) {
    reportLog().record(lines);
}

void ToolWindow::record(const Report& lines) {
    record(toQt(lines));
}

void ToolWindow::copy(const QLabel* answer) {
    setClipboardText(answer->text());
}

QLabel* ToolWindow::label(const QString& name, const QString& caption) {
    auto* l = named(new QLabel(this), name);
    l->setTextFormat(Qt::PlainText); // captions are shown as they are, never as markup
    l->setText(caption);
    return l;
}

FlatEdit* ToolWindow::edit(const QString& name, const QString& text) {
    auto* e = named(new FlatEdit(this), name);
    e->setColorFlat(Qt::white); // white on the white window, with the border-grey outline
    if (!text.isEmpty()) e->setText(text);
    return e;
}

QLabel* ToolWindow::answer(const QString& caption, const QString& name) {
    QLabel* l = label(name, caption);
    l->setTextInteractionFlags(Qt::NoTextInteraction);
    answers(l);
    return l;
}

FlatButton* ToolWindow::button(const QString& name, const QString& caption) {
    FlatButton* b = makeButton(this, name, caption);
    if (caption == captions::calculate || caption == captions::plainCalculate) calculates(b);
    return b;
}

void ToolWindow::calculates(QAbstractButton* button) {
    calculateButtons_.push_back(button);
}

void ToolWindow::submits(QWidget* input, QAbstractButton* button) {
    submits_.emplace_back(input, button);
}

QAbstractButton* ToolWindow::buttonFor(const QWidget* focus) const {
    if (!focus) return nullptr;
    for (const auto& [input, button] : submits_)
        if (input == focus || input->isAncestorOf(focus)) return button;
    const bool input = qobject_cast<const QLineEdit*>(focus) || qobject_cast<const QComboBox*>(focus);
    return input && !calculateButtons_.empty() ? calculateButtons_.front() : nullptr;
}

void ToolWindow::keyPressEvent(QKeyEvent* event) {
    // Edits and combo boxes leave Return and Esc to their window, as in a dialog.
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            QAbstractButton* button = buttonFor(focusWidget());
            if (button && button->isVisible() && button->isEnabled()) {
                button->click();
                return;
            }
        } else if (event->key() == Qt::Key_Escape && closesOnEscape_) {
            close();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void ToolWindow::press(QAbstractButton* button, const std::function<void()>& handler) {
    const int boxes = boxesShown(), solutions = solutions_;
    runGuarded(handler);
    // A press that ended in a box without handing in a worked solution failed and leaves none; one
    // that ended in neither did nothing, and the steps still explain the answer shown.
    const bool calculate =
        std::find(calculateButtons_.begin(), calculateButtons_.end(), button) != calculateButtons_.end();
    if (calculate && solutions_ == solutions && boxesShown() != boxes) clearSteps();
}

void ToolWindow::answers(QWidget* widget, std::function<QString()> copyText) {
    if (!copyText) {
        copyText = [widget] {
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
            return static_cast<QLabel*>(widget)->text();
        };
    }
    answers_.push_back({widget, std::move(copyText)});
    widget->setToolTip(
        QStringLiteral("Clique com o botão direito ou tecle F2 para ver a resolução passo a passo"));
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(widget, &QWidget::customContextMenuRequested, this,
            [this, widget](QPoint at) { answerMenu(widget, at); });
}

void ToolWindow::answerMenu(QWidget* answer, QPoint at) {
    menuAnswer_ = answer;
    const QPoint global = answer->mapToGlobal(at);
    if (auto* edit = qobject_cast<QLineEdit*>(answer)) {
        // An edit keeps its own items above ours.
        QMenu* menu = edit->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addSeparator();
        menu->addActions(answerMenu_->actions());
        menu->popup(global);
        return;
    }
    answerMenu_->popup(global);
}

void ToolWindow::showSteps() {
    calvorin::window<TfrmResolucao>().open(this);
}

void ToolWindow::clearSteps() {
    if (steps_.isEmpty()) return;
    steps_.clear();
    emit stepsChanged();
}

FlatRadioButton* ToolWindow::radio(const QString& name, const QString& caption, bool checked) {
    auto* r = named(new FlatRadioButton(this), name);
    r->setText(caption);
    r->setChecked(checked);
    return r;
}

FlatCheckBox* ToolWindow::checkBox(const QString& name, const QString& caption) {
    auto* c = named(new FlatCheckBox(this), name);
    c->setText(caption);
    return c;
}

FlatComboBox* ToolWindow::combo(const QString& name, const QStringList& items) {
    auto* c = named(new FlatComboBox(this), name);
    c->setColorFlat(Qt::white);
    c->setEditable(true);
    c->addItems(items);
    c->setCurrentIndex(-1);
    return c;
}

QGroupBox* ToolWindow::group(const QString& name, const QString& title,
                             std::initializer_list<std::initializer_list<QWidget*>> rows) {
    auto* box = named(new QGroupBox(title, this), name);
    auto* layout = new QGridLayout(box);
    int r = 0;
    for (const auto& widgets : rows) {
        int column = 0;
        for (QWidget* w : widgets)
            layout->addWidget(w, r, column++);
        ++r;
    }
    return box;
}

std::tuple<FlatButton*, FlatButton*, FlatButton*> ToolWindow::standardButtons(const QLabel* answer,
                                                                              const QString& calculate,
                                                                              const QString& close,
                                                                              const QString& copy) {
    FlatButton* calc = button(calculate, captions::calculate);
    FlatButton* shut = button(close, captions::close);
    FlatButton* copier = button(copy, captions::copy);
    buttonRow({calc, shut, copier});
    closes(shut);
    copies(copier, answer);
    return {calc, shut, copier};
}

std::tuple<FlatButton*, FlatButton*, FlatButton*> ToolWindow::plainButtons(const QLabel* answer,
                                                                           const QString& calculate,
                                                                           const QString& close,
                                                                           const QString& copy) {
    FlatButton* calc = button(calculate, captions::plainCalculate);
    FlatButton* copier = button(copy, captions::copy);
    FlatButton* shut = button(close, captions::plainClose);
    buttonRow({calc, copier, shut});
    closes(shut);
    copies(copier, answer);
    return {calc, shut, copier};
}

void ToolWindow::closes(QAbstractButton* button) {
    connectGuarded(button, &QAbstractButton::clicked, this, [this] { close(); });
}

void ToolWindow::copies(QAbstractButton* button, const QLabel* answer) {
    connectGuarded(button, &QAbstractButton::clicked, this, [answer] { copy(answer); });
}

void ToolWindow::row(std::initializer_list<QWidget*> widgets) {
    const int r = rows_++;
    if (widgets.size() == 1) {
        grid_->addWidget(*widgets.begin(), r, 0, 1, -1);
        return;
    }
    int column = 0;
    QLabel* caption = nullptr; // names the edit or combo box that follows it
    for (QWidget* w : widgets) {
        if (auto* l = qobject_cast<QLabel*>(w)) {
            caption = l;
        } else if (caption && (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w))) {
            labelControl(caption, w);
            caption = nullptr;
        }
        grid_->addWidget(w, r, column++);
    }
}

void ToolWindow::solved(const std::vector<std::string>& steps) {
    steps_ = toQt(steps);
    ++solutions_;
    emit stepsChanged();
}

QAction* ToolWindow::addMenuItem(QMenu* menu, const QString& name, const QString& caption) {
    return named(menu->addAction(caption), name);
}

void ToolWindow::buttonRow(std::initializer_list<QWidget*> buttons) {
    for (QWidget* b : buttons)
        buttons_->addWidget(b);
}

void ToolWindow::finish(const QString& caption, bool stayOnTop, bool centred) {
    applyFrame(this, Frame{caption, Border::Single, stayOnTop, centred, true});
}

} // namespace calvorin
