#include "app/fMain.h"

#include "app/Korvanta.h"
#include "app/allwindows.h"
#include "app/maker.h"
#include "platform/guard.h"
#include "platform/help.h"
#include "platform/jpeg.h"
#include "platform/process.h"
#include "ui/frames.h"
#include "ui/linklabel.h"
#include "ui/registry.h"
#include "ui/reportlog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>

using calvorin::connectGuarded;
using calvorin::LinkLabel;
using calvorin::makeLink;
using calvorin::setBold;
using calvorin::setTextColour;

namespace {

const QString scriptFile = QStringLiteral("autoexec.cv1");

QMenu* addMenu(QMenuBar* bar, const char* name, const char* title) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(title));
    menu->setObjectName(name);
    return menu;
}

QMenu* addMenu(QMenu* parent, const char* name, const char* title) {
    QMenu* menu = parent->addMenu(QString::fromUtf8(title));
    menu->setObjectName(name);
    return menu;
}

QAction* addItem(QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut = {}) {
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(name);
    item->setShortcut(shortcut);
    return item;
}

// A menu item that shows the window of that class.
template <class Window>
void addShowItem(TfrmMain* owner, QMenu* menu, const char* name, const char* caption,
                 const QKeySequence& shortcut = {}) {
    connectGuarded(addItem(menu, name, caption, shortcut), &QAction::triggered, owner,
                   &calvorin::open<Window>);
}

// A link that shows the window of that class.
template <class Window>
LinkLabel* addShowLink(QWidget* owner, QLayout* column, const char* name, const char* caption) {
    LinkLabel* link = makeLink(owner, name, QString::fromUtf8(caption));
    link->setWordWrap(true); // a long caption wraps instead of being cut off at the panel's edge
    column->addWidget(link);
    connectGuarded(link, &LinkLabel::clicked, owner, &calvorin::open<Window>);
    return link;
}

// The bullet beside each link of the left column: a small blue ball lit from the top left. Drawn
// rather than read from a picture file, which would start Qt's image plugins before the window
// is on screen.
QPixmap bulletPicture() {
    QImage picture(10, 10, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient light(QPointF(3.5, 3.5), 6.5);
    light.setColorAt(0, QColor(0x96, 0xc8, 0xff));
    light.setColorAt(0.5, QColor(0x55, 0x87, 0xd4));
    light.setColorAt(1, QColor(0x0c, 0x2c, 0x76));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawEllipse(QRectF(0.5, 0.5, 9, 9));
    p.end();
    return QPixmap::fromImage(picture);
}

QFrame* separatorLine(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmMain");
    createMenus();

    auto* central = new QWidget(this);
    central->setObjectName("pnlClient");
    central->setFixedSize(549, 384); // with the title bar and the menu, about 557 by 436 outside
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(createLeftColumn());
    auto* area = new QWidget(central);
    area->setObjectName("pnlArea");
    row->addWidget(area, 1);
    createPanels(area);
    setCentralWidget(central);
    // The window opens with the focus before the first link, so that the first Tab lands on "Algebra".
    central->setFocusPolicy(Qt::ClickFocus);
    central->setFocus();

    calvorin::applyFrame(this, calvorin::Frame{"Calvorin 2.1", calvorin::Border::Single, false, true, true});
}

void TfrmMain::createMenus() {
    QMenuBar* bar = menuBar();

    // kept as the program has always written it: "Algebra" and "poligono" without their accents, capitals
    // unlike the panels' links ("Análise Combinatória", "Progressões Aritméticas", "Funções Trigonométricas")
    // and "Física/Química" unspaced
    QMenu* sistema = addMenu(bar, "mnuSistema", "Sistema");
    QMenu* inicializacao = addMenu(sistema, "mnuInicializacao", "Inicialização do programa");
    addShowItem<TfrmEditor>(this, inicializacao, "mnuEditScript", "Editar script de inicialização");
    QMenu* relatorios = addMenu(sistema, "mnuRelatorios", "&Gerador de relatórios");
    mnuStart = addItem(relatorios, "mnuStart", "&Iniciar geração de relatório");
    mnuStop = addItem(relatorios, "mnuStop", "&Parar geração de relatório");
    mnuRestart = addItem(relatorios, "mnuRestart", "Retomar geração do relatório atual");
    relatorios->addSeparator();
    addShowItem<TfrmViewReport>(this, relatorios, "mnuViewReport", "Visualizar relatório");
    addShowItem<TfrmComandos>(this, sistema, "mnuComandos", "&Interpretador de comandos",
                              QKeySequence(Qt::CTRL | Qt::Key_I));
    mnuClose = addItem(sistema, "mnuClose", "Fechar", QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* problemas = addMenu(bar, "mnuProblemas", "&Problemas");
    QMenu* algebra = addMenu(problemas, "mnuAlgebra", "&Algebra");
    QMenu* analise = addMenu(algebra, "mnuAnaliseCombinatoria", "Análise Combinatória");
    addShowItem<TfrmCombinations>(this, analise, "mnuCombinations", "Combinações Simples");
    addShowItem<TfrmFatoriais>(this, analise, "mnuFatoriais", "Números fatoriais");
    QMenu* matrizes = addMenu(algebra, "mnuMatrizes", "Matrizes");
    addShowItem<TfrmDeterminante>(this, matrizes, "mnuDeterminante", "Determinante");
    addShowItem<TfrmOperMatrizes>(this, matrizes, "mnuOperMatrizes", "Operações com matrizes");
    QMenu* pa = addMenu(algebra, "mnuPA", "Progressões Aritméticas");
    addShowItem<TfrmTQPA>(this, pa, "mnuTQPA", "Termo qualquer de uma PA");
    addShowItem<TfrmNTPA>(this, pa, "mnuNTPA", "Número de termos de uma PA");
    addShowItem<TfrmSTPA>(this, pa, "mnuSTPA", "Soma dos termos de uma PA");
    QMenu* pg = addMenu(algebra, "mnuPG", "Progressões Geométricas");
    addShowItem<TfrmTQPG>(this, pg, "mnuTQPG", "Termo qualquer de uma PG");
    addShowItem<Tfrmstpg>(this, pg, "mnuSTPG", "Soma dos termos de uma PG");
    addShowItem<Tfrmptpg>(this, pg, "mnuPTPG", "Produto dos termos de uma PG");
    algebra->addSeparator();
    addShowItem<TfrmEqua2>(this, algebra, "mnuEqua2", "Equações de segundo grau");
    addShowItem<TfrmJurosCompostos>(this, algebra, "mnuJuros", "Juros compostos");
    addShowItem<TfrmMDC>(this, algebra, "mnuMDC", "Máximo Divisor Comum (MDC)");

    QMenu* geometria = addMenu(problemas, "mnuGeometria", "Geometria");
    QMenu* analitica = addMenu(geometria, "mnuAnalitica", "Geometria analítica");
    addShowItem<TfrmDistancia>(this, analitica, "mnuDistancia", "Distância entre 2 pontos");
    addShowItem<TfrmInclination>(this, analitica, "mnuInclination", "Inclinação de uma reta");
    addShowItem<TfrmPontoReta>(this, analitica, "mnuPontoReta", "Distância entre um ponto e uma reta");
    geometria->addSeparator();
    addShowItem<TfrmPitagoras>(this, geometria, "mnuPitagoras", "Teorema de Pitágoras");
    addShowItem<TfrmTrigonometria>(this, geometria, "mnuTrigonometria", "Funções Trigonométricas");
    addShowItem<TfrmSumAng>(this, geometria, "mnuSumAng", "Soma dos ângulos internos de um poligono");
    addShowItem<TfrmDiagonais>(this, geometria, "mnuDiagonais", "Número de diagonais de um poligono");

    QMenu* ferramentas = addMenu(problemas, "mnuFerramentas", "&Ferramentas");
    addShowItem<TfrmConvertTemperatura>(this, ferramentas, "mnuConvertTemperatura",
                                        "Conversor de temperaturas");
    addShowItem<TfrmCalc>(this, ferramentas, "mnuCalc", "Calculadora");
    addShowItem<TfrmGraph>(this, ferramentas, "mnuGraph", "Gerador de gráficos");
    addShowItem<TfrmRegra3>(this, ferramentas, "mnuRegra3", "Regra de 3");

    QMenu* fisica = addMenu(problemas, "mnuFisica", "Física/Química");
    addShowItem<TfrmCalorias>(this, fisica, "mnuCalorias", "Cálculo de calorias gastas");
    addShowItem<TfrmConvertTemperatura>(this, fisica, "mnuFisTemperatura", "Conversor de temperaturas");
    addShowItem<TfrmConvertVelocidade>(this, fisica, "mnuConvertVelocidade", "Conversor de velocidades");

    QMenu* ajuda = addMenu(bar, "mnuAjudaCreditos", "Ajuda/Créditos/Info");
    mnuHelp = addItem(ajuda, "mnuHelp", "Ajuda", QKeySequence(Qt::Key_F1));
    ajuda->addSeparator();
    addShowItem<TfrmSplash>(this, ajuda, "mnuAbout", "Sobre o Calvorin");

    connectGuarded(mnuStart, &QAction::triggered, this, &TfrmMain::mnuStartClick);
    connectGuarded(mnuStop, &QAction::triggered, this, &TfrmMain::mnuStopClick);
    connectGuarded(mnuRestart, &QAction::triggered, this, &TfrmMain::mnuRestartClick);
    connectGuarded(mnuClose, &QAction::triggered, this, &TfrmMain::mnuCloseClick);
    connectGuarded(mnuHelp, &QAction::triggered, this, &TfrmMain::mnuHelpClick);

    // The report items follow the recording state, whoever changes it.
    auto follow = [this](calvorin::RecordingState state) {
        mnuStart->setEnabled(!state.recording);
        mnuStop->setEnabled(state.recording);
        mnuRestart->setEnabled(state.resumable);
    };
    follow(calvorin::reportLog().state());
    connect(&calvorin::reportLog(), &calvorin::ReportLog::stateChanged, this, follow);
}

QWidget* TfrmMain::createLeftColumn() {
    auto* column = new QWidget(this);
    column->setObjectName("pnlLeft");
    column->setFixedWidth(180);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(12, 16, 8, 12);
    layout->setSpacing(8);
    const QPixmap bullet = bulletPicture();
    auto link = [&](const char* name, const char* caption) {
        auto* row = new QHBoxLayout;
        row->setSpacing(6);
        auto* picture = new QLabel(column);
        picture->setObjectName(QByteArray("img") + name);
        picture->setPixmap(bullet);
        row->addWidget(picture);
        LinkLabel* label = makeLink(column, name, QString::fromUtf8(caption));
        label->setWordWrap(true);
        setBold(label);
        row->addWidget(label, 1);
        layout->addLayout(row);
        return label;
    };
    // kept as the program has always written it: "Algebra" without its accent, and "Física / Química" spaced
    // unlike the menu
    Label1 = link("Label1", "Algebra");
    Label2 = link("Label2", "Geometria");
    Label3 = link("Label3", "Física / Química");
    Label4 = link("Label4", "Ferramentas");
    layout->addWidget(separatorLine(column));
    Label8 = link("Label8", "Interpretador de comandos");
    layout->addWidget(separatorLine(column));
    Label6 = link("Label6", "Novidades");
    layout->addWidget(separatorLine(column));
    Label5 = link("Label5", "Sobre o autor");
    Label7 = link("Label7", "Página do Calvorin");
    layout->addStretch(1);

    connectGuarded(Label1, &LinkLabel::clicked, this, [this] { showPanel(pnlAlgebra); });
    connectGuarded(Label2, &LinkLabel::clicked, this, [this] { showPanel(pnlGeo); });
    connectGuarded(Label3, &LinkLabel::clicked, this, [this] { showPanel(pnlFisica); });
    connectGuarded(Label4, &LinkLabel::clicked, this, [this] { showPanel(pnlTools); });
    connectGuarded(Label6, &LinkLabel::clicked, this, [this] { showPanel(pnlNews); });
    connectGuarded(Label8, &LinkLabel::clicked, this, &calvorin::open<TfrmComandos>);
    connectGuarded(Label5, &LinkLabel::clicked, this, &calvorin::open<TfrmAutor>);
    connectGuarded(Label7, &LinkLabel::clicked, this, [] { calvorin::maker::openWebPage(); });
    return column;
}

QFrame* TfrmMain::createPanel(QWidget* area, const char* name, const QString& heading) {
    auto* panel = new QFrame(area);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
    calvorin::setWhiteBackground(panel);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(16, 12, 12, 12);
    column->setSpacing(6);
    auto* title = new QLabel(heading, panel);
    title->setObjectName(QByteArray("lblTitulo") + QByteArray(name).mid(3));
    setBold(title, 16);
    column->addWidget(title);
    column->addSpacing(6);
    panel->hide();
    return panel;
}

void TfrmMain::createPanels(QWidget* area) {
    auto* stack = new QGridLayout(area);
    stack->setContentsMargins(0, 0, 0, 0);
    const QColor red(Qt::red);

    // kept as the program has always written it: "Algebra" and "poligono" without accents, "Equações de
    // Segundo grau" with its capital, the converters' "temperaturas: (...)" and "(Km/h/Metro/seg)", and the
    // temperature converter in two panels
    pnlAlgebra = createPanel(area, "pnlAlgebra", "Algebra");
    QLayout* l = pnlAlgebra->layout();
    setTextColour(addShowLink<TfrmAnalise>(this, l, "lblAnalise", "Análise combinatória"), red);
    setTextColour(addShowLink<TfrmMatrizes>(this, l, "lblMatrizes", "Matrizes"), red);
    setTextColour(addShowLink<TfrmPA>(this, l, "lblPA", "Progressões aritméticas"), red);
    setTextColour(addShowLink<TfrmPG>(this, l, "lblPG", "Progressões geométricas"), red);
    addShowLink<TfrmEqua2>(this, l, "lblEqua2", "Equações de Segundo grau");
    addShowLink<TfrmJurosCompostos>(this, l, "lblJuros", "Juros compostos");
    addShowLink<TfrmMDC>(this, l, "lblMDC", "Máximo Divisor Comum (MDC)");

    pnlGeo = createPanel(area, "pnlGeo", "Geometria");
    l = pnlGeo->layout();
    setTextColour(addShowLink<TfrmAnalitica>(this, l, "lblAnalitica", "Geometria analítica"), red);
    addShowLink<TfrmPitagoras>(this, l, "lblPitagoras", "Teorema de Pitágoras");
    addShowLink<TfrmTrigonometria>(this, l, "lblTrigonometria", "Funções trigonométricas");
    addShowLink<TfrmSumAng>(this, l, "lblSumAng", "Soma dos ângulos internos de um poligono");
    addShowLink<TfrmDiagonais>(this, l, "lblDiagonais", "Número de diagonais de um poligono");

    pnlFisica = createPanel(area, "pnlFisica", "Física / Química");
    l = pnlFisica->layout();
    addShowLink<TfrmCalorias>(this, l, "lblCalorias", "Cálculo de calorias gastas por um corpo");
    addShowLink<TfrmConvertTemperatura>(this, l, "lblFisTemperatura",
                                        "Conversor de temperaturas: (Celsius/Kelvin/Fahrenheit)");
    addShowLink<TfrmConvertVelocidade>(this, l, "lblFisVelocidade",
                                       "Conversor de velocidades (Km/h/Metro/seg)");

    pnlTools = createPanel(area, "pnlTools", "Ferramentas matemáticas");
    l = pnlTools->layout();
    addShowLink<TfrmConvertTemperatura>(this, l, "lblTemperatura",
                                        "Conversor de temperaturas: (Celsius/Kelvin/Fahrenheit)");
    addShowLink<TfrmCalc>(this, l, "lblCalc", "Calculadora");
    addShowLink<TfrmGraph>(this, l, "lblGraph", "Gerador de gráficos");
    addShowLink<TfrmRegra3>(this, l, "lblRegra3", "Regra de 3");

    pnlNews = createPanel(area, "pnlNews", "Novidades");
    l = pnlNews->layout();
    LinkLabel* korvanta = makeLink(this, "lblNewsKorvanta", "Korvanta");
    l->addWidget(korvanta);
    connectGuarded(korvanta, &LinkLabel::clicked, this,
                   [] { calvorin::helpRequest("cv21.hlp", 2, "korvanta"); });
    addShowLink<TfrmComandos>(this, l, "lblNewsComandos", "Interpretador de comandos");
    for (const auto& [name, text] :
         {std::pair{"lblNewsClipboard", "Maior integração com a área de transferência"},
          std::pair{"lblNewsInterface", "Interface gráfica mais amadurecida"}}) {
        auto* plain = new QLabel(QString::fromUtf8(text), this);
        plain->setObjectName(name);
        l->addWidget(plain);
    }
    addShowLink<TfrmMDC>(this, l, "lblNewsMDC", "Cálculo de Máximo Divisor Comum");
    addShowLink<TfrmSumAng>(this, l, "lblNewsSumAng", "Soma dos ângulos internos de um poligono");
    addShowLink<TfrmConvertVelocidade>(this, l, "lblNewsVelocidade",
                                       "Conversor de velocidades (Km/h/Metro/seg)");
    addShowLink<TfrmDiagonais>(this, l, "lblNewsDiagonais", "Achando o número de diagonais de um poligono");
    addShowLink<TfrmCalc>(this, l, "lblNewsCalc", "Melhorias na calculadora");
    addShowLink<TfrmPontoReta>(this, l, "lblNewsPontoReta", "Distância entre um ponto e uma reta");
    LinkLabel* ajuda = makeLink(this, "lblNewsAjuda", "Ajuda integrada");
    l->addWidget(ajuda);
    connectGuarded(ajuda, &LinkLabel::clicked, this, &TfrmMain::mnuHelpClick);
    LinkLabel* mais = makeLink(this, "lblNewsMais", "mais novidades...");
    setBold(mais);
    setTextColour(mais, Qt::blue);
    l->addWidget(mais);
    connectGuarded(mais, &LinkLabel::clicked, this,
                   [] { calvorin::helpRequest("cv21.hlp", 2, "novidades"); });

    // The picture sits at the bottom right of the news, below the links.
    imgNews = makeLink(this, "imgNews", QString());
    imgNews->setFixedSize(90, 90);
    imgNews->setScaledContents(true); // its picture is read when first wanted, see readNewsPicture()
    imgNews->setAccessibleName(QStringLiteral("Enviar um e-mail ao autor")); // a picture alone names nothing
    static_cast<QVBoxLayout*>(l)->addStretch(1);
    l->addWidget(imgNews);
    l->setAlignment(imgNews, Qt::AlignRight);
    connectGuarded(imgNews, &LinkLabel::clicked, this, [] { calvorin::maker::openMail(); });

    for (QFrame* panel : {pnlAlgebra, pnlGeo, pnlFisica, pnlTools, pnlNews}) {
        if (panel != pnlNews) static_cast<QVBoxLayout*>(panel->layout())->addStretch(1);
        stack->addWidget(panel, 0, 0);
    }
}

void TfrmMain::readNewsPicture() const {
    if (newsPictureRead_) return;
    newsPictureRead_ = true;
    if (imgNews->pixmap().isNull())
        imgNews->setPixmap(QPixmap::fromImage(calvorin::loadJpeg(":/pictures/noticias.jpg")));
}

QPixmap TfrmMain::newsPicture() const {
    readNewsPicture();
    return imgNews->pixmap();
}

void TfrmMain::showPanel(QFrame* panel) {
    for (QFrame* p : {pnlNews, pnlAlgebra, pnlGeo, pnlTools, pnlFisica})
        if (p != panel) p->hide();
    if (panel == pnlNews) readNewsPicture();
    panel->show();
}

void TfrmMain::FormShow() {
    if (QFileInfo::exists(scriptFile)) calvorin::korvanta::runFile(scriptFile);
    if (splash == 1) calvorin::open<TfrmSplash>();
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    // Queued, so the script runs once the window is on screen and what it shows comes on top.
    QMetaObject::invokeMethod(
        this, [this] { calvorin::runGuarded([this] { FormShow(); }); }, Qt::QueuedConnection);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    // The main window's close ends the program even while tool windows are still visible.
    event->accept();
    QCoreApplication::exit(0);
}

void TfrmMain::mnuStartClick() {
    calvorin::open<TfrmReport>();
}
void TfrmMain::mnuStopClick() {
    calvorin::reportLog().stop();
}
void TfrmMain::mnuRestartClick() {
    calvorin::reportLog().resume();
}
void TfrmMain::mnuCloseClick() {
    // kept as the program has always written it: "Fechar" leaves with exit code 1
    calvorin::terminateProcess(1);
}
void TfrmMain::mnuHelpClick() {
    calvorin::shellExecute("winhelp.exe", "cv21.hlp");
}
