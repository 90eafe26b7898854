#include "app/topics.h"

#include "ui/frames.h"
#include "ui/linklabel.h"
#include "ui/registry.h"
#include "platform/guard.h"

#include <QVBoxLayout>

namespace calvorin {

TopicPage::TopicPage(const char* name, const QString& caption, bool stayOnTop,
                     std::initializer_list<TopicLink> links) {
    setObjectName(name);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 12, 24, 12);
    column->setSpacing(8);
    int number = 0;
    for (const TopicLink& link : links) {
        const QByteArray name = "Label" + QByteArray::number(++number);
        LinkLabel* label = makeLink(this, name.constData(), QString::fromUtf8(link.caption));
        column->addWidget(label);
        const char* target = link.window;
        connectGuarded(label, &LinkLabel::clicked, this, [target] { showWindow(target); });
    }
    applyFrame(this, Frame{caption, Border::Tool, stayOnTop, false, true});
}

} // namespace calvorin

using calvorin::TopicPage;

TfrmAnalise::TfrmAnalise()
    : TopicPage("frmAnalise", "Análise combinatória", true,
                {{"Combinações Simples", "TfrmCombinations"}, {"Números fatoriais", "TfrmFatoriais"}}) {}

TfrmPA::TfrmPA()
    : TopicPage("frmPA", "Progressões Aritméticas", true,
                {{"Termo qualquer de uma PA", "TfrmTQPA"},
                 {"Número de termos de uma PA", "TfrmNTPA"},
                 {"Soma dos termos de uma PA", "TfrmSTPA"}}) {}

TfrmPG::TfrmPG()
    : TopicPage("frmPG", "Progressões Geométricas", true,
                {{"Termo qualquer de uma PG", "TfrmTQPG"},
                 {"Soma dos termos de uma PG", "Tfrmstpg"},
                 {"Produto dos termos de uma PG", "Tfrmptpg"}}) {}

// The only topic page that does not stay on top.
TfrmMatrizes::TfrmMatrizes()
    : TopicPage("frmMatrizes", "Matrizes", false,
                {{"Cálculo de determinantes", "TfrmDeterminante"},
                 {"Operações com matrizes", "TfrmOperMatrizes"}}) {}

TfrmAnalitica::TfrmAnalitica()
    : TopicPage("frmAnalitica", "Geometria análitica", true,
                {{"Distância entre 2 pontos", "TfrmDistancia"},
                 {"Inclinação de uma reta", "TfrmInclination"},
                 {"Distância entre um ponto e uma reta", "TfrmPontoReta"}}) {}

Tfrmtools::Tfrmtools()
    : TopicPage("frmtools", "Ferramentas matemáticas", true,
                {{"Conversor de temperaturas: (Celsius/Kelvin/Fahrenheit)", "TfrmConvertTemperatura"},
                 {"Calculadora", "TfrmCalc"},
                 {"Gerador de gráficos", "TfrmGraph"},
                 {"Regra de 3", "TfrmRegra3"}}) {}

Tfrmgeometria::Tfrmgeometria()
    : TopicPage("frmgeometria", "Geometria", true,
                {{"Geometria analítica", "TfrmAnalitica"},
                 {"Teorema de Pitágoras", "TfrmPitagoras"},
                 {"Funções trigonométricas", "TfrmTrigonometria"},
                 {"Soma dos ângulos internos de um poligono", "TfrmSumAng"},
                 {"Número de diagonais de um poligono", "TfrmDiagonais"}}) {}

TfrmFisica::TfrmFisica()
    : TopicPage("frmFisica", "Física/Química", true,
                {{"Cálculo de calorias gastas por um corpo", "TfrmCalorias"},
                 {"Conversor de temperaturas: (Celsius/Kelvin/Fahrenheit)", "TfrmConvertTemperatura"},
                 {"Conversor de velocidades (Km/h/Metro/seg)", "TfrmConvertVelocidade"}}) {}
