#include "ui/toolwindow.h"

#include "ui/frames.h"
#include "core/numbers.h"
#include "platform/clipboard.h"
#include "ui/fResolucao.h"
#include "ui/reportlog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QShortcut>
#include <QVBoxLayout>

namespace calvorin {

namespace {
template <class Control> Control* named(Control* control, const QString& name) {
    control->setObjectName(name);
    return control;
}
} // namespace

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
    QStringList converted;
    for (const std::string& line : lines)
        converted << QString::fromStdString(line);
    record(converted);
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
    // Connected before the window's handler, so it runs first.
    connect(button, &QAbstractButton::clicked, this, &ToolWindow::clearSteps);
}

void ToolWindow::answers(QWidget* widget, std::function<QString()> copyText) {
    if (!copyText) {
        copyText = [widget] {
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
            return static_cast<QLabel*>(widget)->text();
        };
    }
    answers_.push_back({widget, std::move(copyText)});
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
    auto& steps = calvorin::window<TfrmResolucao>();
    steps.follow(this);
    showWindow(&steps);
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
    steps_.clear();
    for (const std::string& line : steps)
        steps_ << QString::fromStdString(line);
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
