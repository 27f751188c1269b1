#pragma once

#include <QTimer>

namespace preview {

// The timer that shows frames, for playback and the effects dialog alike: precise and periodic,
// so that the time spent drawing a frame never adds to the next interval.
class FrameTimer : public QTimer {
    Q_OBJECT
public:
    explicit FrameTimer(QObject *parent = nullptr);

    // The length of the frames from now on. QTimer restarts a running timer on setInterval even
    // for the same interval, counting from the end of the tick, so every frame would run late by
    // the tick's own time: an unchanged interval keeps the running schedule instead, which
    // counts from when the tick was due.
    void setFrameInterval(int milliseconds);
};

} // namespace preview
