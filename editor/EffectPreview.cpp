#include "EffectPreview.h"

#include "preview/CellColour.h"
#include "preview/DXDraw.h"
#include "preview/FrameTimer.h"
#include "preview/Playback.h"
#include "preview/QtDrawingSurface.h"

#include <QBoxLayout>
#include <QPainter>

#include <exception>

namespace editor {

namespace {

// Steps of a rhythm glowshow as frames, so that the preview can draw them.
model::TGlowshow playable(model::TGlowshow g)
{
    if (g.Kind != model::KindRhythm)
        return g;
    model::TGlowshow normal;
    normal.Kind = model::KindNormal;
    for (int s = 0; s < g.StepCount; ++s) {
        model::TFrame frame;
        frame.Duration = EffectPreview::RhythmStepMs;
        for (const model::TClubFrame &channel : g.Channels)
            if (std::size_t(s) < channel.Steps.size()) {
                const model::TClubStep &step = channel.Steps[std::size_t(s)];
                frame.Entries.push_back({channel.Element, step.Red, step.Green, step.Blue});
            }
        frame.EntryCount = std::uint8_t(frame.Entries.size());
        normal.Frames.push_back(frame);
    }
    normal.FrameCount = std::uint8_t(normal.Frames.size());
    return normal;
}

constexpr int StripCell = 12;

} // namespace

EffectPreview::EffectPreview(const profiles::TProfile &profile, const preview::ImageList &images, QWidget *parent)
    : QWidget(parent), mProfile(profile), mSurface(std::make_unique<preview::QtDrawingSurface>())
{
    mSurface->images() = images;
    mDevice = new preview::DXDraw(mSurface.get());
    mDevice->setObjectName(QStringLiteral("EffectDevice"));
    mDevice->setWholeMultiples(false);
    // At its own size the picture is sharp, and showing a frame is a plain copy instead of a
    // smoothed scaling that took longer than drawing the frame.
    mDevice->setMinimumSize(preview::SurfaceWidth, preview::SurfaceHeight);
    mDevice->show();
    mStrip = new EffectStrip(profile);
    mStrip->setObjectName(QStringLiteral("EffectStrip"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mDevice, 1);
    layout->addWidget(mStrip);
    // Playback's kind of timer: a frame's drawing does not delay the next.
    mTimer = new preview::FrameTimer(this);
    mTimer->setObjectName(QStringLiteral("EffectPreviewTimer"));
    mTimer->setInterval(100);
    connect(mTimer, &QTimer::timeout, this, [this] {
        mStep = mCount > 0 ? (mStep + 1) % mCount : 0;
        showStep(false);
    });
}

EffectPreview::~EffectPreview() = default;

QTimer *EffectPreview::timer() const
{
    return mTimer;
}

void EffectPreview::play(model::TGlowshow glowshow, int first, int count, const std::vector<std::uint8_t> &elements)
{
    mGlowshow = playable(std::move(glowshow));
    const int frames = int(mGlowshow.Frames.size());
    mFirst = std::clamp(first, 0, std::max(frames - 1, 0));
    mCount = std::clamp(count, 0, frames - mFirst);
    mStep = 0;
    mStrip->showCells(&mGlowshow, mFirst, mCount, elements);
    showStep(true);
}

void EffectPreview::showStep(bool restart)
{
    mStrip->mark(mStep);
    if (mCount <= 0) {
        mTimer->stop();
        return;
    }
    const std::size_t frame = std::size_t(mFirst + mStep);
    try {
        preview::drawGlowshowFrame(*mSurface, mProfile, mGlowshow, frame);
    } catch (const std::exception &) {
        // As in playback: a skin that cannot be drawn keeps the last picture, without a message.
    }
    // A frame of no length keeps the interval before it, as in playback.
    const std::uint16_t duration = mGlowshow.Frames[frame].Duration;
    if (restart || !mTimer->isActive())
        mTimer->start(duration ? duration : mTimer->interval());
    else if (duration)
        mTimer->setFrameInterval(duration);
}

EffectStrip::EffectStrip(const profiles::TProfile &profile, QWidget *parent) : QWidget(parent), mProfile(profile)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

void EffectStrip::showCells(const model::TGlowshow *glowshow, int first, int count, std::vector<std::uint8_t> elements)
{
    mGlowshow = glowshow;
    mFirst = first;
    mCount = count;
    const bool sameRows = elements == mElements;
    mElements = std::move(elements);
    mCells = QImage();
    if (!sameRows)
        updateGeometry();
    update();
}

void EffectStrip::mark(int step)
{
    if (step == mMarked)
        return;
    mMarked = step;
    update();
}

QSize EffectStrip::sizeHint() const
{
    return {int(mElements.size()) * StripCell + 2, 12 * StripCell};
}

void EffectStrip::resizeEvent(QResizeEvent *)
{
    mCells = QImage();
}

// Frames run downwards, elements across, so a long range needs only a narrow strip. The cells
// are written straight into an image, once for each range shown: a long range has 1,530 of
// them, and the mark moves on every frame.
QImage EffectStrip::cellImage(int cell) const
{
    QImage cells(int(mElements.size()) * StripCell, mCount * cell, QImage::Format_RGB32);
    const QRgb silver = qRgb(192, 192, 192), white = qRgb(255, 255, 255);
    for (int k = 0; k < mCount; ++k)
        for (std::size_t i = 0; i < mElements.size(); ++i) {
            const int e = mElements[i];
            const auto colour = preview::cellScreenColour(*mGlowshow, e, mFirst + k, mProfile.ElementColors[e], false);
            const QRgb rgb = colour ? preview::screenColourToRgb(*colour) : 0;
            for (int y = k * cell; y < (k + 1) * cell; ++y) {
                QRgb *line = reinterpret_cast<QRgb *>(cells.scanLine(y)) + i * StripCell;
                for (int x = 0; x < StripCell; ++x)
                    line[x] = colour ? rgb : (x + y) % 2 ? white : silver; // the empty-cell pattern
            }
        }
    return cells;
}

void EffectStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!mGlowshow || mCount <= 0 || mElements.empty())
        return;
    const int cell = std::clamp(height() / mCount, 1, StripCell);
    if (mCells.isNull())
        mCells = cellImage(cell);
    painter.drawImage(1, 0, mCells);
    if (mMarked >= 0 && mMarked < mCount) {
        painter.setPen(QPen(palette().highlight(), 2));
        painter.drawRect(QRect(1, mMarked * cell, int(mElements.size()) * StripCell, cell));
    }
}

} // namespace editor
