#include "app/topics.h"

#include "app/allwindows.h"
#include "platform/guard.h"
#include "ui/frames.h"
#include "ui/linklabel.h"
#include "ui/registry.h"

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
        connectGuarded(label, &LinkLabel::clicked, this, link.show);
    }
    closeOnEscape(this, [this] { close(); });
    applyFrame(this, Frame{caption, Border::Tool, stayOnTop, false, true});
}

} // namespace calvorin

using calvorin::TopicPage;

// kept as the program has always written it: the capitals of "Combinações Simples", "Progressões Aritméticas"
// and "Progressões Geométricas", "poligono" without its accent and "Física/Química" unspaced, unlike the main
// window's links
TfrmAnalise::TfrmAnalise()
    : TopicPage("frmAnalise", "Análise combinatória", true,
                {{"Combinações Simples", &calvorin::open<TfrmCombinations>},
                 {"Números fatoriais", &calvorin::open<TfrmFatoriais>}}) {}

TfrmPA::TfrmPA()
    : TopicPage("frmPA", "Progressões Aritméticas", true,
                {{"Termo qualquer de uma PA", &calvorin::open<TfrmTQPA>},
                 {"Número de termos de uma PA", &calvorin::open<TfrmNTPA>},
                 {"Soma dos termos de uma PA", &calvorin::open<TfrmSTPA>}}) {}

TfrmPG::TfrmPG()
    : TopicPage("frmPG", "Progressões Geométricas", true,
                {{"Termo qualquer de uma PG", &calvorin::open<TfrmTQPG>},
                 {"Soma dos termos de uma PG", &calvorin::open<Tfrmstpg>},
                 {"Produto dos termos de uma PG", &calvorin::open<Tfrmptpg>}}) {}

// The only topic page that does not stay on top.
TfrmMatrizes::TfrmMatrizes()
    : TopicPage("frmMatrizes", "Matrizes", false,
                {{"Cálculo de determinantes", &calvorin::open<TfrmDeterminante>},
                 {"Operações com matrizes", &calvorin::open<TfrmOperMatrizes>}}) {}

TfrmAnalitica::TfrmAnalitica()
    // kept as the program has always written it: the caption's accent on the first a, while its links read
    // "Geometria analítica"
    : TopicPage("frmAnalitica", "Geometria análitica", true,
                {{"Distância entre 2 pontos", &calvorin::open<TfrmDistancia>},
                 {"Inclinação de uma reta", &calvorin::open<TfrmInclination>},
                 {"Distância entre um ponto e uma reta", &calvorin::open<TfrmPontoReta>}}) {}

Tfrmtools::Tfrmtools()
    : TopicPage("frmtools", "Ferramentas matemáticas", true,
                {{"Conversor de temperaturas: (Celsius/Kelvin/Fahrenheit)",
                  &calvorin::open<TfrmConvertTemperatura>},
                 {"Calculadora", &calvorin::open<TfrmCalc>},
                 {"Gerador de gráficos", &calvorin::open<TfrmGraph>},
                 {"Regra de 3", &calvorin::open<TfrmRegra3>}}) {}

Tfrmgeometria::Tfrmgeometria()
    : TopicPage("frmgeometria", "Geometria", true,
                {{"Geometria analítica", &calvorin::open<TfrmAnalitica>},
                 {"Teorema de Pitágoras", &calvorin::open<TfrmPitagoras>},
                 {"Funções trigonométricas", &calvorin::open<TfrmTrigonometria>},
                 {"Soma dos ângulos internos de um poligono", &calvorin::open<TfrmSumAng>},
                 {"Número de diagonais de um poligono", &calvorin::open<TfrmDiagonais>}}) {}

TfrmFisica::TfrmFisica()
    : TopicPage("frmFisica", "Física/Química", true,
                {{"Cálculo de calorias gastas por um corpo", &calvorin::open<TfrmCalorias>},
                 {"Conversor de temperaturas: (Celsius/Kelvin/Fahrenheit)",
                  &calvorin::open<TfrmConvertTemperatura>},
                 {"Conversor de velocidades (Km/h/Metro/seg)", &calvorin::open<TfrmConvertVelocidade>}}) {}
