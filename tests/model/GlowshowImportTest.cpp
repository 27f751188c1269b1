#include "model/GlowshowImport.h"

#include "model/GlowFile.h"

#include <gtest/gtest.h>

namespace {

using namespace model;

TGlowshow withId(std::uint8_t id, std::uint16_t duration = 100)
{
    TGlowshow g;
    g.Id = id;
    g.FrameCount = 1;
    g.Frames.resize(1);
    g.Frames[0].Duration = duration;
    return g;
}

TDocument documentWithIds(const std::vector<std::uint8_t> &ids)
{
    TDocument doc;
    for (const std::uint8_t id : ids)
        doc.Glowshows.push_back(withId(id));
    doc.GlowFile.GlowshowCount = std::uint8_t(doc.Glowshows.size());
    return doc;
}

TEST(GlowshowImport, IdsInUseTakeTheNextFreeOne)
{
    struct Case {
        const char *name;
        std::vector<std::uint8_t> documentIds;
        std::vector<std::uint8_t> incomingIds;
        std::vector<IdChange> changes;
        std::vector<std::uint8_t> resultIds;
    };
    const Case cases[] = {
        {"no clash", {1, 2}, {7}, {}, {7}},
        {"next above, past those in use", {1, 2}, {1}, {{0, 1, 3}}, {3}},
        {"an earlier import counts as in use", {1, 2}, {1, 3, 2}, {{0, 1, 3}, {1, 3, 4}, {2, 2, 5}}, {3, 4, 5}},
        {"twice in the other file", {}, {5, 5}, {{1, 5, 6}}, {5, 6}},
        {"after 255 from 1", {255, 1, 2}, {255}, {{0, 255, 3}}, {3}},
        {"Id 0 in use", {0}, {0}, {{0, 0, 1}}, {1}},
        {"empty document", {}, {1, 2}, {}, {1, 2}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const TDocument doc = documentWithIds(c.documentIds);
        std::vector<TGlowshow> incoming;
        for (const std::uint8_t id : c.incomingIds)
            incoming.push_back(withId(id));
        EXPECT_EQ(assignFreeIds(doc, incoming), c.changes);
        std::vector<std::uint8_t> ids;
        for (const TGlowshow &g : incoming)
            ids.push_back(g.Id);
        EXPECT_EQ(ids, c.resultIds);
    }
}

TEST(GlowshowImport, AppendingIsOneStepThatRevertsToTheSameBytes)
{
    TDocument doc = documentWithIds({1, 4});
    const std::vector<std::uint8_t> before = EncodeGlowFile(doc);
    std::vector<TGlowshow> incoming = {withId(9, 300), withId(10, 400)};
    AppendGlowshows append{2, incoming};

    append.apply(doc);
    ASSERT_EQ(doc.Glowshows.size(), 4u);
    EXPECT_EQ(doc.GlowFile.GlowshowCount, 4);
    EXPECT_EQ(doc.Glowshows[2], incoming[0]);
    EXPECT_EQ(doc.Glowshows[3], incoming[1]);
    const std::vector<std::uint8_t> after = EncodeGlowFile(doc);

    append.revert(doc);
    EXPECT_EQ(EncodeGlowFile(doc), before);
    append.apply(doc);
    EXPECT_EQ(EncodeGlowFile(doc), after);
}

TEST(GlowshowImport, AppendingPastTheLimitOrAtAStaleIndexChangesNothing)
{
    struct Case {
        const char *name;
        std::size_t documentSize;
        int index;
        std::size_t appended;
    };
    const Case cases[] = {
        {"one more than fits", 254, 254, 2},
        {"document grew since", 3, 2, 1},
        {"document shrank since", 3, 4, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TDocument doc = documentWithIds(std::vector<std::uint8_t>(c.documentSize, 1));
        const TDocument before = doc;
        AppendGlowshows append{c.index, std::vector<TGlowshow>(c.appended, withId(2))};
        append.apply(doc);
        EXPECT_EQ(doc, before);
        append.revert(doc);
        EXPECT_EQ(doc, before);
    }
    EXPECT_TRUE(glowshowsFit(documentWithIds(std::vector<std::uint8_t>(254, 1)), 1));
    EXPECT_FALSE(glowshowsFit(documentWithIds(std::vector<std::uint8_t>(254, 1)), 2));
}

} // namespace
