#include "EditorFixture.h"

#include "editor/CheckFileDialog.h"
#include "editor/EditGridView.h"

#include <QListWidget>
#include <QTreeWidget>

using namespace editor_test;

class CheckFileWindowTest : public EditorFixture {};

TEST_F(CheckFileWindowTest, ChoosingAFindingShowsItsGlowshowAndCell)
{
    startWith(documentOf({normalGlowshow(1, {frame(100, {entry(1, 15, 0, 0)})}),
                          normalGlowshow(2, {frame(100, {}), frame(100, {}), frame(0, {entry(4, 1, 1, 1)})}),
                          rhythmGlowshow(3, 1, {channel(2, 900, 100, {{}}), channel(5, 10, 20, {{}})})}));
    trigger(action("ACheckFile"));
    auto *dialog = form().findChild<editor::CheckFileDialog *>("CheckFileDialog");
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(dialog->isVisible());
    auto *list = dialog->findChild<QTreeWidget *>("CheckList");
    ASSERT_EQ(list->topLevelItemCount(), 2); // the 0 ms frame, the upside-down band

    const struct {
        int row, glowshow, column, element;
    } cases[] = {{0, 1, 2, 1}, {1, 2, 0, 5}};
    for (const auto &c : cases) {
        list->setCurrentItem(list->topLevelItem(c.row));
        emit list->itemActivated(list->currentItem(), 0);
        EXPECT_EQ(widget<QListWidget>("ListBox1")->currentRow(), c.glowshow);
        EXPECT_EQ(form().Document.CurrentGlowshow, c.glowshow);
        EXPECT_EQ(editGrid()->currentIndex().column(), c.column);
        EXPECT_EQ(editGrid()->currentIndex().row(), c.element - 1);
    }
    EXPECT_TRUE(unexpectedModals.empty());
}
