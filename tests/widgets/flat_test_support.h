// A white-ish test window that is shown and active, and pixel reading by grabbing offscreen.
#pragma once

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

inline const QColor kParentColour{200, 220, 240};

inline QColor pixelAt(QWidget* w, int x, int y) {
    return w->grab().toImage().pixelColor(x, y);
}

// Distinct colours painted anywhere in the control.
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
    }

    // Shows the window and makes it the active one, as the program's windows are.
    void showActive() {
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Moves the cursor over w at pos (the window system delivers the move).
    static void hover(QWidget* w, QPoint pos = {}) {
        QTest::mouseMove(w, pos.isNull() ? w->rect().center() : pos);
    }
    // Moves the cursor onto the window's bare background.
    void hoverBackground() { QTest::mouseMove(&window, {window.width() - 5, window.height() - 5}); }
};
