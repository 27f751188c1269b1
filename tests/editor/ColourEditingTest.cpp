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

class ColourEditingTest : public GridFixtureBase {
protected:
    QColor shapeColour()
    {
        const QImage image = widget<QFrame>("Shape1")->grab().toImage();
        return image.pixelColor(image.rect().center());
    }
    std::array<int, 3> positions() const
    {
        return {widget<QSlider>("TrackBar1")->value(), widget<QSlider>("TrackBar2")->value(),
                widget<QSlider>("TrackBar3")->value()};
    }
    std::array<QString, 3> valueTexts() const
    {
        return {widget<QLineEdit>("Edit2")->text(), widget<QLineEdit>("Edit3")->text(),
                widget<QLineEdit>("Edit4")->text()};
    }
};

model::TDocument threeFrames()
{
    return documentOf({normalGlowshow(1, {frame(100, {entry(2, 1, 1, 1), entry(1, 15, 0, 7)}),
                                          frame(100, {entry(1, 2, 9, 4), entry(5, 0, 0, 0)}),
                                          frame(100, {entry(1, 0, 0, 0), entry(5, 0, 0, 1)}),
                                          frame(100, {entry(1, 6, 6, 6)})})});
}

TEST_F(ColourEditingTest, SelectingAnEntryLoadsTrackBarsValuesAndPreview)
{
    openHere(threeFrames());
    clickCell(0, 0);
    ASSERT_TRUE(widget<QGroupBox>("GroupBox6")->isVisible());
    EXPECT_FALSE(widget<QGroupBox>("GroupBox9")->isVisible());
    EXPECT_EQ(positions(), (std::array<int, 3>{0, 15, 8}));
    EXPECT_EQ(valueTexts(), (std::array<QString, 3>{QStringLiteral("15"), QStringLiteral("0"), QStringLiteral("7")}));
    EXPECT_EQ(shapeColour(), QColor(255, 0, 119));
    EXPECT_FALSE(widget<QSpinBox>("SpinEdit2")->isEnabled());
    EXPECT_TRUE(action("ADelFrame")->isEnabled());
    EXPECT_FALSE(action("AAddNewFrame")->isEnabled());
}

TEST_F(ColourEditingTest, MovingATrackBarStoresTheChannelAndRepaintsTheCell)
{
    openHere(threeFrames());
    clickCell(0, 0);
    widget<QSlider>("TrackBar1")->setValue(10); // value 5
    processEvents();
    EXPECT_EQ(colourOf(shown().Frames[0].Entries[1]), (std::array<int, 3>{5, 0, 7}));
    EXPECT_EQ(colourOf(shown().Frames[0].Entries[0]), (std::array<int, 3>{1, 1, 1})) << "other entry untouched";
    EXPECT_EQ(widget<QLineEdit>("Edit2")->text(), QStringLiteral("5"));
    EXPECT_EQ(cellColour(0, 0), QColor(85, 0, 119));
    EXPECT_EQ(shapeColour(), QColor(85, 0, 119));

    widget<QSlider>("TrackBar3")->setValue(0);
    processEvents();
    EXPECT_EQ(colourOf(shown().Frames[0].Entries[1]), (std::array<int, 3>{5, 0, 15}));
}

TEST_F(ColourEditingTest, EmptyCellOffersOnlyAddingAndTrackBarsReachOnlyThePreview)
{
    openHere(threeFrames());
    clickCell(0, 0);
    clickCell(0, 3);
    EXPECT_FALSE(widget<QGroupBox>("GroupBox6")->isVisible());
    EXPECT_FALSE(widget<QGroupBox>("GroupBox9")->isVisible());
    EXPECT_FALSE(widget<QPushButton>("Button2")->isEnabled());
    EXPECT_FALSE(widget<QSpinBox>("SpinEdit2")->isEnabled());
    EXPECT_FALSE(action("ADelFrame")->isEnabled());
    EXPECT_TRUE(action("AAddNewFrame")->isEnabled());

    const model::TGlowshow before = shown();
    widget<QSlider>("TrackBar2")->setValue(0);
    processEvents();
    EXPECT_EQ(widget<QLineEdit>("Edit3")->text(), QStringLiteral("15"));
    EXPECT_EQ(shapeColour().green(), 255);
    for (std::size_t f = 0; f < before.Frames.size(); ++f)
        for (std::size_t e = 0; e < before.Frames[f].Entries.size(); ++e)
            EXPECT_EQ(colourOf(shown().Frames[f].Entries[e]), colourOf(before.Frames[f].Entries[e]));
    EXPECT_TRUE(cellShowsPattern(0, 3));
}

TEST_F(ColourEditingTest, OnOffElementShowsTheSwitchAndToggles)
{
    openHere(threeFrames());
    const struct {
        int column;
        std::array<int, 3> after;
        QColor painted;
    } cases[] = {
        {1, {15, 15, 15}, QColor(255, 0, 0)}, // (0,0,0) switches on
        {2, {0, 0, 0}, QColor(0, 0, 0)},      // (0,0,1) switches off
    };
    for (const auto &c : cases) {
        clickCell(c.column, 4);
        ASSERT_TRUE(widget<QGroupBox>("GroupBox9")->isVisible());
        EXPECT_FALSE(widget<QGroupBox>("GroupBox6")->isVisible());
        click(widget<QPushButton>("Button6"));
        EXPECT_EQ(colourOf(shown().Frames[std::size_t(c.column)].Entries[1]), c.after) << c.column;
        EXPECT_EQ(cellColour(c.column, 4), c.painted) << c.column;
    }
}

TEST_F(ColourEditingTest, PreviousColourCopiesTheColumnBefore)
{
    openHere(threeFrames());
    clickCell(2, 0);
    ASSERT_TRUE(widget<QPushButton>("Button2")->isEnabled());
    click(widget<QPushButton>("Button2"));
    EXPECT_EQ(colourOf(shown().Frames[2].Entries[0]), (std::array<int, 3>{2, 9, 4}));
    EXPECT_EQ(colourOf(shown().Frames[1].Entries[0]), (std::array<int, 3>{2, 9, 4}));
    EXPECT_EQ(positions(), (std::array<int, 3>{13, 6, 11}));
    EXPECT_EQ(cellColour(2, 0), QColor(34, 153, 68));
}

TEST_F(ColourEditingTest, PreviousColourUnavailableWithoutAColumnBefore)
{
    openHere(threeFrames());
    clickCell(0, 0);
    EXPECT_FALSE(widget<QPushButton>("Button2")->isEnabled()) << "first column";
    clickCell(1, 4); // element 5 has no entry in frame 0
    EXPECT_FALSE(action("AMakePrevCol")->isEnabled());
    clickCell(2, 4);
    EXPECT_TRUE(action("AMakePrevCol")->isEnabled());
}

TEST_F(ColourEditingTest, RhythmStepLoadsAndStoresItsParameter)
{
    openHere(documentOf({rhythmGlowshow(1, 3, {channel(2, 0, 0, {{1, 2, 3, 10}, {4, 5, 6, 25}, {0, 0, 0, 0}})})}));
    clickCell(1, 1);
    EXPECT_FALSE(action("ADelFrame")->isEnabled());
    ASSERT_TRUE(widget<QSpinBox>("SpinEdit2")->isEnabled());
    EXPECT_EQ(widget<QSpinBox>("SpinEdit2")->value(), 25);
    EXPECT_EQ(valueTexts(), (std::array<QString, 3>{QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")}));

    widget<QSpinBox>("SpinEdit2")->setFocus();
    QTest::keyClick(widget<QSpinBox>("SpinEdit2"), Qt::Key_Up);
    processEvents();
    EXPECT_EQ(shown().Channels[0].Steps[1].Parameter, 30);
    EXPECT_EQ(shown().Channels[0].Steps[0].Parameter, 10);

    click(widget<QPushButton>("Button2"));
    const model::TClubStep &step = shown().Channels[0].Steps[1];
    EXPECT_EQ((std::array<int, 4>{step.Red, step.Green, step.Blue, step.Parameter}),
              (std::array<int, 4>{1, 2, 3, 30}))
        << "the previous colour, not its parameter";
}

TEST_F(ColourEditingTest, TrackBarsDoNotWriteIntoAnotherElementAfterItsEntryWasRemoved)
{
    openHere(documentOf({normalGlowshow(1, {frame(100, {entry(1, 1, 1, 1), entry(2, 2, 2, 2), entry(4, 4, 4, 4)})})}));
    clickCell(0, 1);
    widget<QTabWidget>("PageControl2")->setCurrentWidget(widget<QWidget>("TabSheet1"));
    click(widget<QPushButton>("Button4")); // remove element 2 from all frames
    ASSERT_EQ(elementsOf(shown().Frames[0]), (std::vector<std::uint8_t>{1, 4}));

    widget<QTabWidget>("PageControl2")->setCurrentWidget(widget<QWidget>("TabSheet2"));
    widget<QSlider>("TrackBar1")->setValue(0);
    processEvents();
    EXPECT_EQ(colourOf(shown().Frames[0].Entries[1]), (std::array<int, 3>{4, 4, 4}));
    EXPECT_EQ(colourOf(shown().Frames[0].Entries[0]), (std::array<int, 3>{1, 1, 1}));
}

} // namespace
} // namespace editor_test
