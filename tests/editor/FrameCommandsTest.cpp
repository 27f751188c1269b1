#include "EditorFixture.h"
#include "GridFixture.h"

#include "TestHelpers.h"
#include "editor/GridWidgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <array>

namespace editor_test {
namespace {

using FrameCommandsTest = GridFixtureBase;

TEST_F(FrameCommandsTest, AddingToAnEmptyCellAppendsABlackEntry)
{
    openHere(documentOf({normalGlowshow(1, {frame(1, {}), frame(1, {}), frame(1, {entry(2, 5, 5, 5), entry(1, 6, 6, 6)})})}));
    clickCell(2, 3);
    ASSERT_TRUE(action("AAddNewFrame")->isEnabled());
    click(widget<QPushButton>("Button1"));
    ASSERT_EQ(elementsOf(shown().Frames[2]), (std::vector<std::uint8_t>{2, 1, 4}));
    EXPECT_EQ(colourOf(shown().Frames[2].Entries[2]), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(shown().Frames[2].EntryCount, 3);
    EXPECT_EQ(cellColour(2, 3), QColor(0, 0, 0));
    EXPECT_TRUE(widget<QGroupBox>("GroupBox6")->isVisible());
    EXPECT_EQ(widget<QLineEdit>("Edit2")->text(), QStringLiteral("0"));
    EXPECT_FALSE(action("AAddNewFrame")->isEnabled());
    EXPECT_TRUE(action("ADelFrame")->isEnabled());
}

TEST_F(FrameCommandsTest, AddingAnOnOffElementShowsTheSwitch)
{
    openHere(documentOf({normalGlowshow(1, {frame(1, {})})}));
    clickCell(0, 4);
    click(widget<QPushButton>("Button1"));
    EXPECT_EQ(elementsOf(shown().Frames[0]), (std::vector<std::uint8_t>{5}));
    EXPECT_TRUE(widget<QGroupBox>("GroupBox9")->isVisible());
    EXPECT_FALSE(widget<QGroupBox>("GroupBox6")->isVisible());
}

TEST_F(FrameCommandsTest, RemovingTheFirstEntryKeepsTheOthersInOrder)
{
    openHere(documentOf({normalGlowshow(1, {frame(1, {entry(3, 1, 1, 1), entry(1, 2, 2, 2), entry(6, 3, 3, 3)})})}));
    widget<QCheckBox>("CheckBox2")->setChecked(false);
    clickCell(0, 2);
    click(widget<QPushButton>("Button3"));
    EXPECT_EQ(elementsOf(shown().Frames[0]), (std::vector<std::uint8_t>{1, 6}));
    EXPECT_EQ(colourOf(shown().Frames[0].Entries[0]), (std::array<int, 3>{2, 2, 2}));
    EXPECT_EQ(shown().Frames[0].EntryCount, 2);
    EXPECT_TRUE(action("AAddNewFrame")->isEnabled());
    EXPECT_FALSE(action("ADelFrame")->isEnabled());
    EXPECT_TRUE(cellShowsPattern(0, 2));
}

TEST_F(FrameCommandsTest, AddingToAllFramesFillsOnlyTheFramesWithoutTheElement)
{
    openHere(documentOf({normalGlowshow(1, {frame(1, {entry(2, 9, 9, 9)}), frame(1, {entry(1, 1, 1, 1)}), frame(1, {}),
                                            frame(1, {entry(2, 8, 8, 8)}), frame(1, {})})}));
    clickSlot(1);
    EXPECT_EQ(widget<QTabWidget>("PageControl2")->currentWidget(), widget<QWidget>("TabSheet1"));
    click(widget<QPushButton>("Button9"));
    const std::vector<std::vector<std::uint8_t>> expected{{2}, {1, 2}, {2}, {2}, {2}};
    for (std::size_t f = 0; f < expected.size(); ++f)
        EXPECT_EQ(elementsOf(shown().Frames[f]), expected[f]) << "frame " << f;
    EXPECT_EQ(colourOf(shown().Frames[0].Entries[0]), (std::array<int, 3>{9, 9, 9}));
    EXPECT_EQ(colourOf(shown().Frames[1].Entries[1]), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(cellColour(2, 1), QColor(0, 0, 0));
}

TEST_F(FrameCommandsTest, AddingToAllStepsOfARhythmGlowshowAddsOneChannel)
{
    std::vector<model::TClubStep> steps(8, model::TClubStep{3, 3, 3, 5});
    openHere(documentOf({rhythmGlowshow(1, 8, {channel(1, 100, 50, steps), channel(3, 0, 0, steps)})}));
    EXPECT_FALSE(action("ADelAllFrames")->isEnabled());
    EXPECT_FALSE(action("AClearAllFrames")->isEnabled());
    EXPECT_FALSE(action("ACopyAllFrames")->isEnabled());

    clickSlot(3);
    EXPECT_FALSE(widget<QSpinBox>("SpinEdit3")->isEnabled());
    click(widget<QPushButton>("Button9"));
    ASSERT_EQ(shown().FrameCount, 3);
    ASSERT_EQ(shown().Channels.size(), 3u);
    const model::TClubFrame &added = shown().Channels[2];
    EXPECT_EQ(added.Element, 4);
    EXPECT_EQ(added.StepCount, 8);
    ASSERT_EQ(added.Steps.size(), 8u);
    for (const model::TClubStep &s : added.Steps)
        EXPECT_EQ((std::array<int, 4>{s.Red, s.Green, s.Blue, s.Parameter}), (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(added.UpperFrequency, 0);
    EXPECT_TRUE(widget<QSpinBox>("SpinEdit3")->isEnabled()) << "the new channel's band can be edited";
    EXPECT_EQ(cellColour(7, 3), QColor(0, 0, 0));

    click(widget<QPushButton>("Button9"));
    EXPECT_EQ(shown().Channels.size(), 3u);
    EXPECT_EQ(shown().FrameCount, 3);
}

TEST_F(FrameCommandsTest, AddingToAnEmptyRhythmCellAddsTheWholeChannel)
{
    openHere(documentOf({rhythmGlowshow(1, 2, {channel(1, 0, 0, {{}, {}})})}));
    clickCell(1, 5);
    click(widget<QPushButton>("Button1"));
    ASSERT_EQ(shown().Channels.size(), 2u);
    EXPECT_EQ(shown().Channels[1].Element, 6);
    EXPECT_EQ(shown().Channels[1].Steps.size(), 2u);
    EXPECT_EQ(widget<QTabWidget>("PageControl2")->currentWidget(), widget<QWidget>("TabSheet1"));
}

TEST_F(FrameCommandsTest, ClearingBlacksOutOnlyTheCurrentElement)
{
    openHere(documentOf({normalGlowshow(1, {frame(1, {entry(3, 7, 7, 7), entry(1, 8, 8, 8), entry(2, 9, 9, 9)}),
                                            frame(1, {entry(1, 1, 2, 3)})})}));
    clickSlot(0);
    click(widget<QPushButton>("Button7"));
    const model::TFrame &f = shown().Frames[0];
    EXPECT_EQ(elementsOf(f), (std::vector<std::uint8_t>{3, 1, 2}));
    EXPECT_EQ(colourOf(f.Entries[0]), (std::array<int, 3>{7, 7, 7}));
    EXPECT_EQ(colourOf(f.Entries[1]), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(colourOf(f.Entries[2]), (std::array<int, 3>{9, 9, 9}));
    EXPECT_EQ(colourOf(shown().Frames[1].Entries[0]), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(cellColour(1, 0), QColor(0, 0, 0));
}

TEST_F(FrameCommandsTest, CopyingReachesOnlyFramesWhereTheSourceHasAnEntry)
{
    openHere(documentOf({normalGlowshow(1, {frame(1, {entry(1, 1, 2, 3)}), frame(1, {entry(5, 0, 0, 15)}),
                                            frame(1, {entry(5, 0, 0, 0), entry(1, 4, 5, 6)})})}));
    clickSlot(0);
    QComboBox *target = widget<QComboBox>("ComboBox3");
    target->setFocus();
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(target, Qt::Key_Down);
    processEvents();
    ASSERT_EQ(target->currentIndex(), 4);
    click(widget<QPushButton>("Button13"));
    EXPECT_EQ(elementsOf(shown().Frames[0]), (std::vector<std::uint8_t>{1, 5}));
    EXPECT_EQ(colourOf(shown().Frames[0].Entries[1]), (std::array<int, 3>{1, 2, 3}));
    EXPECT_EQ(colourOf(shown().Frames[1].Entries[0]), (std::array<int, 3>{0, 0, 15})) << "no source in frame 1";
    EXPECT_EQ(elementsOf(shown().Frames[2]), (std::vector<std::uint8_t>{5, 1}));
    EXPECT_EQ(colourOf(shown().Frames[2].Entries[0]), (std::array<int, 3>{4, 5, 6}));
}

TEST_F(FrameCommandsTest, CopyingToTheElementItselfChangesNothing)
{
    openHere(documentOf({normalGlowshow(1, {frame(1, {entry(1, 1, 2, 3)})})}));
    clickSlot(0);
    click(widget<QPushButton>("Button13"));
    EXPECT_EQ(elementsOf(shown().Frames[0]), (std::vector<std::uint8_t>{1}));
}

TEST_F(FrameCommandsTest, RemovingFromAllFramesKeepsOtherEntriesInOrder)
{
    openHere(documentOf({normalGlowshow(1, {frame(1, {entry(2, 1, 1, 1), entry(1, 2, 2, 2), entry(4, 3, 3, 3)}),
                                            frame(1, {entry(4, 1, 1, 1)}), frame(1, {entry(1, 5, 5, 5)})})}));
    clickSlot(0);
    click(widget<QPushButton>("Button4"));
    const std::vector<std::vector<std::uint8_t>> expected{{2, 4}, {4}, {}};
    for (std::size_t f = 0; f < expected.size(); ++f) {
        EXPECT_EQ(elementsOf(shown().Frames[f]), expected[f]) << "frame " << f;
        EXPECT_EQ(shown().Frames[f].EntryCount, expected[f].size());
    }
    EXPECT_TRUE(cellShowsPattern(2, 0));
}

TEST_F(FrameCommandsTest, RhythmCellCannotBeRemovedAlone)
{
    openHere(documentOf({rhythmGlowshow(1, 2, {channel(1, 0, 0, {{1, 1, 1, 0}, {2, 2, 2, 0}})})}));
    clickCell(0, 0);
    EXPECT_FALSE(action("ADelFrame")->isEnabled());
    EXPECT_FALSE(widget<QPushButton>("Button3")->isEnabled());
    form().execute(action("ADelFrame"));
    EXPECT_EQ(shown().Channels.size(), 1u);
}

} // namespace
} // namespace editor_test
