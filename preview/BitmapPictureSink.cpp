#include "BitmapPictureSink.h"

#include "DrawingSurface.h"
#include "model/IoError.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace preview {

QImage loadWindowsBitmap(const QString &path)
{
    QFile file(path);
    // QFile opens a directory on some systems; it is no more a file we can read than a
    // missing one.
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw model::FileOpenError(path.toStdString());
    // Decide by content only: a PNG renamed .bmp is not a bitmap.
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    if (reader.format() != "bmp")
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
