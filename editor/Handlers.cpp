#include "Unit1.h"

#include "ErrorBox.h"
#include "GridWidgets.h"

#include <QItemSelectionModel>

namespace editor {

// Selecting a cell or an element shows it on the pages of the editing page.
void TMForm::connectGrids()
{
    connect(EditGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                runGuarded(this, [this, current] {
                    EditGridSelectCell(current.isValid() ? current.column() : -1,
                                       current.isValid() ? current.row() : -1);
                });
            });
    connect(SlotGrid, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0)
            runGuarded(this, [=, this] { SlotGridSelectCell(row, true); });
    });
}

} // namespace editor
