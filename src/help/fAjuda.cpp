#include "help/fAjuda.h"

#include "help/helptopics.h"
#include "platform/guard.h"
#include "platform/help.h"

#include <QCollator>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

using namespace calvorin;

namespace {

const QString searchTopic = QStringLiteral("search");

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QString page(const QString& title, const QString& body) {
    return "<h2>" + title.toHtmlEscaped() + "</h2>" + body;
}

} // namespace

TfrmAjuda::TfrmAjuda(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmAjuda");
    setWindowTitle(QStringLiteral("Ajuda do Calvorin 2.1"));
    // The viewer never keeps the program running once the main window is closed.
    setAttribute(Qt::WA_QuitOnClose, false);

    btnConteudo = makeButton(this, "btnConteudo", QStringLiteral("&Conteúdo"));
    btnPesquisar = makeButton(this, "btnPesquisar", QStringLiteral("&Pesquisar"));
    btnFechar = makeButton(this, "btnFechar", QStringLiteral("&Fechar"));
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);

    paginas = new QStackedWidget(this);
    paginas->setObjectName("paginas");
    txtTopico = new QTextBrowser(paginas);
    txtTopico->setObjectName("txtTopico");
    txtTopico->setOpenLinks(false);
    paginas->addWidget(txtTopico);

    pnlPesquisa = new QWidget(paginas);
    pnlPesquisa->setObjectName("pnlPesquisa");
    auto* lblPalavra = new QLabel(QStringLiteral("Digite a palavra que procura:"), pnlPesquisa);
    lblPalavra->setObjectName("lblPalavra");
    txtPalavra = new QLineEdit(pnlPesquisa);
    txtPalavra->setObjectName("txtPalavra");
    lblPalavra->setBuddy(txtPalavra);
    lstPalavras = new QListWidget(pnlPesquisa);
    lstPalavras->setObjectName("lstPalavras");
    btnExibir = makeButton(pnlPesquisa, "btnExibir", QStringLiteral("&Exibir"));
    auto* searchLayout = new QVBoxLayout(pnlPesquisa);
    searchLayout->addWidget(lblPalavra);
    searchLayout->addWidget(txtPalavra);
    searchLayout->addWidget(lstPalavras);
    searchLayout->addWidget(btnExibir, 0, Qt::AlignRight);
    paginas->addWidget(pnlPesquisa);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnConteudo);
    buttons->addWidget(btnPesquisar);
    buttons->addStretch();
    buttons->addWidget(btnFechar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(paginas);
    resize(560, 440);

    fillKeywords();

    connectGuarded(btnConteudo, &QPushButton::clicked, this, &TfrmAjuda::btnConteudoClick);
    connectGuarded(btnPesquisar, &QPushButton::clicked, this, &TfrmAjuda::btnPesquisarClick);
    connectGuarded(btnFechar, &QPushButton::clicked, this, &TfrmAjuda::btnFecharClick);
    connectGuarded(escape, &QShortcut::activated, this, &TfrmAjuda::btnFecharClick);
    connectGuarded(btnExibir, &QPushButton::clicked, this, &TfrmAjuda::btnExibirClick);
    connectGuarded(txtPalavra, &QLineEdit::returnPressed, this, &TfrmAjuda::btnExibirClick);
    connectGuarded(lstPalavras, &QListWidget::itemActivated, this, &TfrmAjuda::btnExibirClick);
    connectGuarded(txtPalavra, &QLineEdit::textEdited, this, &TfrmAjuda::txtPalavraChange);
    connectGuarded(txtTopico, &QTextBrowser::anchorClicked, this, &TfrmAjuda::txtTopicoLinkClick);

    showContents();
}

// Every topic under its title and under each of its keywords, in alphabetical order.
void TfrmAjuda::fillKeywords() {
    struct Entry {
        QString text;
        QString id;
    };
    std::vector<Entry> entries;
    for (const HelpTopic& t : helpTopics()) {
        entries.push_back({t.title, t.id});
        for (const QString& k : t.keywords)
            entries.push_back({k, t.id});
    }
    QCollator order(QLocale(QLocale::Portuguese, QLocale::Brazil));
    order.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(entries.begin(), entries.end(),
                     [&](const Entry& a, const Entry& b) { return order.compare(a.text, b.text) < 0; });
    for (const Entry& e : entries) {
        auto* item = new QListWidgetItem(e.text, lstPalavras);
        item->setData(Qt::UserRole, e.id);
    }
}

void TfrmAjuda::showContents(const QString& note) {
    QString body;
    if (!note.isEmpty()) body += "<p><i>" + note.toHtmlEscaped() + "</i></p>";
    body += QStringLiteral("<p>Escolha um tópico:</p><ul>");
    for (const HelpTopic& t : helpTopics())
        body += "<li><a href=\"" + t.id + "\">" + t.title.toHtmlEscaped() + "</a></li>";
    body += QStringLiteral("</ul><p>Para procurar uma palavra, use <a href=\"search\">Pesquisar</a>.</p>");
    txtTopico->setHtml(page(QStringLiteral("Ajuda do Calvorin 2.1"), body));
    paginas->setCurrentWidget(txtTopico);
    topic_.clear();
}

void TfrmAjuda::showSearch(const QString& keyword) {
    txtPalavra->setText(keyword);
    txtPalavraChange();
    paginas->setCurrentWidget(pnlPesquisa);
    txtPalavra->setFocus();
    topic_ = searchTopic;
}

bool TfrmAjuda::showTopic(const QString& id) {
    const HelpTopic* t = findHelpTopic(id);
    if (!t) {
        showContents(QStringLiteral("Tópico não encontrado: ") + id);
        return false;
    }
    txtTopico->setHtml(page(t->title, t->html));
    paginas->setCurrentWidget(txtTopico);
    topic_ = t->id;
    return true;
}

void TfrmAjuda::btnConteudoClick() {
    showContents();
}
void TfrmAjuda::btnPesquisarClick() {
    showSearch(txtPalavra->text());
}
void TfrmAjuda::btnFecharClick() {
    close();
}

void TfrmAjuda::btnExibirClick() {
    if (QListWidgetItem* item = lstPalavras->currentItem()) showTopic(item->data(Qt::UserRole).toString());
}

// Typing moves the selection to the first keyword that begins with the text.
void TfrmAjuda::txtPalavraChange() {
    const QString typed = txtPalavra->text().trimmed();
    for (int i = 0; i < lstPalavras->count(); ++i) {
        QListWidgetItem* item = lstPalavras->item(i);
        if (item->text().startsWith(typed, Qt::CaseInsensitive)) {
            lstPalavras->setCurrentItem(item);
            lstPalavras->scrollToItem(item, QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

void TfrmAjuda::txtTopicoLinkClick(const QUrl& link) {
    const QString target = link.toString();
    if (target == searchTopic)
        showSearch();
    else
        showTopic(target);
}

namespace calvorin {

TfrmAjuda* helpViewer() {
    static QPointer<TfrmAjuda> viewer;
    if (!viewer) {
        viewer = new TfrmAjuda;
        // Windows go before the application object does.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, viewer, &QObject::deleteLater);
    }
    return viewer;
}

void installHelpViewer() {
    setHelpViewer([](HelpPage page, const QString& topic) {
        TfrmAjuda* viewer = helpViewer();
        switch (page) {
        case HelpPage::Contents:
            viewer->showContents();
            break;
        case HelpPage::Search:
            viewer->showSearch();
            break;
        case HelpPage::Topic:
            viewer->showTopic(topic);
            break;
        }
        viewer->show();
        viewer->raise();
        viewer->activateWindow();
    });
}

} // namespace calvorin
