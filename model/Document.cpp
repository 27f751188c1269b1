#include "Document.h"

#if defined(QT_CORE_LIB)
#error "model is plain standard C++: it must not see Qt"
#endif
#include <algorithm>

namespace model {

std::uint32_t ScreenColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return std::uint32_t(red) * 17u + (std::uint32_t(green) * 17u << 8) + (std::uint32_t(blue) * 17u << 16);
}

std::uint8_t columnCount(const TGlowshow &g)
{
    return g.Kind == KindRhythm ? g.StepCount : g.FrameCount;
}

TGlowshow *TDocument::glowshow(int index)
{
    return index >= 0 && index < int(Glowshows.size()) ? &Glowshows[std::size_t(index)] : nullptr;
}

const TGlowshow *TDocument::glowshow(int index) const
{
    return index >= 0 && index < int(Glowshows.size()) ? &Glowshows[std::size_t(index)] : nullptr;
}

TGlowshow *TDocument::current() { return glowshow(CurrentGlowshow); }
const TGlowshow *TDocument::current() const { return glowshow(CurrentGlowshow); }

std::uint8_t FindEntry(const TGlowshow &g, std::uint8_t element, std::uint8_t frame)
{
    if (g.Kind == KindNormal) {
        if (frame >= g.Frames.size())
            return NoEntry;
        const TFrame &f = g.Frames[frame];
        const std::size_t n = std::min<std::size_t>(f.EntryCount, f.Entries.size());
        for (std::size_t i = 0; i < n; ++i)
            if (f.Entries[i].Element == element)
                return std::uint8_t(i);
    } else if (g.Kind == KindRhythm) {
        const std::size_t n = std::min<std::size_t>(g.FrameCount, g.Channels.size());
        for (std::size_t i = 0; i < n; ++i)
            if (g.Channels[i].Element == element)
                return std::uint8_t(i);
    }
    return NoEntry;
}

const TFrameEntry *entryAt(const TGlowshow &g, std::uint8_t frame, std::uint8_t entry)
{
    if (g.Kind != KindNormal || frame >= g.Frames.size())
        return nullptr;
    const TFrame &f = g.Frames[frame];
    return entry < f.Entries.size() && entry < f.EntryCount ? &f.Entries[entry] : nullptr;
}

const TClubStep *stepAt(const TGlowshow &g, std::uint8_t channel, std::uint8_t step)
{
    if (g.Kind != KindRhythm || channel >= g.Channels.size())
        return nullptr;
    const TClubFrame &c = g.Channels[channel];
    return step < c.Steps.size() ? &c.Steps[step] : nullptr;
}

std::uint8_t TDocument::FindEntry(std::uint8_t element, std::uint8_t frame) const
{
    const TGlowshow *g = current();
    return g ? model::FindEntry(*g, element, frame) : NoEntry;
}

TFrameEntry *TDocument::entryAt(std::uint8_t frame, std::uint8_t entry)
{
    TGlowshow *g = current();
    return g ? const_cast<TFrameEntry *>(model::entryAt(*g, frame, entry)) : nullptr;
}

TClubStep *TDocument::stepAt(std::uint8_t channel, std::uint8_t step)
{
    TGlowshow *g = current();
    return g ? const_cast<TClubStep *>(model::stepAt(*g, channel, step)) : nullptr;
}

const TFrameEntry *TDocument::entryAt(std::uint8_t frame, std::uint8_t entry) const
{
    const TGlowshow *g = current();
    return g ? model::entryAt(*g, frame, entry) : nullptr;
}

const TClubStep *TDocument::stepAt(std::uint8_t channel, std::uint8_t step) const
{
    const TGlowshow *g = current();
    return g ? model::stepAt(*g, channel, step) : nullptr;
}

void TDocument::ComputeStoredSize(std::uint8_t index)
{
    TGlowshow *g = glowshow(index);
    if (!g)
        return;
    unsigned size = 0; // wraps to 16 bits on assignment, as the file word does
    if (g->Kind == KindRhythm) {
        size = unsigned(g->FrameCount) * (6u + 3u * g->StepCount);
    } else if (g->Kind == KindNormal) {
        size = 3u * g->FrameCount + (g->Repeating == 1 ? 3u : 0u);
        for (std::size_t i = 0; i < g->FrameCount && i < g->Frames.size(); ++i)
            size += 3u * g->Frames[i].EntryCount;
    }
    g->StoredSize = std::uint16_t(size);
}

void CopyGlowshow(const TGlowshow &source, TGlowshow &target)
{
    TGlowshow copy;
    copy.StoredSize = source.StoredSize;
    copy.FrameCount = source.FrameCount;
    copy.StepCount = source.StepCount;
    copy.Id = source.Id;
    copy.Kind = source.Kind;
    copy.RepeatDuration = source.RepeatDuration;
    copy.Repeating = source.Repeating;
    if (source.Kind == KindNormal) {
        copy.Frames.resize(source.FrameCount);
        for (std::size_t i = 0; i < copy.Frames.size() && i < source.Frames.size(); ++i) {
            const TFrame &from = source.Frames[i];
            TFrame &to = copy.Frames[i];
            to.Duration = from.Duration;
            to.EntryCount = from.EntryCount;
            to.Entries.resize(from.EntryCount);
            std::copy_n(from.Entries.begin(), std::min(from.Entries.size(), to.Entries.size()), to.Entries.begin());
        }
    } else if (source.Kind == KindRhythm) {
        copy.Channels.resize(source.FrameCount);
        for (std::size_t i = 0; i < copy.Channels.size() && i < source.Channels.size(); ++i) {
            const TClubFrame &from = source.Channels[i];
            TClubFrame &to = copy.Channels[i];
            to.Element = from.Element;
            to.StepCount = from.StepCount;
            to.UpperFrequency = from.UpperFrequency;
            to.LowerFrequency = from.LowerFrequency;
            // Steps follow the glowshow's count, which the grid shows for every channel.
            to.Steps.resize(std::max(from.StepCount, source.StepCount));
            std::copy_n(from.Steps.begin(), std::min(from.Steps.size(), to.Steps.size()), to.Steps.begin());
        }
    }
    target = std::move(copy);
}

void TDocument::ClearDocument()
{
    CurrentGlowshow = 0;
    CurrentEntry = 0;
    CurrentFrame = 0;
    Glowshows.clear();
}

} // namespace model
