// A pale blue test window that is shown and active, and pixel reading by grabbing offscreen.
#pragma once

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

inline const QColor kParentColour{200, 220, 240};
inline const QColor kFlatGrey(235, 234, 225), kPressedGrey(217, 214, 197), kBorderGrey(160, 150, 131);

// A control of class T, for the tables that make one of each.
template <class T> T* create(QWidget* parent = nullptr) {
    return new T(parent);
}

inline QColor pixelAt(QWidget* w, int x, int y) {
    return w->grab().toImage().pixelColor(x, y);
}

// A palette colour as an 8-bit image pixel holds it.
inline QColor asPixel(const QColor& c) {
    return QColor(c.rgb());
}

// How many pixels of the control have exactly colour c.
inline int countPixels(QWidget* w, const QColor& c) {
    const QImage img = w->grab().toImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixelColor(x, y).rgb() == c.rgb();
    return n;
}

class FlatWindowTest : public ::testing::Test {
protected:
    QWidget window;

    void SetUp() override {
        QPalette p = window.palette();
        p.setColor(QPalette::Window, kParentColour);
        window.setPalette(p);
        window.setGeometry(100, 100, 320, 200);
        QCursor::setPos(20, 20); // away from the window, wherever the last test left it
    }

    // Shows the window and makes it the active one, as the program's windows are.
    void showActive() {
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Moves the cursor over w at pos (the window system delivers the move). A cursor already
    // there is nudged first, as a move to the same place is no move at all.
    static void hover(QWidget* w, QPoint pos = {}) {
        if (pos.isNull()) pos = w->rect().center();
        if (QCursor::pos() == w->mapToGlobal(pos)) QTest::mouseMove(w, pos + QPoint(1, 0));
        QTest::mouseMove(w, pos);
    }
    // Moves the cursor onto the window's bare background.
    void hoverBackground() { QTest::mouseMove(&window, {window.width() - 5, window.height() - 5}); }
};
