#include "platform/jpeg.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>

#include "support/jpeg_encode.h"

#include <gtest/gtest.h>

#include <cstdlib>

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
    const QImage gray =
        decodeJpeg(encodeJpeg(8, 8, 1, JCS_GRAYSCALE, [](int, int, JSAMPLE* p) { p[0] = 200; }));
    ASSERT_FALSE(gray.isNull());
    EXPECT_TRUE(gray.isGrayscale());
    EXPECT_TRUE(near(qGray(gray.pixel(3, 3)), 200));

    const QImage rgb = decodeJpeg(encodeJpeg(16, 8, 3, JCS_RGB, [](int, int, JSAMPLE* p) {
        p[0] = 220;
        p[1] = 40;
        p[2] = 30;
    }));
    ASSERT_EQ(rgb.size(), QSize(16, 8));
    const QRgb c = rgb.pixel(5, 5);
    EXPECT_TRUE(near(qRed(c), 220) && near(qGreen(c), 40) && near(qBlue(c), 30))
        << qRed(c) << ' ' << qGreen(c) << ' ' << qBlue(c);

    // CMYK as stored by the tools that write it: the values are inverted ink amounts. Full
    // magenta and yellow ink with no black gives red.
    const QImage cmyk = decodeJpeg(encodeJpeg(8, 8, 4, JCS_CMYK, [](int, int, JSAMPLE* p) {
        p[0] = 255;
        p[1] = 0;
        p[2] = 0;
        p[3] = 255;
    }));
    ASSERT_FALSE(cmyk.isNull());
    const QRgb k = cmyk.pixel(2, 2);
    EXPECT_TRUE(near(qRed(k), 255) && near(qGreen(k), 0) && near(qBlue(k), 0))
        << qRed(k) << ' ' << qGreen(k) << ' ' << qBlue(k);
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

INSTANTIATE_TEST_SUITE_P(
    Table, BadJpeg,
    testing::Values(BadCase{"empty", QByteArray()}, BadCase{"two_bytes", QByteArray("\xFF\xD8")},
                    BadCase{"header_only", paintingBytes().left(200)},
                    BadCase{"truncated_half", paintingBytes().left(paintingBytes().size() / 2)},
                    BadCase{"without_end_marker", paintingBytes().left(paintingBytes().size() - 2)},
                    BadCase{"random", randomBytes(4000, 7)},
                    BadCase{"random_after_a_jpeg_start",
                            QByteArray("\xFF\xD8\xFF\xE0") + randomBytes(4000, 11)},
                    BadCase{"png", pngBytes()}, BadCase{"text", QByteArray("not a picture at all")}),
    [](const testing::TestParamInfo<BadCase>& info) { return std::string(info.param.name); });

TEST(BadJpeg, CorruptScanDataGivesAnEmptyPicture) {
    // Damage the compressed data in the middle, past the headers.
    QByteArray damaged = paintingBytes();
    for (qsizetype i = damaged.size() / 2; i < damaged.size() / 2 + 64; ++i)
        damaged[i] = '\xFF';
    EXPECT_TRUE(decodeJpeg(damaged).isNull());
}

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
