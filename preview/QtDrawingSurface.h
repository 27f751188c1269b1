#pragma once

#include "DrawingSurface.h"
#include "FrameTimer.h"
#include "ImageList.h"

#include <QImage>
#include <QObject>

namespace preview {

// A software surface: the back buffer is a QImage that every operation draws into, flip()
// copies it whole to the front image that DXDraw shows. The frame timer Timer1 runs only
// while it is enabled and the application is active; tick() is its signal.
class QtDrawingSurface : public QObject, public DrawingSurface {
    Q_OBJECT
public:
    explicit QtDrawingSurface(QObject *parent = nullptr);

    void fill(std::uint32_t deviceValue) override;
    void draw(const std::string &image, int x, int y) override;
    void fillRectAlpha(const SurfaceRect &rect, std::uint32_t screenColour, int alpha) override;
    void drawAlpha(const std::string &image, const SurfaceRect &dest, int alpha) override;
    void assignPicture(const std::string &image, const QImage &bitmap) override;
    void restore(const std::string &image) override;
    void flip() override;
    void setTimerInterval(int milliseconds) override;
    void setTimerEnabled(bool enabled) override;

    const QImage &backBuffer() const { return mBack; }
    const QImage &frontBuffer() const { return mFront; }
    ImageList &images() { return mImages; }
    FrameTimer *Timer1() const { return mTimer; }
    bool timerEnabled() const { return mTimerEnabled; }

    // Pauses the timer while another application is active; on return the next tick comes a
    // full interval later. Connected to QGuiApplication::applicationStateChanged.
    void setApplicationActive(bool active);

signals:
    void tick();
    void flipped();

private:
    void updateTimer();

    QImage mBack;
    QImage mFront;
    ImageList mImages;
    FrameTimer *mTimer;
    bool mTimerEnabled = false;
    bool mApplicationActive = true;
};

// A screen colour 0x00BBGGRR as an opaque QRgb.
QRgb screenColourToRgb(std::uint32_t screenColour);
// A raw device value 0x00RRGGBB as an opaque QRgb.
QRgb deviceValueToRgb(std::uint32_t deviceValue);

} // namespace preview
