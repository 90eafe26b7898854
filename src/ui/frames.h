#pragma once
// The window frames the program uses, set in one place.
#include <QString>

#include <functional>

class QLabel;
class QWidget;
class TFlatButton;

namespace calvorin {

enum class Border {
    Single, // fixed size, title bar with the system menu and the minimise box
    Tool,   // slim title bar with a close box only
};

struct Frame {
    QString caption;
    Border border = Border::Single;
    bool stayOnTop = false;
    bool centred = false; // opened in the centre of the screen; otherwise the default position
    bool white = true;    // white background
};

// Applies the frame to a top-level window. Call it after the window's controls are laid out:
// the window's size is then fixed (when the window is first needed, see below).
void applyFrame(QWidget* window, const Frame& frame);

// Work a window needs only once it is seen, such as its size and place or its pictures. While the
// registry creates the program's windows the work waits until the window is first shown or handed
// out by the registry, so that windows nobody opens cost little; otherwise it runs at once.
// Pieces of work run in the order they were given.
void whenFirstNeeded(QWidget* window, std::function<void()> work);
// Runs the window's waiting work now.
void makeReady(QWidget* window);
// While one exists, work given to whenFirstNeeded() waits.
struct DeferUntilNeeded {
    DeferUntilNeeded();
    ~DeferUntilNeeded();
};

// A flat button with its name and caption: the usual 75 x 25, wider where the caption needs it.
TFlatButton* makeButton(QWidget* parent, const QString& name, const QString& caption);

// The label beside a control names it for screen readers.
void labelControl(QLabel* label, QWidget* control);

// Esc anywhere in the window runs `close`, the window's own way of closing.
void closeOnEscape(QWidget* window, std::function<void()> close);

// Paints a widget's background white (windows, panels).
void setWhiteBackground(QWidget* widget);

} // namespace calvorin
