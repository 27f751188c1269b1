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

class FrameGridTest : public GridFixtureBase {
protected:
    // Opens the editor of a duration cell as a double click does and returns it.
    QLineEdit *openDurationEditor(int column)
    {
        QTableWidget *grid = frameGrid();
        QTableWidgetItem *item = grid->item(1, column);
        if (!item)
            return nullptr;
        grid->scrollToItem(item);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(item).center());
        processEvents();
        auto *edit = grid->viewport()->findChild<QLineEdit *>();
        if (edit) {
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        }
        return edit;
    }

    void commit(QLineEdit *edit)
    {
        QTest::keyClick(edit, Qt::Key_Return);
        processEvents();
    }

    void rightPress(int column, int row)
    {
        editor::EditGridView *grid = editGrid();
        QTest::mousePress(grid->viewport(), Qt::RightButton, {}, grid->visualRect(cell(column, row)).center());
        processEvents();
    }

    // A move with the right button held, as the window system reports a drag.
    void rightDragTo(QPoint pos)
    {
        QWidget *viewport = editGrid()->viewport();
        QMouseEvent move(QEvent::MouseMove, pos, viewport->mapToGlobal(pos), Qt::NoButton, Qt::RightButton,
                         Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        processEvents();
    }

    void rightRelease(QPoint pos)
    {
        QTest::mouseRelease(editGrid()->viewport(), Qt::RightButton, {}, pos);
        processEvents();
    }

    QPoint centre(int column, int row) const { return editGrid()->visualRect(cell(column, row)).center(); }
};

model::TDocument mixedColours()
{
    // Frame 0: every kind of element; frame 1: on/off blue variants; frame 2: nothing.
    return documentOf({normalGlowshow(1, {frame(100, {entry(1, 15, 0, 7), entry(2, 1, 2, 3), entry(3, 15, 15, 0),
                                                     entry(5, 0, 0, 15), entry(6, 0, 15, 0)}),
                                          frame(200, {entry(5, 0, 0, 14), entry(1, 8, 8, 8)}),
                                          frame(300, {entry(5, 0, 0, 1)}), frame(400, {})})});
}

TEST_F(FrameGridTest, CellsArePaintedInTheEntrysScreenColour)
{
    openHere(mixedColours());
    ASSERT_EQ(editGrid()->model()->columnCount(), 4);
    widget<QCheckBox>("CheckBox2")->setChecked(false);
    const struct {
        int column, row;
        QColor expected;
    } cases[] = {
        {0, 0, QColor(255, 0, 119)},  // (15, 0, 7)
        {0, 1, QColor(17, 34, 51)},   // (1, 2, 3)
        {0, 2, QColor(255, 255, 0)},  // absent element drawn normally while not hidden
        {0, 5, QColor(0, 255, 0)},
        {1, 0, QColor(136, 136, 136)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(cellColour(c.column, c.row), c.expected) << "cell " << c.column << "," << c.row;
}

TEST_F(FrameGridTest, GridLinesSeparateCellsAndScrolledColumnsShowTheirOwnFrames)
{
    // Every frame a different red, so a column painted from the wrong frame shows.
    std::vector<model::TFrame> frames;
    for (int i = 0; i < 60; ++i)
        frames.push_back(frame(10, {entry(1, std::uint8_t(i % 16), 0, 0)}));
    openHere(documentOf({normalGlowshow(1, frames)}));
    editor::EditGridView *grid = editGrid();
    const QImage before = grid->viewport()->grab().toImage();
    const QRect first = grid->visualRect(cell(0, 0));
    const QColor line = before.pixelColor(first.right() + 1, first.center().y());
    EXPECT_NE(line, before.pixelColor(first.center())) << "no line between columns 0 and 1";
    EXPECT_EQ(before.pixelColor(first.center().x(), first.bottom() + 1), line) << "no line between rows 0 and 1";
    EXPECT_TRUE(cellShowsPattern(0, 1));

    grid->horizontalScrollBar()->setValue(20);
    processEvents();
    const int left = grid->columnAt(1);
    ASSERT_GT(left, 10);
    for (int column : {left, left + 3}) {
        const int red = (column % 16) * 17;
        EXPECT_EQ(cellColour(column, 0), QColor(red, 0, 0)) << "column " << column;
    }

    // An edited entry shows in its own cell and nowhere else.
    form().Document.Glowshows[0].Frames[std::size_t(left)].Entries[0].Green = 15;
    form().redrawCell(left, 0);
    EXPECT_EQ(cellColour(left, 0), QColor((left % 16) * 17, 255, 0));
    EXPECT_EQ(cellColour(left + 1, 0), QColor(((left + 1) % 16) * 17, 0, 0));
}

TEST_F(FrameGridTest, OnOffElementShowsProfileColourWhenBlueBitZeroIsSet)
{
    openHere(mixedColours());
    const struct {
        int column;
        QColor expected;
    } cases[] = {
        {0, QColor(255, 0, 0)}, // Blue 15: the profile's $0000FF, red in the lowest byte
        {1, QColor(0, 0, 0)},   // Blue 14
        {2, QColor(255, 0, 0)}, // Blue 1
    };
    for (const auto &c : cases)
        EXPECT_EQ(cellColour(c.column, 4), c.expected) << "column " << c.column;
}

TEST_F(FrameGridTest, CellsWithoutEntryAndHiddenElementsShowThePattern)
{
    openHere(mixedColours());
    ASSERT_TRUE(widget<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_TRUE(cellShowsPattern(0, 2)) << "hidden element";
    EXPECT_TRUE(cellShowsPattern(0, 3)) << "element 4 has no entry in frame 0";
    EXPECT_TRUE(cellShowsPattern(3, 0)) << "empty frame";
    EXPECT_FALSE(cellShowsPattern(0, 0));

    widget<QCheckBox>("CheckBox2")->setChecked(false);
    editGrid()->viewport()->update();
    processEvents();
    EXPECT_FALSE(cellShowsPattern(0, 2));
    EXPECT_EQ(cellColour(0, 2), QColor(255, 255, 0));
}

TEST_F(FrameGridTest, HiddenCellCannotBeSelected)
{
    openHere(mixedColours());
    clickCell(0, 0);
    ASSERT_TRUE(tabShown(widget<QWidget>("TabSheet2")));
    clickCell(0, 2);
    EXPECT_FALSE(tabShown(widget<QWidget>("TabSheet2")));
    EXPECT_EQ(editGrid()->currentIndex(), cell(0, 2)) << "the grid's current cell still moves";
}

TEST_F(FrameGridTest, ChannelShorterThanTheGridShowsNoEntryAndCannotBeEdited)
{
    std::vector<model::TClubStep> steps(6, model::TClubStep{15, 0, 0, 0});
    openHere(documentOf({rhythmGlowshow(1, 6, {channel(1, 10, 5, steps)})}));
    ASSERT_EQ(editGrid()->model()->columnCount(), 6);
    // A document whose channel holds fewer steps than the glowshow claims.
    shown().Channels[0].Steps.resize(2);
    editGrid()->viewport()->update();
    processEvents();
    EXPECT_EQ(cellColour(1, 0), QColor(255, 0, 0));
    EXPECT_TRUE(cellShowsPattern(4, 0));

    clickCell(4, 0);
    EXPECT_TRUE(action("AAddNewFrame")->isEnabled());
    EXPECT_FALSE(widget<QGroupBox>("GroupBox6")->isVisible());
    widget<QSlider>("TrackBar1")->setValue(0);
    rightPress(4, 0);
    rightRelease(centre(4, 0));
    EXPECT_EQ(shown().Channels.at(0).Steps.size(), 2u);
    EXPECT_TRUE(cellShowsPattern(4, 0));
}

TEST_F(FrameGridTest, EntryBeyondEntryCountIsNoEntry)
{
    openHere(documentOf({normalGlowshow(1, {frame(1, {entry(1, 15, 15, 15), entry(2, 15, 15, 15)})})}));
    shown().Frames[0].EntryCount = 1; // the second entry is no longer counted
    editGrid()->viewport()->update();
    processEvents();
    EXPECT_TRUE(cellShowsPattern(0, 1));
    clickCell(0, 1);
    EXPECT_TRUE(action("AAddNewFrame")->isEnabled());
    rightPress(0, 1);
    rightRelease(centre(0, 1));
    EXPECT_EQ(colourOf(shown().Frames[0].Entries[1]), (std::array<int, 3>{15, 15, 15}));
}

TEST_F(FrameGridTest, GlowshowWithoutFramesShowsOnlyEmptyCells)
{
    openHere(documentOf({normalGlowshow(1, {})}));
    ASSERT_GE(editGrid()->model()->columnCount(), 1);
    for (int row = 0; row < 6; ++row)
        EXPECT_TRUE(cellShowsPattern(0, row)) << "row " << row;
    clickCell(0, 0);
    EXPECT_FALSE(widget<QGroupBox>("GroupBox6")->isVisible());
}

TEST_F(FrameGridTest, TypedDurationIsCorrectedAndStored)
{
    const struct {
        const char *typed;
        QString cellText;
        int stored;
    } cases[] = {
        {"70000", QStringLiteral("65535"), 65535},
        {"12a", QString(), 0},
        {"250", QStringLiteral("250"), 250},
    };
    for (const auto &c : cases) {
        openHere(documentOf({normalGlowshow(1, {frame(100, {}), frame(200, {})})}));
        QLineEdit *edit = openDurationEditor(1);
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, QString::fromLatin1(c.typed));
        EXPECT_EQ(edit->text(), c.cellText) << c.typed;
        commit(edit);
        EXPECT_EQ(frameGrid()->item(1, 1)->text(), c.cellText) << c.typed;
        EXPECT_EQ(shown().Frames.at(1).Duration, c.stored) << c.typed;
        EXPECT_EQ(shown().Frames.at(0).Duration, 100) << "other frames untouched";
    }
}

TEST_F(FrameGridTest, EmptiedDurationKeepsTheStoredValue)
{
    openHere(documentOf({normalGlowshow(1, {frame(100, {}), frame(200, {})})}));
    QLineEdit *edit = openDurationEditor(0);
    ASSERT_NE(edit, nullptr);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), QString());
    commit(edit);
    EXPECT_EQ(shown().Frames.at(0).Duration, 100);
}

TEST_F(FrameGridTest, PastedNegativeDurationBecomesZero)
{
    openHere(documentOf({normalGlowshow(1, {frame(100, {})})}));
    QLineEdit *edit = openDurationEditor(0);
    ASSERT_NE(edit, nullptr);
    QApplication::clipboard()->setText(QStringLiteral("-5"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QStringLiteral("0"));
    commit(edit);
    EXPECT_EQ(frameGrid()->item(1, 0)->text(), QStringLiteral("0"));
    EXPECT_EQ(shown().Frames.at(0).Duration, 0);
}

TEST_F(FrameGridTest, RhythmGlowshowTakesNoTypedDuration)
{
    openHere(documentOf({rhythmGlowshow(1, 3, {channel(1, 0, 0, {{}, {}, {}})})}));
    const model::TGlowshow before = shown();
    QLineEdit *edit = openDurationEditor(1);
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, QStringLiteral("42"));
    EXPECT_EQ(edit->text(), QString());
    commit(edit);
    EXPECT_EQ(frameGrid()->item(1, 1)->text(), QString());
    EXPECT_TRUE(shown().Frames.empty());
    EXPECT_EQ(shown().Channels.at(0).Steps.size(), before.Channels.at(0).Steps.size());
}

TEST_F(FrameGridTest, RightDragTogglesEachEnteredCellOnce)
{
    openHere(documentOf({normalGlowshow(1, {frame(100, {entry(1, 3, 4, 5)}), frame(100, {entry(1, 0, 0, 0)}),
                                            frame(100, {})})}));
    clickCell(2, 5);
    const QModelIndex currentBefore = editGrid()->currentIndex();

    rightPress(0, 0);
    EXPECT_EQ(colourOf(shown().Frames[0].Entries[0]), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(cellColour(0, 0), QColor(0, 0, 0));

    rightDragTo(centre(0, 0) + QPoint(3, 2));
    EXPECT_EQ(colourOf(shown().Frames[0].Entries[0]), (std::array<int, 3>{0, 0, 0})) << "same cell";

    rightDragTo(centre(1, 0));
    EXPECT_EQ(colourOf(shown().Frames[1].Entries[0]), (std::array<int, 3>{15, 15, 15}));
    EXPECT_EQ(cellColour(1, 0), QColor(255, 255, 255));

    rightDragTo(centre(0, 0));
    EXPECT_EQ(colourOf(shown().Frames[0].Entries[0]), (std::array<int, 3>{15, 15, 15})) << "entered again";

    rightDragTo(centre(2, 0)); // no entry there
    rightRelease(centre(2, 0));
    EXPECT_TRUE(shown().Frames[2].Entries.empty());
    EXPECT_EQ(editGrid()->currentIndex(), currentBefore);
    EXPECT_EQ(form().Document.CurrentFrame, 2);
    EXPECT_EQ(form().Document.CurrentElement, 6);
}

TEST_F(FrameGridTest, RightPressLeavesHiddenCellsAlone)
{
    openHere(documentOf({normalGlowshow(1, {frame(100, {entry(3, 4, 4, 4)})})}));
    rightPress(0, 2);
    rightRelease(centre(0, 2));
    EXPECT_EQ(colourOf(shown().Frames[0].Entries[0]), (std::array<int, 3>{4, 4, 4}));

    widget<QCheckBox>("CheckBox2")->setChecked(false);
    rightPress(0, 2);
    rightRelease(centre(0, 2));
    EXPECT_EQ(colourOf(shown().Frames[0].Entries[0]), (std::array<int, 3>{0, 0, 0})) << "shown again: toggles";
}

TEST_F(FrameGridTest, ScrollingTheColourGridScrollsTheFrameNumbers)
{
    std::vector<model::TFrame> frames(60, frame(10, {entry(1, 1, 1, 1)}));
    openHere(documentOf({normalGlowshow(1, frames)}));
    QScrollBar *bar = editGrid()->horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 10);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    processEvents();
    ASSERT_GT(bar->value(), 0);
    EXPECT_EQ(frameGrid()->columnAt(1), editGrid()->columnAt(1));
    EXPECT_EQ(frameGrid()->item(0, frameGrid()->columnAt(1))->text(), QString::number(editGrid()->columnAt(1) + 1));
}

} // namespace
} // namespace editor_test
