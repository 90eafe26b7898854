#include "platform/jpeg.h"

#include <QFile>

namespace calvorin {
QImage decodeJpeg(const QByteArray&) { return {}; }
QImage loadJpeg(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? decodeJpeg(f.readAll()) : QImage();
}
} // namespace calvorin
