#include "EditorFixture.h"

#include <QAction>
#include <QTabWidget>

namespace editor_test {
namespace {

class MainWindowStartupTest : public EditorFixture {};

TEST_F(MainWindowStartupTest, StartsWithoutDocumentAndWithoutErrorBoxes)
{
    editor::TMForm &f = start();
    EXPECT_FALSE(f.DocumentLoaded);
    EXPECT_FALSE(f.ASaveAction->isEnabled());
    EXPECT_FALSE(f.ASaveAsAction->isEnabled());
    EXPECT_FALSE(f.AAddNewGlowAction->isEnabled());
    EXPECT_TRUE(unexpectedModals.empty()) << unexpectedModals.front().text.toStdString();
}

} // namespace
} // namespace editor_test
