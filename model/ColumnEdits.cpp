#include "ColumnEdits.h"

#include "Clip.h"
#include "FrameOperations.h"

#include <algorithm>
#include <functional>
#include <iterator>

namespace model {

namespace {

bool editableKind(const TGlowshow &g)
{
    return g.Kind == KindNormal || g.Kind == KindRhythm;
}

const TGlowshow *editable(const TDocument &doc, int glowshow)
{
    const TGlowshow *g = doc.glowshow(glowshow);
    return g && editableKind(*g) ? g : nullptr;
}

// Items the arrays lack read as zeros, as bringing the counts even makes them.
Column columnOf(const TGlowshow &g, int index)
{
    Column column;
    const auto at = std::size_t(index);
    if (g.Kind == KindNormal) {
        if (at < g.Frames.size())
            column.frame = g.Frames[at];
    } else {
        for (const TClubFrame &channel : g.Channels)
            column.steps.push_back(at < channel.Steps.size() ? channel.Steps[at] : TClubStep{});
    }
    return column;
}

std::vector<Column> columnsOf(const TGlowshow &g, int first, int count)
{
    std::vector<Column> columns;
    columns.reserve(std::size_t(std::max(count, 0)));
    for (int i = 0; i < count; ++i)
        columns.push_back(columnOf(g, first + i));
    return columns;
}

Column emptyColumn(const TGlowshow &g)
{
    Column column;
    if (g.Kind == KindRhythm)
        column.steps.resize(g.Channels.size());
    return column;
}

CellValue cellIn(const TGlowshow &g, const Column &column, std::uint8_t element)
{
    if (g.Kind == KindNormal) {
        const std::uint8_t i = findFrameEntry(column.frame, element);
        if (i == NoEntry)
            return {};
        const TFrameEntry &e = column.frame.Entries[i];
        return {true, {e.Red, e.Green, e.Blue}, 0};
    }
    const std::uint8_t channel = FindEntry(g, element, 0);
    if (channel == NoEntry || channel >= column.steps.size())
        return {};
    const TClubStep &s = column.steps[channel];
    return {true, {s.Red, s.Green, s.Blue}, s.Parameter};
}

// A normal cell without an entry gets one at the end of the frame; a "no entry" value removes
// it. A rhythm step cannot be absent: "no entry" makes it black. Rhythm elements without a
// channel are left alone.
void putCell(const TGlowshow &g, Column &column, std::uint8_t element, const CellValue &value, bool withParameter)
{
    if (g.Kind == KindNormal) {
        TFrame &frame = column.frame;
        frame.Entries.resize(std::min<std::size_t>(frame.EntryCount, frame.Entries.size()));
        const std::uint8_t i = findFrameEntry(frame, element);
        if (!value.entry) {
            if (i != NoEntry)
                frame.Entries.erase(frame.Entries.begin() + i);
        } else if (i != NoEntry) {
            TFrameEntry &e = frame.Entries[i];
            e.Red = value.colour.Red, e.Green = value.colour.Green, e.Blue = value.colour.Blue;
        } else if (frame.Entries.size() < std::size_t(MaxCount)) {
            frame.Entries.push_back({element, value.colour.Red, value.colour.Green, value.colour.Blue});
        }
        frame.EntryCount = std::uint8_t(frame.Entries.size());
        return;
    }
    const std::uint8_t channel = FindEntry(g, element, 0);
    if (channel == NoEntry || channel >= column.steps.size())
        return;
    TClubStep &s = column.steps[channel];
    const Colour colour = value.entry ? value.colour : Colour{};
    s.Red = colour.Red, s.Green = colour.Green, s.Blue = colour.Blue;
    if (withParameter)
        s.Parameter = value.entry ? value.parameter : 0;
}

bool validElements(const FrameRange &range)
{
    return range.firstElement >= 1 && range.firstElement <= range.lastElement && range.lastElement <= 6;
}

// The range's columns changed cell by cell; nullopt when nothing changed.
std::optional<SpliceColumns> editRange(const TDocument &doc, int glowshow, const FrameRange &range,
                                       const std::function<void(const TGlowshow &, Column &, int)> &change)
{
    const TGlowshow *g = editable(doc, glowshow);
    if (!g || !canEditRange(*g, range))
        return std::nullopt;
    const std::vector<Column> before = columnsOf(*g, range.firstColumn, range.columns());
    std::vector<Column> after = before;
    for (int k = 0; k < range.columns(); ++k)
        change(*g, after[std::size_t(k)], k);
    if (after == before)
        return std::nullopt;
    return SpliceColumns{glowshow,
                         range.firstColumn,
                         range.columns(),
                         std::move(after),
                         {glowshow, range.firstColumn, range.firstElement}};
}

std::uint8_t faded(std::uint8_t from, std::uint8_t to, int step, int steps)
{
    const int sum = from * (steps - step) + to * step;
    return std::uint8_t(std::clamp((2 * sum + steps) / (2 * steps), 0, 15));
}

} // namespace

bool SpliceColumns::fits(const TGlowshow &g) const
{
    const int count = columnCount(g);
    return editableKind(g) && at >= 0 && removeCount >= 0 && at + removeCount <= count &&
           count - removeCount + int(insert.size()) <= MaxCount;
}

void SpliceColumns::swapColumns(TGlowshow &g)
{
    std::vector<Column> removed(static_cast<std::size_t>(removeCount));
    const auto from = std::ptrdiff_t(at), to = std::ptrdiff_t(at + removeCount);
    if (g.Kind == KindNormal) {
        for (std::size_t j = 0; j < removed.size(); ++j)
            removed[j].frame = std::move(g.Frames[std::size_t(at) + j]);
        g.Frames.erase(g.Frames.begin() + from, g.Frames.begin() + to);
        std::vector<TFrame> frames;
        for (Column &c : insert)
            frames.push_back(std::move(c.frame));
        g.Frames.insert(g.Frames.begin() + from, std::make_move_iterator(frames.begin()),
                        std::make_move_iterator(frames.end()));
        g.FrameCount = std::uint8_t(g.Frames.size());
    } else {
        const std::size_t count = std::size_t(g.StepCount) - removed.size() + insert.size();
        for (std::size_t i = 0; i < g.Channels.size(); ++i) {
            TClubFrame &channel = g.Channels[i];
            std::vector<TClubStep> steps;
            for (const Column &c : insert)
                steps.push_back(i < c.steps.size() ? c.steps[i] : TClubStep{});
            for (std::size_t j = 0; j < removed.size(); ++j)
                removed[j].steps.push_back(channel.Steps[std::size_t(at) + j]);
            channel.Steps.erase(channel.Steps.begin() + from, channel.Steps.begin() + to);
            channel.Steps.insert(channel.Steps.begin() + from, steps.begin(), steps.end());
            channel.StepCount = std::uint8_t(count);
        }
        g.StepCount = std::uint8_t(count);
    }
    removeCount = int(insert.size());
    insert = std::move(removed);
}

bool SpliceColumns::absorbs(const SpliceColumns &next) const
{
    const auto keepsCount = [](const SpliceColumns &e) { return e.removeCount == int(e.insert.size()); };
    return next.glowshow == glowshow && next.at == at && next.removeCount == removeCount && keepsCount(*this) &&
           keepsCount(next) && !next.mEvenCounts;
}

EditChange SpliceColumns::change() const
{
    if (removeCount == int(insert.size()) && !mEvenCounts && removeCount > 0)
        return {EditChange::Cells, glowshow, at, at + removeCount - 1};
    return {EditChange::Columns, glowshow};
}

void SpliceColumns::apply(TDocument &doc)
{
    TGlowshow *g = doc.glowshow(glowshow);
    if (mApplied || !g || !fits(*g))
        return;
    mEvenCounts.emplace(glowshow, columnCount(*g));
    if (mEvenCounts->changes(doc))
        mEvenCounts->apply(doc);
    else
        mEvenCounts.reset();
    swapColumns(*g);
    mApplied = true;
}

void SpliceColumns::revert(TDocument &doc)
{
    TGlowshow *g = doc.glowshow(glowshow);
    if (!mApplied || !g)
        return;
    swapColumns(*g);
    if (mEvenCounts)
        mEvenCounts->revert(doc);
    mApplied = false;
}

bool canEditColumns(const TGlowshow &g, int first, int last)
{
    return editableKind(g) && first >= 0 && first <= last && last < columnCount(g);
}

bool canInsertColumns(const TGlowshow &g, int count)
{
    return editableKind(g) && count >= 0 && columnCount(g) + count <= MaxCount;
}

bool canMoveColumns(const TGlowshow &g, int first, int last, int by)
{
    return canEditColumns(g, first, last) && ((by == -1 && first > 0) || (by == 1 && last + 1 < columnCount(g)));
}

bool canEditRange(const TGlowshow &g, const FrameRange &range)
{
    return canEditColumns(g, range.firstColumn, range.lastColumn) && validElements(range);
}

std::optional<SpliceColumns> insertColumn(const TDocument &doc, int glowshow, int column, bool after)
{
    const TGlowshow *g = editable(doc, glowshow);
    if (!g || !canInsertColumns(*g, 1))
        return std::nullopt;
    Column inserted = emptyColumn(*g);
    int at = 0;
    if (columnCount(*g) > 0) {
        if (!canEditColumns(*g, column, column))
            return std::nullopt;
        at = after ? column + 1 : column;
        if (g->Kind == KindNormal) {
            inserted.frame = columnOf(*g, column).frame;
            for (TFrameEntry &e : inserted.frame.Entries)
                e.Red = e.Green = e.Blue = 0;
        }
    }
    return SpliceColumns{glowshow, at, 0, {std::move(inserted)}, {glowshow, at, 0}};
}

std::optional<SpliceColumns> duplicateColumns(const TDocument &doc, int glowshow, int first, int last)
{
    const TGlowshow *g = editable(doc, glowshow);
    if (!g || !canEditColumns(*g, first, last) || !canInsertColumns(*g, last - first + 1))
        return std::nullopt;
    return SpliceColumns{glowshow, last + 1, 0, columnsOf(*g, first, last - first + 1), {glowshow, last + 1, 0}};
}

std::optional<SpliceColumns> deleteColumns(const TDocument &doc, int glowshow, int first, int last)
{
    const TGlowshow *g = editable(doc, glowshow);
    if (!g || !canEditColumns(*g, first, last))
        return std::nullopt;
    return SpliceColumns{glowshow, first, last - first + 1, {}, {glowshow, first, 0}};
}

std::optional<SpliceColumns> moveColumns(const TDocument &doc, int glowshow, int first, int last, int by)
{
    const TGlowshow *g = editable(doc, glowshow);
    if (!g || !canMoveColumns(*g, first, last, by))
        return std::nullopt;
    std::vector<Column> moved = columnsOf(*g, first, last - first + 1);
    const Column passed = columnOf(*g, by < 0 ? first - 1 : last + 1);
    moved.insert(by < 0 ? moved.end() : moved.begin(), passed);
    const int at = by < 0 ? first - 1 : first;
    return SpliceColumns{glowshow, at, last - first + 2, std::move(moved), {glowshow, first + by, 0}};
}

std::optional<SpliceColumns> clearRange(const TDocument &doc, int glowshow, const FrameRange &range)
{
    return editRange(doc, glowshow, range, [&range](const TGlowshow &g, Column &column, int) {
        for (int e = range.firstElement; e <= range.lastElement; ++e)
            putCell(g, column, std::uint8_t(e), {}, true);
    });
}

std::optional<SpliceColumns> fillRange(const TDocument &doc, int glowshow, const FrameRange &range, Colour colour)
{
    return editRange(doc, glowshow, range, [&](const TGlowshow &g, Column &column, int) {
        for (int e = range.firstElement; e <= range.lastElement; ++e)
            putCell(g, column, std::uint8_t(e), {true, colour, 0}, false);
    });
}

std::optional<SpliceColumns> fadeRange(const TDocument &doc, int glowshow, const FrameRange &range,
                                       const OnOffElements &onOff)
{
    const TGlowshow *g = editable(doc, glowshow);
    if (!g || !canEditRange(*g, range))
        return std::nullopt;
    const int steps = range.columns() - 1;
    std::vector<CellValue> from, to;
    for (int e = range.firstElement; e <= range.lastElement; ++e) {
        from.push_back(cellIn(*g, columnOf(*g, range.firstColumn), std::uint8_t(e)));
        to.push_back(cellIn(*g, columnOf(*g, range.lastColumn), std::uint8_t(e)));
    }
    return editRange(doc, glowshow, range, [&](const TGlowshow &glow, Column &column, int k) {
        if (k == 0 || k == steps)
            return;
        for (int e = range.firstElement; e <= range.lastElement; ++e) {
            const CellValue &a = from[std::size_t(e - range.firstElement)];
            const CellValue &b = to[std::size_t(e - range.firstElement)];
            if (!a.entry || !b.entry)
                continue;
            Colour colour = 2 * k <= steps ? a.colour : b.colour;
            if (!onOff[std::size_t(e - 1)])
                colour = {faded(a.colour.Red, b.colour.Red, k, steps), faded(a.colour.Green, b.colour.Green, k, steps),
                          faded(a.colour.Blue, b.colour.Blue, k, steps)};
            putCell(glow, column, std::uint8_t(e), {true, colour, 0}, false);
        }
    });
}

std::optional<SpliceColumns> pasteCells(const TDocument &doc, int glowshow, const Clip &clip, int column,
                                        std::uint8_t element)
{
    const TGlowshow *g = editable(doc, glowshow);
    const int count = g ? columnCount(*g) : 0;
    if (!g || clip.rows < 1 || clip.columns < 1 || column < 0 || column > count || element < 1 || element > 6)
        return std::nullopt;
    const int width = std::min(clip.columns, MaxCount - column);
    if (width <= 0)
        return std::nullopt;
    const int kept = std::min(column + width, count) - column;
    const std::vector<Column> before = columnsOf(*g, column, kept);
    std::vector<Column> after = before;
    after.resize(std::size_t(width), emptyColumn(*g));
    for (int k = 0; k < width; ++k) {
        Column &c = after[std::size_t(k)];
        for (int r = 0; r < clip.rows && element + r <= 6; ++r)
            putCell(*g, c, std::uint8_t(element + r), clip.at(r, k), true);
        if (g->Kind == KindNormal && std::size_t(k) < clip.durations.size())
            c.frame.Duration = clip.durations[std::size_t(k)];
    }
    if (width == kept && after == before)
        return std::nullopt;
    return SpliceColumns{glowshow, column, kept, std::move(after), {glowshow, column, element}};
}

std::optional<SpliceColumns> pasteColumns(const TDocument &doc, int glowshow, const Clip &clip, int first, int last)
{
    const TGlowshow *g = editable(doc, glowshow);
    if (!g || !clip.wholeColumns || !canEditColumns(*g, first, last))
        return std::nullopt;
    const int replaced = last - first + 1;
    const int fit = std::min(clip.columns, MaxCount - (columnCount(*g) - replaced));
    if (fit <= 0)
        return std::nullopt;
    std::vector<Column> columns(std::size_t(fit), emptyColumn(*g));
    for (int k = 0; k < fit; ++k) {
        for (int r = 0; r < std::min(clip.rows, 6); ++r)
            putCell(*g, columns[std::size_t(k)], std::uint8_t(r + 1), clip.at(r, k), true);
        if (g->Kind == KindNormal && std::size_t(k) < clip.durations.size())
            columns[std::size_t(k)].frame.Duration = clip.durations[std::size_t(k)];
    }
    return SpliceColumns{glowshow, first, replaced, std::move(columns), {glowshow, first, 0}};
}

std::optional<SpliceColumns> setDurations(const TDocument &doc, int glowshow, int first, int last,
                                          const std::vector<std::uint16_t> &durations)
{
    const TGlowshow *g = editable(doc, glowshow);
    if (!g || g->Kind != KindNormal || durations.size() != std::size_t(std::max(last - first + 1, 0)))
        return std::nullopt;
    return editRange(doc, glowshow, {first, last, 1, 6}, [&durations](const TGlowshow &, Column &column, int k) {
        column.frame.Duration = durations[std::size_t(k)];
    });
}

std::vector<std::uint16_t> spreadDuration(long total, int count)
{
    if (count <= 0 || total < 0)
        return {};
    const long base = total / count, longer = total % count;
    if (base + (longer > 0) > 65535)
        return {};
    std::vector<std::uint16_t> parts(static_cast<std::size_t>(count), static_cast<std::uint16_t>(base));
    for (long i = 0; i < longer; ++i)
        ++parts[std::size_t(i)];
    return parts;
}

} // namespace model
