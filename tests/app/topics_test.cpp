// Topic pages, the credits and how-to-help windows, and the order the registry creates windows in.
#include "app_fixture.h"

#include "app/infowindows.h"
#include "ui/linklabel.h"

#include <QAbstractButton>
#include <QPainter>

#include <vector>

using namespace apptest;
using calvorin::LinkLabel;

namespace {

struct Link {
    const char* caption;
    const char* window;
};

struct TopicPage {
    const char* className;
    const char* caption;
    bool stayOnTop;
    std::vector<Link> links; // Label1, Label2, ... in this order
};

// clang-format off
const TopicPage topicPages[] = {
    {"TfrmAnalise", "Análise combinatória", true,
     {{"Combinações Simples", "TfrmCombinations"}, {"Números fatoriais", "TfrmFatoriais"}}},
    {"TfrmPA", "Progressões Aritméticas", true,
     {{"Termo qualquer de uma PA", "TfrmTQPA"}, {"Número de termos de uma PA", "TfrmNTPA"},
      {"Soma dos termos de uma PA", "TfrmSTPA"}}},
    {"TfrmPG", "Progressões Geométricas", true,
     {{"Termo qualquer de uma PG", "TfrmTQPG"}, {"Soma dos termos de uma PG", "Tfrmstpg"},
      {"Produto dos termos de uma PG", "Tfrmptpg"}}},
    {"TfrmMatrizes", "Matrizes", false,
     {{"Cálculo de determinantes", "TfrmDeterminante"}, {"Operações com matrizes", "TfrmOperMatrizes"}}},
    {"TfrmAnalitica", "Geometria análitica", true,
     {{"Distância entre 2 pontos", "TfrmDistancia"}, {"Inclinação de uma reta", "TfrmInclination"},
      {"Distância entre um ponto e uma reta", "TfrmPontoReta"}}},
    {"Tfrmtools", "Ferramentas matemáticas", true,
     {{"Conversor de temperaturas: (Celsius/Kelvin/Fahrenheit)", "TfrmConvertTemperatura"},
      {"Calculadora", "TfrmCalc"}, {"Gerador de gráficos", "TfrmGraph"}, {"Regra de 3", "TfrmRegra3"}}},
    {"Tfrmgeometria", "Geometria", true,
     {{"Geometria analítica", "TfrmAnalitica"}, {"Teorema de Pitágoras", "TfrmPitagoras"},
      {"Funções trigonométricas", "TfrmTrigonometria"},
      {"Soma dos ângulos internos de um poligono", "TfrmSumAng"},
      {"Número de diagonais de um poligono", "TfrmDiagonais"}}},
    {"TfrmFisica", "Física/Química", true,
     {{"Cálculo de calorias gastas por um corpo", "TfrmCalorias"},
      {"Conversor de temperaturas: (Celsius/Kelvin/Fahrenheit)", "TfrmConvertTemperatura"},
      {"Conversor de velocidades (Km/h/Metro/seg)", "TfrmConvertVelocidade"}}},
};
// clang-format on

class TopicPageTest : public WindowTest {};

TEST_F(TopicPageTest, CaptionFrameAndLinks) {
    for (const TopicPage& page : topicPages) {
        SCOPED_TRACE(page.className);
        QWidget* w = windowNamed(page.className);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8(page.caption));
        EXPECT_EQ(bool(w->windowFlags() & Qt::WindowStaysOnTopHint), page.stayOnTop);
        EXPECT_TRUE(w->findChildren<QAbstractButton*>().isEmpty()); // links only

        EXPECT_EQ(w->findChildren<LinkLabel*>().size(), qsizetype(page.links.size()));
        for (size_t i = 0; i < page.links.size(); ++i) {
            const QByteArray name = "Label" + QByteArray::number(qsizetype(i + 1));
            SCOPED_TRACE(name.constData());
            auto* label = child<LinkLabel>(w, name.constData());
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), QString::fromUtf8(page.links[i].caption));
            EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);

            hideAllWindows();
            calvorin::showWindow(w);
            click(label);
            expectShown(page.links[i].window);
            EXPECT_TRUE(w->isVisible()); // the page stays open
        }
    }
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(TopicPageTest, ClosedPageReopensAsTheSameWindowFromTheMainWindow) {
    QWidget* pa = windowNamed("TfrmPA");
    showMainWindow(mainWindow().pnlAlgebra);
    click(child(&mainWindow(), "lblPA"));
    ASSERT_TRUE(pa->isVisible());
    pa->close();
    EXPECT_FALSE(pa->isVisible());
    click(child(&mainWindow(), "lblPA"));
    EXPECT_TRUE(pa->isVisible());
    EXPECT_EQ(windowNamed("TfrmPA"), pa);
}

class CreditsTest : public WindowTest {
protected:
    TfrmSplash& splash() { return calvorin::window<TfrmSplash>(); }
};

TEST_F(CreditsTest, EnterEscAndFecharCloseItAndTheMakersWindow) {
    const std::pair<const char*, int> keys[] = {
        {"Enter", Qt::Key_Return}, {"keypad Enter", Qt::Key_Enter}, {"Esc", Qt::Key_Escape}};
    // Pressed on the window, or on the button holding the focus, which passes them on.
    for (QWidget* target : {static_cast<QWidget*>(&splash()), static_cast<QWidget*>(splash().btnFechar)}) {
        for (const auto& [name, key] : keys) {
            calvorin::showWindow(&splash());
            pressKey(target, key);
            EXPECT_FALSE(splash().isVisible()) << name << " on " << target->objectName().toStdString();
        }
    }
    calvorin::showWindow(&splash());
    pressKey(&splash(), Qt::Key_A);
    EXPECT_TRUE(splash().isVisible()) << "another key leaves it open";
    auto& autor = calvorin::window<TfrmAutor>();
    calvorin::showWindow(&autor);
    pressKey(&autor, Qt::Key_Escape);
    EXPECT_FALSE(autor.isVisible());
    for (auto [w, fechar] :
         {std::pair<QWidget*, QAbstractButton*>{&splash(), splash().btnFechar}, {&autor, autor.btnFechar}}) {
        calvorin::showWindow(w);
        fechar->click();
        EXPECT_FALSE(w->isVisible()) << w->metaObject()->className();
    }
}

TEST_F(CreditsTest, PortraitIsTheMainWindowsNewsPictureAtEachShow) {
    EXPECT_FALSE(splash().imgPintura->pixmap().isNull())
        << "the painting is read from the program's pictures";
    const QColor colours[] = {Qt::red, Qt::green};
    const QPixmap original = mainWindow().newsPicture();
    for (const QColor& colour : colours) {
        QPixmap picture(6, 4);
        picture.fill(colour);
        mainWindow().imgNews->setPixmap(picture);
        splash().hide();
        calvorin::showWindow(&splash());
        EXPECT_EQ(splash().imgRetrato->pixmap().toImage(), picture.toImage()) << colour.name().toStdString();
    }
    mainWindow().imgNews->setPixmap(original);
}

TEST_F(CreditsTest, HelpLinkShowsHowToHelpWhoseFecharClosesIt) {
    calvorin::showWindow(&splash());
    click(splash().lblMeajude);
    auto& meajude = calvorin::window<TfrmMeajude>();
    EXPECT_TRUE(meajude.isVisible());
    EXPECT_TRUE(splash().isVisible());
    click(meajude.lblFechar);
    EXPECT_FALSE(meajude.isVisible());
}

// clang-format off
const char* const creationOrder[] = {
    "TfrmMain", "TfrmEqua2", "TfrmTrigonometria", "TfrmSplash", "TfrmAutor", "TfrmJurosCompostos",
    "TfrmFatoriais", "TfrmCombinations", "TfrmTQPA", "TfrmNTPA", "TfrmSTPA", "TfrmTQPG", "Tfrmstpg",
    "Tfrmptpg", "TfrmPitagoras", "TfrmInclination", "TfrmDistancia", "TfrmRegra3", "TfrmCalorias",
    "TfrmConvertTemperatura", "TfrmOperMatrizes", "TfrmDeterminante", "TfrmCalc", "TfrmGraph",
    "TfrmReport", "TfrmViewReport", "TfrmConfirmNR", "TfrmComandos", "TfrmAnalise", "TfrmPA", "TfrmPG",
    "TfrmMatrizes", "TfrmAnalitica", "TfrmMDC", "TfrmMeajude", "TfrmEditor", "Tfrmtools", "TfrmSumAng",
    "Tfrmgeometria", "TfrmDiagonais", "TfrmPontoReta", "TfrmConvertVelocidade", "TfrmFisica",
    "TfrmResolucao", // after the fixed order
};
// clang-format on

TEST(WindowRegistryOrder, WindowsAreCreatedInTheFixedOrderOneEach) {
    const std::vector<std::string> expected(std::begin(creationOrder), std::end(creationOrder));
    std::vector<std::string> created;
    for (QWidget* w : calvorin::WindowRegistry::windows())
        created.emplace_back(w->metaObject()->className());
    EXPECT_EQ(created, expected);
}

// Start-up puts the main window on screen as soon as it exists, then makes the others.
TEST(WindowRegistryOrder, TheMainWindowIsHandedOverBeforeTheOthersAreMade) {
    calvorin::WindowRegistry::destroyAll();
    std::vector<QWidget*> madeThen;
    calvorin::createAllWindows([&](QWidget*) { madeThen = calvorin::WindowRegistry::windows(); });
    ASSERT_EQ(madeThen.size(), 1u);
    EXPECT_EQ(madeThen.front(), calvorin::WindowRegistry::find<TfrmMain>());
    EXPECT_EQ(calvorin::WindowRegistry::windows().size(), std::size(creationOrder));
}

} // namespace
