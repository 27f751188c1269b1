#pragma once

#include "model/Document.h"
#include "profiles/Profile.h"

#include <QImage>
#include <QWidget>

#include <memory>
#include <vector>

class QTimer;

namespace preview {
class DXDraw;
class FrameTimer;
class ImageList;
class QtDrawingSurface;
} // namespace preview

namespace editor {

class EffectStrip;

// The effects dialog's preview: the device picture playing a range of frames in a loop on a
// surface of its own (EffectDevice), timed as playback times frames, beside a strip of the
// range's cells (EffectStrip) that marks the frame on show.
class EffectPreview : public QWidget {
    Q_OBJECT
public:
    EffectPreview(const profiles::TProfile &profile, const preview::ImageList &images, QWidget *parent = nullptr);
    ~EffectPreview() override;

    // Plays columns first .. first + count - 1 of `glowshow` from the first; a rhythm glowshow
    // plays its steps at RhythmStepMs each. `elements` are the strip's rows.
    void play(model::TGlowshow glowshow, int first, int count, const std::vector<std::uint8_t> &elements);

    // The column on show.
    int shownColumn() const { return mFirst + mStep; }
    QTimer *timer() const;
    preview::QtDrawingSurface &surface() { return *mSurface; }
    const model::TGlowshow &shownGlowshow() const { return mGlowshow; }

    static constexpr int RhythmStepMs = 200;

private:
    // Draws the frame of mStep; `restart`: its full length from now.
    void showStep(bool restart);

    const profiles::TProfile &mProfile;
    std::unique_ptr<preview::QtDrawingSurface> mSurface;
    preview::DXDraw *mDevice;
    EffectStrip *mStrip;
    preview::FrameTimer *mTimer;
    model::TGlowshow mGlowshow; // always a normal one
    int mFirst = 0, mCount = 0, mStep = 0;
};

// The range's cells as the grid shows them, one row per element, the frame on show outlined.
class EffectStrip : public QWidget {
    Q_OBJECT
public:
    EffectStrip(const profiles::TProfile &profile, QWidget *parent = nullptr);
    void showCells(const model::TGlowshow *glowshow, int first, int count, std::vector<std::uint8_t> elements);
    void mark(int step);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QImage cellImage(int cell) const;

    const profiles::TProfile &mProfile;
    const model::TGlowshow *mGlowshow = nullptr;
    int mFirst = 0, mCount = 0, mMarked = -1;
    std::vector<std::uint8_t> mElements;
    QImage mCells; // the cells as painted, made again after a change or a resize
};

} // namespace editor
