#pragma once
// The main window: menus, category panels, and the two flags other windows read.
#include <QAction>
#include <QMainWindow>

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);

    quint8 recording = 0; // 1 while report recording is on
    quint8 splash = 1;    // 1: show the credits window after the start-up script

    QAction* mnuStart = nullptr;
    QAction* mnuStop = nullptr;
    QAction* mnuRestart = nullptr;
};
