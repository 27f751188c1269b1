#pragma once

#include "Animation.h"

#include <QByteArray>

#include <memory>
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
// total stays exact (a frame of less than two hundredths, which browsers stretch to ten,
// shows with the next), and a loop-for-ever block when the animation loops.
QByteArray encodeGif(const Animation &animation);

// The same, written frame by frame as renderAnimation hands them over.
class GifEncoder {
public:
    GifEncoder(QSize size, bool loop);
    ~GifEncoder();
    void add(const AnimationFrame &frame);
    // The file; throws EncodeError when no frame was added.
    QByteArray finish();

private:
    struct State;
    std::unique_ptr<State> d;
};

// An animated lossless WebP with millisecond delays; once or for ever.
QByteArray encodeWebp(const Animation &animation);

} // namespace exporting
