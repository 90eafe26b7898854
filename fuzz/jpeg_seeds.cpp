// Writes the JPEG fuzzer's seed pictures into the folder given: small pictures of every kind the
// decoder meets (grey, colour, CMYK; baseline, progressive, arithmetic; restarts; sampling).
#include "support/jpeg_encode.h"

#include <QDir>
#include <QFile>

#include <cstdio>

using calvorin::testkit::encodeJpeg;

namespace {

void gradient(int x, int y, JSAMPLE* p, int components) {
    for (int c = 0; c < components; ++c)
        p[c] = JSAMPLE((x * 37 + y * 11 + c * 90) & 0xFF);
}

template <int Components> void pixel(int x, int y, JSAMPLE* p) {
    gradient(x, y, p, Components);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    dir.mkpath(".");
    const auto save = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    };
    const auto progressive = [](jpeg_compress_struct& c) { jpeg_simple_progression(&c); };
    const auto restarts = [](jpeg_compress_struct& c) { c.restart_in_rows = 1; };
    const auto arithmetic = [](jpeg_compress_struct& c) { c.arith_code = TRUE; };
    const auto optimised = [](jpeg_compress_struct& c) { c.optimize_coding = TRUE; };
    const auto fullChroma = [](jpeg_compress_struct& c) {
        c.comp_info[0].h_samp_factor = c.comp_info[0].v_samp_factor = 1;
    };

    bool ok = save("rgb.jpg", encodeJpeg(17, 9, 3, JCS_RGB, pixel<3>)) &&
              save("gray.jpg", encodeJpeg(8, 8, 1, JCS_GRAYSCALE, pixel<1>)) &&
              save("cmyk.jpg", encodeJpeg(9, 7, 4, JCS_CMYK, pixel<4>)) &&
              save("progressive.jpg", encodeJpeg(24, 16, 3, JCS_RGB, pixel<3>, progressive)) &&
              save("gray_progressive.jpg", encodeJpeg(16, 16, 1, JCS_GRAYSCALE, pixel<1>, progressive)) &&
              save("restarts.jpg", encodeJpeg(16, 32, 3, JCS_RGB, pixel<3>, restarts)) &&
              save("arithmetic.jpg", encodeJpeg(16, 16, 3, JCS_RGB, pixel<3>, arithmetic)) &&
              save("optimised.jpg", encodeJpeg(12, 12, 3, JCS_RGB, pixel<3>, optimised)) &&
              save("full_chroma.jpg", encodeJpeg(8, 16, 3, JCS_RGB, pixel<3>, fullChroma));
    return ok ? 0 : 1;
}
