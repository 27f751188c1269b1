#include "model/GlowFile.h"

#include <gtest/gtest.h>

using namespace model;

TEST(SampleFile, ReadsAsNormalAndRhythmGlowshowsAndWritesBackUnchanged)
{
    const std::vector<std::uint8_t> bytes = readFileBytes(GLOW_DATA_DIR "/samples/Sample.pat");
    TDocument doc;
    ASSERT_TRUE(DecodeGlowFile(doc, bytes.data(), bytes.size()));
    ASSERT_GE(doc.Glowshows.size(), 3u);
    int repeating = 0, rhythm = 0;
    for (const TGlowshow &g : doc.Glowshows) {
        EXPECT_TRUE((g.Id >= 1 && g.Id <= 17) || g.Id == 128 || g.Id == 138 || (g.Id >= 148 && g.Id <= 150) ||
                    g.Id == 158)
            << int(g.Id);
        repeating += g.Repeating;
        if (g.Kind == KindRhythm) {
            ++rhythm;
            EXPECT_EQ(g.Channels.size(), 3u);
            continue;
        }
        for (const TFrame &f : g.Frames) {
            EXPECT_GE(f.Duration, 100);
            EXPECT_LE(f.Duration, 600);
            for (const TFrameEntry &e : f.Entries) {
                EXPECT_GE(e.Element, 1);
                EXPECT_LE(e.Element, 6);
            }
        }
    }
    EXPECT_EQ(repeating, 1);
    EXPECT_EQ(rhythm, 1);
    EXPECT_EQ(doc.TrailerText1, "Glowshow Editor sample");
    EXPECT_EQ(doc.TrailerText2, "Made with Glowshow Editor 2");
    EXPECT_EQ(EncodeGlowFile(doc), bytes);
}
