#pragma once

#include "profiles/Skin.h"

#include <QImage>
#include <QString>

namespace preview {

class DrawingSurface;

// Reads a Windows bitmap file, whatever variant a paint program writes (1 to 32 bits,
// palette, RLE, top-down). Throws model::FileOpenError(path) when the file cannot be opened
// and profiles::InvalidBitmapError when it is not a bitmap or does not decode.
QImage loadWindowsBitmap(const QString &path);

// Loads a skin's pictures into the surface's image list and restores them.
class BitmapPictureSink : public profiles::PictureSink {
public:
    explicit BitmapPictureSink(DrawingSurface &surface) : mSurface(surface) {}
    void assignPicture(const std::string &key, const std::string &path) override;

private:
    DrawingSurface &mSurface;
};

} // namespace preview
