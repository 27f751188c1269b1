// EditGrid driven with the real mouse and keys: what each input does to the document, to the
// undo history and to the range.
#include "GridFixture.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>
#include <QUndoStack>

#include <functional>

namespace editor_test {
namespace {

class EditGridInputTest : public GridFixtureBase {
public: // the cases below drive the grid through these
    using GridFixtureBase::clickCell;

    QPoint at(int column, int row) const { return editGrid()->visualRect(cell(column, row)).center(); }

    void press(Qt::MouseButton button, int column, int row, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mousePress(editGrid()->viewport(), button, modifiers, at(column, row));
    }
    void release(Qt::MouseButton button, int column, int row)
    {
        QTest::mouseRelease(editGrid()->viewport(), button, {}, at(column, row));
        processEvents();
    }
    // A move with buttons held, as the window system reports a drag.
    void drag(Qt::MouseButtons buttons, int column, int row, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget *viewport = editGrid()->viewport();
        QMouseEvent move(QEvent::MouseMove, at(column, row), viewport->mapToGlobal(at(column, row)), Qt::NoButton,
                         buttons, modifiers);
        QApplication::sendEvent(viewport, &move);
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(editGrid(), k, modifiers);
        processEvents();
    }
    void contextMenu(QContextMenuEvent::Reason reason)
    {
        QContextMenuEvent event(reason, at(0, 0), editGrid()->viewport()->mapToGlobal(at(0, 0)));
        QApplication::sendEvent(editGrid()->viewport(), &event);
        processEvents();
    }
    QUndoStack &steps() { return form().history().stack(); }
};

// Element 1: frame 0 off, frame 1 (5, 5, 5), no entry in frame 2. Element 2: on, off, (1, 2, 3).
// Element 3 is hidden by the test profile.
model::TDocument opened()
{
    return documentOf(
        {normalGlowshow(1, {frame(100, {entry(1, 0, 0, 0), entry(2, 15, 15, 15), entry(3, 4, 4, 4)}),
                            frame(100, {entry(1, 5, 5, 5), entry(2, 0, 0, 0)}), frame(100, {entry(2, 1, 2, 3)})})});
}

void set(model::TGlowshow &g, int frame, int element, std::uint8_t v)
{
    for (model::TFrameEntry &e : g.Frames[std::size_t(frame)].Entries)
        if (e.Element == element)
            e.Red = e.Green = e.Blue = v;
}

TEST_F(EditGridInputTest, EachInputChangesTheDocumentAndTheRangeAsOneStepAtMost)
{
    using Fixture = EditGridInputTest;
    const struct {
        const char *name;
        std::function<void(Fixture &)> input;
        std::function<void(model::TGlowshow &)> change; // what the input does to the glowshow
        int newSteps;
        QRect range; // empty: no current cell
        bool menuOpens = false;
    } cases[] = {
        {"right click switches the cell on",
         [](Fixture &t) {
             t.press(Qt::RightButton, 0, 0);
             t.release(Qt::RightButton, 0, 0);
         },
         [](model::TGlowshow &g) { set(g, 0, 1, 15); },
         1,
         {}},
        {"a right drag switches each cell it enters, all as one step",
         [](Fixture &t) {
             t.press(Qt::RightButton, 0, 0);
             t.drag(Qt::RightButton, 0, 0); // the same cell again: nothing
             t.drag(Qt::RightButton, 1, 0);
             t.drag(Qt::RightButton, 1, 1);
             t.release(Qt::RightButton, 1, 1);
         },
         [](model::TGlowshow &g) {
             set(g, 0, 1, 15);
             set(g, 1, 1, 0);
             set(g, 1, 2, 15);
         },
         1,
         {}},
        {"a right drag with Shift held switches only the pressed cell",
         [](Fixture &t) {
             t.press(Qt::RightButton, 1, 1);
             t.drag(Qt::RightButton, 2, 1, Qt::ShiftModifier);
             t.release(Qt::RightButton, 2, 1);
         },
         [](model::TGlowshow &g) { set(g, 1, 2, 15); },
         1,
         {}},
        {"a right drag over cells without entries leaves no step",
         [](Fixture &t) {
             t.press(Qt::RightButton, 2, 0);
             t.drag(Qt::RightButton, 2, 3);
             t.release(Qt::RightButton, 2, 3);
         },
         {},
         0,
         {}},
        {"a hidden element is never switched",
         [](Fixture &t) {
             t.press(Qt::RightButton, 0, 2);
             t.release(Qt::RightButton, 0, 2);
         },
         {},
         0,
         {}},
        {"Space switches the current cell and keeps it current",
         [](Fixture &t) {
             t.clickCell(1, 1);
             t.key(Qt::Key_Space);
         },
         [](model::TGlowshow &g) { set(g, 1, 2, 15); }, 1, QRect(1, 1, 1, 1)},
        {"Shift+Left spans the range to the left",
         [](Fixture &t) {
             t.clickCell(2, 1);
             t.key(Qt::Key_Left, Qt::ShiftModifier);
         },
         {},
         0,
         QRect(QPoint(1, 1), QPoint(2, 1))},
        {"a left drag up and to the left spans the range back to its start",
         [](Fixture &t) {
             t.clickCell(2, 1);
             t.press(Qt::LeftButton, 2, 1);
             t.drag(Qt::LeftButton, 0, 0);
             t.release(Qt::LeftButton, 0, 0);
         },
         {},
         0,
         QRect(QPoint(0, 0), QPoint(2, 1))},
        {"Shift+click spans the range to the clicked cell",
         [](Fixture &t) {
             t.clickCell(0, 0);
             t.press(Qt::LeftButton, 2, 1, Qt::ShiftModifier);
             t.release(Qt::LeftButton, 2, 1);
         },
         {},
         0,
         QRect(QPoint(0, 0), QPoint(2, 1))},
        {"the menu key opens the timeline menu",
         [](Fixture &t) {
             t.clickCell(0, 1);
             t.contextMenu(QContextMenuEvent::Keyboard);
         },
         {},
         0,
         QRect(0, 1, 1, 1),
         true},
        {"the right button opens no menu",
         [](Fixture &t) {
             t.clickCell(0, 1);
             t.contextMenu(QContextMenuEvent::Mouse);
         },
         {},
         0,
         QRect(0, 1, 1, 1)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        openHere(opened());
        const model::TGlowshow before = shown();
        model::TGlowshow expected = before;
        if (c.change)
            c.change(expected);
        const int stepsBefore = steps().count();
        QString menuSeen;
        QTimer closeMenu;
        QObject::connect(&closeMenu, &QTimer::timeout, [&] {
            if (QWidget *popup = QApplication::activePopupWidget()) {
                menuSeen = popup->objectName();
                popup->close();
            }
        });
        closeMenu.start(5);

        c.input(*this);
        EXPECT_TRUE(shown() == expected);
        EXPECT_EQ(steps().count() - stepsBefore, c.newSteps);
        EXPECT_EQ(editGrid()->range(), c.range);
        EXPECT_EQ(menuSeen == QStringLiteral("TimelineMenu"), c.menuOpens) << menuSeen.toStdString();
        if (c.newSteps > 0) {
            steps().undo();
            EXPECT_TRUE(shown() == before) << "one undo takes the whole input back";
        }
    }
}

} // namespace
} // namespace editor_test
