#pragma once

#include <QImage>
#include <QRgb>

#include <array>
#include <string>

namespace preview {

// The preview's images: "0" the device picture, "1".."6" the element pictures (magenta is
// transparent) and "Circle", the scratch image of the round shapes (0xAABBCC is
// transparent). Each image keeps the picture it was given and a drawable copy in which the
// transparent pixels have alpha 0; the copy changes only on restore().
class ImageList {
public:
    struct Image {
        QImage picture;
        // ARGB32, alpha 0 exactly where the picture has the transparent colour.
        QImage drawable;
        QRgb transparent = 0;
    };

    ImageList();

    // Any other name throws std::out_of_range.
    Image &at(const std::string &name);
    const Image &at(const std::string &name) const;

    void assignPicture(const std::string &name, const QImage &bitmap);
    void restore(const std::string &name);

    static QImage makeDrawable(const QImage &picture, QRgb transparent);

private:
    std::array<Image, 8> mImages;
};

} // namespace preview
