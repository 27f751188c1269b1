#include "FrameTimer.h"

#include <algorithm>

namespace preview {

FrameTimer::FrameTimer(QObject *parent) : QTimer(parent)
{
    setTimerType(Qt::PreciseTimer);
}

void FrameTimer::setFrameInterval(int milliseconds)
{
    const int frame = std::max(milliseconds, 0);
    if (isActive() && interval() == frame)
        return;
    setInterval(frame);
}

} // namespace preview
