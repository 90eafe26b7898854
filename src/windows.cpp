// The only place that knows every window: creates them in the program's fixed start-up order.
#include "windows.h"

#include "app/allwindows.h"

namespace calvorin {

void createAllWindows() {
    // Order: TfrmMain, TfrmEqua2, TfrmTrigonometria, TfrmSplash, TfrmAutor (the maker's window),
    // TfrmJurosCompostos, TfrmFatoriais, TfrmCombinations, TfrmTQPA, TfrmNTPA, TfrmSTPA, TfrmTQPG,
    // Tfrmstpg, Tfrmptpg, TfrmPitagoras, TfrmInclination, TfrmDistancia, TfrmRegra3, TfrmCalorias,
    // TfrmConvertTemperatura, TfrmOperMatrizes, TfrmDeterminante, TfrmCalc, TfrmGraph, TfrmReport,
    // TfrmViewReport, TfrmConfirmNR, TfrmComandos, TfrmAnalise, TfrmPA, TfrmPG, TfrmMatrizes,
    // TfrmAnalitica, TfrmMDC, TfrmMeajude, TfrmEditor, Tfrmtools, TfrmSumAng, Tfrmgeometria,
    // TfrmDiagonais, TfrmPontoReta, TfrmConvertVelocidade, TfrmFisica.
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
