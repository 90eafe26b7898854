// The only place that knows every window: creates them in the program's fixed start-up order.
#include "app/fEditor.h"
#include "app/fcomandos.h"
#include "app/infowindows.h"
#include "app/mdiMain.h"
#include "app/registry.h"
#include "app/topics.h"
#include "plot/fGraph.h"
#include "report/fConfirmNR.h"
#include "report/fReport.h"
#include "report/fViewReport.h"
#include "tools/fEqua2.h"
#include "tools/fStpa.h"
#include "tools/fntpa.h"
#include "tools/ftqpa.h"

namespace calvorin {

void WindowRegistry::createAll() {
    // Order: TfrmMain, TfrmEqua2, TfrmTrigonometria, TfrmSplash, TfrmAutor (the maker's window),
    // TfrmJurosCompostos, TfrmFatoriais, TfrmCombinations, TfrmTQPA, TfrmNTPA, TfrmSTPA, TfrmTQPG,
    // Tfrmstpg, Tfrmptpg, TfrmPitagoras, TfrmInclination, TfrmDistancia, TfrmRegra3, TfrmCalorias,
    // TfrmConvertTemperatura, TfrmOperMatrizes, TfrmDeterminante, TfrmCalc, TfrmGraph, TfrmReport,
    // TfrmViewReport, TfrmConfirmNR, TfrmComandos, TfrmAnalise, TfrmPA, TfrmPG, TfrmMatrizes,
    // TfrmAnalitica, TfrmMDC, TfrmMeajude, TfrmEditor, Tfrmtools, TfrmSumAng, Tfrmgeometria,
    // TfrmDiagonais, TfrmPontoReta, TfrmConvertVelocidade, TfrmFisica.
    add(new TfrmMain);
    add(new TfrmEqua2);
    add(new TfrmSplash);
    add(new TfrmAutor);
    add(new TfrmTQPA);
    add(new TfrmNTPA);
    add(new TfrmSTPA);
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
    add(new TfrmMeajude);
    add(new TfrmEditor);
    add(new Tfrmtools);
    add(new Tfrmgeometria);
    add(new TfrmFisica);
}

} // namespace calvorin
