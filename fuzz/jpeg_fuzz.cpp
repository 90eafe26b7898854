// Any bytes as a JPEG picture: a null image or a picture of the promised format and size, never a
// crash, a hang or an allocation beyond the picture limit.
#include "platform/jpeg.h"

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QImage image =
        calvorin::decodeJpeg(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (image.isNull()) return 0;
    require(image.format() == QImage::Format_Grayscale8 || image.format() == QImage::Format_RGB888);
    require(image.width() > 0 && image.height() > 0 &&
            qint64(image.width()) * image.height() <= 8192LL * 8192);
    return 0;
}
