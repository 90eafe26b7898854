#include "ui/frames.h"

#include "platform/guard.h"
#include "widgets/TFlatButtonUnit.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

namespace calvorin {

namespace {
// A window of ours built on a plain widget is a window to screen readers too, not a filler.
QAccessibleInterface* accessibleWindow(const QString& className, QObject* o) {
    if (className == QLatin1String("QWidget") && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow())
        return new QAccessibleWidget(static_cast<QWidget*>(o), QAccessible::Window);
    return nullptr;
}

int deferring = 0;

// A window's waiting work, run when it is first shown (before it goes on screen) or when asked.
// Not at its polish: Qt polishes every new widget as soon as the event loop runs.
class WaitingWork : public QObject {
public:
    explicit WaitingWork(QWidget* window) : QObject(window) { window->installEventFilter(this); }

    std::vector<std::function<void()>> work;

    // Runs the work once and goes away.
    void run() {
        parent()->removeEventFilter(this);
        const auto todo = std::move(work);
        delete this;
        for (const auto& w : todo)
            w();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == parent()) run();
        return false;
    }
};

WaitingWork* waitingWork(QWidget* window) {
    for (QObject* child : window->children())
        if (auto* waiting = dynamic_cast<WaitingWork*>(child)) return waiting;
    return nullptr;
}

// The window at its natural size, fixed, centred when asked.
void fit(QWidget* window, bool centred) {
    if (window->minimumSize() != window->maximumSize()) {
        window->adjustSize();
        window->setFixedSize(window->size());
    } else {
        window->resize(window->minimumSize()); // the size is known, no need to measure the controls
    }
    if (centred) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            // By the window's size alone, as when it had no frame yet: once it is being shown it has
            // one, which would move it.
            QRect r(QPoint(), window->size());
            r.moveCenter(screen->availableGeometry().center());
            window->move(r.topLeft());
        }
    }
}

} // namespace

DeferUntilNeeded::DeferUntilNeeded() { ++deferring; }
DeferUntilNeeded::~DeferUntilNeeded() { --deferring; }

void whenFirstNeeded(QWidget* window, std::function<void()> work) {
    if (!deferring) {
        work();
        return;
    }
    WaitingWork* waiting = waitingWork(window);
    if (!waiting) waiting = new WaitingWork(window);
    waiting->work.push_back(std::move(work));
}

void makeReady(QWidget* window) {
    if (WaitingWork* waiting = waitingWork(window)) waiting->run();
}

void closeOnEscape(QWidget* window, std::function<void()> close) {
    connectGuarded(new QShortcut(QKeySequence(Qt::Key_Escape), window), &QShortcut::activated, window,
                   std::move(close));
}

void setWhiteBackground(QWidget* widget) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, Qt::white);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

TFlatButton* makeButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new TFlatButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    // Measuring a caption means shaping its text, and most windows have the same three buttons.
    static QHash<QString, int> widths;
    const QString key = button->font().key() + QLatin1Char('\n') + caption;
    auto width = widths.constFind(key);
    if (width == widths.constEnd()) {
        QString shown = caption;
        shown.remove(QLatin1Char('&'));
        width = widths.insert(key, button->fontMetrics().horizontalAdvance(shown));
    }
    button->setFixedSize(qMax(75, *width + 16), 25);
    return button;
}

void labelControl(QLabel* label, QWidget* control) {
    // As the label's buddy the control is named by the label's current text. A caption with "&"
    // would turn into an accelerator that way, so it names the control directly instead.
    if (label->text().contains(QLatin1Char('&')))
        control->setAccessibleName(label->text());
    else
        label->setBuddy(control);
}

void applyFrame(QWidget* window, const Frame& frame) {
    static const bool accessible = (QAccessible::installFactory(accessibleWindow), true);
    Q_UNUSED(accessible);
    Qt::WindowFlags flags =
        frame.border == Border::Tool
            ? Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            : Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                  Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    if (frame.stayOnTop) flags |= Qt::WindowStaysOnTopHint;
    window->setWindowFlags(flags);
    window->setWindowTitle(frame.caption);
    // The white reaches every control of the window: that too waits.
    whenFirstNeeded(window, [window, frame] {
        if (frame.white) setWhiteBackground(window);
        fit(window, frame.centred);
    });
}

} // namespace calvorin
