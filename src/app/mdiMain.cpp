#include "app/mdiMain.h"

#include <QMenuBar>

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmMain");
    setWindowTitle("Calvorin 2.1");
    QMenu* sistema = menuBar()->addMenu("Sistema");
    QMenu* relatorios = sistema->addMenu("&Gerador de relatórios");
    mnuStart = relatorios->addAction("&Iniciar geração de relatório");
    mnuStart->setObjectName("mnuStart");
    mnuStop = relatorios->addAction("&Parar geração de relatório");
    mnuStop->setObjectName("mnuStop");
    mnuStop->setEnabled(false);
    mnuRestart = relatorios->addAction("Retomar geração do relatório atual");
    mnuRestart->setObjectName("mnuRestart");
    mnuRestart->setEnabled(false);
}
