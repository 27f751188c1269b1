#include "BitmapPictureSink.h"

#include "DrawingSurface.h"
#include "model/IoError.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cstdlib>

namespace preview {

namespace {

std::uint32_t le(const QByteArray &b, int at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | std::uint8_t(b[at + i]);
    return v;
}

// Qt decodes a bitmap whose pixel rows stop early and fills the rest; a picture cut short is
// damaged, not valid. Only uncompressed rows have a size known from the header.
bool uncompressedRowsComplete(const QByteArray &b)
{
    if (b.size() < 26)
        return false;
    const std::uint32_t offset = le(b, 10, 4);
    const std::uint32_t infoSize = le(b, 14, 4);
    std::int64_t width = 0, height = 0, bits = 0, compression = 0;
    if (infoSize == 12) {
        width = le(b, 18, 2);
        height = le(b, 20, 2);
        bits = le(b, 24, 2);
    } else {
        if (b.size() < 34)
            return false;
        width = std::int32_t(le(b, 18, 4));
        height = std::int32_t(le(b, 22, 4));
        bits = le(b, 28, 2);
        compression = le(b, 30, 4);
    }
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (!uncompressed)
        return true;
    // Header sizes reach 2^31 rows of 2^44 bytes: compare by division, the product overflows.
    const std::int64_t stride = (std::abs(width) * bits + 31) / 32 * 4;
    const std::int64_t pixelBytes = b.size() - std::int64_t(offset);
    return pixelBytes >= 0 && (stride == 0 || std::abs(height) <= pixelBytes / stride);
}

} // namespace

QImage loadWindowsBitmap(const QString &path)
{
    QFile file(path);
    // QFile opens a directory on some systems; it is no more a file we can read than a
    // missing one.
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw model::FileOpenError(path.toStdString());
    QByteArray bytes = file.readAll();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    // Decide by content only: a PNG renamed .bmp is not a bitmap.
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    if (reader.format() != "bmp" || !uncompressedRowsComplete(bytes))
        throw profiles::InvalidBitmapError();
    QImage image = reader.read();
    if (image.isNull())
        throw profiles::InvalidBitmapError();
    return image;
}

void BitmapPictureSink::assignPicture(const std::string &key, const std::string &path)
{
    const QImage image = loadWindowsBitmap(QString::fromStdString(path));
    mSurface.assignPicture(key, image);
    mSurface.restore(key);
}

} // namespace preview
