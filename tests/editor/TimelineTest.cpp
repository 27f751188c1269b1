// The timeline commands driven as a user drives them: mouse and keys on the grid, the
// clipboard, saving; the saved bytes are compared with a document edited here by hand.
#include "GridFixture.h"

#include "editor/TimelineCommands.h"
#include "model/GlowFile.h"

#include <QDialog>
#include <QListWidget>
#include <QMimeData>
#include <QRadioButton>

namespace editor_test {
namespace {

class TimelineTest : public GridFixtureBase {
protected:
    QPoint centreOf(int column, int row) const { return editGrid()->visualRect(cell(column, row)).center(); }

    void dragCells(QPoint from, QPoint to)
    {
        QWidget *viewport = editGrid()->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, centreOf(from.x(), from.y()));
        QTest::mouseMove(viewport, centreOf(to.x(), to.y()));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, centreOf(to.x(), to.y()));
        processEvents();
    }

    void keys(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(editGrid(), key, modifiers);
        processEvents();
    }

    void clickFrameNumber(int column, Qt::KeyboardModifiers modifiers = {})
    {
        QTableWidget *numbers = frameGrid();
        QTest::mouseClick(numbers->viewport(), Qt::LeftButton, modifiers,
                          numbers->visualItemRect(numbers->item(0, column)).center());
        processEvents();
    }

    QRect range() const { return editGrid()->range(); }
};

model::TFrame frameOf(std::uint16_t duration, std::vector<model::TFrameEntry> entries)
{
    return frame(duration, std::move(entries));
}

TEST_F(TimelineTest, TheCurrentCellShowsAMarkOnBlackWhiteFullColourAndHatchedCells)
{
    openHere(documentOf({normalGlowshow(
        1, {frameOf(100, {entry(1, 0, 0, 0), entry(2, 15, 15, 15), entry(4, 15, 8, 0)}), frameOf(100, {})})}));
    const int rows[] = {0, 1, 3, 5}; // black, white, orange, no entry (hatched)
    for (int row : rows) {
        clickCell(1, 0);
        const QImage before = editGrid()->viewport()->grab().toImage();
        clickCell(0, row);
        const QImage after = editGrid()->viewport()->grab().toImage();
        const QRect r = editGrid()->visualRect(cell(0, row));
        const QColor fill = before.pixelColor(r.center());
        int strongest = 0;
        for (int inset = 0; inset < 3; ++inset) {
            const QColor mark = after.pixelColor(r.left() + inset, r.center().y());
            strongest = std::max(strongest, std::abs(mark.red() - fill.red()) + std::abs(mark.green() - fill.green()) +
                                                std::abs(mark.blue() - fill.blue()));
        }
        EXPECT_GE(strongest, 300) << "row " << row;
        EXPECT_EQ(after.pixelColor(r.center()), fill) << "the mark leaves the colour readable, row " << row;
        if (row != 5) {
            EXPECT_EQ(before.pixelColor(r.left() + 1, r.center().y()), fill) << "no mark before, row " << row;
        }
    }
}

TEST_F(TimelineTest, ARangeIsDrawnOverTheCellsWithoutHidingTheirColours)
{
    openHere(documentOf({normalGlowshow(1, {frameOf(100, {entry(1, 15, 0, 0)}), frameOf(100, {entry(1, 15, 0, 0)}),
                                            frameOf(100, {entry(1, 15, 0, 0)})})}));
    clickCell(0, 0);
    const QColor bare = cellColour(1, 0);
    dragCells({0, 0}, {2, 1});
    EXPECT_EQ(range(), QRect(QPoint(0, 0), QPoint(2, 1)));
    const QColor washed = cellColour(1, 0);
    EXPECT_NE(washed, bare);
    EXPECT_GT(washed.red(), 150) << "red stays red under the range";
    EXPECT_EQ(editGrid()->currentIndex(), cell(0, 0)) << "a drag never moves the current cell";
}

TEST_F(TimelineTest, DragShiftArrowsDuplicateMoveFadeCopyPasteAndSaveGiveTheExpectedBytes)
{
    model::TGlowshow a =
        normalGlowshow(1, {frameOf(100, {entry(1, 0, 0, 0), entry(2, 0, 15, 0)}),
                           frameOf(200, {entry(1, 3, 0, 0), entry(2, 0, 0, 15)}), frameOf(300, {entry(1, 6, 0, 0)}),
                           frameOf(400, {entry(2, 1, 1, 1), entry(1, 15, 0, 0)})});
    model::TGlowshow b = normalGlowshow(2, {frameOf(50, {entry(2, 1, 2, 3)}), frameOf(60, {})});
    const model::TDocument opened = documentOf({a, b});
    openHere(opened);

    clickCell(1, 0);
    dragCells({1, 0}, {2, 1});
    ASSERT_EQ(range(), QRect(QPoint(1, 0), QPoint(2, 1)));
    keys(Qt::Key_D, Qt::ControlModifier); // duplicate: f0 f1 f2 f1 f2 f3
    ASSERT_EQ(shown().FrameCount, 6);
    EXPECT_EQ(range(), QRect(QPoint(3, 0), QPoint(4, 1))) << "the copies are selected";
    keys(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier); // move: f0 f1 f1 f2 f2 f3
    EXPECT_EQ(range(), QRect(QPoint(2, 0), QPoint(3, 1)));

    clickCell(0, 0);
    keys(Qt::Key_Right, Qt::ShiftModifier, 4);
    ASSERT_EQ(range(), QRect(QPoint(0, 0), QPoint(4, 0)));
    trigger(action("AFadeRange")); // red 0 → 6 over five frames
    keys(Qt::Key_C, Qt::ControlModifier);

    QListWidget *list = widget<QListWidget>("ListBox1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    processEvents();
    clickCell(0, 0);
    keys(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shown().FrameCount, 5) << "pasting past the end adds frames";
    saveAsThroughDialog(path(QStringLiteral("saved.pat")));

    model::TDocument expected = opened;
    std::vector<model::TFrame> &fa = expected.Glowshows[0].Frames;
    fa = {fa[0], fa[1], fa[1], fa[2], fa[2], fa[3]};
    const std::uint8_t faded[] = {0, 2, 3, 5, 6};
    for (int c = 0; c < 5; ++c)
        for (model::TFrameEntry &e : fa[std::size_t(c)].Entries)
            if (e.Element == 1)
                e.Red = faded[c];
    expected.Glowshows[0].FrameCount = 6;
    std::vector<model::TFrame> &fb = expected.Glowshows[1].Frames;
    fb[0] = frameOf(50, {entry(2, 1, 2, 3), entry(1, 0, 0, 0)});
    fb[1] = frameOf(60, {entry(1, 2, 0, 0)});
    fb.push_back(frameOf(0, {entry(1, 3, 0, 0)}));
    fb.push_back(frameOf(0, {entry(1, 5, 0, 0)}));
    fb.push_back(frameOf(0, {entry(1, 6, 0, 0)}));
    expected.Glowshows[1].FrameCount = 5;
    const std::vector<std::uint8_t> bytes = model::EncodeGlowFile(expected);
    const QByteArray edited(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
    EXPECT_EQ(fileBytes(path(QStringLiteral("saved.pat"))), edited);

    // Each command was one step: four undos give the opened file, four redos the edited one.
    keys(Qt::Key_Z, Qt::ControlModifier, 4);
    saveAsThroughDialog(path(QStringLiteral("undone.pat")));
    EXPECT_EQ(fileBytes(path(QStringLiteral("undone.pat"))), fileBytes(path(QStringLiteral("show.pat"))));
    keys(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, 4);
    saveAsThroughDialog(path(QStringLiteral("redone.pat")));
    EXPECT_EQ(fileBytes(path(QStringLiteral("redone.pat"))), edited);
}

TEST_F(TimelineTest, PlainTextInTheCellFormatPastesAndAnythingElseIsRefusedChangingNothing)
{
    openHere(documentOf({normalGlowshow(1, {frameOf(10, {entry(2, 1, 1, 1)}), frameOf(20, {})})}));
    const model::TGlowshow before = shown();
    const char *const refused[] = {"hello", "#F8\n", "1\t2\n", "#F80\n\n\n\n\n\n\n"};
    for (const char *text : refused) {
        clickCell(0, 1);
        QApplication::clipboard()->setText(QString::fromLatin1(text));
        processEvents();
        acceptNextMessageBox();
        keys(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(shown(), before) << text;
        ASSERT_EQ(modalsSeen.size(), 1u) << text;
        EXPECT_EQ(modalsSeen.back().className, QStringLiteral("QMessageBox")) << text;
        modalsSeen.clear();
        QApplication::setActiveWindow(&form()); // as the window system does when the box closes
    }
    QApplication::clipboard()->setText(QStringLiteral("#F80\t\t#00f\n#123\n"));
    processEvents();
    keys(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(shown().FrameCount, 3);
    EXPECT_EQ(elementsOf(shown().Frames[0]), (std::vector<std::uint8_t>{2, 3}));
    EXPECT_EQ(colourOf(shown().Frames[0].Entries[0]), (std::array<int, 3>{15, 8, 0}));
    EXPECT_TRUE(elementsOf(shown().Frames[1]).empty());
    EXPECT_EQ(colourOf(shown().Frames[2].Entries[0]), (std::array<int, 3>{0, 0, 15}));
    EXPECT_TRUE(unexpectedModals.empty());
}

TEST_F(TimelineTest, FrameNumbersSelectWholeColumnsAndATypedDurationSetsThemAll)
{
    openHere(documentOf({normalGlowshow(1, {frameOf(10, {}), frameOf(20, {}), frameOf(30, {}), frameOf(40, {})})}));
    clickFrameNumber(1);
    clickFrameNumber(3, Qt::ShiftModifier);
    ASSERT_TRUE(editGrid()->wholeColumns());
    EXPECT_EQ(range(), QRect(QPoint(1, 0), QPoint(3, 5)));
    QTableWidget *grid = frameGrid();
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(1, 2)).center());
    processEvents();
    auto *edit = grid->viewport()->findChild<QLineEdit *>();
    ASSERT_NE(edit, nullptr);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, QStringLiteral("125"));
    QTest::keyClick(edit, Qt::Key_Return);
    processEvents();
    std::vector<int> durations;
    for (const model::TFrame &f : shown().Frames)
        durations.push_back(f.Duration);
    EXPECT_EQ(durations, (std::vector<int>{10, 125, 125, 125}));
}

TEST_F(TimelineTest, SetDurationsGivesEachColumnOneValueOrSpreadsATotal)
{
    const struct {
        bool total;
        int value;
        std::vector<int> durations;
    } cases[] = {
        {false, 250, {10, 250, 250, 250}}, {true, 1000, {10, 334, 333, 333}}, {true, 300000, {10, 20, 30, 40}}};
    openHere(documentOf({normalGlowshow(1, {frameOf(10, {}), frameOf(20, {}), frameOf(30, {}), frameOf(40, {})})}));
    const model::TGlowshow opened = shown();
    for (const auto &c : cases) {
        shown() = opened;
        clickCell(1, 0);
        keys(Qt::Key_Right, Qt::ShiftModifier, 2);
        answerNextModal([&c](QWidget *w) {
            w->findChild<QRadioButton *>(c.total ? QStringLiteral("DurationTotal") : QStringLiteral("DurationEach"))
                ->setChecked(true);
            w->findChild<QSpinBox *>(QStringLiteral("DurationValue"))->setValue(c.value);
            static_cast<QDialog *>(w)->accept();
        });
        if (c.durations == std::vector<int>{10, 20, 30, 40})
            acceptNextMessageBox(); // too long for three frames: refused with a message
        trigger(action("ASetDurations"));
        std::vector<int> durations;
        for (const model::TFrame &f : shown().Frames)
            durations.push_back(f.Duration);
        EXPECT_EQ(durations, c.durations) << c.value;
    }
    EXPECT_TRUE(unexpectedModals.empty());
}

TEST_F(TimelineTest, SpaceAndHomeEndWorkTheCurrentCellFromTheKeyboard)
{
    openHere(documentOf({normalGlowshow(1, {frameOf(10, {entry(1, 0, 0, 0)}), frameOf(20, {}), frameOf(30, {})})}));
    clickCell(1, 0);
    keys(Qt::Key_Home);
    EXPECT_EQ(editGrid()->currentIndex(), cell(0, 0));
    keys(Qt::Key_Space);
    EXPECT_EQ(colourOf(shown().Frames[0].Entries[0]), (std::array<int, 3>{15, 15, 15}));
    keys(Qt::Key_End);
    EXPECT_EQ(editGrid()->currentIndex(), cell(2, 0));
    keys(Qt::Key_Down);
    EXPECT_EQ(editGrid()->currentIndex(), cell(2, 1));
}

} // namespace
} // namespace editor_test
