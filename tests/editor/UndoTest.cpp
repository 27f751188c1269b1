// Undo and redo through the real widgets: every family of commands goes back to the opened
// bytes and forward to the edited ones, and the window shows where the change was.
#include "GridFixture.h"

#include "model/GlowFile.h"

#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QUndoStack>

#include <functional>

namespace editor_test {
namespace {

QByteArray encoded(model::TDocument doc)
{
    const std::vector<std::uint8_t> bytes = model::EncodeGlowFile(doc);
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

class UndoTest : public GridFixtureBase {
protected:
    model::TDocument sample() const
    {
        model::TDocument doc =
            documentOf({normalGlowshow(1, {frame(100, {entry(1, 1, 2, 3), entry(5, 15, 15, 15)}),
                                           frame(200, {entry(2, 4, 5, 6), entry(1, 0, 0, 0)}),
                                           frame(300, {entry(1, 7, 8, 9), entry(5, 0, 0, 0)})}),
                        rhythmGlowshow(2, 3, {channel(1, 1000, 100, {{1, 2, 3, 10}, {4, 5, 6, 20}, {7, 8, 9, 30}})}),
                        normalGlowshow(3, {frame(50, {entry(4, 2, 2, 2)})})});
        doc.HasTrailer = 1;
        doc.TrailerText1 = "note";
        doc.TrailerText2 = "second";
        return doc;
    }

    QUndoStack &stack() { return form().history().stack(); }

    void undoAll()
    {
        while (action("AUndo")->isEnabled())
            trigger(action("AUndo"));
    }

    void redoAll()
    {
        while (action("ARedo")->isEnabled())
            trigger(action("ARedo"));
    }

    void selectGlowshow(int row)
    {
        QListWidget *list = widget<QListWidget>("ListBox1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        processEvents();
    }
};

TEST_F(UndoTest, EveryFamilyOfCommandsUndoesToTheOpenedBytesAndRedoesToTheEditedOnes)
{
    const struct {
        const char *family;
        std::function<void()> edit;
        int steps;
        const char *lastStep; // the step AUndo names afterwards
    } cases[] = {
        {"cells",
         [this] {
             clickCell(0, 0);
             for (int i = 0; i < 3; ++i) // a run of keys on one track bar is one step
                 QTest::keyClick(widget<QSlider>("TrackBar1"), Qt::Key_Up);
             clickCell(1, 0);
             click(widget<QPushButton>("Button2")); // previous colour
             clickCell(0, 4);
             trigger(action("AMakeOn_Off"));
         },
         3, "On/Off"},
        {"right-drag",
         [this] {
             editor::EditGridView *grid = editGrid();
             QTest::mousePress(grid->viewport(), Qt::RightButton, {}, grid->visualRect(cell(0, 4)).center());
             QMouseEvent move(QEvent::MouseMove, grid->visualRect(cell(2, 4)).center(),
                              grid->viewport()->mapToGlobal(grid->visualRect(cell(2, 4)).center()), Qt::NoButton,
                              Qt::RightButton, Qt::NoModifier);
             QApplication::sendEvent(grid->viewport(), &move);
             QTest::mouseRelease(grid->viewport(), Qt::RightButton, {}, grid->visualRect(cell(2, 4)).center());
         },
         1, "Switch cells"},
        {"frame count",
         [this] {
             widget<QSpinBox>("SpinEdit5")->setValue(1);
             widget<QSpinBox>("SpinEdit5")->setValue(5);
         },
         2, "Number of frames"},
        {"element commands",
         [this] {
             clickSlot(3);
             trigger(action("AAddAllFrames"));
             clickSlot(0);
             widget<QComboBox>("ComboBox3")->setCurrentIndex(5);
             emit widget<QComboBox>("ComboBox3")->activated(5);
             trigger(action("ACopyAllFrames"));
             trigger(action("ADelAllFrames"));
             clickCell(1, 1);
             trigger(action("ADelFrame"));
         },
         4, "Remove element"},
        {"glowshow commands",
         [this] {
             trigger(action("AGlowCopy"));
             trigger(action("AGlowMoveDown"));
             answerGlowshowType(2);
             trigger(action("AAddNewGlow"));
             selectGlowshow(0);
             trigger(action("ADelGlow"));
         },
         4, "Delete glowshow"},
        {"properties",
         [this] {
             widget<QCheckBox>("CheckBox1")->click();
             widget<QSpinBox>("SpinEdit1")->setValue(700);
             widget<QSpinBox>("SpinEdit1")->setValue(750);
             widget<QComboBox>("ComboBox4")->setCurrentIndex(4);
             emit widget<QComboBox>("ComboBox4")->activated(4);
             selectGlowshow(1);
             clickSlot(0);
             widget<QSpinBox>("SpinEdit3")->setValue(2000);
         },
         4, "Sound frequency"},
        {"trailer",
         [this] {
             widget<QCheckBox>("CheckBox3")->click();
             QTest::keyClicks(widget<QLineEdit>("Edit1"), "abc");
             QTest::keyClicks(widget<QPlainTextEdit>("Memo1"), "xy");
         },
         3, "Second note"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.family);
        const model::TDocument doc = sample();
        openHere(doc);
        const QString file = path(QStringLiteral("show.pat"));
        const QByteArray opened = fileBytes(file);
        c.edit();
        EXPECT_EQ(stack().count(), c.steps);
        EXPECT_EQ(action("AUndo")->text().remove(QLatin1Char('&')),
                  QStringLiteral("Undo %1").arg(QLatin1String(c.lastStep)));
        EXPECT_TRUE(form().isWindowModified());
        const QByteArray edited = encoded(form().Document);
        ASSERT_NE(edited, opened);

        undoAll();
        EXPECT_EQ(encoded(form().Document), opened);
        EXPECT_FALSE(form().isWindowModified());
        redoAll();
        EXPECT_EQ(encoded(form().Document), edited);
        trigger(action("ASave"));
        EXPECT_EQ(fileBytes(file), edited);
        EXPECT_FALSE(form().isWindowModified());
        EXPECT_TRUE(unexpectedModals.empty());
    }
}

TEST_F(UndoTest, UndoSelectsTheGlowshowAndCellItChangedAndShowsTheRestoredValues)
{
    openHere(sample());
    selectGlowshow(2);
    clickCell(0, 3);
    QTest::keyClick(widget<QSlider>("TrackBar2"), Qt::Key_Down);
    ASSERT_EQ(form().Document.Glowshows[2].Frames[0].Entries[0].Green, 1);
    selectGlowshow(0);
    clickCell(1, 1);

    trigger(action("AUndo"));
    EXPECT_EQ(widget<QListWidget>("ListBox1")->currentRow(), 2);
    EXPECT_EQ(editGrid()->currentIndex(), cell(0, 3));
    EXPECT_EQ(widget<QLineEdit>("Edit3")->text(), QStringLiteral("2"));
    EXPECT_EQ(form().Document.Glowshows[2].Frames[0].Entries[0].Green, 2);
    EXPECT_EQ(action("ARedo")->text().remove(QLatin1Char('&')), QStringLiteral("Redo Colour"));
    // Showing the restored cell is not an edit: nothing new to undo, the redo survives.
    EXPECT_TRUE(action("ARedo")->isEnabled());
}

TEST_F(UndoTest, ShowingACellStoresNothingEvenWhenItsValueIsOutOfRange)
{
    model::TDocument doc = sample();
    doc.Glowshows[0].Frames[0].Entries[0].Red = 200; // only a file can hold this
    openHere(doc);
    clickCell(0, 0);
    EXPECT_EQ(form().Document.Glowshows[0].Frames[0].Entries[0].Red, 200);
    EXPECT_FALSE(action("AUndo")->isEnabled());
    EXPECT_FALSE(form().isWindowModified());
}

TEST_F(UndoTest, TitleNamesTheFileAndMarksItModified)
{
    startHere();
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Orrin's Glowshow Editor 2.1.1"));
    openThroughDialog(writePat(QStringLiteral("lights.pat"), sample()));
    EXPECT_EQ(form().windowTitle(), QStringLiteral("lights.pat[*] \u2014 Orrin's Glowshow Editor 2.1.1"));
    EXPECT_FALSE(form().isWindowModified());
    widget<QCheckBox>("CheckBox3")->click();
    EXPECT_TRUE(form().isWindowModified());
    answerMessageBox(QMessageBox::Discard);
    trigger(action("ANewFile"));
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Untitled[*] \u2014 Orrin's Glowshow Editor 2.1.1"));
    EXPECT_FALSE(action("AUndo")->isEnabled());
}

} // namespace
} // namespace editor_test
