// The only place that knows every window: creates them in the program's fixed start-up order.
#include "app/fEditor.h"
#include "app/fcomandos.h"
#include "app/infowindows.h"
#include "app/mdiMain.h"
#include "app/registry.h"
#include "app/topics.h"
#include "calc/fCalc.h"
#include "plot/fGraph.h"
#include "report/fConfirmNR.h"
#include "report/fReport.h"
#include "report/fViewReport.h"
#include "tools/fCalorias.h"
#include "tools/fCombinations.h"
#include "tools/fConvertVelocidade.h"
#include "tools/fDeterminante.h"
#include "tools/fDiagonais.h"
#include "tools/fDistancia.h"
#include "tools/fEqua2.h"
#include "tools/fFatorial.h"
#include "tools/fInclination.h"
#include "tools/fJuros.h"
#include "tools/fKCF.h"
#include "tools/fMDC.h"
#include "tools/fOperMatr.h"
#include "tools/fPitagoras.h"
#include "tools/fPontoReta.h"
#include "tools/fRegra3.h"
#include "tools/fStpa.h"
#include "tools/fSumAng.h"
#include "tools/fTrigonometria.h"
#include "tools/fntpa.h"
#include "tools/fptpg.h"
#include "tools/fstpg.h"
#include "tools/ftqpa.h"
#include "tools/ftqpg.h"

namespace calvorin {

void WindowRegistry::createAll(const std::function<void(QWidget*)>& mainCreated) {
    // Sizes and pictures wait until a window is first needed: most are never opened in a run.
    const DeferUntilNeeded later;
    // Order: TfrmMain, TfrmEqua2, TfrmTrigonometria, TfrmSplash, TfrmAutor (the maker's window),
    // TfrmJurosCompostos, TfrmFatoriais, TfrmCombinations, TfrmTQPA, TfrmNTPA, TfrmSTPA, TfrmTQPG,
    // Tfrmstpg, Tfrmptpg, TfrmPitagoras, TfrmInclination, TfrmDistancia, TfrmRegra3, TfrmCalorias,
    // TfrmConvertTemperatura, TfrmOperMatrizes, TfrmDeterminante, TfrmCalc, TfrmGraph, TfrmReport,
    // TfrmViewReport, TfrmConfirmNR, TfrmComandos, TfrmAnalise, TfrmPA, TfrmPG, TfrmMatrizes,
    // TfrmAnalitica, TfrmMDC, TfrmMeajude, TfrmEditor, Tfrmtools, TfrmSumAng, Tfrmgeometria,
    // TfrmDiagonais, TfrmPontoReta, TfrmConvertVelocidade, TfrmFisica.
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
}

} // namespace calvorin
