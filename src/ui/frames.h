#pragma once
// The window frames the program uses, set in one place.
#include <QString>

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
// the window's size is then fixed.
void applyFrame(QWidget* window, const Frame& frame);

// A flat button with its name and caption: the usual 75 x 25, wider where the caption needs it.
TFlatButton* makeButton(QWidget* parent, const QString& name, const QString& caption);

// The label beside a control names it for screen readers.
void labelControl(QLabel* label, QWidget* control);

// Paints a widget's background white (windows, panels).
void setWhiteBackground(QWidget* widget);

} // namespace calvorin
