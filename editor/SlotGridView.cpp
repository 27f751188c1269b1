#include "SlotGridView.h"

#include "EditGridView.h"

#include <QScrollBar>
#include <QStyle>

namespace editor {

SlotGridView::SlotGridView(EditGridView &editGrid, QWidget *parent) : QTableWidget(ElementRows, 1, parent)
{
    setGridSections(*this);
    setColumnWidth(0, 81);
    setFixedWidth(83);
    setFixedHeight(ElementRows * GridRowHeight + 2);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setFrameShape(QFrame::NoFrame);
    setBackgroundRole(QPalette::Button);
    for (int r = 0; r < ElementRows; ++r)
        setItem(r, 0, new QTableWidgetItem);
    connect(editGrid.verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
}

void SlotGridView::setElementName(int element, const QString &name)
{
    QTableWidgetItem *row = item(element - 1, 0);
    if (!row)
        return;
    row->setText(name);
    // The row header names the row for assistive technology; the header itself stays hidden.
    if (QTableWidgetItem *header = verticalHeaderItem(element - 1))
        header->setText(name);
    else
        setVerticalHeaderItem(element - 1, new QTableWidgetItem(name));
    const int room = columnWidth(0) - 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin) - 2;
    row->setToolTip(fontMetrics().horizontalAdvance(name) > room ? name : QString());
}

QString SlotGridView::elementName(int element) const
{
    const QTableWidgetItem *row = item(element - 1, 0);
    return row ? row->text() : QString();
}

} // namespace editor
