// What the flat controls share: their colours, the active-program test, the embossed
// caption and the program-wide hover timers.
#pragma once

#include <QColor>
#include <QString>

class QPainter;
class QRect;
class QTimer;
class QWidget;

namespace flat {

// The muted colours every flat control starts with.
inline const QColor kFlatGrey{235, 234, 225};
inline const QColor kPressedGrey{217, 214, 197};
inline const QColor kBorderGrey{160, 150, 131};

// Hover highlighting only starts while one of the program's windows is active.
// Tests that cannot activate a window may replace the check.
using ActiveCheck = bool (*)();
bool programActive();
void setActiveCheck(ActiveCheck check); // nullptr restores the default

// The system colours the embossed caption and disabled marks use.
QColor systemHighlight(const QWidget& w);
QColor systemShadow(const QWidget& w);

// One line or wrapped caption with "&" mnemonics; a disabled control draws it
// embossed: highlight one pixel right and down, then shadow in place.
void drawCaption(QPainter& p, const QWidget& w, const QRect& r, int flags, const QString& text);

// Draws a one-pixel line from a to b, leaving out b itself.
void drawOpenLine(QPainter& p, int ax, int ay, int bx, int by, const QColor& c);

// The one-pixel frame just inside r: top and left in one colour, bottom and right (with the two
// corners they share with the others) in the second. Each side is filled as a rectangle of its
// own: at a fractional scale a pen's one-pixel line falls between device pixels and fades or
// vanishes, a filled side covers whole device pixels.
void drawFrame(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight);
inline void drawFrame(QPainter& p, const QRect& r, const QColor& c) {
    drawFrame(p, r, c, c);
}

} // namespace flat

// A control that the hover timer can follow.
class FlatHoverClient {
public:
    virtual ~FlatHoverClient() = default;
    virtual QWidget* hoverWidget() = 0;
    virtual void mouseEnter() = 0;
    virtual void mouseLeave() = 0;
};

// One program-wide 100 ms timer per control class: it exists while at least one control
// of the class exists and follows at most one of them, the tracked control.
class FlatHoverGroup {
public:
    void attach();                   // a control of the class was created
    void detach(FlatHoverClient* c); // ... and destroyed

    // A mouse move over c (step 1 of hover tracking).
    void mouseMoved(FlatHoverClient* c);
    // Stop following c if it is the tracked control.
    void release(FlatHoverClient* c);

    QTimer* timer() const { return timer_; }
    FlatHoverClient* tracked() const { return tracked_; }
    int controls() const { return controls_; }

    // The timer's tick: the tracked control is left once the cursor is elsewhere.
    void tick();

private:
    int controls_ = 0;
    QTimer* timer_ = nullptr;
    FlatHoverClient* tracked_ = nullptr;
};
