#include "Playback.h"

#include "model/FrameOperations.h"

#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <exception>

namespace preview {

namespace {

const char *const ImageNames[] = {"0", "1", "2", "3", "4", "5", "6"};

QColor screenQColor(std::uint32_t c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

} // namespace

int scaledInterval(std::uint16_t duration, int speedPosition)
{
    return int(duration) * (speedPosition + 100) / 100;
}

int findLabel(const std::vector<std::string> &labels, const std::string &label)
{
    const QString wanted = QString::fromStdString(label);
    for (std::size_t i = 0; i < labels.size(); ++i)
        if (QString::fromStdString(labels[i]).compare(wanted, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

Playback::Playback(model::TDocument &doc, profiles::TProfile &profile, DrawingSurface &surface,
                   PreviewControls &controls)
    : mDoc(doc), mProfile(profile), mSurface(surface), mControls(controls)
{
}

void Playback::DXDrawInitializeSurface()
{
    mSurface.fill(BackgroundDeviceValue);
}

void Playback::Button15Click()
{
    mSurface.fill(BackgroundDeviceValue);
    mControls.showDXDraw();
    const std::string caption = mControls.button15Caption();
    if (caption == mProfile.StopCaption) {
        stop();
        return;
    }
    const model::TGlowshow *glowshow = mDoc.current();
    if (caption == mProfile.PlayCaption && mControls.documentLoaded() && glowshow &&
        glowshow->Kind == model::KindNormal) {
        mControls.setButton15Caption(mProfile.StopCaption);
        restart();
        mSurface.setTimerInterval(mControls.trackBar4Position() + 100);
        mSurface.setTimerEnabled(true);
        mControls.setEditingEnabled(false);
    }
}

void Playback::restart()
{
    // Every start, and every round of a repeated glowshow, begins with the on/off elements unlit.
    for (int n = 1; n <= profiles::ElementCount; ++n)
        mProfile.ElementLit[n] = false;
    PreviewFrame = 0;
    mFailedFrame = -1;
}

void Playback::stop()
{
    mControls.setButton15Caption(mProfile.PlayCaption);
    mControls.setEditingEnabled(true);
    mSurface.setTimerEnabled(false);
}

void Playback::stopAtEnd()
{
    // The press of Button15 that ends a glowshow, but always a stop: should the caption no
    // longer be StopCaption, a press would start the glowshow again and never end it.
    mSurface.fill(BackgroundDeviceValue);
    mControls.showDXDraw();
    stop();
}

void Playback::Timer1Timer()
{
    const model::TGlowshow *glowshow = mDoc.current();
    // A glowshow that vanished or is not a normal one has nothing more to play.
    const std::size_t frameCount = glowshow && glowshow->Kind == model::KindNormal
                                       ? std::min<std::size_t>(glowshow->FrameCount, glowshow->Frames.size())
                                       : 0;
    if (PreviewFrame >= frameCount) {
        if (frameCount == 0 || !mControls.repeatChecked()) {
            stopAtEnd();
            return;
        }
        restart();
    }
    if (!drawFrame()) {
        // The next tick draws the same frame again; a frame that fails twice is skipped so
        // that playback never stalls on it.
        if (mFailedFrame == PreviewFrame) {
            mFailedFrame = -1;
            ++PreviewFrame;
        } else {
            mFailedFrame = PreviewFrame;
        }
        return;
    }
    mFailedFrame = -1;
    const std::uint16_t duration = glowshow->Frames[PreviewFrame].Duration;
    if (duration != 0)
        mSurface.setTimerInterval(scaledInterval(duration, mControls.trackBar4Position()));
    ++PreviewFrame;
}

bool Playback::drawFrame()
{
    const model::TGlowshow *glowshow = mDoc.current();
    if (!glowshow)
        return false;
    try {
        drawGlowshowFrame(mSurface, mProfile, *glowshow, PreviewFrame, mProfile.ElementLit);
        mSurface.flip();
    } catch (const std::exception &) {
        return false;
    }
    return true;
}

namespace {

void drawCircle(DrawingSurface &surface, const profiles::TCoord &s, std::uint32_t colour)
{
    const std::int64_t width = std::int64_t(s.Right) - s.Left;
    const std::int64_t height = std::int64_t(s.Bottom) - s.Top;
    if (width <= 0 || height <= 0)
        return;
    // Only the part of the ellipse on the surface is built: the bitmap is drawn 1:1, so the
    // pixels are the same as with the whole bitmap, and a huge skin rectangle costs nothing.
    const std::int64_t left = std::max<std::int64_t>(s.Left, 0);
    const std::int64_t top = std::max<std::int64_t>(s.Top, 0);
    const std::int64_t right = std::min<std::int64_t>(s.Right, SurfaceWidth);
    const std::int64_t bottom = std::min<std::int64_t>(s.Bottom, SurfaceHeight);
    if (right <= left || bottom <= top)
        return;
    QImage bitmap(int(right - left), int(bottom - top), QImage::Format_RGB32);
    bitmap.fill(screenQColor(CircleKeyColour));
    {
        QPainter painter(&bitmap);
        const QColor c = screenQColor(colour);
        painter.setPen(c);
        painter.setBrush(c);
        // Pen centred half a pixel inside, so the outline stays within the rectangle.
        painter.drawEllipse(
            QRectF(double(s.Left - left) + 0.5, double(s.Top - top) + 0.5, double(width) - 1.0, double(height) - 1.0));
    }
    surface.assignPicture("Circle", bitmap);
    surface.restore("Circle");
    surface.drawAlpha("Circle", {int(left), int(top), int(right), int(bottom)}, s.Opacity);
}

void drawElement(DrawingSurface &surface, const profiles::TProfile &profile, int n, const model::TFrameEntry *entry,
                 profiles::PerElement<bool> &lit)
{
    const std::int32_t behaviour = profile.ElementColors[n];
    const std::vector<profiles::TCoord> &shapes = profile.Shapes[n];
    if (entry && behaviour == profiles::FullColour) {
        const std::uint32_t colour = model::ScreenColor(entry->Red, entry->Green, entry->Blue);
        const std::size_t count =
            std::min<std::size_t>(std::size_t(std::max<int>(profile.ShapeCounts[n], 0)), shapes.size());
        for (std::size_t j = 0; j < count; ++j) {
            const profiles::TCoord &s = shapes[j];
            if (s.Shape == "Rectangle")
                surface.fillRectAlpha({s.Left, s.Top, s.Right, s.Bottom}, colour, s.Opacity);
            else if (s.Shape == "Circle")
                drawCircle(surface, s, colour);
        }
    }
    if (behaviour < 0)
        return;
    if (entry)
        lit[n] = (entry->Blue & 1) != 0;
    // An on/off element without a shape has no position to draw its picture at.
    if (lit[n] && !shapes.empty())
        surface.draw(ImageNames[n], shapes.front().Left, shapes.front().Top);
}

} // namespace

void drawGlowshowFrame(DrawingSurface &surface, const profiles::TProfile &profile, const model::TGlowshow &glowshow,
                       std::uint8_t frame, profiles::PerElement<bool> &lit)
{
    surface.fill(BackgroundDeviceValue);
    surface.draw("0", 0, 0);
    for (int n = 1; n <= profiles::ElementCount; ++n) {
        if (!profile.ElementAvailable[n])
            continue;
        const std::uint8_t e = model::FindEntry(glowshow, std::uint8_t(n), frame);
        drawElement(surface, profile, n, e == model::NoEntry ? nullptr : model::entryAt(glowshow, frame, e), lit);
    }
}

void drawGlowshowFrame(DrawingSurface &surface, const profiles::TProfile &profile, const model::TGlowshow &glowshow,
                       std::size_t frame)
{
    LitState lit;
    const auto shown = std::uint8_t(std::min<std::size_t>(frame, model::MaxCount));
    for (std::uint8_t before = 0; before < shown; ++before)
        for (int n = 1; n <= profiles::ElementCount; ++n)
            if (const std::uint8_t e = model::FindEntry(glowshow, std::uint8_t(n), before); e != model::NoEntry)
                if (const model::TFrameEntry *entry = model::entryAt(glowshow, before, e))
                    lit[n] = (entry->Blue & 1) != 0;
    drawGlowshowFrame(surface, profile, glowshow, shown, lit);
    surface.flip();
}

} // namespace preview
