// The start-up order list: every window created once, in the program's fixed order.
#include "windows.h"

#include "app/Korvanta.h"
#include "app/allwindows.h"
#include "help/fAjuda.h"
#include "ui/fResolucao.h"

namespace calvorin {

void createAllWindows(const std::function<void(QWidget*)>& mainCreated) {
    // The help viewer is made on first use, after this: its command list must be there by then.
    korvanta::listInHelp();
    installHelpViewer();
    // Sizes and pictures wait until a window is first needed: most are never opened in a run.
    const DeferUntilNeeded later;
    auto* const add = &WindowRegistry::add;
    // The main window first, as the application's main window; the creation handlers run in this order.
    auto* main = new TfrmMain;
    add(main);
    if (mainCreated) mainCreated(main);
    add(new TfrmEqua2);
    add(new TfrmTrigonometria);
    add(new TfrmSplash);
    add(new TfrmAutor);
    add(new TfrmJurosCompostos);
    add(new TfrmFatoriais);
    add(new TfrmCombinations);
    add(new TfrmTQPA);
    add(new TfrmNTPA);
    add(new TfrmSTPA);
    add(new TfrmTQPG);
    add(new Tfrmstpg);
    add(new Tfrmptpg);
    add(new TfrmPitagoras);
    add(new TfrmInclination);
    add(new TfrmDistancia);
    add(new TfrmRegra3);
    add(new TfrmCalorias);
    add(new TfrmConvertTemperatura);
    add(new TfrmOperMatrizes);
    add(new TfrmDeterminante);
    add(new TfrmCalc);
    add(new TfrmGraph);
    add(new TfrmReport);
    add(new TfrmViewReport);
    add(new TfrmConfirmNR);
    add(new TfrmComandos);
    add(new TfrmAnalise);
    add(new TfrmPA);
    add(new TfrmPG);
    add(new TfrmMatrizes);
    add(new TfrmAnalitica);
    add(new TfrmMDC);
    add(new TfrmMeajude);
    add(new TfrmEditor);
    add(new Tfrmtools);
    add(new TfrmSumAng);
    add(new Tfrmgeometria);
    add(new TfrmDiagonais);
    add(new TfrmPontoReta);
    add(new TfrmConvertVelocidade);
    add(new TfrmFisica);
    // Not one of the fixed order: the worked solutions come after it, so that order stays as it is.
    add(new TfrmResolucao);
}

} // namespace calvorin
