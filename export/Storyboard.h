#pragma once

#include "model/Document.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace exporting {

// What the storyboard shows beside the colours: the texts come from the caller's language.
struct StoryboardSource {
    QString title;                                                  // the glowshow's label
    std::array<QString, 6> elements;                                // the profile's element names, rows 1..6
    std::array<std::int32_t, 6> behaviours{-1, -1, -1, -1, -1, -1}; // ElementColors
    std::array<bool, 6> hidden{};                                   // rows the grid shows as hidden
    QString durationCaption;                                        // caption of the durations row (normal glowshows)
    QString parameterCaption; // caption of a parameters row, %1 the element (rhythm)
};

// Where the parts of a storyboard lie, in unscaled pixels. Columns are wrapped into bands
// of at most `columnsPerBand`; each band has a numbers row, six element rows and the rows
// under them (durations, or one row of step parameters per element with a channel).
class StoryboardLayout {
public:
    static constexpr int CellWidth = 36;
    static constexpr int CellHeight = 20;
    static constexpr int ColumnsPerBand = 24;

    StoryboardLayout(const model::TGlowshow &glowshow, int captionWidth);

    QSize size() const { return mSize; }
    int columns() const { return mColumns; }
    int bands() const;
    // The cell of element row `row` (0..5) in column `column`, without its grid lines.
    QRect cell(int column, int row) const;
    // Row `row` of the texts under column `column`.
    QRect footer(int column, int row) const;
    QRect numberCell(int column) const;
    // The caption of a row of band `band`: -1 numbers, 0..5 elements, 6.. footer rows.
    QRect caption(int band, int row) const;
    QRect title() const;
    int footerRows() const { return mFooterRows; }

private:
    int bandTop(int band) const;
    int bandHeight() const;

    int mColumns = 0;
    int mFooterRows = 0;
    int mCaptionWidth = 0;
    QSize mSize;
};

// The elements of a rhythm glowshow that have a channel, as the parameters rows list them.
std::vector<int> parameterElements(const model::TGlowshow &glowshow);

// The layout of a glowshow's storyboard, its caption column as wide as its longest caption.
StoryboardLayout storyboardLayout(const model::TGlowshow &glowshow, const StoryboardSource &source);

// The storyboard at `scale` times its size (1 .. 8).
QImage renderStoryboard(const model::TGlowshow &glowshow, const StoryboardSource &source, int scale);

// A PNG of the image; throws EncodeError when Qt cannot write one.
QByteArray encodePng(const QImage &image);

} // namespace exporting
