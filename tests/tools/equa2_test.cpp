#include "plotter/Tracador2D.h"
#include "support/tools_fixture.h"
#include "tools/fEqua2.h"

#include <QTest>

using namespace calvorin;
using namespace calvorin::testing_tools;

namespace {

class Equa2 : public ToolFixture, public testing::TestWithParam<char> {
protected:
    SeparatorGuard separator{GetParam()};
    void SetUp() override { create({w = new TfrmEqua2}); }
    void TearDown() override { destroy(); }
    QString decimal(const char* withComma) const {
        return QString::fromUtf8(withComma).replace(',', QChar::fromLatin1(GetParam()));
    }
    TfrmEqua2* w = nullptr;
};

const char* const none = "Sem raízes reais!";

// clang-format off
// One calculation per row, in order: the roots and the vertex, each seen whole, or the error box.
TEST_P(Equa2, Calculations) {
    const struct {
        Inputs inputs;
        std::vector<const char*> answers; // roots and vertex; empty: unchanged
        const char* error = nullptr;
    } cases[] = {
        {{{"txtA", "1"}, {"txtB", "-3"}, {"txtC", "2"}}, {"2", "1", "1,5", "-0,25"}},
        {{{"txtA", "1"}, {"txtB", ""}, {"txtC", "-4"}}, {"2", "-2", "0", "-4"}},
        {{{"txtA", "2"}, {"txtB", "-0"}, {"txtC", ""}}, {"0", "0", "0", "0"}},
        {{{"txtA", "3"}, {"txtB", "-7"}, {"txtC", "1"}}, {"2,18046042171637", "0,152872911616963", "1,16666666666667", "-3,08333333333333"}},
        {{{"txtA", "1"}, {"txtB", "1"}, {"txtC", "1"}}, {none, none, "-", "-"}},
        {{{"txtA", "1,5,1"}}, {}},
        {{{"txtA", "0"}, {"txtB", "2"}}, {}, "Invalid floating point operation."},
        {{{"txtA", ""}, {"txtB", "-2"}}, {}, "Floating point division by zero."},
        {{{"txtA", "-"}}, {}, "'-' is not a valid floating point value."},
    };
    w->show(); // laid out, so that each answer can be seen whole
    const char* const labels[] = {"lblSol1", "lblSol2", "lblVertex", "lblVertey"};
    QStringList shown = {"-", "-", "-", "-"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.inputs[0].second);
        recorder.errors.clear();
        type(w, c.inputs);
        click(w, "Button1");
        for (std::size_t i = 0; i < c.answers.size(); ++i)
            shown[i] = decimal(c.answers[i]);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(caption(w, labels[i]), shown[i]);
            const QLabel* l = control<QLabel>(w, labels[i]);
            EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width()) << labels[i];
        }
        EXPECT_EQ(recorder.errors, c.error ? QStringList{c.error} : QStringList{});
    }
    type(w, {{"txtA", "0.5"}, {"txtB", ""}, {"txtC", "-2"}});
    click(w, "Button1");
    EXPECT_EQ(caption(w, "lblSol1"), GetParam() == '.' ? "2" : none);
}

// x from -173 to 173 and y from about -507 to 507: the origin at (173, 101), 5 units a pixel upwards,
// silver dots every 10 pixels along x and every 2 along y. The curve covers them where it passes:
// the roots -10 and 10 and the vertex (0, -100) of x² - 100. No roots and a = 0 leave a blank graph.
TEST_P(Equa2, TheParabolaOnTheGraph) {
    const std::pair<const char*, const char*> cases[] = {{"1", "-100"}, {"1", "1"}, {"1", "-100"}, {"", "-100"}};
    for (auto [a, c] : cases) {
        type(w, {{"txtA", a}, {"txtB", ""}, {"txtC", c}});
        click(w, "Button1");
        const QRgb shown = std::string(a) + c == "1-100" ? qRgb(255, 0, 0) : qRgb(0xC0, 0xC0, 0xC0);
        for (QPoint p : {QPoint(163, 101), QPoint(183, 101), QPoint(173, 121)})
            EXPECT_EQ(w->img->image().pixel(p), shown) << a << c << " " << p.x() << "," << p.y();
    }
}

// The window system hands a right click to whatever lies under the pointer: anywhere on the picture
// that must be the plotter, whose menu opens, before and after a zoom step.
TEST_P(Equa2, RightClickOnThePictureOpensItsMenu) {
    w->show();
    const QRect picture(w->img->pos(), QSize(346, 203));
    for (bool zoomed : {false, true}) {
        if (zoomed) w->Aumentarzoom1->trigger();
        for (QPoint at : {picture.topLeft(), picture.center(), picture.bottomRight()}) {
            QTest::mouseClick(w->windowHandle(), Qt::RightButton, {}, at);
            EXPECT_TRUE(w->PopupMenu1->isVisible()) << zoomed << " at " << at.x() << "," << at.y();
            w->PopupMenu1->hide();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, Equa2, testing::Values(',', '.'));
// clang-format on

} // namespace
