#include "Edits.h"

#include "FrameOperations.h"

#include <algorithm>

namespace model {

namespace {

// The entry (normal) or step (rhythm) of a cell, or nullptr.
template <class Glowshow> auto cellOf(Glowshow &g, int column, std::uint8_t element)
{
    using Step = std::conditional_t<std::is_const_v<Glowshow>, const TClubStep, TClubStep>;
    using Entry = std::conditional_t<std::is_const_v<Glowshow>, const TFrameEntry, TFrameEntry>;
    struct Cell {
        Entry *entry = nullptr;
        Step *step = nullptr;
    } cell;
    if (column < 0)
        return cell;
    if (g.Kind == KindNormal && std::size_t(column) < g.Frames.size()) {
        auto &frame = g.Frames[std::size_t(column)];
        if (const std::uint8_t i = findFrameEntry(frame, element); i != NoEntry)
            cell.entry = &frame.Entries[i];
    } else if (g.Kind == KindRhythm) {
        const std::size_t n = std::min<std::size_t>(g.FrameCount, g.Channels.size());
        for (std::size_t i = 0; i < n; ++i) {
            auto &channel = g.Channels[i];
            if (channel.Element == element) {
                if (std::size_t(column) < channel.Steps.size())
                    cell.step = &channel.Steps[std::size_t(column)];
                break;
            }
        }
    }
    return cell;
}

template <class Target> void swapColour(Target &target, Colour &colour)
{
    std::swap(target.Red, colour.Red);
    std::swap(target.Green, colour.Green);
    std::swap(target.Blue, colour.Blue);
}

TClubFrame *channelOf(TGlowshow &g, std::uint8_t element)
{
    const std::uint8_t channel = g.Kind == KindRhythm ? FindEntry(g, element, 0) : NoEntry;
    return channel < g.Channels.size() ? &g.Channels[channel] : nullptr;
}

} // namespace

bool cellColour(const TGlowshow &g, int column, std::uint8_t element, Colour &colour)
{
    const auto cell = cellOf(g, column, element);
    if (cell.entry)
        colour = {cell.entry->Red, cell.entry->Green, cell.entry->Blue};
    else if (cell.step)
        colour = {cell.step->Red, cell.step->Green, cell.step->Blue};
    return cell.entry || cell.step;
}

void SetCellColour::apply(TDocument &doc)
{
    TGlowshow *g = doc.glowshow(glowshow);
    if (!g)
        return;
    const auto cell = cellOf(*g, column, element);
    if (cell.entry)
        swapColour(*cell.entry, other);
    else if (cell.step)
        swapColour(*cell.step, other);
}

bool SetCellColour::absorbs(const SetCellColour &next) const
{
    return next.glowshow == glowshow && next.column == column && next.element == element;
}

void SetStepParameter::apply(TDocument &doc)
{
    if (TGlowshow *g = doc.glowshow(glowshow))
        if (TClubStep *step = cellOf(*g, column, element).step)
            std::swap(step->Parameter, other);
}

bool SetCellColour::changes(const TDocument &doc) const
{
    const TGlowshow *g = doc.glowshow(glowshow);
    Colour stored;
    return g && cellColour(*g, column, element, stored) && stored != other;
}

bool SetStepParameter::changes(const TDocument &doc) const
{
    const TGlowshow *g = doc.glowshow(glowshow);
    const TClubStep *step = g ? cellOf(*g, column, element).step : nullptr;
    return step && step->Parameter != other;
}

bool SetStepParameter::absorbs(const SetStepParameter &next) const
{
    return next.glowshow == glowshow && next.column == column && next.element == element;
}

void SetFrameDuration::apply(TDocument &doc)
{
    TGlowshow *g = doc.glowshow(glowshow);
    if (g && frame >= 0 && std::size_t(frame) < g->Frames.size())
        std::swap(g->Frames[std::size_t(frame)].Duration, other);
}

bool SetFrameDuration::changes(const TDocument &doc) const
{
    const TGlowshow *g = doc.glowshow(glowshow);
    return g && frame >= 0 && std::size_t(frame) < g->Frames.size() && g->Frames[std::size_t(frame)].Duration != other;
}

bool SetFrameDuration::absorbs(const SetFrameDuration &next) const
{
    return next.glowshow == glowshow && next.frame == frame;
}

template <auto Field> void SetChannelValue<Field>::apply(TDocument &doc)
{
    if (TGlowshow *g = doc.glowshow(glowshow))
        if (TClubFrame *channel = channelOf(*g, element))
            std::swap(channel->*Field, other);
}

template <auto Field> bool SetChannelValue<Field>::changes(const TDocument &doc) const
{
    const TGlowshow *g = doc.glowshow(glowshow);
    const std::uint8_t channel = g && g->Kind == KindRhythm ? FindEntry(*g, element, 0) : NoEntry;
    return g && channel < g->Channels.size() && g->Channels[channel].*Field != other;
}

template struct SetChannelValue<&TClubFrame::UpperFrequency>;
template struct SetChannelValue<&TClubFrame::LowerFrequency>;

void ReplaceFrame::apply(TDocument &doc)
{
    TGlowshow *g = doc.glowshow(glowshow);
    if (g && frame >= 0 && std::size_t(frame) < g->Frames.size())
        std::swap(g->Frames[std::size_t(frame)], other);
}

void ReplaceGlowshow::apply(TDocument &doc)
{
    if (TGlowshow *g = doc.glowshow(glowshow))
        std::swap(*g, other);
}

bool SetColumnCount::changes(const TDocument &doc) const
{
    const TGlowshow *g = doc.glowshow(glowshow);
    if (!g)
        return false;
    if (g->Kind == KindNormal)
        return g->FrameCount != count || g->Frames.size() != count;
    if (g->Kind == KindRhythm)
        return g->StepCount != count || std::any_of(g->Channels.begin(), g->Channels.end(), [&](const TClubFrame &c) {
                   return c.StepCount != count || c.Steps.size() != count;
               });
    return false;
}

namespace {

template <class Item>
void cutTo(std::vector<Item> &items, std::size_t count, std::size_t &length, std::vector<Item> &cut)
{
    length = items.size();
    cut.clear();
    if (items.size() > count)
        cut.assign(std::make_move_iterator(items.begin() + std::ptrdiff_t(count)),
                   std::make_move_iterator(items.end()));
    items.resize(count);
}

template <class Item> void restore(std::vector<Item> &items, std::size_t length, std::vector<Item> &cut)
{
    items.resize(std::min(items.size(), length));
    items.insert(items.end(), std::make_move_iterator(cut.begin()), std::make_move_iterator(cut.end()));
    cut.clear();
    items.resize(length);
}

} // namespace

void SetColumnCount::apply(TDocument &doc)
{
    TGlowshow *g = doc.glowshow(glowshow);
    if (!g)
        return;
    if (g->Kind == KindNormal) {
        mCount = g->FrameCount;
        g->FrameCount = count;
        cutTo(g->Frames, count, mFrames.length, mFrames.cut);
    } else if (g->Kind == KindRhythm) {
        mCount = g->StepCount;
        g->StepCount = count;
        mChannels.clear();
        for (TClubFrame &c : g->Channels) {
            auto &[stepCount, tail] = mChannels.emplace_back(c.StepCount, Tail<TClubStep>{});
            c.StepCount = count;
            cutTo(c.Steps, count, tail.length, tail.cut);
        }
    }
}

void SetColumnCount::revert(TDocument &doc)
{
    TGlowshow *g = doc.glowshow(glowshow);
    if (!g)
        return;
    if (g->Kind == KindNormal) {
        g->FrameCount = mCount;
        restore(g->Frames, mFrames.length, mFrames.cut);
    } else if (g->Kind == KindRhythm) {
        g->StepCount = mCount;
        for (std::size_t i = 0; i < g->Channels.size() && i < mChannels.size(); ++i) {
            auto &[stepCount, tail] = mChannels[i];
            g->Channels[i].StepCount = stepCount;
            restore(g->Channels[i].Steps, tail.length, tail.cut);
        }
    }
}

void InsertGlowshow::apply(TDocument &doc)
{
    if (!holds || index < 0 || std::size_t(index) > doc.Glowshows.size() || !doc.canAddGlowshow())
        return;
    doc.Glowshows.insert(doc.Glowshows.begin() + index, std::move(glowshow));
    holds = false;
    doc.GlowFile.GlowshowCount = std::uint8_t(doc.Glowshows.size());
}

void InsertGlowshow::revert(TDocument &doc)
{
    if (holds || index < 0 || std::size_t(index) >= doc.Glowshows.size())
        return;
    glowshow = std::move(doc.Glowshows[std::size_t(index)]);
    holds = true;
    doc.Glowshows.erase(doc.Glowshows.begin() + index);
    doc.GlowFile.GlowshowCount = std::uint8_t(doc.Glowshows.size());
}

void SwapGlowshows::apply(TDocument &doc)
{
    if (first < 0 || std::size_t(first) + 1 >= doc.Glowshows.size())
        return;
    std::swap(doc.Glowshows[std::size_t(first)], doc.Glowshows[std::size_t(first) + 1]);
    movedFrom = movedFrom == first ? first + 1 : first;
}

} // namespace model
