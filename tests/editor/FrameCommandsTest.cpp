#include "EditorFixture.h"

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

// A program folder of its own: the shipped data with a profile whose element colours the
// tests choose (element 3 absent from the model, element 5 an on/off element lit red).
class GridFixtureBase : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        programDir = dir.filePath(QStringLiteral("program")) + QLatin1Char('/');
        copyTree(QStringLiteral(GLOW_DATA_DIR), programDir);
        writeProfile(QStringLiteral("Motorola (All Models).eng"),
                     "[Elements]\nElement01=Keypad\nColor01=-1\nElement02=Display\nColor02=-1\n"
                     "Element03=Absent\nColor03=-2\nElement04=Side\nColor04=-1\n"
                     "Element05=Logo\nColor05=$0000FF\nElement06=Ring\nColor06=-1\n");
    }

    static void copyTree(const QString &from, const QString &to)
    {
        QDir().mkpath(to);
        QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString target = to + QDir(from).relativeFilePath(file);
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::copy(file, target);
        }
    }

    void writeProfile(const QString &name, const QByteArray &text) const
    {
        testing_support::writeAll(programDir + QStringLiteral("Profiles/") + name, text);
    }

    editor::TMForm &startHere()
    {
        editor::EditorEnvironment environment;
        environment.programDir = programDir;
        environment.dialogs = &dialogs;
        environment.settingsFile = settingsFile;
        { editor::EditorForms previous = std::move(forms); }
        forms = editor::createForms(std::move(environment));
        forms.MForm->show();
        processEvents();
        return *forms.MForm;
    }

    editor::TMForm &openHere(const model::TDocument &doc)
    {
        startHere();
        openThroughDialog(writePat(QStringLiteral("show.pat"), doc));
        form().PageControl1->setCurrentWidget(form().Tab2);
        processEvents();
        return form();
    }

    model::TGlowshow &shown() { return form().Document.Glowshows.at(form().Document.CurrentGlowshow); }

    QModelIndex cell(int column, int row) const { return form().EditGrid->model()->index(row, column); }

    void clickCell(int column, int row)
    {
        editor::EditGridView *grid = form().EditGrid;
        grid->scrollTo(cell(column, row));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell(column, row)).center());
        processEvents();
    }

    void clickSlot(int row)
    {
        QTableWidget *slotGrid = form().SlotGrid;
        QTest::mouseClick(slotGrid->viewport(), Qt::LeftButton, {}, slotGrid->visualItemRect(slotGrid->item(row, 0)).center());
        processEvents();
    }

    void click(QAbstractButton *button)
    {
        ASSERT_TRUE(button->isVisible()) << button->objectName().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
        processEvents();
    }

    // The colour painted at the middle of a cell.
    QColor cellColour(int column, int row)
    {
        editor::EditGridView *grid = form().EditGrid;
        const QImage image = grid->viewport()->grab().toImage();
        return image.pixelColor(grid->visualRect(cell(column, row)).center());
    }

    // True when the cell shows the 2 x 2 silver and white pattern.
    bool cellShowsPattern(int column, int row)
    {
        editor::EditGridView *grid = form().EditGrid;
        const QImage image = grid->viewport()->grab().toImage();
        const QPoint c = grid->visualRect(cell(column, row)).center();
        const int x = c.x() & ~1, y = c.y() & ~1;
        const QColor silver(192, 192, 192), white(255, 255, 255);
        return image.pixelColor(x, y) == silver && image.pixelColor(x + 1, y + 1) == silver &&
               image.pixelColor(x + 1, y) == white && image.pixelColor(x, y + 1) == white;
    }

    bool tabShown(QWidget *page) const { return form().PageControl2->isTabVisible(form().PageControl2->indexOf(page)); }

    QString programDir;
};

[[maybe_unused]] std::vector<std::uint8_t> elementsOf(const model::TFrame &f)
{
    std::vector<std::uint8_t> out;
    for (const model::TFrameEntry &e : f.Entries)
        out.push_back(e.Element);
    return out;
}

[[maybe_unused]] std::array<int, 3> colourOf(const model::TFrameEntry &e) { return {e.Red, e.Green, e.Blue}; }

using FrameCommandsTest = GridFixtureBase;

TEST_F(FrameCommandsTest, AddingToAnEmptyCellAppendsABlackEntry)
{
    openHere(documentOf({normalGlowshow(1, {frame(1, {}), frame(1, {}), frame(1, {entry(2, 5, 5, 5), entry(1, 6, 6, 6)})})}));
    clickCell(2, 3);
    ASSERT_TRUE(form().AAddNewFrameAction->isEnabled());
    click(form().Button1);
    ASSERT_EQ(elementsOf(shown().Frames[2]), (std::vector<std::uint8_t>{2, 1, 4}));
    EXPECT_EQ(colourOf(shown().Frames[2].Entries[2]), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(shown().Frames[2].EntryCount, 3);
    EXPECT_EQ(cellColour(2, 3), QColor(0, 0, 0));
    EXPECT_TRUE(form().GroupBox6->isVisible());
    EXPECT_EQ(form().Edit2->text(), QStringLiteral("0"));
    EXPECT_FALSE(form().AAddNewFrameAction->isEnabled());
    EXPECT_TRUE(form().ADelFrameAction->isEnabled());
}

TEST_F(FrameCommandsTest, AddingAnOnOffElementShowsTheSwitch)
{
    openHere(documentOf({normalGlowshow(1, {frame(1, {})})}));
    clickCell(0, 4);
    click(form().Button1);
    EXPECT_EQ(elementsOf(shown().Frames[0]), (std::vector<std::uint8_t>{5}));
    EXPECT_TRUE(form().GroupBox9->isVisible());
    EXPECT_FALSE(form().GroupBox6->isVisible());
}

TEST_F(FrameCommandsTest, RemovingTheFirstEntryKeepsTheOthersInOrder)
{
    openHere(documentOf({normalGlowshow(1, {frame(1, {entry(3, 1, 1, 1), entry(1, 2, 2, 2), entry(6, 3, 3, 3)})})}));
    form().CheckBox2->setChecked(false);
    clickCell(0, 2);
    click(form().Button3);
    EXPECT_EQ(elementsOf(shown().Frames[0]), (std::vector<std::uint8_t>{1, 6}));
    EXPECT_EQ(colourOf(shown().Frames[0].Entries[0]), (std::array<int, 3>{2, 2, 2}));
    EXPECT_EQ(shown().Frames[0].EntryCount, 2);
    EXPECT_TRUE(form().AAddNewFrameAction->isEnabled());
    EXPECT_FALSE(form().ADelFrameAction->isEnabled());
    EXPECT_TRUE(cellShowsPattern(0, 2));
}

TEST_F(FrameCommandsTest, AddingToAllFramesFillsOnlyTheFramesWithoutTheElement)
{
    openHere(documentOf({normalGlowshow(1, {frame(1, {entry(2, 9, 9, 9)}), frame(1, {entry(1, 1, 1, 1)}), frame(1, {}),
                                            frame(1, {entry(2, 8, 8, 8)}), frame(1, {})})}));
    clickSlot(1);
    EXPECT_EQ(form().PageControl2->currentWidget(), form().TabSheet1);
    click(form().Button9);
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
    EXPECT_FALSE(form().ADelAllFramesAction->isEnabled());
    EXPECT_FALSE(form().AClearAllFramesAction->isEnabled());
    EXPECT_FALSE(form().ACopyAllFramesAction->isEnabled());

    clickSlot(3);
    EXPECT_FALSE(form().SpinEdit3->isEnabled());
    click(form().Button9);
    ASSERT_EQ(shown().FrameCount, 3);
    ASSERT_EQ(shown().Channels.size(), 3u);
    const model::TClubFrame &added = shown().Channels[2];
    EXPECT_EQ(added.Element, 4);
    EXPECT_EQ(added.StepCount, 8);
    ASSERT_EQ(added.Steps.size(), 8u);
    for (const model::TClubStep &s : added.Steps)
        EXPECT_EQ((std::array<int, 4>{s.Red, s.Green, s.Blue, s.Parameter}), (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(added.UpperFrequency, 0);
    EXPECT_TRUE(form().SpinEdit3->isEnabled()) << "the new channel's band can be edited";
    EXPECT_EQ(cellColour(7, 3), QColor(0, 0, 0));

    click(form().Button9);
    EXPECT_EQ(shown().Channels.size(), 3u);
    EXPECT_EQ(shown().FrameCount, 3);
}

TEST_F(FrameCommandsTest, AddingToAnEmptyRhythmCellAddsTheWholeChannel)
{
    openHere(documentOf({rhythmGlowshow(1, 2, {channel(1, 0, 0, {{}, {}})})}));
    clickCell(1, 5);
    click(form().Button1);
    ASSERT_EQ(shown().Channels.size(), 2u);
    EXPECT_EQ(shown().Channels[1].Element, 6);
    EXPECT_EQ(shown().Channels[1].Steps.size(), 2u);
    EXPECT_EQ(form().PageControl2->currentWidget(), form().TabSheet1);
}

TEST_F(FrameCommandsTest, ClearingBlacksOutOnlyTheCurrentElement)
{
    openHere(documentOf({normalGlowshow(1, {frame(1, {entry(3, 7, 7, 7), entry(1, 8, 8, 8), entry(2, 9, 9, 9)}),
                                            frame(1, {entry(1, 1, 2, 3)})})}));
    clickSlot(0);
    click(form().Button7);
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
    QComboBox *target = form().ComboBox3;
    target->setFocus();
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(target, Qt::Key_Down);
    processEvents();
    ASSERT_EQ(target->currentIndex(), 4);
    click(form().Button13);
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
    click(form().Button13);
    EXPECT_EQ(elementsOf(shown().Frames[0]), (std::vector<std::uint8_t>{1}));
}

TEST_F(FrameCommandsTest, RemovingFromAllFramesKeepsOtherEntriesInOrder)
{
    openHere(documentOf({normalGlowshow(1, {frame(1, {entry(2, 1, 1, 1), entry(1, 2, 2, 2), entry(4, 3, 3, 3)}),
                                            frame(1, {entry(4, 1, 1, 1)}), frame(1, {entry(1, 5, 5, 5)})})}));
    clickSlot(0);
    click(form().Button4);
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
    EXPECT_FALSE(form().ADelFrameAction->isEnabled());
    EXPECT_FALSE(form().Button3->isEnabled());
    form().execute(form().ADelFrameAction);
    EXPECT_EQ(shown().Channels.size(), 1u);
}

} // namespace
} // namespace editor_test
