#include "FrameOperations.h"

#include <algorithm>

namespace model {

std::uint8_t findFrameEntry(const TFrame &frame, std::uint8_t element)
{
    const std::size_t n = std::min<std::size_t>(frame.EntryCount, frame.Entries.size());
    for (std::size_t i = 0; i < n; ++i)
        if (frame.Entries[i].Element == element)
            return std::uint8_t(i);
    return NoEntry;
}

namespace {

// Keeps EntryCount equal to the length of Entries before the array grows or shrinks.
void normalise(TFrame &frame)
{
    frame.Entries.resize(frame.EntryCount);
}

} // namespace

bool addFrameEntry(TFrame &frame, std::uint8_t element)
{
    if (findFrameEntry(frame, element) != NoEntry || frame.EntryCount >= MaxCount)
        return false;
    normalise(frame);
    frame.Entries.push_back(TFrameEntry{element, 0, 0, 0});
    frame.EntryCount = std::uint8_t(frame.Entries.size());
    return true;
}

bool removeFrameEntry(TFrame &frame, std::uint8_t element)
{
    const std::uint8_t index = findFrameEntry(frame, element);
    if (index == NoEntry)
        return false;
    normalise(frame);
    frame.Entries.erase(frame.Entries.begin() + index);
    frame.EntryCount = std::uint8_t(frame.Entries.size());
    return true;
}

namespace {

std::size_t frameCount(const TGlowshow &g)
{
    return std::min<std::size_t>(g.FrameCount, g.Frames.size());
}

} // namespace

bool addEntry(TGlowshow &g, std::size_t frame, std::uint8_t element)
{
    return g.Kind == KindNormal && frame < frameCount(g) && addFrameEntry(g.Frames[frame], element);
}

bool removeEntry(TGlowshow &g, std::size_t frame, std::uint8_t element)
{
    return g.Kind == KindNormal && frame < frameCount(g) && removeFrameEntry(g.Frames[frame], element);
}

void addElementToAllFrames(TGlowshow &g, std::uint8_t element)
{
    if (g.Kind == KindNormal) {
        for (std::size_t i = 0; i < frameCount(g); ++i)
            addFrameEntry(g.Frames[i], element);
        return;
    }
    if (g.Kind != KindRhythm || g.FrameCount >= MaxCount)
        return;
    g.Channels.resize(g.FrameCount);
    for (const TClubFrame &c : g.Channels)
        if (c.Element == element)
            return;
    g.Channels.emplace_back();
    g.FrameCount = std::uint8_t(g.Channels.size());
    for (TClubFrame &c : g.Channels) {
        c.StepCount = g.StepCount;
        c.Steps.resize(g.StepCount);
    }
    g.Channels.back().Element = element;
}

void removeElementFromAllFrames(TGlowshow &g, std::uint8_t element)
{
    if (g.Kind != KindNormal)
        return;
    for (std::size_t i = 0; i < frameCount(g); ++i)
        removeFrameEntry(g.Frames[i], element);
}

void clearElementInAllFrames(TGlowshow &g, std::uint8_t element)
{
    if (g.Kind != KindNormal)
        return;
    for (std::size_t i = 0; i < frameCount(g); ++i) {
        TFrame &f = g.Frames[i];
        const std::uint8_t e = findFrameEntry(f, element);
        if (e != NoEntry)
            f.Entries[e].Red = f.Entries[e].Green = f.Entries[e].Blue = 0;
    }
}

void copyElementInAllFrames(TGlowshow &g, std::uint8_t element, std::uint8_t target)
{
    if (g.Kind != KindNormal || element == target)
        return;
    for (std::size_t i = 0; i < frameCount(g); ++i) {
        TFrame &f = g.Frames[i];
        if (findFrameEntry(f, element) == NoEntry)
            continue;
        addFrameEntry(f, target);
        const std::uint8_t from = findFrameEntry(f, element);
        const std::uint8_t to = findFrameEntry(f, target);
        if (to == NoEntry)
            continue; // a full frame has no room for the target
        f.Entries[to].Red = f.Entries[from].Red;
        f.Entries[to].Green = f.Entries[from].Green;
        f.Entries[to].Blue = f.Entries[from].Blue;
    }
}

} // namespace model
