#pragma once
// The main window: menus, category panels, and the splash flag the start-up script may clear.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include <QAction>
#include <QMainWindow>

class QFrame;
class QLabel;
class QMenu;

namespace calvorin {
class LinkLabel;
}

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);

    quint8 splash = 1; // 1: show the credits window after the start-up script

    QAction* mnuStart = nullptr;
    QAction* mnuStop = nullptr;
    QAction* mnuRestart = nullptr;
    QAction* mnuClose = nullptr;
    QAction* mnuHelp = nullptr;

    // Left column: the categories, the command window, the news, the maker.
    calvorin::LinkLabel* Label1 = nullptr; // Algebra
    calvorin::LinkLabel* Label2 = nullptr; // Geometria
    calvorin::LinkLabel* Label3 = nullptr; // Física / Química
    calvorin::LinkLabel* Label4 = nullptr; // Ferramentas
    calvorin::LinkLabel* Label8 = nullptr; // Interpretador de comandos
    calvorin::LinkLabel* Label6 = nullptr; // Novidades
    calvorin::LinkLabel* Label5 = nullptr; // the maker's window
    calvorin::LinkLabel* Label7 = nullptr; // the maker's web page

    QFrame* pnlAlgebra = nullptr;
    QFrame* pnlGeo = nullptr;
    QFrame* pnlFisica = nullptr;
    QFrame* pnlTools = nullptr;
    QFrame* pnlNews = nullptr;
    calvorin::LinkLabel* imgNews = nullptr; // the news picture; the credits window copies it

    // The news picture as shown now (empty when it could not be read).
    QPixmap newsPicture() const;

    // Runs the start-up script, then shows the credits unless the script said nosplash.
    // Called once, right after the window first appears.
    void FormShow();

    // Hides every category panel, then shows this one.
    void showPanel(QFrame* panel);

    void mnuStartClick();
    void mnuStopClick();
    void mnuRestartClick();
    void mnuCloseClick();
    void mnuHelpClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    QWidget* createLeftColumn();
    void createPanels(QWidget* area);
    QFrame* createPanel(QWidget* area, const char* name, const QString& heading);
    // The news panel is hidden at start, so its picture is read when first shown or asked for.
    void readNewsPicture() const;

    bool shown_ = false;
    mutable bool newsPictureRead_ = false;
};
