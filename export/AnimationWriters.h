#pragma once

#include "Animation.h"

#include <QByteArray>

#include <stdexcept>

namespace exporting {

// An encoder's failure, with the library's own text.
class EncodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An animated GIF: a palette holding the colours a frame shows exactly whenever it shows
// 255 or fewer (a frame with more is quantised), each frame storing only its changed
// rectangle with unchanged pixels transparent, delays in hundredths carried so the running
// total stays exact, and a loop-for-ever block when the animation loops.
QByteArray encodeGif(const Animation &animation);

// An animated lossless WebP with millisecond delays; once or for ever.
QByteArray encodeWebp(const Animation &animation);

} // namespace exporting
