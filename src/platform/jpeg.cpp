#include "platform/jpeg.h"

#include <QFile>

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE

#include <jerror.h>
#include <jpeglib.h>

namespace calvorin {

namespace {

// Pictures bigger than this are refused rather than allocated: the program only shows small ones.
constexpr long long maxPixels = 8192LL * 8192LL;

// libjpeg's own handler ends the process; ours jumps back to the decoder, which gives up.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void errorExit(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

void silentOutput(j_common_ptr) {}

// Warnings (level -1) mostly mean corrupt or truncated data, which libjpeg would paper over with
// grey: treat them as errors. Two are harmless and only say the header is unusual.
void emitMessage(j_common_ptr cinfo, int level) {
    if (level >= 0) return;
    const int code = cinfo->err->msg_code;
    if (code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM) return;
    errorExit(cinfo);
}

bool allocate(QImage* image, JDIMENSION width, JDIMENSION height, bool gray) {
    if (width == 0 || height == 0 || static_cast<long long>(width) * height > maxPixels) return false;
    *image = QImage(int(width), int(height), gray ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    return !image->isNull();
}

// CMYK rows as libjpeg gives them: Adobe writes them inverted, which is what nearly every CMYK
// JPEG is, so the ink values are taken as stored.
void cmykToRgb(const JSAMPLE* in, uchar* out, JDIMENSION width) {
    for (JDIMENSION x = 0; x < width; ++x, in += 4, out += 3) {
        const int k = in[3];
        out[0] = uchar(in[0] * k / 255);
        out[1] = uchar(in[1] * k / 255);
        out[2] = uchar(in[2] * k / 255);
    }
}

// No object with a destructor lives in this frame: longjmp may leave it from inside libjpeg.
bool decode(const unsigned char* data, unsigned long size, QImage* image) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = errorExit;
    err.pub.output_message = silentOutput;
    err.pub.emit_message = emitMessage;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);

    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    const bool gray = cinfo.jpeg_color_space == JCS_GRAYSCALE;
    cinfo.out_color_space = cmyk ? JCS_CMYK : gray ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (!allocate(image, cinfo.output_width, cinfo.output_height, gray)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }

    // CMYK goes through a row of libjpeg's own memory, freed with the decompressor.
    JSAMPARRAY cmykRow =
        cmyk ? (*cinfo.mem->alloc_sarray)(j_common_ptr(&cinfo), JPOOL_IMAGE, cinfo.output_width * 4, 1)
             : nullptr;
    while (cinfo.output_scanline < cinfo.output_height) {
        uchar* line = image->scanLine(int(cinfo.output_scanline));
        JSAMPROW row = cmyk ? cmykRow[0] : line;
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) ERREXIT(&cinfo, JERR_INPUT_EOF);
        if (cmyk) cmykToRgb(cmykRow[0], line, cinfo.output_width);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

} // namespace

QImage decodeJpeg(const QByteArray& data) {
    if (data.isEmpty()) return {};
    QImage image;
    if (!decode(reinterpret_cast<const unsigned char*>(data.constData()),
                static_cast<unsigned long>(data.size()), &image))
        return {};
    return image;
}

QImage loadJpeg(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? decodeJpeg(f.readAll()) : QImage();
}

} // namespace calvorin
