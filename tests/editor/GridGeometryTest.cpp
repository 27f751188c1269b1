#include "editor/GridGeometry.h"
#include "editor/TypedDuration.h"

#include <gtest/gtest.h>

namespace editor_test {
namespace {

using editor::GridGeometry;

// Ten columns of 36 x 20, scrolled by two and a half columns.
constexpr GridGeometry scrolled{10, 6, 90};

TEST(GridGeometryTest, PositionsFindTheirCellAndCellsTheirInside)
{
    const struct {
        QPoint pos;
        QPoint cell;
    } cases[] = {
        {{0, 0}, {2, 0}},                           // the half column at the left edge
        {{17, 19}, {2, 0}},                         // its bottom pixel is its grid line
        {{18, 20}, {3, 1}},   {{-91, 5}, {-1, -1}}, // left of column 0
        {{269, 119}, {9, 5}},                       // the last cell's last pixel
        {{270, 0}, {-1, -1}},                       // right of the last column
        {{5, 120}, {-1, -1}},                       // below the last row
        {{5, -1}, {-1, -1}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(scrolled.cellAt(c.pos), c.cell) << c.pos.x() << "," << c.pos.y();
        if (c.cell.x() >= 0) {
            const QRect inside = scrolled.cellRect(c.cell.x(), c.cell.y());
            EXPECT_EQ(inside.size(), QSize(35, 19));
            EXPECT_EQ(scrolled.cellAt(inside.topLeft()), c.cell);
            EXPECT_EQ(scrolled.cellAt(inside.bottomRight() + QPoint(1, 1)), c.cell) << "the line is the cell's own";
        }
    }
}

TEST(GridGeometryTest, BlocksAndPaintedColumnsCoverExactlyTheirCells)
{
    EXPECT_EQ(scrolled.blockRect(QRect(3, 1, 1, 1)), scrolled.cellRect(3, 1));
    EXPECT_EQ(scrolled.blockRect(QRect(3, 1, 2, 3)), QRect(QPoint(18, 20), QPoint(88, 78)));
    const struct {
        int left, right, first, last;
    } cases[] = {
        {0, 0, 2, 2}, {0, 53, 2, 3}, {0, 54, 2, 4}, {-500, 5000, 0, 9}, {300, 400, 10, 9}, {5, 4, 0, -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(scrolled.columnsBetween(c.left, c.right), std::make_pair(c.first, c.last))
            << c.left << ".." << c.right;
}

TEST(GridGeometryTest, RangeKeysAndDragsMoveTheFarCorner)
{
    EXPECT_EQ(editor::rangeOf({4, 2}, {1, 3}, false), QRect(QPoint(1, 2), QPoint(4, 3)));
    EXPECT_EQ(editor::rangeOf({4, 2}, {1, 3}, true), QRect(QPoint(1, 0), QPoint(4, 5)));

    const struct {
        int key;
        std::optional<QPoint> corner;
    } keys[] = {
        {Qt::Key_Left, QPoint(4, 3)}, {Qt::Key_Right, QPoint(6, 3)}, {Qt::Key_Up, QPoint(5, 2)},
        {Qt::Key_Down, QPoint(5, 4)}, {Qt::Key_Home, QPoint(0, 3)},  {Qt::Key_End, QPoint(9, 3)},
        {Qt::Key_A, std::nullopt},
    };
    for (const auto &k : keys)
        EXPECT_EQ(editor::shiftedCorner(k.key, {5, 3}, 9), k.corner) << k.key;

    const QSize viewport(200, 120);
    const struct {
        QPoint pos;
        std::optional<QPoint> corner;
    } drags[] = {
        {{20, 25}, QPoint(3, 1)},
        {{250, 25}, QPoint(9, 1)}, // past the right edge: one column on from the last shown
        {{-30, 25}, QPoint(1, 1)}, // past the left edge: one column back
        {{20, 500}, QPoint(3, 5)}, // below: the last row
    };
    for (const auto &d : drags)
        EXPECT_EQ(editor::dragCorner(scrolled, viewport, d.pos), d.corner) << d.pos.x() << "," << d.pos.y();
    EXPECT_EQ(editor::dragCorner(GridGeometry{2}, viewport, {150, 10}), std::nullopt) << "beside the cells";
}

TEST(GridGeometryTest, TypedDurationsAreHeldToSixteenBitsAndOnlyNormalGlowshowsStoreThem)
{
    const struct {
        const char *text;
        bool normal;
        QString shown;
        std::optional<std::uint16_t> stored;
    } cases[] = {
        {"250", true, QStringLiteral("250"), 250},    {"70000", true, QStringLiteral("65535"), 65535},
        {"-5", true, QStringLiteral("0"), 0},         {"12a", true, QString(), 0},
        {"", true, QString(), std::nullopt},          {"007", true, QStringLiteral("007"), 7},
        {"42", false, QString(), std::nullopt},       {"", false, QString(), std::nullopt},
        {"99999999999999999999", true, QString(), 0}, // not a number qlonglong holds
    };
    for (const auto &c : cases) {
        const editor::TypedDuration typed = editor::typedDuration(QString::fromLatin1(c.text), c.normal);
        EXPECT_EQ(typed.shown, c.shown) << c.text << " normal " << c.normal;
        EXPECT_EQ(typed.stored, c.stored) << c.text << " normal " << c.normal;
    }
}

TEST(GridGeometryTest, TheWashKeepsThreeQuartersOfTheColour)
{
    EXPECT_EQ(editor::washed(Qt::black, QColor(0, 120, 215)), QColor(0, 30, 54));
    EXPECT_EQ(editor::washed(Qt::white, QColor(0, 120, 215)), QColor(191, 221, 245));
}

} // namespace
} // namespace editor_test
