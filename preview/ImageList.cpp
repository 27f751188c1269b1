#include "ImageList.h"

#include <stdexcept>

namespace preview {

namespace {

constexpr const char *Names[8] = {"0", "1", "2", "3", "4", "5", "6", "Circle"};

std::size_t indexOf(const std::string &name)
{
    for (std::size_t i = 0; i < 8; ++i)
        if (name == Names[i])
            return i;
    throw std::out_of_range("No image named " + name);
}

} // namespace

ImageList::ImageList()
{
    for (std::size_t i = 0; i < 7; ++i)
        mImages[i].transparent = qRgb(255, 0, 255);
    mImages[7].transparent = qRgb(204, 187, 170);
}

ImageList::Image &ImageList::at(const std::string &name) { return mImages[indexOf(name)]; }
const ImageList::Image &ImageList::at(const std::string &name) const { return mImages[indexOf(name)]; }

void ImageList::assignPicture(const std::string &name, const QImage &bitmap)
{
    at(name).picture = bitmap.copy();
}

void ImageList::restore(const std::string &name)
{
    Image &image = at(name);
    image.drawable = makeDrawable(image.picture, image.transparent);
}

QImage ImageList::makeDrawable(const QImage &picture, QRgb transparent)
{
    if (picture.isNull())
        return {};
    // Bitmaps carry no usable alpha (32-bit ones often hold zeros there): compare and keep
    // only the colour channels.
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent & 0xFFFFFF;
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb rgb = line[x] & 0xFFFFFF;
            line[x] = rgb == key ? 0u : (0xFF000000u | rgb);
        }
    }
    return out;
}

} // namespace preview
