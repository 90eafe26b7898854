#pragma once
// JPEG pictures, decoded by libjpeg.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace calvorin {
// A null image when the data is missing or not a readable JPEG; never ends the program.
QImage decodeJpeg(const QByteArray& data);
// Reads a file or a resource (":/...") and decodes it.
QImage loadJpeg(const QString& path);
} // namespace calvorin
