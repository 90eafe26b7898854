#include "app/infowindows.h"

#include "app/fMain.h"
#include "app/maker.h"
#include "platform/guard.h"
#include "platform/jpeg.h"
#include "ui/frames.h"
#include "ui/linklabel.h"
#include "ui/registry.h"
#include "widgets/TFlatButtonUnit.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QUrl>
#include <QVBoxLayout>

using calvorin::connectGuarded;
using calvorin::LinkLabel;
using calvorin::makeLink;
using calvorin::setBold;

namespace calvorin::maker {
void openWebPage() {
    QDesktopServices::openUrl(QUrl(homePage));
}
void openMail() {
    QDesktopServices::openUrl(QUrl("mailto:" + email));
}
} // namespace calvorin::maker

namespace {

// Web and mail links are drawn blue.
LinkLabel* makeAddressLink(QWidget* parent, const char* name, const QString& address) {
    LinkLabel* link = makeLink(parent, name, address);
    calvorin::setTextColour(link, Qt::blue);
    return link;
}

QLabel* makeText(QWidget* parent, const char* name, const QString& text, bool wrap = true) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(wrap);
    return label;
}

QLabel* makePicture(QWidget* parent, const char* name, QSize size) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setFixedSize(size);
    picture->setScaledContents(true);
    picture->setFrameStyle(QFrame::Box | QFrame::Plain);
    return picture;
}

// Enter and Esc press the window's one button.
bool pressesCloseButton(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    default:
        return false;
    }
}

QPixmap mainWindowNewsPicture() {
    auto* main = calvorin::WindowRegistry::find<TfrmMain>();
    return main ? main->newsPicture() : QPixmap();
}

} // namespace

TfrmSplash::TfrmSplash() {
    setObjectName("frmSplash");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(14, 14, 14, 12);
    outer->setSpacing(10);

    auto* top = new QHBoxLayout;
    top->setSpacing(14);
    imgRetrato = makePicture(this, "imgRetrato", QSize(100, 100));
    top->addWidget(imgRetrato, 0, Qt::AlignTop);
    auto* about = new QVBoxLayout;
    about->setSpacing(4);
    auto* title = makeText(this, "lblTitulo", "Calvorin", false);
    setBold(title, 18);
    about->addWidget(title);
    // kept as the program has always written it: version 2.1.0 while the title says 2.1
    lblVersao = makeText(this, "lblVersao", "Versão: 2.1.0", false);
    about->addWidget(lblVersao);
    lblAutor = makeText(this, "lblAutor", "Criado e desenvolvido por " + calvorin::maker::author);
    about->addWidget(lblAutor);
    lblSite = makeAddressLink(this, "lblSite", calvorin::maker::homePage);
    about->addWidget(lblSite);
    lblEmail = makeAddressLink(this, "lblEmail", calvorin::maker::email);
    about->addWidget(lblEmail);
    about->addStretch(1);
    top->addLayout(about, 1);
    outer->addLayout(top);

    auto* painting = new QHBoxLayout;
    painting->setSpacing(14);
    imgPintura = makePicture(this, "imgPintura", QSize(150, 110));
    calvorin::whenFirstNeeded(this, [this] {
        imgPintura->setPixmap(QPixmap::fromImage(calvorin::loadJpeg(":/pictures/pintura.jpg")));
    });
    painting->addWidget(imgPintura, 0, Qt::AlignTop);
    lblPintura = makeText(this, "lblPintura",
                          "\"Entardecer nas montanhas\", óleo sobre tela pintado pelo autor do Calvorin.");
    painting->addWidget(lblPintura, 1);
    outer->addLayout(painting);

    lblMeajude = makeLink(this, "lblMeajude", "Quer me ajudar no desenvolvimento do Calvorin?");
    setBold(lblMeajude);
    outer->addWidget(lblMeajude);

    btnFechar = calvorin::makeButton(this, "btnFechar", "Fechar");
    outer->addWidget(btnFechar, 0, Qt::AlignRight);
    setFixedWidth(380);

    // Enter presses "Fechar" until the user tabs to a link.
    btnFechar->setFocus();
    connectGuarded(btnFechar, &QAbstractButton::clicked, this, &TfrmSplash::btnFecharClick);
    connectGuarded(lblMeajude, &LinkLabel::clicked, this, &TfrmSplash::lblMeajudeClick);
    connectGuarded(lblSite, &LinkLabel::clicked, this, [] { calvorin::maker::openWebPage(); });
    connectGuarded(lblEmail, &LinkLabel::clicked, this, [] { calvorin::maker::openMail(); });

    calvorin::applyFrame(this, calvorin::Frame{"Créditos", calvorin::Border::Tool, true, true, true});
}

void TfrmSplash::FormShow() {
    imgRetrato->setPixmap(mainWindowNewsPicture());
}
void TfrmSplash::btnFecharClick() {
    hide();
}
void TfrmSplash::lblMeajudeClick() {
    calvorin::open<TfrmMeajude>();
}

void TfrmSplash::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    calvorin::runGuarded([this] { FormShow(); });
}

void TfrmSplash::keyPressEvent(QKeyEvent* event) {
    if (pressesCloseButton(event))
        btnFechar->click();
    else
        QWidget::keyPressEvent(event);
}

TfrmMeajude::TfrmMeajude() {
    setObjectName("frmMeajude");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(14, 14, 14, 12);
    row->setSpacing(14);
    imgCarta = makePicture(this, "imgCarta", QSize(64, 64));
    row->addWidget(imgCarta, 0, Qt::AlignTop);
    auto* column = new QVBoxLayout;
    column->setSpacing(8);
    Label1 = makeText(this, "Label1",
                      "O Calvorin é feito nas horas vagas e cresce com a ajuda de quem o usa. "
                      "Mande suas opiniões, suas ideias de novas ferramentas e os erros que encontrar.");
    column->addWidget(Label1);
    Label2 = makeText(this, "Label2",
                      "Ao relatar um erro, diga o que você digitou, o que esperava e o que o Calvorin "
                      "mostrou. Escreva para:");
    column->addWidget(Label2);
    lblEmail = makeAddressLink(this, "lblEmail", calvorin::maker::email);
    setBold(lblEmail);
    column->addWidget(lblEmail);
    lblFechar = makeLink(this, "lblFechar", "Fechar");
    column->addWidget(lblFechar, 0, Qt::AlignRight);
    row->addLayout(column, 1);
    setFixedWidth(400);

    connectGuarded(lblFechar, &LinkLabel::clicked, this, &TfrmMeajude::lblFecharClick);
    calvorin::closeOnEscape(this, [this] { lblFecharClick(); });
    connectGuarded(lblEmail, &LinkLabel::clicked, this, [] { calvorin::maker::openMail(); });

    calvorin::applyFrame(this, calvorin::Frame{"Como me ajudar", calvorin::Border::Tool, true, true, true});
}

void TfrmMeajude::lblFecharClick() {
    hide();
}

void TfrmMeajude::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    calvorin::runGuarded([this] { imgCarta->setPixmap(mainWindowNewsPicture()); });
}

TfrmAutor::TfrmAutor() {
    setObjectName("frmAutor");
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, 14, 14, 12);
    column->setSpacing(8);
    lblEmpresa = makeText(this, "lblEmpresa", calvorin::maker::company, false);
    setBold(lblEmpresa, 14);
    column->addWidget(lblEmpresa);
    lblTexto = makeText(this, "lblTexto",
                        "Programas de matemática para estudantes, escritos por " + calvorin::maker::author +
                            ". O Calvorin é gratuito: copie-o e distribua-o à vontade.");
    column->addWidget(lblTexto);
    lblSite = makeAddressLink(this, "lblSite", calvorin::maker::homePage);
    column->addWidget(lblSite);
    lblEmail = makeAddressLink(this, "lblEmail", calvorin::maker::email);
    column->addWidget(lblEmail);
    btnFechar = calvorin::makeButton(this, "btnFechar", "Fechar");
    column->addWidget(btnFechar, 0, Qt::AlignRight);
    setFixedWidth(340);

    btnFechar->setFocus(); // Enter presses it until the user tabs to a link
    connectGuarded(btnFechar, &QAbstractButton::clicked, this, &TfrmAutor::btnFecharClick);
    connectGuarded(lblSite, &LinkLabel::clicked, this, [] { calvorin::maker::openWebPage(); });
    connectGuarded(lblEmail, &LinkLabel::clicked, this, [] { calvorin::maker::openMail(); });

    calvorin::applyFrame(this,
                         calvorin::Frame{calvorin::maker::company, calvorin::Border::Tool, true, true, true});
}

void TfrmAutor::btnFecharClick() {
    hide();
}

void TfrmAutor::keyPressEvent(QKeyEvent* event) {
    if (pressesCloseButton(event))
        btnFechar->click();
    else
        QWidget::keyPressEvent(event);
}
