#pragma once
// A label used as a link: hand cursor, and a click signal when released over it. Given a focus
// policy, it also draws a focus frame and follows with Enter, Return or Space.
#include <QLabel>

namespace calvorin {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text = QString(), QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};

// A link label with its name and caption, placed in `parent`.
LinkLabel* makeLink(QWidget* parent, const char* name, const QString& caption);

// The colour a label's text is drawn in (red topic links, blue web and mail links).
void setTextColour(QWidget* widget, const QColor& colour);

// Bold text, optionally in a larger size: headings and the links that stand out.
void setBold(QWidget* widget, int pointSize = 0);

} // namespace calvorin
