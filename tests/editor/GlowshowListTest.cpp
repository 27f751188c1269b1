#include "EditorFixture.h"

#include "editor/GridWidgets.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

namespace editor_test {
namespace {

class GlowshowListTest : public EditorFixture {
protected:
    void clickLine(int row)
    {
        QListWidget *list = widget<QListWidget>("ListBox1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        processEvents();
    }

    void clickCell(int column, int row)
    {
        editor::EditGridView *grid = editGrid();
        const QModelIndex index = grid->model()->index(row, column);
        grid->scrollTo(index);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
        processEvents();
    }

    // Types a value into a spin edit as a user does: select all, type, Enter.
    static void typeInto(QSpinBox *spin, int value)
    {
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, QString::number(value));
        QTest::keyClick(spin, Qt::Key_Return);
        processEvents();
    }

    static QStringList lines(const QListWidget *list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }

    bool tabShown(QWidget *page) const
    {
        return widget<QTabWidget>("PageControl2")->isTabVisible(widget<QTabWidget>("PageControl2")->indexOf(page));
    }
};

model::TGlowshow fiveFrames(std::uint8_t id)
{
    std::vector<model::TFrame> frames;
    for (int i = 0; i < 5; ++i)
        frames.push_back(frame(std::uint16_t(100 * (i + 1)), {entry(1, 15, 0, 0), entry(2, 0, 15, 0), entry(3, 0, 0, 15)}));
    return normalGlowshow(id, frames);
}

model::TGlowshow twoStepRhythm(std::uint8_t id)
{
    return rhythmGlowshow(id, 2, {channel(2, 1000, 200, {{15, 0, 0, 100}, {0, 15, 15, 0}})});
}

TEST_F(GlowshowListTest, LinesCarryHexIdentifierProfileNameAndRhythmSuffix)
{
    startWith(documentOf({normalGlowshow(10, {frame(1, {})}), normalGlowshow(128, {frame(1, {})}),
                          twoStepRhythm(158), normalGlowshow(200, {frame(1, {})})}));
    editor::TMForm &f = form();
    const QString suffix = QString::fromStdString(f.CurrentProfile.RhythmSuffix);
    EXPECT_EQ(suffix, "[Clublight]");
    EXPECT_EQ(lines(widget<QListWidget>("ListBox1")),
              (QStringList{"(0A) Voicemail", "(80) Music player", "(9E) Standby glow " + suffix, "(C8) ..."}));
    EXPECT_EQ(lines(widget<QListWidget>("ListBox2")), (QStringList{"(0A) Voicemail", "(80) Music player", "(C8) ..."}));
    ASSERT_EQ(widget<QComboBox>("ComboBox4")->count(), 23);
    EXPECT_EQ(widget<QComboBox>("ComboBox4")->itemText(0), "(01) Incoming call");
    EXPECT_EQ(widget<QComboBox>("ComboBox4")->itemText(9), "(0A) Voicemail");
    EXPECT_EQ(widget<QComboBox>("ComboBox4")->itemText(22), "(9E) Standby glow");
    EXPECT_TRUE(widget<QComboBox>("ComboBox4")->itemText(17).startsWith("(80) "));

    // The rhythm line selects its identifier without the suffix; an unlisted one selects nothing.
    clickLine(2);
    EXPECT_EQ(widget<QComboBox>("ComboBox4")->currentIndex(), 22);
    clickLine(3);
    EXPECT_EQ(widget<QComboBox>("ComboBox4")->currentIndex(), -1);
}

TEST_F(GlowshowListTest, SelectingLinesEnablesMovesOnlyTowardsExistingNeighbours)
{
    std::vector<model::TGlowshow> five;
    for (std::uint8_t i = 1; i <= 5; ++i)
        five.push_back(normalGlowshow(i, {frame(i, {})}));
    startWith(documentOf(five));
    editor::TMForm &f = form();
    struct Case {
        int line;
        bool up, down;
    };
    for (const Case &c : {Case{4, true, false}, Case{0, false, true}, Case{2, true, true}}) {
        SCOPED_TRACE(c.line);
        clickLine(c.line);
        EXPECT_EQ(f.Document.CurrentGlowshow, c.line);
        EXPECT_EQ(action("AGlowMoveUp")->isEnabled(), c.up);
        EXPECT_EQ(action("AGlowMoveDown")->isEnabled(), c.down);
        EXPECT_EQ(widget<QPushButton>("Button11")->isEnabled(), c.up);
        EXPECT_EQ(widget<QPushButton>("Button12")->isEnabled(), c.down);
        EXPECT_TRUE(widget<QPushButton>("Button8")->isEnabled());
        EXPECT_EQ(widget<QListWidget>("ListBox2")->currentRow(), c.line);
    }
}

TEST_F(GlowshowListTest, SingleGlowshowOffersNoMoveAndNoDeletion)
{
    startWith(documentOf({normalGlowshow(1, {frame(1, {})})}));
    EXPECT_FALSE(action("AGlowMoveUp")->isEnabled());
    EXPECT_FALSE(action("AGlowMoveDown")->isEnabled());
    EXPECT_FALSE(widget<QPushButton>("Button8")->isEnabled());
    EXPECT_TRUE(action("AGlowCopy")->isEnabled());
}

TEST_F(GlowshowListTest, RhythmSelectionShowsStepsAndDisablesNormalOnlyControls)
{
    startWith(documentOf({normalGlowshow(1, {frame(1, {}), frame(2, {}), frame(3, {})}), twoStepRhythm(2)}));
    editor::TMForm &f = form();
    EXPECT_TRUE(widget<QCheckBox>("CheckBox1")->isEnabled());
    EXPECT_TRUE(widget<QRadioButton>("RadioButton1")->isChecked());
    EXPECT_EQ(widget<QSpinBox>("SpinEdit5")->value(), 3);
    EXPECT_TRUE(action("AClearAllFrames")->isEnabled());

    clickLine(1);
    EXPECT_FALSE(widget<QCheckBox>("CheckBox1")->isEnabled());
    EXPECT_FALSE(action("AClearAllFrames")->isEnabled());
    EXPECT_FALSE(action("ACopyAllFrames")->isEnabled());
    EXPECT_FALSE(action("ADelAllFrames")->isEnabled());
    EXPECT_TRUE(widget<QRadioButton>("RadioButton2")->isChecked());
    EXPECT_FALSE(widget<QRadioButton>("RadioButton1")->isChecked());
    EXPECT_FALSE(widget<QGroupBox>("GroupBox7")->isEnabled());
    EXPECT_EQ(widget<QSpinBox>("SpinEdit5")->value(), 2);
    EXPECT_EQ(editGrid()->model()->columnCount(), 2);
    EXPECT_EQ(f.Document.Glowshows[1], documentOf({twoStepRhythm(2)}).Glowshows[0]);
}

TEST_F(GlowshowListTest, RepeatingCheckboxEnablesDurationWithoutChangingIt)
{
    model::TGlowshow g = normalGlowshow(1, {frame(500, {})});
    g.Repeating = 0;
    startWith(documentOf({g}));
    editor::TMForm &f = form();
    EXPECT_FALSE(widget<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_FALSE(widget<QSpinBox>("SpinEdit1")->isEnabled());
    EXPECT_EQ(widget<QSpinBox>("SpinEdit1")->value(), 0);

    widget<QCheckBox>("CheckBox1")->click();
    EXPECT_TRUE(widget<QSpinBox>("SpinEdit1")->isEnabled());
    EXPECT_EQ(f.Document.Glowshows[0].Repeating, 1);
    EXPECT_EQ(f.Document.Glowshows[0].RepeatDuration, 0);

    typeInto(widget<QSpinBox>("SpinEdit1"), 3000);
    EXPECT_EQ(f.Document.Glowshows[0].RepeatDuration, 3000);

    widget<QCheckBox>("CheckBox1")->click();
    EXPECT_EQ(f.Document.Glowshows[0].Repeating, 0);
    EXPECT_EQ(f.Document.Glowshows[0].RepeatDuration, 3000);
    EXPECT_FALSE(widget<QSpinBox>("SpinEdit1")->isEnabled());
}

TEST_F(GlowshowListTest, RepeatingGlowshowShowsItsDuration)
{
    startWith(documentOf({normalGlowshow(1, {frame(1, {})}), normalGlowshow(2, {frame(1, {})})}));
    // Written files carry the tail only while Repeating is set, so set it after opening.
    form().Document.Glowshows[1].Repeating = 1;
    form().Document.Glowshows[1].RepeatDuration = 1200;
    clickLine(1);
    EXPECT_TRUE(widget<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_TRUE(widget<QSpinBox>("SpinEdit1")->isEnabled());
    EXPECT_EQ(widget<QSpinBox>("SpinEdit1")->value(), 1200);
    clickLine(0);
    EXPECT_EQ(form().Document.Glowshows[1].RepeatDuration, 1200);
    EXPECT_EQ(widget<QSpinBox>("SpinEdit1")->value(), 0);
}

TEST_F(GlowshowListTest, FrameCountDropsTrailingFramesAndAddsEmptyOnes)
{
    const model::TGlowshow source = documentOf({fiveFrames(1)}).Glowshows[0];
    startWith(documentOf({fiveFrames(1)}));
    editor::TMForm &f = form();
    ASSERT_EQ(widget<QSpinBox>("SpinEdit5")->value(), 5);

    typeInto(widget<QSpinBox>("SpinEdit5"), 3);
    const model::TGlowshow &g = f.Document.Glowshows[0];
    EXPECT_EQ(g.FrameCount, 3);
    ASSERT_EQ(g.Frames.size(), 3u);
    EXPECT_EQ(std::vector(g.Frames.begin(), g.Frames.end()), std::vector(source.Frames.begin(), source.Frames.begin() + 3));
    EXPECT_EQ(editGrid()->model()->columnCount(), 3);
    EXPECT_EQ(frameGrid()->columnCount(), 3);

    typeInto(widget<QSpinBox>("SpinEdit5"), 5);
    ASSERT_EQ(f.Document.Glowshows[0].Frames.size(), 5u);
    EXPECT_EQ(f.Document.Glowshows[0].FrameCount, 5);
    for (int c : {3, 4}) {
        EXPECT_EQ(f.Document.Glowshows[0].Frames[std::size_t(c)], model::TFrame{});
        ASSERT_NE(frameGrid()->item(1, c), nullptr);
        EXPECT_EQ(frameGrid()->item(1, c)->text(), "0");
        EXPECT_EQ(frameGrid()->item(0, c)->text(), QString::number(c + 1));
    }
    EXPECT_EQ(frameGrid()->item(1, 2)->text(), "300");
    EXPECT_EQ(editGrid()->model()->columnCount(), 5);
}

TEST_F(GlowshowListTest, FrameNumbersAndDurationsFollowTheSelectedGlowshow)
{
    startWith(documentOf({normalGlowshow(1, {frame(100, {}), frame(200, {}), frame(300, {})}),
                          normalGlowshow(2, {frame(7, {}), frame(200, {})}),
                          rhythmGlowshow(3, 4, {channel(1, 10, 5, {{1, 2, 3, 4}, {1, 2, 3, 4}, {1, 2, 3, 4}, {1, 2, 3, 4}})})}));
    QTableWidget *grid = frameGrid();
    const auto row = [grid](int r) {
        QStringList texts;
        for (int c = 0; c < grid->columnCount(); ++c)
            texts << (grid->item(r, c) ? grid->item(r, c)->text() : QStringLiteral("<none>"));
        return texts;
    };
    EXPECT_EQ(row(1), (QStringList{"100", "200", "300"}));
    clickLine(1);
    EXPECT_EQ(row(0), (QStringList{"1", "2"}));
    EXPECT_EQ(row(1), (QStringList{"7", "200"}));
    clickLine(2);
    EXPECT_EQ(row(0), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(row(1), (QStringList{"", "", "", ""})) << "steps have no duration";
    clickLine(0);
    EXPECT_EQ(row(0), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(row(1), (QStringList{"100", "200", "300"}));
    EXPECT_EQ(grid->item(0, 0)->flags() & Qt::ItemIsEditable, Qt::NoItemFlags) << "frame numbers stay read-only";
}

TEST_F(GlowshowListTest, RhythmStepCountResizesEveryChannel)
{
    startWith(documentOf({rhythmGlowshow(1, 2, {channel(1, 10, 5, {{1, 2, 3, 4}, {5, 6, 7, 8}}),
                                                channel(4, 20, 6, {{9, 9, 9, 9}, {1, 1, 1, 1}})})}));
    typeInto(widget<QSpinBox>("SpinEdit5"), 4);
    const model::TGlowshow &g = form().Document.Glowshows[0];
    EXPECT_EQ(g.StepCount, 4);
    for (const model::TClubFrame &c : g.Channels) {
        EXPECT_EQ(c.StepCount, 4);
        ASSERT_EQ(c.Steps.size(), 4u);
        EXPECT_EQ(c.Steps[3], model::TClubStep{});
    }
    EXPECT_EQ(g.Channels[1].Steps[0], (model::TClubStep{9, 9, 9, 9}));
    EXPECT_EQ(frameGrid()->item(1, 0)->text(), "");
}

TEST_F(GlowshowListTest, ChoosingAGlowshowChangesNothingUntilAnEditNeedsIt)
{
    const model::TGlowshow uneven = rhythmGlowshow(3, 3, {channel(1, 0, 0, {{}, {}, {}}), channel(2, 0, 0, {{}})});
    const struct {
        const char *name;
        model::TGlowshow chosen;
    } cases[] = {{"no frames", normalGlowshow(2, {})},
                 {"no steps", rhythmGlowshow(2, 0, {channel(1, 0, 0, {})})},
                 {"uneven channels", uneven}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        startWith(documentOf({normalGlowshow(1, {frame(5, {})}), c.chosen}));
        const model::TDocument opened = form().Document;
        clickLine(1);
        EXPECT_EQ(form().Document.Glowshows, opened.Glowshows);
        EXPECT_FALSE(form().isWindowModified());
        EXPECT_FALSE(action("AUndo")->isEnabled());
        EXPECT_EQ(editGrid()->model()->columnCount(), std::max<int>(model::columnCount(c.chosen), 1));
    }
    // The first entry put into the empty column gives the glowshow that frame, as one step.
    startWith(documentOf({normalGlowshow(2, {})}));
    editGrid()->setCurrentIndex(editGrid()->model()->index(2, 0));
    trigger(action("AAddNewFrame"));
    const model::TGlowshow &g = form().Document.Glowshows[0];
    ASSERT_EQ(g.Frames.size(), 1u);
    EXPECT_EQ(g.FrameCount, 1);
    EXPECT_EQ(g.Frames[0].Entries.size(), 1u);
    form().history().stack().undo();
    EXPECT_TRUE(form().Document.Glowshows[0].Frames.empty());
}

TEST_F(GlowshowListTest, IdentifierChoiceRelabelsLineAndKeepsSelection)
{
    startWith(documentOf({normalGlowshow(1, {frame(1, {})}), twoStepRhythm(2), normalGlowshow(3, {frame(1, {})})}));
    editor::TMForm &f = form();
    clickLine(1);
    widget<QComboBox>("ComboBox4")->setCurrentIndex(9);
    emit widget<QComboBox>("ComboBox4")->activated(9); // what choosing the line in the drop-down does
    processEvents();
    EXPECT_EQ(f.Document.Glowshows[1].Id, 10);
    EXPECT_EQ(widget<QListWidget>("ListBox1")->currentRow(), 1);
    EXPECT_EQ(widget<QListWidget>("ListBox1")->item(1)->text(), "(0A) Voicemail [Clublight]");
    EXPECT_EQ(widget<QComboBox>("ComboBox4")->currentIndex(), 9);
    EXPECT_EQ(f.Document.Glowshows[0].Id, 1);
    EXPECT_EQ(f.Document.Glowshows[2].Id, 3);
}

TEST_F(GlowshowListTest, LoweringFrameCountBelowSelectedFrameHidesItAndWritesNothing)
{
    startWith(documentOf({fiveFrames(1)}));
    editor::TMForm &f = form();
    clickCell(4, 0);
    ASSERT_TRUE(tabShown(widget<QWidget>("TabSheet2"))) << "selecting a cell shows the Selected frame tab";
    ASSERT_EQ(f.Document.CurrentFrame, 4);

    typeInto(widget<QSpinBox>("SpinEdit5"), 3);
    EXPECT_FALSE(tabShown(widget<QWidget>("TabSheet2")));
    const model::TDocument before = f.Document;
    // Whatever the colour controls still show, no write may reach a frame that is gone.
    widget<QSlider>("TrackBar1")->setValue(widget<QSlider>("TrackBar1")->value() == 0 ? 5 : 0);
    widget<QSlider>("TrackBar2")->setValue(widget<QSlider>("TrackBar2")->value() == 0 ? 5 : 0);
    processEvents();
    EXPECT_EQ(f.Document.Glowshows, before.Glowshows);
    EXPECT_EQ(f.Document.Glowshows[0].Frames.size(), 3u);
}

TEST_F(GlowshowListTest, EmptyDocumentListsNothingButStillOffersIdentifiers)
{
    startWith(documentOf({}));
    EXPECT_EQ(widget<QListWidget>("ListBox1")->count(), 0);
    EXPECT_EQ(widget<QListWidget>("ListBox2")->count(), 0);
    EXPECT_EQ(widget<QListWidget>("ListBox1")->currentRow(), -1);
    EXPECT_FALSE(widget<QPushButton>("Button8")->isEnabled());
    EXPECT_EQ(widget<QComboBox>("ComboBox4")->count(), 23);
    EXPECT_FALSE(action("AGlowCopy")->isEnabled());
}

} // namespace
} // namespace editor_test
