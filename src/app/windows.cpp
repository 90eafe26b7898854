// The only place that knows every window: creates them in the program's fixed start-up order.
#include "app/fEditor.h"
#include "app/fcomandos.h"
#include "app/mdiMain.h"
#include "app/registry.h"

namespace calvorin {

void WindowRegistry::createAll() {
    // Order: TfrmMain, TfrmEqua2, TfrmTrigonometria, TfrmSplash, the maker's information window,
    // TfrmJurosCompostos, TfrmFatoriais, TfrmCombinations, TfrmTQPA, TfrmNTPA, TfrmSTPA, TfrmTQPG,
    // Tfrmstpg, Tfrmptpg, TfrmPitagoras, TfrmInclination, TfrmDistancia, TfrmRegra3, TfrmCalorias,
    // TfrmConvertTemperatura, TfrmOperMatrizes, TfrmDeterminante, TfrmCalc, TfrmGraph, TfrmReport,
    // TfrmViewReport, TfrmConfirmNR, TfrmComandos, TfrmAnalise, TfrmPA, TfrmPG, TfrmMatrizes,
    // TfrmAnalitica, TfrmMDC, TfrmMeajude, TfrmEditor, Tfrmtools, TfrmSumAng, Tfrmgeometria,
    // TfrmDiagonais, TfrmPontoReta, TfrmConvertVelocidade, TfrmFisica.
    add(new TfrmMain);
    add(new TfrmComandos);
    add(new TfrmEditor);
}

} // namespace calvorin
