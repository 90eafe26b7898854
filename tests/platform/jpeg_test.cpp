#include "platform/jpeg.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>

#include "support/jpeg_encode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

using namespace calvorin;
using calvorin::testkit::encodeJpeg;

namespace {

QByteArray resource(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool near(int a, int b) {
    return std::abs(a - b) <= 6;
}

// ---- our pictures ---------------------------------------------------------------------------

struct PictureCase {
    const char* path;
    int width;
    int height;
};

class OurPictures : public testing::TestWithParam<PictureCase> {};

TEST_P(OurPictures, DecodeAtTheirSize) {
    const QImage image = loadJpeg(GetParam().path);
    ASSERT_FALSE(image.isNull()) << GetParam().path;
    EXPECT_EQ(image.size(), QSize(GetParam().width, GetParam().height));
    EXPECT_LT(resource(GetParam().path).size(), 15 * 1024) << "keep the pictures small";
}

INSTANTIATE_TEST_SUITE_P(Table, OurPictures,
                         testing::Values(PictureCase{":/pictures/noticias.jpg", 100, 100},
                                         PictureCase{":/pictures/pintura.jpg", 150, 110}));

TEST(OurPictures, SmallPicturesAreThere) {
    for (const char* path : {":/pictures/salvar.png", ":/pictures/recortar.png", ":/pictures/copiar.png",
                             ":/pictures/colar.png"})
        EXPECT_EQ(QImage(path).size(), QSize(32, 32)) << path;
}

// ---- colour spaces --------------------------------------------------------------------------

TEST(DecodeJpeg, GrayRgbAndCmykPixelsComeOutRight) {
    const struct {
        int width, components;
        J_COLOR_SPACE space;
        std::vector<JSAMPLE> stored;
        QRgb shown;
    } cases[] = {
        {8, 1, JCS_GRAYSCALE, {200}, qRgb(200, 200, 200)},
        {16, 3, JCS_RGB, {220, 40, 30}, qRgb(220, 40, 30)},
        // CMYK as stored by the tools that write it: the values are inverted ink amounts. Full
        // magenta and yellow ink with no black gives red.
        {8, 4, JCS_CMYK, {255, 0, 0, 255}, qRgb(255, 0, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.components);
        const QImage image =
            decodeJpeg(encodeJpeg(c.width, 8, c.components, c.space, [&](int, int, JSAMPLE* p) {
                std::copy(c.stored.begin(), c.stored.end(), p);
            }));
        ASSERT_EQ(image.size(), QSize(c.width, 8));
        EXPECT_EQ(image.isGrayscale(), c.components == 1);
        const QRgb got = image.pixel(3, 3);
        EXPECT_TRUE(near(qRed(got), qRed(c.shown)) && near(qGreen(got), qGreen(c.shown)) &&
                    near(qBlue(got), qBlue(c.shown)))
            << qRed(got) << ' ' << qGreen(got) << ' ' << qBlue(got);
    }
}

// ---- what must never end the program --------------------------------------------------------

QByteArray randomBytes(int n, quint32 seed) {
    QByteArray b(n, '\0');
    QRandomGenerator rng(seed);
    for (char& c : b)
        c = char(rng.bounded(256));
    return b;
}

QByteArray pngBytes() {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage(4, 4, QImage::Format_RGB32).save(&buffer, "PNG");
    return png;
}

struct BadCase {
    const char* name;
    QByteArray data;
};

void PrintTo(const BadCase& c, std::ostream* os) {
    *os << c.name;
}

class BadJpeg : public testing::TestWithParam<BadCase> {};

TEST_P(BadJpeg, GivesAnEmptyPicture) {
    EXPECT_TRUE(decodeJpeg(GetParam().data).isNull());
}

// Read when first needed: the resources may not be registered yet while statics are initialised.
const QByteArray& paintingBytes() {
    static const QByteArray bytes = resource(":/pictures/pintura.jpg");
    return bytes;
}

// The compressed data damaged in the middle, past the headers.
QByteArray corruptScan() {
    QByteArray damaged = paintingBytes();
    return damaged.replace(damaged.size() / 2, 64, QByteArray(64, '\xFF'));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, BadJpeg, testing::ValuesIn(std::vector<BadCase>{
    {"empty", QByteArray()}, {"two_bytes", QByteArray("\xFF\xD8")}, {"header_only", paintingBytes().left(200)},
    {"truncated_half", paintingBytes().left(paintingBytes().size() / 2)},
    {"without_end_marker", paintingBytes().left(paintingBytes().size() - 2)},
    {"random", randomBytes(4000, 7)},
    {"random_after_a_jpeg_start", QByteArray("\xFF\xD8\xFF\xE0") + randomBytes(4000, 11)},
    {"corrupt_scan_data", corruptScan()}, {"png", pngBytes()}, {"text", QByteArray("not a picture at all")}}),
    [](const testing::TestParamInfo<BadCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(BadJpeg, DamagedBytesGiveAnEmptyPictureOrTheWholeOne) {
    QRandomGenerator rng(2026);
    for (int round = 0; round < 400; ++round) {
        QByteArray damaged = paintingBytes();
        for (int n = 0; n < 1 + round % 4; ++n)
            damaged[rng.bounded(int(damaged.size()))] = char(rng.bounded(256));
        const QImage image = decodeJpeg(damaged);
        if (!image.isNull()) {
            EXPECT_EQ(image.size(), QSize(150, 110)) << "round " << round;
        }
    }
}

TEST(BadJpeg, MissingFileGivesAnEmptyPicture) {
    EXPECT_TRUE(loadJpeg("/no/such/picture.jpg").isNull());
    EXPECT_TRUE(loadJpeg(":/pictures/nothing.jpg").isNull());
}

TEST(BadJpeg, DecodingGoesOnAfterAFailure) {
    EXPECT_TRUE(decodeJpeg(paintingBytes().left(300)).isNull());
    EXPECT_FALSE(decodeJpeg(paintingBytes()).isNull());
}

} // namespace
