// The start-up order list: every window created once, in the program's fixed order.
#include "windows.h"

#include "app/allwindows.h"

namespace calvorin {

void createAllWindows() {
    // The main window first, as the application's main window; the creation handlers run in this order.
    WindowRegistry::add(new TfrmMain);
    WindowRegistry::add(new TfrmEqua2);
    WindowRegistry::add(new TfrmTrigonometria);
    WindowRegistry::add(new TfrmSplash);
    WindowRegistry::add(new TfrmAutor);
    WindowRegistry::add(new TfrmJurosCompostos);
    WindowRegistry::add(new TfrmFatoriais);
    WindowRegistry::add(new TfrmCombinations);
    WindowRegistry::add(new TfrmTQPA);
    WindowRegistry::add(new TfrmNTPA);
    WindowRegistry::add(new TfrmSTPA);
    WindowRegistry::add(new TfrmTQPG);
    WindowRegistry::add(new Tfrmstpg);
    WindowRegistry::add(new Tfrmptpg);
    WindowRegistry::add(new TfrmPitagoras);
    WindowRegistry::add(new TfrmInclination);
    WindowRegistry::add(new TfrmDistancia);
    WindowRegistry::add(new TfrmRegra3);
    WindowRegistry::add(new TfrmCalorias);
    WindowRegistry::add(new TfrmConvertTemperatura);
    WindowRegistry::add(new TfrmOperMatrizes);
    WindowRegistry::add(new TfrmDeterminante);
    WindowRegistry::add(new TfrmCalc);
    WindowRegistry::add(new TfrmGraph);
    WindowRegistry::add(new TfrmReport);
    WindowRegistry::add(new TfrmViewReport);
    WindowRegistry::add(new TfrmConfirmNR);
    WindowRegistry::add(new TfrmComandos);
    WindowRegistry::add(new TfrmAnalise);
    WindowRegistry::add(new TfrmPA);
    WindowRegistry::add(new TfrmPG);
    WindowRegistry::add(new TfrmMatrizes);
    WindowRegistry::add(new TfrmAnalitica);
    WindowRegistry::add(new TfrmMDC);
    WindowRegistry::add(new TfrmMeajude);
    WindowRegistry::add(new TfrmEditor);
    WindowRegistry::add(new Tfrmtools);
    WindowRegistry::add(new TfrmSumAng);
    WindowRegistry::add(new Tfrmgeometria);
    WindowRegistry::add(new TfrmDiagonais);
    WindowRegistry::add(new TfrmPontoReta);
    WindowRegistry::add(new TfrmConvertVelocidade);
    WindowRegistry::add(new TfrmFisica);
}

} // namespace calvorin
