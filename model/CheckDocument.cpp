#include "CheckDocument.h"

#include <algorithm>
#include <map>

namespace model {

namespace {

// The place and count of each element that is outside 1 to 6 or missing from the model.
struct ElementUse {
    int firstFrame = -1;
    int firstChannel = -1;
    long uses = 0;
};

class Checker {
public:
    Checker(const std::optional<ElementsOnModel> &onModel, std::vector<Finding> &out) : mOnModel(onModel), mOut(out) {}

    void glowshow(const TDocument &doc, int index)
    {
        const TGlowshow &g = doc.Glowshows[std::size_t(index)];
        mIndex = index;
        mElements.clear();
        for (int earlier = 0; earlier < index; ++earlier)
            if (doc.Glowshows[std::size_t(earlier)].Id == g.Id) {
                add({.problem = Problem::DuplicateId, .value = g.Id, .other = earlier});
                break;
            }
        if (g.Kind == KindNormal)
            normal(g);
        else if (g.Kind == KindRhythm)
            rhythm(g);
        else
            add({.problem = Problem::UnknownKind, .value = g.Kind});
        for (const auto &[element, use] : mElements) {
            const bool outside = element < 1 || element > 6;
            add({.problem = outside ? Problem::ElementOutOfRange : Problem::ElementNotOnModel,
                 .frame = use.firstFrame,
                 .channel = use.firstChannel,
                 .element = element,
                 .value = element,
                 .other = use.uses});
        }
        if (bodySize(g) > 0xFFFF)
            add({.problem = Problem::BodyTooLarge, .value = bodySize(g)});
    }

private:
    void normal(const TGlowshow &g)
    {
        if (g.Frames.empty())
            add({.problem = Problem::NoFrames, .severity = Severity::Note});
        int firstZero = -1;
        long zeros = 0;
        for (std::size_t f = 0; f < g.Frames.size(); ++f) {
            const TFrame &frame = g.Frames[f];
            if (frame.Duration == 0 && zeros++ == 0)
                firstZero = int(f);
            // An element twice in one frame counts once for the frame.
            std::array<bool, 256> seen{};
            for (std::size_t e = 0; e < std::min<std::size_t>(frame.EntryCount, frame.Entries.size()); ++e) {
                const std::uint8_t element = frame.Entries[e].Element;
                if (!seen[element])
                    use(element, int(f), -1);
                seen[element] = true;
            }
        }
        if (zeros > 0)
            add({.problem = Problem::ZeroDuration, .severity = Severity::Note, .frame = firstZero, .other = zeros});
    }

    void rhythm(const TGlowshow &g)
    {
        if (g.Channels.empty())
            add({.problem = Problem::NoChannels, .severity = Severity::Note});
        for (std::size_t c = 0; c < g.Channels.size(); ++c) {
            const TClubFrame &ch = g.Channels[c];
            use(ch.Element, -1, int(c));
            if (ch.UpperFrequency < ch.LowerFrequency)
                add({.problem = Problem::BandReversed,
                     .channel = int(c),
                     .element = ch.Element,
                     .value = ch.UpperFrequency,
                     .other = ch.LowerFrequency});
        }
    }

    void use(std::uint8_t element, int frame, int channel)
    {
        const bool outside = element < 1 || element > 6;
        if (!outside && (!mOnModel || (*mOnModel)[element - 1]))
            return;
        ElementUse &u = mElements[element];
        if (u.uses++ == 0) {
            u.firstFrame = frame;
            u.firstChannel = channel;
        }
    }

    // The size the glowshow's header would have to state, without the 16-bit wrap.
    static long bodySize(const TGlowshow &g)
    {
        if (g.Kind == KindRhythm)
            return long(g.FrameCount) * (6 + 3 * long(g.StepCount));
        if (g.Kind != KindNormal)
            return 0;
        long size = g.Repeating == 1 ? 3 : 0;
        for (const TFrame &f : g.Frames)
            size += 3 + 3 * long(f.EntryCount);
        return size;
    }

    void add(Finding f)
    {
        f.glowshow = mIndex;
        mOut.push_back(f);
    }

    const std::optional<ElementsOnModel> &mOnModel;
    std::vector<Finding> &mOut;
    int mIndex = -1;
    std::map<int, ElementUse> mElements;
};

} // namespace

std::vector<Finding> CheckDocument(const TDocument &doc, const std::optional<ElementsOnModel> &onModel)
{
    std::vector<Finding> findings;
    Checker checker(onModel, findings);
    for (std::size_t i = 0; i < doc.Glowshows.size(); ++i)
        checker.glowshow(doc, int(i));
    return findings;
}

bool hasErrors(const std::vector<Finding> &findings)
{
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding &f) { return f.severity == Severity::Error; });
}

} // namespace model
