// The editor without a mouse: Tab order, page switching, menu paths with shortcut letters and a
// colour typed as #RGB.
#include "EditorFixture.h"

#include "editor/Keyboard.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

namespace editor_test {
namespace {

TEST(MnemonicsTest, EveryCaptionGetsALetterNoOtherCaptionUses)
{
    const struct {
        QStringList captions, expected;
    } cases[] = {
        {{"&Open", "Save", "Save as"}, {"&Open", "&Save", "S&ave as"}},
        {{"Add glowshow", "Add element", "&Delete"}, {"&Add glowshow", "Add &element", "&Delete"}},
        {{"Copy && paste", "Cut", "&&Copy"}, {"&Copy && paste", "C&ut", "&&C&opy"}},
        {{"&Файл", "Открыть", "Отменить"}, {"&Файл", "&Открыть", "О&тменить"}},
        {{"", "12", "A", "a"}, {"", "&12", "&A", "a"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(editor::withMnemonics(c.captions), c.expected) << c.captions.join(u'|').toStdString();
}

class KeyboardTest : public EditorFixture {
protected:
    QWidget *widget(const char *name) const { return form().findChild<QWidget *>(QLatin1String(name)); }
    QTabWidget *pages() const { return EditorFixture::widget<QTabWidget>("PageControl1"); }
    // A tab bar stands for its tab widget.
    static std::string focusName()
    {
        QWidget *w = QApplication::focusWidget();
        if (qobject_cast<QTabBar *>(w))
            w = w->parentWidget();
        return w ? w->objectName().toStdString() : std::string();
    }
    void selectCell(int column, int row)
    {
        auto *grid = static_cast<QAbstractItemView *>(widget("EditGrid"));
        grid->setCurrentIndex(grid->model()->index(row, column));
        processEvents();
    }
    model::Colour cell(int column, int element) const
    {
        model::Colour c;
        EXPECT_TRUE(model::cellColour(*form().Document.current(), column, std::uint8_t(element), c));
        return c;
    }

    const model::TDocument doc = documentOf(
        {normalGlowshow(1, {frame(100, {entry(1, 15, 0, 0)}), frame(100, {})}), normalGlowshow(2, {frame(100, {})})});
};

TEST_F(KeyboardTest, TabVisitsEachShownControlOnceInReadingOrderAndLeavesTheGrids)
{
    startWith(doc);
    pages()->setCurrentIndex(1);
    // Entering a view without a current item makes its first item current, which here would
    // choose an element and switch the option pages: start with both chosen.
    static_cast<QTableWidget *>(widget("SlotGrid"))->setCurrentCell(0, 0);
    selectCell(0, 0);
    widget("ListBox1")->setFocus();
    processEvents();
    // Line 0 of two: only the down arrow; the first column has no previous colour; the cell has an entry.
    const std::vector<std::string> expected{
        "ListBox1", "Button12",   "PageControl2", "TrackBar1", "TrackBar2", "TrackBar3", "Edit2",        "Edit3",
        "Edit4",    "ColourText", "Button3",      "FrameGrid", "SlotGrid",  "EditGrid",  "PageControl1", "ListBox1"};
    std::vector<std::string> forward{focusName()}, backward{focusName()};
    for (std::size_t i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward.push_back(focusName());
    }
    for (std::size_t i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward.push_back(focusName());
    }
    EXPECT_EQ(forward, expected);
    std::reverse(backward.begin(), backward.end());
    EXPECT_EQ(backward, expected);
}

// Qt's own Tab in an item view's editor opens the next cell's editor: from a duration it must
// take the number and leave the grid as Tab from the grid does.
TEST_F(KeyboardTest, TabInADurationEditorTakesTheDurationAndLeavesTheGrid)
{
    const struct {
        int column;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char *expected;
    } cases[] = {
        {0, Qt::Key_Tab, Qt::NoModifier, "SlotGrid"},
        {1, Qt::Key_Backtab, Qt::ShiftModifier, "Button3"},
        {1, Qt::Key_Tab, Qt::NoModifier, "SlotGrid"}, // the last column
    };
    for (const auto &c : cases) {
        startWith(doc);
        pages()->setCurrentIndex(1);
        static_cast<QTableWidget *>(widget("SlotGrid"))->setCurrentCell(0, 0);
        selectCell(0, 0);
        auto *frames = static_cast<QTableWidget *>(widget("FrameGrid"));
        frames->setFocus();
        frames->setCurrentCell(1, c.column);
        QTest::keyClick(frames, Qt::Key_F2);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("250"));
        QTest::keyClick(editor, c.key, c.modifiers);
        EXPECT_EQ(focusName(), c.expected) << "column " << c.column << " key " << c.key;
        EXPECT_EQ(form().Document.current()->Frames.at(std::size_t(c.column)).Duration, 250);
        EXPECT_EQ(form().history().stack().count(), 1);
    }
}

TEST_F(KeyboardTest, CtrlTabGoesRoundThePagesWhoseTabsAreShown)
{
    const struct {
        bool document;
        int from;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int expected;
    } cases[] = {
        {true, 2, Qt::Key_Tab, Qt::ControlModifier, 0},
        {true, 0, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 2},
        {false, 0, Qt::Key_Tab, Qt::ControlModifier, 2}, // no document: the editing page has no tab
    };
    for (const auto &c : cases) {
        editor::TMForm &f = c.document ? startWith(doc) : start();
        pages()->setCurrentIndex(c.from);
        processEvents();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &f, c.key, c.modifiers);
        EXPECT_EQ(pages()->currentIndex(), c.expected) << "from " << c.from << " key " << c.key;
    }
}

TEST_F(KeyboardTest, ATypedColourIsOneStepAndOnlyWhenItChangesTheCell)
{
    const struct {
        const char *typed;
        model::Colour expected;
        int steps;
        const char *shown;
    } cases[] = {
        {"#0F8", {0, 15, 8}, 1, "#0F8"},
        {"0f8", {0, 15, 8}, 1, "#0F8"},
        {"#F00", {15, 0, 0}, 0, "#F00"}, // the colour the cell has
        {"#G0F", {15, 0, 0}, 0, "#0F"},  // G refused as it is typed; Enter takes nothing
    };
    for (const auto &c : cases) {
        startWith(doc);
        selectCell(0, 0);
        auto *field = static_cast<QLineEdit *>(widget("ColourText"));
        ASSERT_EQ(field->text(), QStringLiteral("#F00"));
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(c.typed));
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(cell(0, 1), c.expected) << c.typed;
        EXPECT_EQ(form().history().stack().count(), c.steps) << c.typed;
        EXPECT_EQ(field->text().toStdString(), c.shown);
        form().history().stack().undo();
        EXPECT_EQ(cell(0, 1), (model::Colour{15, 0, 0})) << c.typed;
    }
}

TEST_F(KeyboardTest, EveryMenuItemHasAShortcutLetterAndPageCommandsAreOfferedWhereTheirButtonIs)
{
    editor::TMForm &f = startWith(doc);
    for (QAction *title : f.menuBar()->actions()) {
        EXPECT_EQ(title->text().count(u'&'), 1) << title->text().toStdString();
        QMenu *menu = title->menu();
        emit menu->aboutToShow();
        for (const QAction *item : menu->actions())
            if (!item->isSeparator()) {
                EXPECT_EQ(item->text().count(u'&'), 1) << item->objectName().toStdString();
            }
    }
    const struct {
        const char *item;
        bool enabled;
    } cases[] = {
        {"MoveGlowshowUp1", false},                          // the first glowshow
        {"MoveGlowshowDown1", true}, {"AddElement1", false}, // no cell selected: the page is not shown
        {"AddToAllFrames1", false},  {"Play1", false},       // nothing chosen to preview
    };
    auto *move = f.findChild<QAction *>(QStringLiteral("MoveGlowshowDown1"));
    for (const auto &c : cases) {
        auto *item = f.findChild<QAction *>(QLatin1String(c.item));
        ASSERT_NE(item, nullptr) << c.item;
        emit qobject_cast<QMenu *>(item->parent())->aboutToShow();
        EXPECT_EQ(item->isEnabled(), c.enabled) << c.item;
    }
    move->trigger();
    EXPECT_EQ(f.Document.Glowshows[1].Id, 1);
}

} // namespace
} // namespace editor_test
