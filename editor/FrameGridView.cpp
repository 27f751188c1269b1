#include "FrameGridView.h"

#include "EditGridView.h"
#include "EditorDocument.h"
#include "EditorTexts.h"
#include "TypedDuration.h"
#include "model/ColumnEdits.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include <algorithm>

namespace editor {

namespace {

// The duration editor hands every change of its text to the grid, which may correct it at once.
class DurationDelegate : public QStyledItemDelegate {
public:
    explicit DurationDelegate(FrameGridView *grid) : QStyledItemDelegate(grid), mGrid(grid) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        auto *edit = new QLineEdit(parent);
        edit->setFrame(false);
        const int column = index.column(), row = index.row();
        connect(edit, &QLineEdit::textEdited, edit, [this, edit, column, row](const QString &text) {
            const QString shown = mGrid->durationTyped(column, row, text);
            if (shown != text)
                edit->setText(shown);
        });
        return edit;
    }

private:
    FrameGridView *mGrid;
};

} // namespace

FrameGridView::FrameGridView(EditorDocument &document, EditGridView &editGrid, const settings::LanguageTexts &texts,
                             QWidget *parent)
    : QTableWidget(2, 0, parent), mDocument(document), mEditGrid(editGrid), mTexts(texts)
{
    setGridSections(*this);
    setFixedHeight(2 * GridRowHeight + 2);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setItemDelegate(new DurationDelegate(this));
    setContextMenuPolicy(Qt::CustomContextMenu);

    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { execGridMenu(this, mFillMenu, viewport()->mapToGlobal(at)); });
    connect(this, &QTableWidget::cellPressed, this, &FrameGridView::frameNumberPressed);
    // Only EditGrid has a scroll bar; this grid follows it.
    connect(mEditGrid.horizontalScrollBar(), &QScrollBar::valueChanged, horizontalScrollBar(), &QScrollBar::setValue);
    auto columns = [this] {
        setColumns(shownColumns(mDocument.content().current()));
        fill();
    };
    connect(&mDocument, &EditorDocument::cellsChanged, this, [this](int glowshow) {
        if (glowshow == mDocument.content().CurrentGlowshow)
            fill();
    });
    connect(&mDocument, &EditorDocument::columnsChanged, this, [this, columns](int glowshow) {
        if (glowshow == mDocument.content().CurrentGlowshow)
            columns();
    });
    connect(&mDocument, &EditorDocument::documentReplaced, this, columns);
}

void FrameGridView::setColumns(int columns)
{
    setColumnCount(columns);
}

void FrameGridView::fill()
{
    const model::TGlowshow *g = mDocument.content().current();
    const QSignalBlocker block(this);
    // Items are kept and only changed texts renewed: new items for all 510 cells on every
    // change of glowshow were most of the cost of a list rebuild.
    for (int c = 0; c < columnCount(); ++c) {
        if (!item(0, c)) {
            auto *number = new QTableWidgetItem(QString::number(c + 1));
            number->setFlags(Qt::ItemIsEnabled);
            number->setTextAlignment(Qt::AlignCenter);
            setItem(0, c, number);
        }
        QString duration;
        if (g && g->Kind == model::KindNormal && c < int(g->Frames.size()))
            duration = QString::number(g->Frames[std::size_t(c)].Duration);
        if (QTableWidgetItem *cell = item(1, c)) {
            if (cell->text() != duration)
                cell->setText(duration);
        } else {
            setItem(1, c, new QTableWidgetItem(duration));
        }
    }
}

QString FrameGridView::durationTyped(int column, int row, const QString &text)
{
    if (row != 1)
        return text;
    const model::TDocument &doc = mDocument.content();
    const model::TGlowshow *g = doc.current();
    const bool normal = g && g->Kind == model::KindNormal;
    const TypedDuration typed = typedDuration(text, normal);
    const QString stepName = editorText(mTexts, "StepDuration");

    // Typed into one of several selected whole columns: all of them take the number.
    const QRect range = mEditGrid.range();
    const int columns = g ? model::columnCount(*g) : 0;
    const int first = range.left(), last = std::min(range.right(), columns - 1);
    if (typed.number && typed.stored && mEditGrid.wholeColumns() && first < columns && last - first >= 1 &&
        column >= first && column <= last) {
        if (auto edit = model::setDurations(doc, doc.CurrentGlowshow, first, last,
                                            std::vector<std::uint16_t>(std::size_t(last - first + 1), *typed.stored))) {
            edit->shown.element = std::uint8_t(range.top() + 1);
            mDocument.push(std::move(*edit), stepName, mMergeId);
        }
        const QString shown = QString::number(*typed.stored);
        return shown == text ? text : shown;
    }

    if (typed.stored && column >= 0 && column < int(g->Frames.size()) &&
        g->Frames[std::size_t(column)].Duration != *typed.stored)
        mDocument.push(model::SetFrameDuration{doc.CurrentGlowshow, column, *typed.stored}, stepName, mMergeId);
    if (QTableWidgetItem *cell = item(1, column); cell && !text.isEmpty()) {
        const QSignalBlocker block(this);
        cell->setText(typed.shown);
    }
    return typed.shown;
}

void FrameGridView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    const bool leave = hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
    const bool hadFocus = editor && editor->hasFocus();
    // The delegate has committed the text by now; closing hands the focus back to the grid.
    QTableWidget::closeEditor(editor, leave ? QAbstractItemDelegate::NoHint : hint);
    if (leave && hadFocus)
        focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
}

// A frame number selects its whole column; with Shift, the columns from the current one.
void FrameGridView::frameNumberPressed(int row, int column)
{
    const model::TGlowshow *g = mDocument.content().current();
    if (row != 0 || !g || column < 0 || column >= model::columnCount(*g))
        return;
    const QModelIndex current = mEditGrid.currentIndex();
    if (!(QApplication::keyboardModifiers() & Qt::ShiftModifier) || !current.isValid())
        mEditGrid.setCurrentIndex(mEditGrid.model()->index(current.isValid() ? current.row() : 0, column));
    mEditGrid.selectColumns(column);
}

} // namespace editor
