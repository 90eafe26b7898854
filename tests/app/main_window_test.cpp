// The main window: menu tree, left-column links, category panels and what every link shows.
#include "app_fixture.h"

#include "app/topics.h"
#include "help/fAjuda.h"
#include "platform/help.h"
#include "ui/linklabel.h"

#include <QAccessible>
#include <QFrame>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

using namespace apptest;
using calvorin::LinkLabel;

namespace {

// One line per menu entry: indentation for depth, caption, object name, shortcut and the window the
// entry shows, each entry but "Fechar" triggered alone; "-" separators.
void describeMenu(const QList<QAction*>& actions, int depth, QString& out) {
    for (QAction* action : actions) {
        out += QString(depth * 2, ' ');
        if (action->isSeparator()) {
            out += "-\n";
            continue;
        }
        QMenu* sub = action->menu();
        out += action->text() + " | " + (sub ? sub->objectName() : action->objectName());
        if (!action->shortcut().isEmpty())
            out += " | " + action->shortcut().toString(QKeySequence::PortableText);
        if (!sub && action != mainWindow().mnuClose) {
            hideAllWindows();
            action->trigger();
            for (QWidget* w : calvorin::WindowRegistry::windows())
                if (w->isVisible()) out += QString(" -> ") + w->metaObject()->className();
        }
        out += '\n';
        if (sub) describeMenu(sub->actions(), depth + 1, out);
    }
}

const char* const expectedMenuTree = R"(Sistema | mnuSistema
  Inicialização do programa | mnuInicializacao
    Editar script de inicialização | mnuEditScript -> TfrmEditor
  &Gerador de relatórios | mnuRelatorios
    &Iniciar geração de relatório | mnuStart -> TfrmReport
    &Parar geração de relatório | mnuStop
    Retomar geração do relatório atual | mnuRestart
    -
    Visualizar relatório | mnuViewReport -> TfrmViewReport
  &Interpretador de comandos | mnuComandos | Ctrl+I -> TfrmComandos
  Fechar | mnuClose | Ctrl+Q
&Problemas | mnuProblemas
  &Algebra | mnuAlgebra
    Análise Combinatória | mnuAnaliseCombinatoria
      Combinações Simples | mnuCombinations -> TfrmCombinations
      Números fatoriais | mnuFatoriais -> TfrmFatoriais
    Matrizes | mnuMatrizes
      Determinante | mnuDeterminante -> TfrmDeterminante
      Operações com matrizes | mnuOperMatrizes -> TfrmOperMatrizes
    Progressões Aritméticas | mnuPA
      Termo qualquer de uma PA | mnuTQPA -> TfrmTQPA
      Número de termos de uma PA | mnuNTPA -> TfrmNTPA
      Soma dos termos de uma PA | mnuSTPA -> TfrmSTPA
    Progressões Geométricas | mnuPG
      Termo qualquer de uma PG | mnuTQPG -> TfrmTQPG
      Soma dos termos de uma PG | mnuSTPG -> Tfrmstpg
      Produto dos termos de uma PG | mnuPTPG -> Tfrmptpg
    -
    Equações de segundo grau | mnuEqua2 -> TfrmEqua2
    Juros compostos | mnuJuros -> TfrmJurosCompostos
    Máximo Divisor Comum (MDC) | mnuMDC -> TfrmMDC
  Geometria | mnuGeometria
    Geometria analítica | mnuAnalitica
      Distância entre 2 pontos | mnuDistancia -> TfrmDistancia
      Inclinação de uma reta | mnuInclination -> TfrmInclination
      Distância entre um ponto e uma reta | mnuPontoReta -> TfrmPontoReta
    -
    Teorema de Pitágoras | mnuPitagoras -> TfrmPitagoras
    Funções Trigonométricas | mnuTrigonometria -> TfrmTrigonometria
    Soma dos ângulos internos de um poligono | mnuSumAng -> TfrmSumAng
    Número de diagonais de um poligono | mnuDiagonais -> TfrmDiagonais
  &Ferramentas | mnuFerramentas
    Conversor de temperaturas | mnuConvertTemperatura -> TfrmConvertTemperatura
    Calculadora | mnuCalc -> TfrmCalc
    Gerador de gráficos | mnuGraph -> TfrmGraph
    Regra de 3 | mnuRegra3 -> TfrmRegra3
  Física/Química | mnuFisica
    Cálculo de calorias gastas | mnuCalorias -> TfrmCalorias
    Conversor de temperaturas | mnuFisTemperatura -> TfrmConvertTemperatura
    Conversor de velocidades | mnuConvertVelocidade -> TfrmConvertVelocidade
Ajuda/Créditos/Info | mnuAjudaCreditos
  Ajuda | mnuHelp | F1
  -
  Sobre o Calvorin | mnuAbout -> TfrmSplash
)";

// The three report items follow the log's recording state, from the window's creation on.
TEST(MainWindowMenu, ReportItemsFollowTheRecordingState) {
    struct Row {
        calvorin::RecordingState state;
        bool start, stop, restart;
    };
    const Row rows[] = {
        {{false, false}, true, false, false}, // idle, as at program start
        {{true, false}, false, true, false},
        {{false, true}, true, false, true},
        {{true, true}, false, true, true}, // another report started after a stop
    };
    calvorin::ReportLog& log = calvorin::reportLog();
    for (const Row& row : rows) {
        log.setState(row.state);
        TfrmMain created; // takes the state as it is
        for (TfrmMain* main : {&created, &mainWindow()})
            expectReportItems(*main, row.start, row.stop, row.restart);
        EXPECT_EQ(created.splash, 1);
    }
    log.setState({});
}

class MainWindowTest : public WindowTest {};

TEST_F(MainWindowTest, MenuTreeHasEveryCaptionAcceleratorNameAndWindowInOrder) {
    QString tree;
    describeMenu(mainWindow().menuBar()->actions(), 0, tree);
    EXPECT_EQ(tree.toStdString(), expectedMenuTree);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

struct ReportItemStep {
    const char* item;
    bool recording;
    bool start, stop, restart; // enabled afterwards
};

TEST_F(MainWindowTest, StopAndResumeItemsSwitchRecordingAndEachOther) {
    TfrmMain& main = mainWindow();
    calvorin::reportLog().setState({true, false}); // as after a report was started
    const ReportItemStep steps[] = {
        {"mnuStop", false, true, false, true},
        {"mnuRestart", true, false, true, false},
        {"mnuStop", false, true, false, true},
    };
    for (const ReportItemStep& step : steps) {
        SCOPED_TRACE(step.item);
        main.findChild<QAction*>(step.item)->trigger();
        EXPECT_EQ(calvorin::reportLog().recording(), step.recording);
        expectReportItems(main, step.start, step.stop, step.restart);
    }
}

TEST_F(MainWindowTest, FecharEndsTheProcessWithCodeOne) {
    mainWindow().mnuClose->trigger();
    EXPECT_EQ(exitCodes, std::vector<int>{1});
}

TEST_F(MainWindowTest, ClosingTheMainWindowEndsTheEventLoopWithCodeZeroWhileToolWindowsAreOpen) {
    TfrmMain other;
    calvorin::open<TfrmPA>(); // stays on top, still visible when the main window closes
    QTimer::singleShot(0, &other, [&] { other.close(); });
    // Should the close not end the loop, this ends it with another code instead of hanging.
    QTimer safetyNet;
    safetyNet.setSingleShot(true);
    QObject::connect(&safetyNet, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    safetyNet.start(20000);
    EXPECT_EQ(QApplication::exec(), 0);
}

// Left column: caption, and what a click does (a panel to show, with its heading, or a window).
struct LeftLink {
    const char *label, *caption;
    const char *panel, *heading; // category panel shown, or nullptr
    const char* window;          // window shown, or nullptr
};

const char* const panelNames[] = {"pnlAlgebra", "pnlGeo", "pnlFisica", "pnlTools", "pnlNews"};

TEST_F(MainWindowTest, LeftColumnLinks) {
    showMainWindow();
    const LeftLink table[] = {
        {"Label1", "Algebra", "pnlAlgebra", "Algebra", nullptr},
        {"Label2", "Geometria", "pnlGeo", "Geometria", nullptr},
        {"Label3", "Física / Química", "pnlFisica", "Física / Química", nullptr},
        {"Label4", "Ferramentas", "pnlTools", "Ferramentas matemáticas", nullptr},
        {"Label8", "Interpretador de comandos", nullptr, nullptr, "TfrmComandos"},
        {"Label6", "Novidades", "pnlNews", "Novidades", nullptr},
        {"Label5", "Sobre o autor", nullptr, nullptr, "TfrmAutor"},
    };
    for (const LeftLink& row : table) {
        SCOPED_TRACE(row.label);
        auto* label = child<LinkLabel>(&mainWindow(), row.label);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromUtf8(row.caption));
        EXPECT_TRUE(label->font().bold());
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
        QAccessibleInterface* acc = QAccessible::queryAccessibleInterface(label);
        EXPECT_EQ(acc->role(), QAccessible::Link);
        EXPECT_EQ(acc->text(QAccessible::Name), label->text());
        click(label);
        if (row.panel) {
            for (const char* panel : panelNames)
                EXPECT_EQ(!child(&mainWindow(), panel)->isHidden(), std::string(panel) == row.panel) << panel;
            auto* panel = child<QFrame>(&mainWindow(), row.panel);
            // The heading is the panel's first label: large and bold.
            auto* heading = qobject_cast<QLabel*>(panel->layout()->itemAt(0)->widget());
            ASSERT_NE(heading, nullptr);
            EXPECT_EQ(heading->text(), QString::fromUtf8(row.heading));
            EXPECT_TRUE(heading->font().bold());
            EXPECT_GT(heading->font().pointSizeF(), panel->font().pointSizeF());
        }
        if (row.window) expectShown(row.window);
    }
    // A screen reader follows a link as a click does.
    QAccessible::queryAccessibleInterface(child(&mainWindow(), "Label1"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_FALSE(child(&mainWindow(), "pnlAlgebra")->isHidden());
}

TEST(MainWindowPanels, AllHiddenAtStart) {
    TfrmMain fresh;
    for (const char* panel : panelNames)
        EXPECT_TRUE(child(&fresh, panel)->isHidden()) << panel;
}

TEST_F(MainWindowTest, TheChosenPanelFillsTheRightHandArea) {
    TfrmMain fresh;
    fresh.show();
    QApplication::processEvents();
    click(fresh.Label1);
    click(fresh.Label2);
    QApplication::processEvents();
    EXPECT_FALSE(fresh.pnlGeo->isHidden());

    // The panel reaches the right edge and runs from top to bottom.
    const QRect inClient(fresh.pnlGeo->mapTo(fresh.centralWidget(), QPoint(0, 0)), fresh.pnlGeo->size());
    EXPECT_EQ(inClient.right(), fresh.centralWidget()->rect().right());
    EXPECT_EQ(inClient.top(), 0);
    EXPECT_EQ(inClient.bottom(), fresh.centralWidget()->rect().bottom());
    EXPECT_GT(inClient.left(), fresh.Label2->mapTo(fresh.centralWidget(), QPoint(0, 0)).x());

    // Clicking the category already shown changes nothing.
    click(fresh.Label2);
    QApplication::processEvents();
    EXPECT_FALSE(fresh.pnlGeo->isHidden());
    EXPECT_EQ(QRect(fresh.pnlGeo->mapTo(fresh.centralWidget(), QPoint(0, 0)), fresh.pnlGeo->size()),
              inClient);
    EXPECT_TRUE(fresh.pnlAlgebra->isHidden());
}

TEST(MainWindowFrame, CaptionAndTitleBar) {
    TfrmMain& main = mainWindow();
    EXPECT_EQ(main.windowTitle(), "Calvorin 2.1");
    EXPECT_TRUE(main.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(main.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(main.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(main.newsPicture().isNull()) << "the news picture is read from the program's pictures";
}

enum class Colour { Text, Red, Blue }; // in this order

struct PanelLink {
    const char* panel;
    const char* label;
    const char* caption;
    Colour colour;
    const char* window; // window shown; nullptr for a help link, "" for plain text
};

// In each panel's order, top to bottom.
const PanelLink panelLinks[] = {
    {"pnlAlgebra", "lblAnalise", "Análise combinatória", Colour::Red, "TfrmAnalise"},
    {"pnlAlgebra", "lblMatrizes", "Matrizes", Colour::Red, "TfrmMatrizes"},
    {"pnlAlgebra", "lblPA", "Progressões aritméticas", Colour::Red, "TfrmPA"},
    {"pnlAlgebra", "lblPG", "Progressões geométricas", Colour::Red, "TfrmPG"},
    {"pnlAlgebra", "lblEqua2", "Equações de Segundo grau", Colour::Text, "TfrmEqua2"},
    {"pnlAlgebra", "lblJuros", "Juros compostos", Colour::Text, "TfrmJurosCompostos"},
    {"pnlAlgebra", "lblMDC", "Máximo Divisor Comum (MDC)", Colour::Text, "TfrmMDC"},
    {"pnlGeo", "lblAnalitica", "Geometria analítica", Colour::Red, "TfrmAnalitica"},
    {"pnlGeo", "lblPitagoras", "Teorema de Pitágoras", Colour::Text, "TfrmPitagoras"},
    {"pnlGeo", "lblTrigonometria", "Funções trigonométricas", Colour::Text, "TfrmTrigonometria"},
    {"pnlGeo", "lblSumAng", "Soma dos ângulos internos de um poligono", Colour::Text, "TfrmSumAng"},
    {"pnlGeo", "lblDiagonais", "Número de diagonais de um poligono", Colour::Text, "TfrmDiagonais"},
    {"pnlFisica", "lblCalorias", "Cálculo de calorias gastas por um corpo", Colour::Text, "TfrmCalorias"},
    {"pnlFisica", "lblFisTemperatura", "Conversor de temperaturas: (Celsius/Kelvin/Fahrenheit)", Colour::Text,
     "TfrmConvertTemperatura"},
    {"pnlFisica", "lblFisVelocidade", "Conversor de velocidades (Km/h/Metro/seg)", Colour::Text,
     "TfrmConvertVelocidade"},
    {"pnlTools", "lblTemperatura", "Conversor de temperaturas: (Celsius/Kelvin/Fahrenheit)", Colour::Text,
     "TfrmConvertTemperatura"},
    {"pnlTools", "lblCalc", "Calculadora", Colour::Text, "TfrmCalc"},
    {"pnlTools", "lblGraph", "Gerador de gráficos", Colour::Text, "TfrmGraph"},
    {"pnlTools", "lblRegra3", "Regra de 3", Colour::Text, "TfrmRegra3"},
    {"pnlNews", "lblNewsKorvanta", "Korvanta", Colour::Text, nullptr},
    {"pnlNews", "lblNewsComandos", "Interpretador de comandos", Colour::Text, "TfrmComandos"},
    {"pnlNews", "lblNewsClipboard", "Maior integração com a área de transferência", Colour::Text, ""},
    {"pnlNews", "lblNewsInterface", "Interface gráfica mais amadurecida", Colour::Text, ""},
    {"pnlNews", "lblNewsMDC", "Cálculo de Máximo Divisor Comum", Colour::Text, "TfrmMDC"},
    {"pnlNews", "lblNewsSumAng", "Soma dos ângulos internos de um poligono", Colour::Text, "TfrmSumAng"},
    {"pnlNews", "lblNewsVelocidade", "Conversor de velocidades (Km/h/Metro/seg)", Colour::Text,
     "TfrmConvertVelocidade"},
    {"pnlNews", "lblNewsDiagonais", "Achando o número de diagonais de um poligono", Colour::Text,
     "TfrmDiagonais"},
    {"pnlNews", "lblNewsCalc", "Melhorias na calculadora", Colour::Text, "TfrmCalc"},
    {"pnlNews", "lblNewsPontoReta", "Distância entre um ponto e uma reta", Colour::Text, "TfrmPontoReta"},
    {"pnlNews", "lblNewsAjuda", "Ajuda integrada", Colour::Text, nullptr},
    {"pnlNews", "lblNewsMais", "mais novidades...", Colour::Blue, nullptr},
};

TEST_F(MainWindowTest, PanelLinksInOrderWithCaptionColourAndEffect) {
    int previousIndex = -1;
    QString previousPanel;
    for (const PanelLink& row : panelLinks) {
        SCOPED_TRACE(row.label);
        hideAllWindows();
        auto* panel = child<QFrame>(&mainWindow(), row.panel);
        showMainWindow(panel);
        auto* label = child<QLabel>(panel, row.label);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromUtf8(row.caption));

        const int index = panel->layout()->indexOf(label);
        if (previousPanel == row.panel) {
            EXPECT_GT(index, previousIndex);
        }
        previousIndex = index;
        previousPanel = row.panel;

        const QColor expected[] = {panel->palette().color(QPalette::WindowText), Qt::red, Qt::blue};
        EXPECT_EQ(label->palette().color(QPalette::WindowText), expected[int(row.colour)]);
        EXPECT_TRUE(row.colour != Colour::Blue || label->font().bold());

        // The whole caption is on screen, not cut off at the panel's edge.
        const QRect room = label->contentsRect();
        const int flags = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
        const QRect needed =
            label->fontMetrics().boundingRect(QRect(0, 0, room.width(), 10000), flags, label->text());
        EXPECT_LE(needed.width(), room.width());
        EXPECT_LE(needed.height(), room.height());

        const bool isLink = qobject_cast<LinkLabel*>(label) != nullptr;
        EXPECT_EQ(isLink, !row.window || *row.window);
        EXPECT_TRUE(isLink || label->cursor().shape() != Qt::PointingHandCursor);
        if (!row.window || !*row.window) continue;
        click(label);
        expectShown(row.window);
    }
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

struct HelpEffect {
    const char* control; // a news link or a menu item
    const char* topic;   // the help viewer's topic afterwards: "" is the contents page
};

TEST_F(MainWindowTest, HelpLinksAndTheHelpItemOpenTheHelpViewer) {
    const HelpEffect table[] = {
        {"lblNewsKorvanta", "korvanta"},
        {"lblNewsMais", "novidades"},
        {"lblNewsAjuda", ""},
        {"mnuHelp", ""},
    };
    showMainWindow(mainWindow().pnlNews);
    for (const HelpEffect& row : table) {
        SCOPED_TRACE(row.control);
        calvorin::helpViewer()->hide();
        if (auto* item = mainWindow().findChild<QAction*>(row.control))
            item->trigger();
        else
            click(child(mainWindow().pnlNews, row.control));
        EXPECT_TRUE(calvorin::helpViewer()->isVisible());
        EXPECT_EQ(calvorin::helpViewer()->topic(), row.topic);
        EXPECT_EQ(calvorin::applicationHelpFile().toLower(), "cv21.hlp");
    }
    calvorin::helpViewer()->hide();
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

} // namespace
