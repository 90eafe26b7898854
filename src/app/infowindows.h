#pragma once
// The information windows: the credits, how to help, and the maker's own window.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include <QWidget>

class QAbstractButton;
class QLabel;

namespace calvorin {
class LinkLabel;
}

// The credits, shown at the end of start-up unless the script said nosplash.
class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    TfrmSplash();

    QLabel* imgRetrato = nullptr; // a copy of the main window's news picture, renewed on each show
    QLabel* lblVersao = nullptr;
    QLabel* lblAutor = nullptr;
    QLabel* imgPintura = nullptr;
    QLabel* lblPintura = nullptr;
    calvorin::LinkLabel* lblSite = nullptr;
    calvorin::LinkLabel* lblEmail = nullptr;
    calvorin::LinkLabel* lblMeajude = nullptr;
    QAbstractButton* btnFechar = nullptr;

    void FormShow();
    void btnFecharClick();
    void lblMeajudeClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Invites the user to write to the author.
class TfrmMeajude : public QWidget {
    Q_OBJECT
public:
    TfrmMeajude();

    QLabel* imgCarta = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    calvorin::LinkLabel* lblEmail = nullptr;
    calvorin::LinkLabel* lblFechar = nullptr;

    void lblFecharClick();

protected:
    void showEvent(QShowEvent* event) override;
};

// About the maker: who writes Calvorin and where to find them.
class TfrmAutor : public QWidget {
    Q_OBJECT
public:
    TfrmAutor();

    QLabel* lblEmpresa = nullptr;
    QLabel* lblTexto = nullptr;
    calvorin::LinkLabel* lblSite = nullptr;
    calvorin::LinkLabel* lblEmail = nullptr;
    QAbstractButton* btnFechar = nullptr;

    void btnFecharClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
