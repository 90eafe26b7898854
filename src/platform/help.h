#pragma once
// The help file and the desktop shell, as the program reaches them, and the help viewer that
// shows the help file's topics.
#include <QString>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTextBrowser;
class QUrl;

// The help viewer: the contents page, the keyword search and the topics of "Cv21.hlp".
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

// The application's help file ("Cv21.hlp" at start-up).
void setApplicationHelpFile(const QString& fileName);
QString applicationHelpFile();

// The one help viewer, created hidden on first use.
TfrmAjuda* helpViewer();

// Help request: makes `helpFile` the application's help file, then kind 1 opens the keyword
// search with an empty keyword (the topic is not used) and kind 2 jumps to the topic with that
// identifier; the viewer is shown, not modal, and raised. The viewer knows only "Cv21.hlp" (in any
// case, with or without a folder): another file, or another kind, shows nothing. Gives whether the
// viewer was shown; callers may ignore it.
bool helpRequest(const QString& helpFile, int kind, const QString& topic);

// Asks the shell to start a program with a parameter; program and parameter are cut to 79
// characters. "winhelp.exe" with "cv21.hlp" (or with no parameter) opens the help viewer's contents;
// anything it cannot start does nothing and gives false. Callers ignore the result.
bool shellExecute(const QString& program, const QString& parameter);

} // namespace calvorin
