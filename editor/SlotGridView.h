#pragma once

#include <QTableWidget>

namespace editor {

class EditGridView;

// SlotGrid: beside EditGrid, the names of the six elements, one row each. Choosing a row makes
// its element the current one (the window listens to currentCellChanged); the grid follows
// EditGrid's rows.
class SlotGridView : public QTableWidget {
    Q_OBJECT
public:
    explicit SlotGridView(EditGridView &editGrid, QWidget *parent = nullptr);

    // The name of element `element` (1..6), in its row and as its row's header; a name the
    // column cuts shows whole in its tooltip.
    void setElementName(int element, const QString &name);
    QString elementName(int element) const;
};

} // namespace editor
