#include "EditorFixture.h"

#include "model/GlowFile.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace editor_test {
namespace {

class GlowshowCommandsTest : public EditorFixture {
protected:
    void clickLine(int row)
    {
        QListWidget *list = widget<QListWidget>("ListBox1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        processEvents();
    }

    void clickButton(QPushButton *button)
    {
        ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
        processEvents();
    }

    void expectSelected(int row)
    {
        EXPECT_EQ(widget<QListWidget>("ListBox1")->currentRow(), row);
        EXPECT_EQ(form().Document.CurrentGlowshow, row);
    }
};

// Four glowshows that differ in every part: kinds, counts, entries, steps, repeat settings.
std::vector<model::TGlowshow> abcd()
{
    model::TGlowshow a = normalGlowshow(1, {frame(100, {entry(1, 1, 2, 3)}), frame(200, {})});
    model::TGlowshow b = normalGlowshow(2, {frame(300, {entry(2, 15, 0, 7), entry(5, 0, 9, 0)})});
    b.Repeating = 1;
    b.RepeatDuration = 2500;
    model::TGlowshow c = rhythmGlowshow(3, 2, {channel(4, 900, 100, {{1, 2, 3, 4}, {5, 6, 7, 8}})});
    model::TGlowshow d = normalGlowshow(4, {frame(1, {entry(6, 15, 15, 15)}), frame(2, {}), frame(3, {})});
    return documentOf({a, b, c, d}).Glowshows;
}

TEST_F(GlowshowCommandsTest, MoveDownThenUpRestoresEveryFieldAndKeepsTheMovedSelected)
{
    const std::vector<model::TGlowshow> original = abcd();
    startWith(documentOf(abcd()));
    clickLine(1);
    clickButton(widget<QPushButton>("Button12"));
    const std::vector<model::TGlowshow> &g = form().Document.Glowshows;
    ASSERT_EQ(g.size(), 4u);
    EXPECT_EQ(g[0], original[0]);
    EXPECT_EQ(g[1], original[2]);
    EXPECT_EQ(g[2], original[1]);
    EXPECT_EQ(g[3], original[3]);
    expectSelected(2);
    EXPECT_EQ(widget<QListWidget>("ListBox1")->item(2)->text(), "(02) New message");

    clickButton(widget<QPushButton>("Button11"));
    EXPECT_EQ(form().Document.Glowshows, original);
    expectSelected(1);
}

TEST_F(GlowshowCommandsTest, RhythmMovedPastNormalTakesItsSuffixAndLeavesPreviewListInOrder)
{
    startWith(documentOf(abcd()));
    clickLine(2);
    clickButton(widget<QPushButton>("Button11"));
    EXPECT_EQ(form().Document.Glowshows[1].Kind, model::KindRhythm);
    EXPECT_EQ(form().Document.Glowshows[2].Kind, model::KindNormal);
    EXPECT_EQ(form().Document.Glowshows[2].Frames, abcd()[1].Frames);
    EXPECT_TRUE(widget<QListWidget>("ListBox1")->item(1)->text().endsWith(" [Clublight]"));
    EXPECT_FALSE(widget<QListWidget>("ListBox1")->item(2)->text().endsWith(" [Clublight]"));
    ASSERT_EQ(widget<QListWidget>("ListBox2")->count(), 3);
    EXPECT_EQ(widget<QListWidget>("ListBox2")->item(1)->text(), widget<QListWidget>("ListBox1")->item(2)->text());
    expectSelected(1);
}

TEST_F(GlowshowCommandsTest, MovesAreDisabledAtTheEndsOfTheList)
{
    startWith(documentOf(abcd()));
    clickLine(0);
    EXPECT_FALSE(widget<QPushButton>("Button11")->isEnabled());
    const auto before = form().Document.Glowshows;
    trigger(action("AGlowMoveUp"));
    EXPECT_EQ(form().Document.Glowshows, before);
    clickLine(3);
    EXPECT_FALSE(widget<QPushButton>("Button12")->isEnabled());
    trigger(action("AGlowMoveDown"));
    EXPECT_EQ(form().Document.Glowshows, before);
}

TEST_F(GlowshowCommandsTest, CopyAppendsAnIndependentDuplicateAndKeepsTheSourceSelected)
{
    model::TGlowshow five;
    {
        std::vector<model::TFrame> frames;
        for (int i = 0; i < 5; ++i)
            frames.push_back(frame(std::uint16_t(50 + i), {entry(1, 1, 1, 1), entry(2, 2, 2, 2), entry(3, 3, 3, 3)}));
        five = normalGlowshow(10, frames);
        five.Repeating = 1;
        five.RepeatDuration = 700;
    }
    std::vector<model::TGlowshow> shows = abcd();
    shows.insert(shows.begin() + 1, five);
    startWith(documentOf(shows));
    clickLine(1);
    const model::TGlowshow source = form().Document.Glowshows[1];
    clickButton(widget<QPushButton>("Button10"));

    ASSERT_EQ(form().Document.Glowshows.size(), 6u);
    EXPECT_EQ(form().Document.GlowFile.GlowshowCount, 6);
    EXPECT_EQ(form().Document.Glowshows[5], source);
    EXPECT_EQ(widget<QListWidget>("ListBox1")->count(), 6);
    EXPECT_EQ(widget<QListWidget>("ListBox1")->item(5)->text(), widget<QListWidget>("ListBox1")->item(1)->text());
    expectSelected(1);

    form().Document.Glowshows[5].Frames[2].Entries[1].Red = 9;
    form().Document.Glowshows[5].Frames[0].Duration = 1;
    EXPECT_EQ(form().Document.Glowshows[1], source);
}

TEST_F(GlowshowCommandsTest, CopyIsDisabledAtTheLargestGlowshowCount)
{
    std::vector<model::TGlowshow> many(254, normalGlowshow(1, {frame(10, {entry(1, 1, 1, 1)})}));
    startWith(documentOf(many));
    clickButton(widget<QPushButton>("Button10"));
    ASSERT_EQ(form().Document.Glowshows.size(), 255u);
    EXPECT_FALSE(action("AGlowCopy")->isEnabled());
    EXPECT_FALSE(widget<QPushButton>("Button10")->isEnabled());
    trigger(action("AGlowCopy"));
    EXPECT_EQ(form().Document.Glowshows.size(), 255u);
    EXPECT_EQ(form().Document.GlowFile.GlowshowCount, 255);
    // Selecting another line must not offer the copy again.
    clickLine(3);
    EXPECT_FALSE(action("AGlowCopy")->isEnabled());
}

TEST_F(GlowshowCommandsTest, DeleteSelectsTheFollowingGlowshowOrTheNewLast)
{
    struct Case {
        const char *name;
        int line;
        std::vector<int> remaining;
        int selected;
    };
    const Case cases[] = {{"middle", 1, {0, 2, 3}, 1}, {"last", 3, {0, 1, 2}, 2}, {"first", 0, {1, 2, 3}, 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<model::TGlowshow> original = abcd();
        startWith(documentOf(original));
        clickLine(c.line);
        clickButton(widget<QPushButton>("Button8"));
        std::vector<model::TGlowshow> expected;
        for (int i : c.remaining)
            expected.push_back(original[std::size_t(i)]);
        EXPECT_EQ(form().Document.Glowshows, expected);
        EXPECT_EQ(form().Document.GlowFile.GlowshowCount, 3);
        EXPECT_TRUE(form().document().isLoaded());
        EXPECT_EQ(widget<QListWidget>("ListBox1")->count(), 3);
        expectSelected(c.selected);
    }
}

TEST_F(GlowshowCommandsTest, DeletingDownToOneGlowshowDisablesDeletion)
{
    startWith(documentOf({abcd()[0], abcd()[1]}));
    clickLine(0);
    clickButton(widget<QPushButton>("Button8"));
    ASSERT_EQ(form().Document.Glowshows.size(), 1u);
    EXPECT_FALSE(widget<QPushButton>("Button8")->isEnabled());
    trigger(action("ADelGlow"));
    EXPECT_EQ(form().Document.Glowshows.size(), 1u);
}

TEST_F(GlowshowCommandsTest, ReorderedDocumentIsSavedInTheNewOrder)
{
    startWith(documentOf(abcd()));
    clickLine(0);
    clickButton(widget<QPushButton>("Button12"));
    const QString out = path("moved.pat");
    saveAsThroughDialog(out);
    model::TDocument expected = documentOf({abcd()[1], abcd()[0], abcd()[2], abcd()[3]});
    const std::vector<std::uint8_t> bytes = model::EncodeGlowFile(expected);
    EXPECT_EQ(fileBytes(out), QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())));
}

} // namespace
} // namespace editor_test
