#include "plot/fGraph.h"
#include "tools/fEqua2.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <map>

using namespace calvorin;

namespace {

struct Svg {
    bool parsed = false;
    std::map<QString, int> elements; // how many of each name
    QString viewBox;
    QString curveStroke; // the stroke in force where the path is
};

Svg readSvg(const QString& path) {
    QFile file(path);
    Svg svg;
    if (!file.open(QIODevice::ReadOnly)) return svg;
    QXmlStreamReader xml(&file);
    QStringList strokes{QString()};
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::EndElement) strokes.removeLast();
        if (!xml.isStartElement()) continue;
        const auto stroke = xml.attributes().value("stroke");
        strokes << (stroke.isEmpty() ? strokes.last() : stroke.toString());
        const QString name = xml.name().toString();
        ++svg.elements[name];
        if (name == "svg") svg.viewBox = xml.attributes().value("viewBox").toString();
        if (name == "path") svg.curveStroke = strokes.last();
    }
    svg.parsed = !xml.hasError();
    return svg;
}

class Export : public testing::Test {
protected:
    DialogRecorder recorder;
    QTemporaryDir dir;
    TfrmGraph graph;
    TfrmEqua2 equa;

    void plot(const char* expression) {
        graph.txtExpression->setText(expression);
        graph.btnDraw->click();
        equa.txtA->setText("1");
        equa.txtC->setText("-4");
        equa.Button1->click();
        recorder.errors.clear(); // the picture is drawn; the window's report line has no main window here
    }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files); }
};

TEST_F(Export, SavesThePictureAsPngOrSvg) {
    const QRgb black = qRgb(0, 0, 0), red = qRgb(255, 0, 0);
    const struct {
        bool graph;
        const char* expression;
        const char* typed;
        int filter;
        const char* file;
        int paths; // -1: a PNG
    } cases[] = {
        {true, "POT(x,2)/10", "curva", 0, "curva.png", -1},
        {true, "POT(x,2)/10", "curva", 1, "curva.svg", 1},
        {true, "LN(x)", "sem curva", 1, "sem curva.svg", 0}, // the fault at the first sample
        {false, "", "parábola.svg", 0, "parábola.svg", 1},   // the name's own extension wins
        {false, "", "parábola.PNG", 1, "parábola.PNG", -1},
        {false, "", "velha", 0, "velha.png", -1}, // over an older file
    };
    QFile old(dir.filePath("velha.png"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write(QByteArray(100000, 'x')) == 100000);
    old.close();
    graph.img->setTitle({"f(x)", 4, 4});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        plot(c.expression);
        TTracador2D* img = c.graph ? graph.img : equa.img;
        recorder.answerSave(dir.filePath(c.typed), c.filter);
        (c.graph ? graph.Salvarimagem1 : equa.Salvarimagem1)->trigger();
        EXPECT_EQ(recorder.errors, QStringList{});
        const QString path = dir.filePath(c.file);
        if (c.paths < 0) {
            const QImage saved(path, "PNG");
            EXPECT_EQ(saved.size(), img->image().size());
            EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), img->image());
            if (c.graph) {
                EXPECT_EQ(saved.pixel(128, 5), black); // the y axis
                EXPECT_EQ(saved.pixel(148, 108), red); // the curve
            }
            continue;
        }
        Svg svg = readSvg(path);
        EXPECT_TRUE(svg.parsed);
        EXPECT_EQ(svg.elements["path"], c.paths);
        EXPECT_EQ(svg.elements["image"], 0) << "vectors, not a bitmap";
        EXPECT_GT(svg.elements["rect"], 1) << "the background and the tick dots";
        EXPECT_EQ(svg.elements["text"], c.graph ? 1 : 0) << "the title";
        EXPECT_EQ(svg.viewBox, QString("0 0 %1 %2").arg(img->image().width()).arg(img->image().height()));
        if (c.paths) {
            EXPECT_EQ(svg.curveStroke, "#ff0000");
        }
    }
}

TEST_F(Export, CancelWritesNothingAndAFailedWriteShowsTheErrorBox) {
    plot("SEN(x)");
    recorder.answerCancel();
    graph.Salvarimagem1->trigger();
    equa.Salvarimagem1->trigger(); // unanswered: cancelled
    EXPECT_EQ(files(), QStringList{});
    EXPECT_EQ(recorder.errors, QStringList{});
    EXPECT_EQ(recorder.saveFilters.value(0), "Imagem PNG|*.png|Imagem SVG|*.svg");

    for (int filter : {0, 1}) {
        recorder.errors.clear();
        recorder.answerSave(dir.filePath("sem/pasta"), filter);
        graph.Salvarimagem1->trigger();
        const QString name = dir.filePath(filter ? "sem/pasta.svg" : "sem/pasta.png");
        EXPECT_EQ(recorder.errors, QStringList{"Cannot create file " + name + "."});
    }
    EXPECT_EQ(files(), QStringList{});
}

TEST_F(Export, MenusAndScreenReaderNames) {
    const QList<QAction*> items = equa.PopupMenu1->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_TRUE(items[2]->isSeparator());
    EXPECT_EQ(items[3], equa.Salvarimagem1);
    EXPECT_EQ(graph.PopupMenu1->actions(), QList<QAction*>{graph.Salvarimagem1});

    const std::pair<QWidget*, const char*> edits[] = {
        {graph.txtExpression, "f(x) ="}, {graph.txtEscalax, "Eixo x"}, {graph.txtEscalay, "Eixo y"}};
    for (auto [edit, name] : edits)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name), name);
}

} // namespace
