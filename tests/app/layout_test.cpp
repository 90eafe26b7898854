// Every window as the program shows it, in a comma and a full-stop locale: its named controls lie
// inside the client area without covering one another, and it has the client size it is drawn to.
#include "app_fixture.h"

#include "platform/locale.h"
#include "plotter/Tracador2D.h"

#include <QLabel>
#include <QLayout>
#include <QMainWindow>

#include <map>
#include <string>

using namespace apptest;

namespace {

// The windows drawn to a stated client size; the others take the size of their contents.
const std::map<std::string, std::pair<int, int>> clientSizes = {
    {"TfrmComandos", {564, 210}}, {"TfrmEditor", {526, 312}},       {"TfrmGraph", {358, 324}},
    {"TfrmEqua2", {366, 400}},    {"TfrmOperMatrizes", {489, 124}}, {"TfrmDeterminante", {377, 101}},
};

// Where each control a user sees shows, in the window's coordinates: visible, named by us, and not
// a zoomed plotter (that one grows beneath the others). A label takes the room of its text, not of
// the cell it was laid out in: text wider than the label runs over whatever lies beside it.
std::vector<std::pair<QWidget*, QRect>> shownControls(QWidget* window) {
    std::vector<std::pair<QWidget*, QRect>> out;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith("qt_") || !w->isVisible() ||
            w->isWindow())
            continue;
        if (auto* plot = qobject_cast<TTracador2D*>(w); plot && plot->magnification() > 1) continue;
        QRect r = w->rect();
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty())
            r = label->fontMetrics().boundingRect(label->contentsRect(),
                                                  int(label->alignment()) | Qt::TextShowMnemonic |
                                                      (label->wordWrap() ? Qt::TextWordWrap : 0),
                                                  label->text());
        out.emplace_back(w, r.translated(w->mapTo(window, QPoint())));
    }
    return out;
}

std::string describe(const std::pair<QWidget*, QRect>& c) {
    const QRect& r = c.second;
    return QString("%1 at %2,%3 %4x%5")
        .arg(c.first->objectName())
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height())
        .toStdString();
}

class Layout : public WindowTest {
protected:
    ~Layout() override { // the other tests find the windows as the program made them
        calvorin::WindowRegistry::destroyAll();
        calvorin::initLocale(saved_);
        calvorin::createAllWindows();
    }

private:
    QLocale saved_ = calvorin::programLocale();
};

TEST_F(Layout, EveryWindowFitsItsControls) {
    std::size_t sized = 0;
    for (const char* locale : {"pt_BR", "en_US"}) {
        calvorin::WindowRegistry::destroyAll();
        calvorin::initLocale(QLocale(locale));
        calvorin::createAllWindows();
        for (QWidget* window : calvorin::WindowRegistry::windows()) {
            const std::string name = window->metaObject()->className();
            SCOPED_TRACE(std::string(locale) + " " + name);
            calvorin::showWindow(window);
            QApplication::processEvents();
            // Below the menu bar where there is one.
            auto* main = qobject_cast<QMainWindow*>(window);
            const QRect client =
                main && main->centralWidget() ? main->centralWidget()->geometry() : window->rect();
            if (auto size = clientSizes.find(name); size != clientSizes.end()) {
                EXPECT_EQ(std::pair(client.width(), client.height()), size->second);
                ++sized;
            }
            if (QLayout* layout = window->layout()) { // nothing squeezed below the room it needs
                const QSize need = layout->minimumSize();
                EXPECT_EQ(need.boundedTo(window->size()), need) << need.width() << "x" << need.height();
            }
            const auto controls = shownControls(window);
            for (std::size_t i = 0; i < controls.size(); ++i) {
                EXPECT_TRUE(client.contains(controls[i].second)) << describe(controls[i]) << " outside";
                for (std::size_t j = i + 1; j < controls.size(); ++j) {
                    QWidget *a = controls[i].first, *b = controls[j].first;
                    if (a->isAncestorOf(b) || b->isAncestorOf(a)) continue;
                    EXPECT_FALSE(controls[i].second.intersects(controls[j].second))
                        << describe(controls[i]) << " overlaps " << describe(controls[j]);
                }
            }
            window->hide();
        }
    }
    EXPECT_EQ(sized, 2 * clientSizes.size());
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

} // namespace
