#pragma once
// Encodes pictures with libjpeg itself, for the decoder's tests and the fuzzer's seed pictures.
#include <QByteArray>

#include <cstdio> // jpeglib.h needs FILE
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace calvorin::testkit {

// Each pixel's components come from pixel(x, y, out); tune(cinfo) may change the defaults
// (progressive, restarts, sampling...) before compression starts.
template <class Pixel, class Tune>
QByteArray encodeJpeg(int width, int height, int components, J_COLOR_SPACE space, Pixel pixel, Tune tune) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    tune(cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(size_t(width * components));
    while (cinfo.next_scanline < cinfo.image_height) {
        for (int x = 0; x < width; ++x)
            pixel(x, int(cinfo.next_scanline), &row[size_t(x * components)]);
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    std::free(out);
    return bytes;
}

template <class Pixel>
QByteArray encodeJpeg(int width, int height, int components, J_COLOR_SPACE space, Pixel pixel) {
    return encodeJpeg(width, height, components, space, pixel, [](jpeg_compress_struct&) {});
}

} // namespace calvorin::testkit
