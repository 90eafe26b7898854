#pragma once
// The help viewer: the contents page, the keyword search and the topics of "Cv21.hlp".
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include <QString>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTextBrowser;
class QUrl;

class TfrmAjuda : public QWidget {
    Q_OBJECT
    // The identifier of the topic shown: "" for the contents, "search" for the keyword search.
    Q_PROPERTY(QString topic READ topic)

public:
    explicit TfrmAjuda(QWidget* parent = nullptr);

    QString topic() const { return topic_; }

    // The contents page; `note` is a line shown above the list of topics.
    void showContents(const QString& note = QString());
    // The keyword search, with the keyword typed into its edit.
    void showSearch(const QString& keyword = QString());
    // Jumps to a topic. An unknown identifier shows the contents with a note and gives false.
    bool showTopic(const QString& id);

    QPushButton* btnConteudo;
    QPushButton* btnPesquisar;
    QPushButton* btnFechar;
    QStackedWidget* paginas;
    QTextBrowser* txtTopico; // contents and topics
    QWidget* pnlPesquisa;    // the keyword search
    QLineEdit* txtPalavra;
    QListWidget* lstPalavras;
    QPushButton* btnExibir;

    void btnConteudoClick();
    void btnPesquisarClick();
    void btnFecharClick();
    void btnExibirClick();
    void txtPalavraChange();
    void txtTopicoLinkClick(const QUrl& link);

private:
    void fillKeywords();

    QString topic_;
};

namespace calvorin {

// The one help viewer, created hidden on first use.
TfrmAjuda* helpViewer();

// Hands the viewer to the help requests (platform/help.h), which show nothing until then.
void installHelpViewer();

} // namespace calvorin
