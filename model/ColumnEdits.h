#pragma once

#include "Edits.h"
#include "FrameRange.h"

#include <optional>
#include <vector>

// Edits of whole columns (frames of a normal glowshow, steps of every channel of a rhythm
// one) and of cell ranges. Each is built from the document as it is, checked against the
// format's limits, and held as one splice: the columns it takes out and the ones it puts in.
namespace model {

struct Clip;

// One column of a glowshow: a frame (normal) or the step of every channel, in channel order
// (rhythm).
struct Column {
    TFrame frame;
    std::vector<TClubStep> steps;
    bool operator==(const Column &) const = default;
};

// Replaces `removeCount` columns at `at` by `insert`. A rhythm glowshow's channels are first
// brought to the glowshow's step count (files may hold channels of their own counts); revert
// gives those counts back.
struct SpliceColumns {
    SpliceColumns() = default;
    SpliceColumns(int glowshowIndex, int atColumn, int removing, std::vector<Column> inserting, EditPlace place)
        : glowshow(glowshowIndex), at(atColumn), removeCount(removing), insert(std::move(inserting)), shown(place)
    {
    }
    int glowshow = -1;
    int at = 0;
    int removeCount = 0;
    std::vector<Column> insert;
    EditPlace shown; // where the editor shows the change
    void apply(TDocument &doc);
    void revert(TDocument &doc);
    EditPlace place() const { return shown; }
    // Cells when the count stays and the channels were even, else the columns as a whole.
    EditChange change() const;
    // Typing durations into several columns merges: a later splice of the same columns that
    // keeps their count is absorbed, as reverting this one gives back what was there before both.
    bool absorbs(const SpliceColumns &next) const;

private:
    bool fits(const TGlowshow &g) const;
    void swapColumns(TGlowshow &g);
    bool mApplied = false;
    std::optional<SetColumnCount> mEvenCounts;
};

// Whether an edit is allowed on a glowshow; the builders below answer nullopt where not.
bool canEditColumns(const TGlowshow &g, int first, int last);
bool canInsertColumns(const TGlowshow &g, int count);
bool canMoveColumns(const TGlowshow &g, int first, int last, int by);
bool canEditRange(const TGlowshow &g, const FrameRange &range);

// A black column beside `column` (after it when `after`), with that column's duration and the
// same elements in the same order; a glowshow without columns gets an empty one.
std::optional<SpliceColumns> insertColumn(const TDocument &doc, int glowshow, int column, bool after);
// Copies of the columns inserted after them.
std::optional<SpliceColumns> duplicateColumns(const TDocument &doc, int glowshow, int first, int last);
std::optional<SpliceColumns> deleteColumns(const TDocument &doc, int glowshow, int first, int last);
// Moves the columns one place left (by -1) or right (by 1).
std::optional<SpliceColumns> moveColumns(const TDocument &doc, int glowshow, int first, int last, int by);

// Cells of the range become "no entry" (rhythm steps, which always exist, become black with
// parameter 0).
std::optional<SpliceColumns> clearRange(const TDocument &doc, int glowshow, const FrameRange &range);
// Every cell of the range gets the colour, adding entries where needed.
std::optional<SpliceColumns> fillRange(const TDocument &doc, int glowshow, const FrameRange &range, Colour colour);
// Each row runs linearly from its first to its last column's colour, per channel, rounded;
// on/off rows take the nearer end's value. Rows whose ends lack an entry are left alone.
std::optional<SpliceColumns> fadeRange(const TDocument &doc, int glowshow, const FrameRange &range,
                                       const OnOffElements &onOff);

// The clip's cells with their top left at (column, element); columns past the end are added,
// up to the limit; rows past element 6 are dropped. Durations go with the cells when the clip
// has them.
std::optional<SpliceColumns> pasteCells(const TDocument &doc, int glowshow, const Clip &clip, int column,
                                        std::uint8_t element);
// The clip's whole columns replace columns first..last; as many as fit the limit.
std::optional<SpliceColumns> pasteColumns(const TDocument &doc, int glowshow, const Clip &clip, int first, int last);

// Durations of a normal glowshow's columns first..last, one value each, in order.
std::optional<SpliceColumns> setDurations(const TDocument &doc, int glowshow, int first, int last,
                                          const std::vector<std::uint16_t> &durations);
// `total` spread over `count` columns: equal parts, the first ones a millisecond longer until
// the sum is the total. Empty when a part would not fit 16 bits.
std::vector<std::uint16_t> spreadDuration(long total, int count);

} // namespace model
