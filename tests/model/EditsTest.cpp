#include "model/Edits.h"

#include "model/Clip.h"
#include "model/ColumnEdits.h"

#include "model/GlowFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>

namespace {

using namespace model;
using Rng = std::mt19937;

int pick(Rng &rng, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(rng);
}

std::uint8_t nibble(Rng &rng)
{
    return std::uint8_t(pick(rng, 0, 15));
}

// Documents shaped as the reader leaves them, odd ones included: channels with their own step
// counts, glowshows of no known kind, empty glowshows.
TGlowshow randomGlowshow(Rng &rng)
{
    TGlowshow g;
    g.Id = std::uint8_t(pick(rng, 0, 255));
    const int kind = pick(rng, 0, 9);
    if (kind < 6) {
        g.Kind = KindNormal;
        g.FrameCount = std::uint8_t(pick(rng, 0, 8));
        for (int f = 0; f < g.FrameCount; ++f) {
            TFrame frame;
            frame.Duration = std::uint16_t(pick(rng, 0, 65535));
            for (int e = 1; e <= 6; ++e)
                if (pick(rng, 0, 1))
                    frame.Entries.push_back(TFrameEntry{std::uint8_t(e), nibble(rng), nibble(rng), nibble(rng)});
            std::shuffle(frame.Entries.begin(), frame.Entries.end(), rng);
            frame.EntryCount = std::uint8_t(frame.Entries.size());
            g.Frames.push_back(frame);
        }
        g.Repeating = std::uint8_t(pick(rng, 0, 1));
        g.RepeatDuration = g.Repeating ? std::uint16_t(pick(rng, 0, 65535)) : 0;
    } else if (kind < 9) {
        g.Kind = KindRhythm;
        g.FrameCount = std::uint8_t(pick(rng, 0, 4));
        std::size_t longest = 0;
        for (int c = 0; c < g.FrameCount; ++c) {
            TClubFrame channel;
            channel.Element = std::uint8_t(c + 1);
            channel.StepCount = std::uint8_t(pick(rng, 0, 6));
            channel.UpperFrequency = std::uint16_t(pick(rng, 0, 65535));
            channel.LowerFrequency = std::uint16_t(pick(rng, 0, 65535));
            for (int s = 0; s < channel.StepCount; ++s)
                channel.Steps.push_back(
                    TClubStep{nibble(rng), nibble(rng), nibble(rng), std::uint8_t(pick(rng, 0, 255))});
            longest = std::max(longest, channel.Steps.size());
            g.Channels.push_back(channel);
        }
        for (TClubFrame &channel : g.Channels)
            channel.Steps.resize(longest);
        g.StepCount = std::uint8_t(longest);
    } else {
        g.Kind = 7;
    }
    return g;
}

TDocument randomDocument(Rng &rng)
{
    TDocument doc;
    const int count = pick(rng, 1, 4);
    for (int i = 0; i < count; ++i)
        doc.Glowshows.push_back(randomGlowshow(rng));
    doc.GlowFile.GlowshowCount = std::uint8_t(count);
    doc.HasTrailer = std::uint8_t(pick(rng, 0, 1));
    doc.TrailerText1 = doc.HasTrailer ? "first" : "";
    doc.TrailerText2 = doc.HasTrailer ? "second\r\nline" : "";
    return doc;
}

// Any record, type-erased, so that one sequence can mix every kind.
struct AnyEdit {
    std::function<void(TDocument &)> apply;
    std::function<void(TDocument &)> revert;
    std::function<EditChange()> change;
};

template <EditRecord E> AnyEdit erase(E edit)
{
    auto held = std::make_shared<E>(std::move(edit));
    return {[held](TDocument &d) { held->apply(d); }, [held](TDocument &d) { held->revert(d); },
            [held] { return held->change(); }};
}

// Indexes reach one past the end, so stale ones are exercised too.
int anyGlowshow(const TDocument &doc, Rng &rng)
{
    return pick(rng, -1, int(doc.Glowshows.size()));
}

int anyColumn(Rng &rng)
{
    return pick(rng, -1, 9);
}

std::uint8_t anyElement(Rng &rng)
{
    return std::uint8_t(pick(rng, 0, 7));
}

TFrame anyFrame(Rng &rng)
{
    TFrame frame;
    frame.Duration = std::uint16_t(pick(rng, 0, 65535));
    for (int e = 1; e <= 6; ++e)
        if (pick(rng, 0, 1))
            frame.Entries.push_back(TFrameEntry{std::uint8_t(e), nibble(rng), nibble(rng), nibble(rng)});
    frame.EntryCount = std::uint8_t(frame.Entries.size());
    return frame;
}

// Column edits as the editor builds them, over ranges that may be stale, and raw splices.
SpliceColumns anyColumnEdit(const TDocument &d, Rng &r)
{
    const int g = anyGlowshow(d, r), first = anyColumn(r), last = first + pick(r, -1, 3);
    const auto e1 = std::uint8_t(pick(r, 1, 6)), e2 = std::uint8_t(pick(r, e1, 7));
    const FrameRange range{first, last, e1, e2};
    const TGlowshow *source = d.glowshow(anyGlowshow(d, r));
    std::optional<SpliceColumns> edit;
    switch (pick(r, 0, 10)) {
    case 0:
        edit = insertColumn(d, g, first, pick(r, 0, 1));
        break;
    case 1:
        edit = duplicateColumns(d, g, first, last);
        break;
    case 2:
        edit = deleteColumns(d, g, first, last);
        break;
    case 3:
        edit = moveColumns(d, g, first, last, pick(r, 0, 1) ? 1 : -1);
        break;
    case 4:
        edit = clearRange(d, g, range);
        break;
    case 5:
        edit = fillRange(d, g, range, {nibble(r), nibble(r), nibble(r)});
        break;
    case 6:
        edit = fadeRange(d, g, range, {true, false, false, true, true, false});
        break;
    case 7:
        if (source && columnCount(*source) > 0)
            edit = pasteCells(d, g, copyClip(*source, {0, columnCount(*source) - 1, e1, std::min<std::uint8_t>(e2, 6)}),
                              first, e1);
        break;
    case 8:
        if (source && columnCount(*source) > 0)
            edit = pasteColumns(d, g, copyClip(*source, {0, columnCount(*source) - 1, 1, 6}), first, last);
        break;
    case 9:
        edit = setDurations(d, g, first, last, spreadDuration(pick(r, 0, 70000), last - first + 1));
        break;
    default: {
        std::vector<Column> columns(std::size_t(pick(r, 0, 3)));
        for (Column &c : columns) {
            c.frame = anyFrame(r);
            c.steps.resize(std::size_t(pick(r, 0, 5)), TClubStep{nibble(r), nibble(r), nibble(r), 9});
        }
        return SpliceColumns{g, first, pick(r, -1, 3), std::move(columns), {}};
    }
    }
    return edit ? *edit : SpliceColumns{};
}

using Generator = std::function<AnyEdit(const TDocument &, Rng &)>;

const std::vector<Generator> &generators()
{
    static const std::vector<Generator> all = {
        [](const TDocument &d, Rng &r) {
            return erase(
                SetCellColour{anyGlowshow(d, r), anyColumn(r), anyElement(r), {nibble(r), nibble(r), nibble(r)}});
        },
        [](const TDocument &d, Rng &r) {
            return erase(
                SetStepParameter{anyGlowshow(d, r), anyColumn(r), anyElement(r), std::uint8_t(pick(r, 0, 255))});
        },
        [](const TDocument &d, Rng &r) {
            return erase(SetFrameDuration{anyGlowshow(d, r), anyColumn(r), std::uint16_t(pick(r, 0, 65535))});
        },
        [](const TDocument &d, Rng &r) {
            return erase(SetGlowshowValue<&TGlowshow::Id>{anyGlowshow(d, r), std::uint8_t(pick(r, 0, 255))});
        },
        [](const TDocument &d, Rng &r) {
            return erase(SetGlowshowValue<&TGlowshow::Kind>{anyGlowshow(d, r), std::uint8_t(pick(r, 1, 2))});
        },
        [](const TDocument &d, Rng &r) {
            return erase(SetGlowshowValue<&TGlowshow::Repeating>{anyGlowshow(d, r), std::uint8_t(pick(r, 0, 1))});
        },
        [](const TDocument &d, Rng &r) {
            return erase(
                SetGlowshowValue<&TGlowshow::RepeatDuration>{anyGlowshow(d, r), std::uint16_t(pick(r, 0, 65535))});
        },
        [](const TDocument &d, Rng &r) {
            return erase(SetChannelValue<&TClubFrame::UpperFrequency>{anyGlowshow(d, r), anyElement(r),
                                                                      std::uint16_t(pick(r, 0, 65535))});
        },
        [](const TDocument &d, Rng &r) {
            return erase(SetChannelValue<&TClubFrame::LowerFrequency>{anyGlowshow(d, r), anyElement(r),
                                                                      std::uint16_t(pick(r, 0, 65535))});
        },
        [](const TDocument &, Rng &r) {
            return erase(SetDocumentValue<&TDocument::HasTrailer>{std::uint8_t(pick(r, 0, 1))});
        },
        [](const TDocument &, Rng &r) {
            return erase(SetDocumentValue<&TDocument::TrailerText1>{std::string(std::size_t(pick(r, 0, 9)), 'x')});
        },
        [](const TDocument &d, Rng &r) {
            return erase(ReplaceFrame{anyGlowshow(d, r), anyColumn(r), anyElement(r), anyFrame(r)});
        },
        [](const TDocument &d, Rng &r) {
            return erase(ReplaceGlowshow{anyGlowshow(d, r), 0, randomGlowshow(r)});
        },
        [](const TDocument &d, Rng &r) {
            return erase(SetColumnCount{anyGlowshow(d, r), std::uint8_t(pick(r, 1, 12))});
        },
        [](const TDocument &d, Rng &r) {
            return erase(InsertGlowshow{anyGlowshow(d, r), randomGlowshow(r)});
        },
        [](const TDocument &d, Rng &r) { return erase(removeGlowshow(anyGlowshow(d, r))); },
        [](const TDocument &d, Rng &r) {
            const int first = anyGlowshow(d, r);
            return erase(SwapGlowshows{first, first});
        },
        [](const TDocument &d, Rng &r) { return erase(anyColumnEdit(d, r)); },
    };
    return all;
}

std::vector<std::uint8_t> bytesOf(TDocument doc)
{
    return EncodeGlowFile(doc);
}

// Whether the glowshows outside what `change` names stayed as they were: a view that redraws
// only what the change names then shows the document.
bool changedOnlyWhatIsNamed(const TDocument &before, const TDocument &after, const EditChange &change)
{
    std::vector<TGlowshow> expected = before.Glowshows;
    const std::vector<TGlowshow> &now = after.Glowshows;
    const auto at = std::size_t(change.glowshow);
    const bool named = change.glowshow >= 0 && at < std::max(expected.size(), now.size());
    switch (change.kind) {
    case EditChange::Inserted:
        if (named && at < now.size() && now.size() == expected.size() + 1)
            expected.insert(expected.begin() + change.glowshow, now[at]);
        break;
    case EditChange::Removed:
        if (named && at < expected.size() && now.size() + 1 == expected.size())
            expected.erase(expected.begin() + change.glowshow);
        break;
    case EditChange::Swapped:
        if (named && at + 1 < expected.size())
            std::swap(expected[at], expected[at + 1]);
        break;
    case EditChange::Glowshow:
    case EditChange::Columns:
        if (named && at < now.size() && at < expected.size())
            expected[at] = now[at];
        break;
    case EditChange::Cells:
        if (named && at < now.size() && at < expected.size()) {
            TGlowshow &g = expected[at];
            for (int c = std::max(change.first, 0); c <= change.last; ++c) {
                const auto column = std::size_t(c);
                if (column < g.Frames.size() && column < now[at].Frames.size())
                    g.Frames[column] = now[at].Frames[column];
                for (std::size_t i = 0; i < g.Channels.size() && i < now[at].Channels.size(); ++i)
                    if (column < g.Channels[i].Steps.size() && column < now[at].Channels[i].Steps.size())
                        g.Channels[i].Steps[column] = now[at].Channels[i].Steps[column];
            }
        }
        break;
    case EditChange::FileValues:
        break;
    }
    return expected == now;
}

TEST(EditRecords, UndoingEveryRandomSequenceGivesTheOpenedBytesAndRedoingGivesTheEditedOnes)
{
    for (unsigned seed = 1; seed <= 300; ++seed) {
        Rng rng(seed);
        TDocument doc = randomDocument(rng);
        const std::vector<std::uint8_t> opened = bytesOf(doc);
        std::vector<AnyEdit> done;
        const int steps = pick(rng, 1, 25);
        for (int i = 0; i < steps; ++i) {
            const auto &make = generators()[std::size_t(pick(rng, 0, int(generators().size()) - 1))];
            done.push_back(make(doc, rng));
            done.back().apply(doc);
        }
        const std::vector<std::uint8_t> edited = bytesOf(doc);
        for (auto it = done.rbegin(); it != done.rend(); ++it)
            it->revert(doc);
        ASSERT_EQ(bytesOf(doc), opened) << "seed " << seed;
        for (AnyEdit &edit : done)
            edit.apply(doc);
        ASSERT_EQ(bytesOf(doc), edited) << "seed " << seed;
    }
}

TEST(EditRecords, EveryApplyAndRevertChangesOnlyWhatItNames)
{
    for (unsigned seed = 1; seed <= 300; ++seed) {
        Rng rng(seed);
        TDocument doc = randomDocument(rng);
        std::vector<AnyEdit> done;
        const int steps = pick(rng, 1, 25);
        for (int i = 0; i < steps; ++i) {
            const auto &make = generators()[std::size_t(pick(rng, 0, int(generators().size()) - 1))];
            done.push_back(make(doc, rng));
            const TDocument before = doc;
            done.back().apply(doc);
            ASSERT_TRUE(changedOnlyWhatIsNamed(before, doc, done.back().change())) << "seed " << seed << " step " << i;
        }
        for (auto it = done.rbegin(); it != done.rend(); ++it) {
            const TDocument before = doc;
            it->revert(doc);
            ASSERT_TRUE(changedOnlyWhatIsNamed(before, doc, it->change())) << "seed " << seed << " undone";
        }
    }
}

TEST(EditRecords, RunsOfOneTargetMergeAndOthersDoNot)
{
    const SetCellColour first{0, 2, 3, {}};
    const struct {
        SetCellColour next;
        bool merges;
    } cases[] = {{{0, 2, 3, {1, 1, 1}}, true}, {{1, 2, 3, {}}, false}, {{0, 1, 3, {}}, false}, {{0, 2, 4, {}}, false}};
    for (const auto &c : cases)
        EXPECT_EQ(first.absorbs(c.next), c.merges) << c.next.glowshow << c.next.column << int(c.next.element);
}

TEST(EditRecords, LoweringTheCountKeepsWhatItCutAndRaisingItBackRestoresIt)
{
    Rng rng(7);
    TDocument doc;
    TGlowshow g = randomGlowshow(rng);
    while (g.Kind != KindNormal || g.FrameCount < 5)
        g = randomGlowshow(rng);
    doc.Glowshows.push_back(g);
    SetColumnCount lower{0, 1};
    ASSERT_TRUE(lower.changes(doc));
    lower.apply(doc);
    EXPECT_EQ(doc.Glowshows[0].Frames.size(), 1u);
    EXPECT_FALSE((SetColumnCount{0, 1}.changes(doc)));
    lower.revert(doc);
    EXPECT_EQ(doc.Glowshows[0], g);
}

} // namespace
