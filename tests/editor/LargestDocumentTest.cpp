// The largest documents the format can hold: every glowshow selected, edited and saved.
#include "EditorFixture.h"

#include "editor/GridWidgets.h"
#include "model/GlowFile.h"

#include <QListWidget>
#include <QSlider>

#include <gtest/gtest.h>

namespace editor_test {
namespace {

constexpr int Full = 255;

model::TDocument largestNormalDocument()
{
    std::vector<model::TGlowshow> glowshows;
    for (int g = 0; g < Full; ++g) {
        std::vector<model::TFrame> frames;
        for (int f = 0; f < Full; ++f) {
            std::vector<model::TFrameEntry> entries;
            for (std::uint8_t e = 1; e <= 6; ++e)
                entries.push_back(entry(e, std::uint8_t((g + f) % 16), std::uint8_t(f % 16), std::uint8_t(e)));
            frames.push_back(frame(std::uint16_t(100 + f), entries));
        }
        glowshows.push_back(normalGlowshow(std::uint8_t(1 + g % 17), frames));
    }
    return documentOf(glowshows);
}

model::TDocument largestRhythmDocument()
{
    std::vector<model::TGlowshow> glowshows;
    for (int g = 0; g < Full; ++g) {
        std::vector<model::TClubFrame> channels;
        for (std::uint8_t e = 1; e <= 6; ++e) {
            std::vector<model::TClubStep> steps(Full, model::TClubStep{std::uint8_t(g % 16), 1, 2, e});
            channels.push_back(channel(e, std::uint16_t(1000 + g), std::uint16_t(g), steps));
        }
        glowshows.push_back(rhythmGlowshow(std::uint8_t(1 + g % 17), std::uint8_t(Full), channels));
    }
    return documentOf(glowshows);
}

class LargestDocumentTest : public EditorFixture {
protected:
    // Selects every glowshow as a user does, makes the last cell of element 6 full red with
    // the track bar, saves, and compares the file with the document so edited.
    void editEverySelectionAndSave(model::TDocument expected, bool rhythm)
    {
        editor::TMForm &f = startWith(expected, QStringLiteral("largest.pat"));
        ASSERT_EQ(widget<QListWidget>("ListBox1")->count(), Full);
        for (int g = 0; g < Full; ++g) {
            widget<QListWidget>("ListBox1")->setCurrentRow(g);
            ASSERT_EQ(f.Document.CurrentGlowshow, g);
            ASSERT_EQ(editGrid()->model()->columnCount(), Full);
            editGrid()->setCurrentIndex(editGrid()->model()->index(5, Full - 1));
            widget<QSlider>("TrackBar1")->setValue(0); // red 15
            if (rhythm) {
                ASSERT_LT(5u, expected.Glowshows[std::size_t(g)].Channels.size());
                expected.Glowshows[std::size_t(g)].Channels[5].Steps[Full - 1].Red = 15;
            } else {
                expected.Glowshows[std::size_t(g)].Frames[Full - 1].Entries[5].Red = 15;
            }
        }
        trigger(action("ASave"));
        EXPECT_TRUE(unexpectedModals.empty());

        const std::vector<std::uint8_t> bytes = model::EncodeGlowFile(expected);
        const QByteArray saved = fileBytes(path(QStringLiteral("largest.pat")));
        ASSERT_EQ(std::size_t(saved.size()), bytes.size());
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), reinterpret_cast<const std::uint8_t *>(saved.constData())));

        // Reopening gives the edited document back.
        openThroughDialog(path(QStringLiteral("largest.pat")));
        EXPECT_EQ(f.Document.Glowshows, expected.Glowshows);
    }
};

TEST_F(LargestDocumentTest, NormalGlowshowsOfFullSizeSurviveSelectionEditAndSave)
{
    editEverySelectionAndSave(largestNormalDocument(), false);
}

TEST_F(LargestDocumentTest, RhythmGlowshowsOfFullSizeSurviveSelectionEditAndSave)
{
    editEverySelectionAndSave(largestRhythmDocument(), true);
}

} // namespace
} // namespace editor_test
