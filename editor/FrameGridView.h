#pragma once

#include "GridMenu.h"

#include <QTableWidget>

namespace settings {
struct LanguageTexts;
}

namespace editor {

class EditorDocument;
class EditGridView;

// FrameGrid: above EditGrid, the frame numbers (row 0) and, for a normal glowshow, the frame
// durations (row 1), which the user types in. A frame number selects its whole column in
// EditGrid, with Shift the columns from the current one. It scrolls with EditGrid and fills
// itself again when the document changes the shown glowshow's columns or durations.
class FrameGridView : public QTableWidget {
    Q_OBJECT
public:
    FrameGridView(EditorDocument &document, EditGridView &editGrid, const settings::LanguageTexts &texts,
                  QWidget *parent = nullptr);

    void setColumns(int columns);
    // The numbers and the shown glowshow's durations.
    void fill();
    void setMenuFiller(GridMenuFiller fill) { mFillMenu = std::move(fill); }
    // The merge id of typed durations: a run of keystrokes in one cell is one step.
    void setDurationMergeId(int id) { mMergeId = id; }

    // Stores the duration typed into row 1 of `column` and returns the text the cell must show.
    // While several whole columns are selected and the cell is one of them, all take it.
    QString durationTyped(int column, int row, const QString &text);

protected slots:
    // Tab and Shift+Tab in a duration editor take the duration and leave the grid, as Tab from
    // the grid itself does, instead of opening the next cell's editor.
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void frameNumberPressed(int row, int column);

    EditorDocument &mDocument;
    EditGridView &mEditGrid;
    const settings::LanguageTexts &mTexts;
    GridMenuFiller mFillMenu;
    int mMergeId = -1;
};

} // namespace editor
