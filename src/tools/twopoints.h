#pragma once
// What the two windows on a pair of points share: the rows of their coordinates.
#include "ui/toolwindow.h"

class TwoPointWindow : public calvorin::ToolWindow {
    Q_OBJECT
public:
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;

protected:
    using ToolWindow::ToolWindow;
    // "Cordenadas do ponto N:" over an X and a Y edit, for each point; the edits x1, y1, x2, y2.
    std::tuple<calvorin::FlatEdit*, calvorin::FlatEdit*, calvorin::FlatEdit*, calvorin::FlatEdit*>
    pointRows(const QString& x1, const QString& y1, const QString& x2, const QString& y2);
};
