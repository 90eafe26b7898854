#include "graph/fGraph.h"
#include "tools/fEqua2.h"

#include <QDir>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <map>

using namespace calvorin;

namespace {

// How many elements of each name an SVG file holds; "error" counts a file that does not parse.
std::map<QString, int> svgElements(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&file);
    std::map<QString, int> count;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement) ++count[xml.name().toString()];
    count["error"] = xml.hasError();
    return count;
}

TEST(Export, SavesThePictureAsPngOrSvg) {
    enum { png = -1, failed = -2, cancelled = -3 };
    const struct {
        bool graph;
        const char* expression;
        const char* typed;
        int filter;
        const char* file;
        int paths;         // paths in the SVG, or what else happens
        QPoint curve = {}; // a pixel of the curve in the PNG
    } cases[] = {
        {true, "POT(x,2)/10", "curva", 0, "curva.png", png, {148, 108}},
        {true, "POT(x,2)/10", "curva", 1, "curva.svg", 1},
        {true, "LN(x)", "sem curva", 1, "sem curva.svg", 0},   // the fault at the first sample
        {false, "", "parábola.svg", 0, "parábola.svg", 1},     // the name's own extension wins
        {false, "", "velha", 0, "velha.png", png, {173, 102}}, // over a bigger older file
        {true, "SEN(x)", nullptr, 1, nullptr, cancelled},
        {true, "SEN(x)", "sem/pasta", 1, "sem/pasta.svg", failed}, // a folder that does not exist
    };
    DialogRecorder recorder;
    QTemporaryDir dir;
    TfrmGraph graph;
    TfrmEqua2 equa;
    graph.img->setTitle({"f(x)", 4, 4});
    QFile old(dir.filePath("velha.png"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write(QByteArray(100000, 'x')) == 100000);
    old.close();
    equa.txtA->setText("1");
    equa.txtC->setText("-4");
    equa.Button1->click();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression + std::string(" ") + (c.typed ? c.typed : "(cancelled)"));
        graph.txtExpression->setText(c.expression);
        graph.btnDraw->click();
        const QStringList before = QDir(dir.path()).entryList(QDir::Files);
        recorder.errors.clear();
        c.typed ? recorder.answerSave(dir.filePath(c.typed), c.filter) : recorder.answerCancel();
        (c.graph ? graph.Salvarimagem1 : equa.Salvarimagem1)->trigger();
        const QString path = c.file ? dir.filePath(c.file) : QString();
        EXPECT_EQ(recorder.errors,
                  c.paths == failed ? QStringList{"Cannot create file " + path + "."} : QStringList{});
        if (c.paths == failed || c.paths == cancelled) {
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), before) << "nothing written";
        } else if (c.paths == png) { // as shown: the size, the axes and the curve
            const QImage saved(path, "PNG");
            EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), (c.graph ? graph.img : equa.img)->image());
            EXPECT_EQ(saved.pixel(c.curve), qRgb(255, 0, 0));
        } else {
            auto svg = svgElements(path);
            EXPECT_EQ(svg["error"], 0);
            EXPECT_EQ(svg["path"], c.paths) << "the curve";
            EXPECT_EQ(svg["image"], 0) << "vectors, not a bitmap";
            EXPECT_GT(svg["rect"], 10) << "the background and the tick dots";
            EXPECT_EQ(svg["text"], c.graph ? 1 : 0) << "the title";
        }
    }
}

} // namespace
