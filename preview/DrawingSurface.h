#pragma once

#include <cstdint>
#include <string>

class QImage;

namespace preview {

// Right and bottom are exclusive.
struct SurfaceRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

inline constexpr int SurfaceWidth = 257;
inline constexpr int SurfaceHeight = 425;
// Background red 236, green 233, blue 216 as the device sees it: red in the high byte.
inline constexpr std::uint32_t BackgroundDeviceValue = 0xECE9D8;
// Screen colours are 0x00BBGGRR.
inline constexpr std::uint32_t CircleKeyColour = 0xAABBCC;

// The double-buffered surface the preview draws on, with its image list ("0".."6" with
// magenta as transparent colour, "Circle" with 0xAABBCC) and its frame timer.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual void fill(std::uint32_t deviceValue) = 0;
    // An image that holds no picture draws nothing.
    virtual void draw(const std::string &image, int x, int y) = 0;
    virtual void fillRectAlpha(const SurfaceRect &rect, std::uint32_t screenColour, int alpha) = 0;
    // Alpha 0 or less draws nothing, 255 or more copies without blending.
    virtual void drawAlpha(const std::string &image, const SurfaceRect &dest, int alpha) = 0;
    virtual void assignPicture(const std::string &image, const QImage &bitmap) = 0;
    virtual void restore(const std::string &image) = 0;
    virtual void flip() = 0;
    virtual void setTimerInterval(int milliseconds) = 0;
    virtual void setTimerEnabled(bool enabled) = 0;
};

} // namespace preview
