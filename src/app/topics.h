#pragma once
// Topic pages: small windows listing, as links, the windows of one subject.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include <QWidget>

#include <initializer_list>

namespace calvorin {

struct TopicLink {
    const char* caption;
    void (*show)(); // shows the window of the link: open<TfrmTQPA>
};

// What every topic page does: tool border, white, a column of links Label1..LabelN.
class TopicPage : public QWidget {
    Q_OBJECT
public:
    TopicPage(const char* name, const QString& caption, bool stayOnTop,
              std::initializer_list<TopicLink> links);
};

} // namespace calvorin

class TfrmAnalise : public calvorin::TopicPage {
    Q_OBJECT
public:
    TfrmAnalise();
};

class TfrmPA : public calvorin::TopicPage {
    Q_OBJECT
public:
    TfrmPA();
};

class TfrmPG : public calvorin::TopicPage {
    Q_OBJECT
public:
    TfrmPG();
};

class TfrmMatrizes : public calvorin::TopicPage {
    Q_OBJECT
public:
    TfrmMatrizes();
};

class TfrmAnalitica : public calvorin::TopicPage {
    Q_OBJECT
public:
    TfrmAnalitica();
};

class Tfrmtools : public calvorin::TopicPage {
    Q_OBJECT
public:
    Tfrmtools();
};

class Tfrmgeometria : public calvorin::TopicPage {
    Q_OBJECT
public:
    Tfrmgeometria();
};

class TfrmFisica : public calvorin::TopicPage {
    Q_OBJECT
public:
    TfrmFisica();
};
