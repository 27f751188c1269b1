#include "EditGridView.h"

#include "EditorDocument.h"
#include "preview/CellColour.h"
#include "preview/QtDrawingSurface.h"
#include "profiles/Profile.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionViewItem>

#include <algorithm>

namespace editor {

Qt::ItemFlags EditGridModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void EditGridModel::setColumns(int columns)
{
    if (columns == mColumns)
        return;
    // Columns are added or removed at the end, so a current cell that still exists stays.
    if (columns > mColumns) {
        beginInsertColumns({}, mColumns, columns - 1);
        mColumns = columns;
        endInsertColumns();
    } else {
        beginRemoveColumns({}, columns, mColumns - 1);
        mColumns = columns;
        endRemoveColumns();
    }
}

EditGridView::EditGridView(EditorDocument &document, const profiles::TProfile &profile,
                           const settings::LanguageTexts &texts, std::function<bool(int element)> hidden,
                           QWidget *parent)
    : QTableView(parent), mDocument(document), mProfile(profile), mTexts(texts), mHidden(std::move(hidden)),
      mModel(new EditGridModel(this))
{
    setModel(mModel);
    setGridSections(*this);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    setFixedHeight(ElementRows * GridRowHeight + 2 + horizontalScrollBar()->sizeHint().height());

    connect(&mDocument, &EditorDocument::cellsChanged, this, &EditGridView::repaintColumns);
    connect(&mDocument, &EditorDocument::columnsChanged, this, [this](int glowshow) {
        if (glowshow == mDocument.content().CurrentGlowshow)
            showColumns();
    });
    connect(&mDocument, &EditorDocument::documentReplaced, this, &EditGridView::showColumns);
}

int shownColumns(const model::TGlowshow *g)
{
    if (g && (g->Kind == model::KindNormal || g->Kind == model::KindRhythm))
        return std::max<int>(model::columnCount(*g), 1);
    return 0;
}

void EditGridView::setColumns(int columns)
{
    if (const QModelIndex current = currentIndex(); current.isValid() && current.column() >= columns) {
        const QSignalBlocker block(selectionModel());
        selectionModel()->clear();
    }
    mModel->setColumns(columns);
}

void EditGridView::showColumns()
{
    setColumns(shownColumns(mDocument.content().current()));
    viewport()->update();
}

void EditGridView::redrawCell(int column, int row)
{
    const QModelIndex index = mModel->index(row, column);
    if (index.isValid())
        viewport()->repaint(visualRect(index));
}

GridGeometry EditGridView::geometry() const
{
    return {mModel->columnCount(), ElementRows, horizontalOffset(), GridColumnWidth, GridRowHeight};
}

QRect EditGridView::range() const
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return {};
    const QPoint anchor(current.column(), current.row());
    return rangeOf(anchor, mCorner.x() < 0 ? anchor : mCorner, mWholeColumns);
}

void EditGridView::selectColumns(int column)
{
    if (!currentIndex().isValid())
        return;
    extendRange(QPoint(column, currentIndex().row()));
    mWholeColumns = true;
    viewport()->update();
    emit rangeChanged();
}

void EditGridView::extendRange(QPoint corner)
{
    const int columns = mModel->columnCount();
    if (!currentIndex().isValid() || columns == 0)
        return;
    corner = QPoint(std::clamp(corner.x(), 0, columns - 1), std::clamp(corner.y(), 0, ElementRows - 1));
    if (corner == mCorner && !mWholeColumns)
        return;
    mCorner = corner;
    mWholeColumns = false;
    scrollTo(mModel->index(corner.y(), corner.x()));
    viewport()->update();
    emit rangeChanged();
}

void EditGridView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    mCorner = current.isValid() ? QPoint(current.column(), current.row()) : QPoint(-1, -1);
    mWholeColumns = false;
    viewport()->update();
    emit rangeChanged();
}

void EditGridView::repaintColumns(int glowshow, int first, int last)
{
    if (glowshow != mDocument.content().CurrentGlowshow)
        return;
    const GridGeometry g = geometry();
    first = std::max(first, 0);
    last = std::min(last, g.columns - 1);
    if (first <= last)
        viewport()->update(g.blockRect(QRect(QPoint(first, 0), QPoint(last, ElementRows - 1))).adjusted(-2, -2, 2, 2));
}

void EditGridView::EditGridDrawCell(QPainter &painter, const QRect &rect, int column, int row, bool inWash) const
{
    static const QBrush empty = preview::emptyCellBrush();
    const model::TGlowshow *g = mDocument.content().current();
    const int element = row + 1;
    const std::optional<std::uint32_t> colour =
        g ? preview::cellScreenColour(*g, element, column, mProfile.ElementColors[element], mHidden(element))
          : std::nullopt;
    const QColor highlight = palette().color(QPalette::Highlight);
    if (colour) {
        const QColor shown = QColor::fromRgb(preview::screenColourToRgb(*colour));
        painter.fillRect(rect, inWash ? washed(shown, highlight) : shown);
    } else if (inWash) {
        // Rebuilt only when the wash colour changes (a new palette).
        static QRgb washedFor = 0;
        static QBrush washedEmpty;
        if (washedEmpty.style() == Qt::NoBrush || washedFor != highlight.rgb()) {
            washedFor = highlight.rgb();
            washedEmpty = preview::emptyCellBrush([highlight](QColor c) { return washed(c, highlight); });
        }
        painter.fillRect(rect, washedEmpty);
    } else {
        painter.fillRect(rect, empty);
    }
}

namespace {

void outline(QPainter &painter, const QRect &r, const QColor &colour)
{
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), colour);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), colour);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), colour);
}

} // namespace

// The range's cells are washed by EditGridDrawCell; here it gets a solid edge. The current cell gets
// black, white and black rings, one of which stands out on any colour.
void EditGridView::paintRange(QPainter &painter, const GridGeometry &geometry) const
{
    const QRect cells = range();
    if (!cells.isValid() || cells.right() >= geometry.columns)
        return;
    if (cells.width() > 1 || cells.height() > 1)
        outline(painter, geometry.blockRect(cells).adjusted(-1, -1, 1, 1), palette().color(QPalette::Highlight));
    const QModelIndex current = currentIndex();
    const QRect mark = geometry.cellRect(current.column(), current.row());
    outline(painter, mark, Qt::black);
    outline(painter, mark.adjusted(1, 1, -1, -1), Qt::white);
    outline(painter, mark.adjusted(2, 2, -2, -2), Qt::black);
}

void EditGridView::paintEvent(QPaintEvent *event)
{
    const QRect dirty = event->rect();
    QPainter painter(viewport());
    painter.setClipRect(dirty);
    const GridGeometry geometry = this->geometry();
    const int bottom = geometry.height();
    const int right = std::max(geometry.right(), 0);
    const auto [first, last] = geometry.columnsBetween(dirty.left(), dirty.right());
    if (first <= last) {
        const int left = geometry.cellRect(first, 0).left();
        const int end = geometry.cellRect(last, 0).right() + 2;
        // The right and bottom pixel of every cell is grid line, as the table view draws it.
        // Lines and cells are small fills: one fill of the whole area would be split across
        // threads and cost more than all the cells.
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const QColor lines = QColor::fromRgba(QRgb(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
        for (int row = 0; row < ElementRows; ++row)
            painter.fillRect(QRect(left, geometry.cellRect(0, row).bottom() + 1, end - left, 1), lines);
        const QRect cells = range();
        const QPoint current = cells.isValid() ? QPoint(currentIndex().column(), currentIndex().row()) : QPoint(-1, -1);
        const bool washing = cells.width() > 1 || cells.height() > 1;
        for (int column = first; column <= last; ++column) {
            painter.fillRect(QRect(geometry.cellRect(column, 0).right() + 1, 0, 1, bottom), lines);
            for (int row = 0; row < ElementRows; ++row)
                EditGridDrawCell(painter, geometry.cellRect(column, row), column, row,
                                 washing && cells.contains(column, row) && QPoint(column, row) != current);
        }
        paintRange(painter, geometry);
    }
    // The viewport does not fill its background (it is opaque), so what the cells leave.
    const QBrush background = viewport()->palette().brush(viewport()->backgroundRole());
    painter.fillRect(QRect(QPoint(right, dirty.top()), dirty.bottomRight()).intersected(dirty), background);
    painter.fillRect(QRect(QPoint(dirty.left(), bottom), dirty.bottomRight()).intersected(dirty), background);
}

} // namespace editor
