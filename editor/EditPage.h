#pragma once

#include "EditorTexts.h"
#include "PageWidgets.h"

#include <QWidget>

#include <functional>
#include <memory>

class QBoxLayout;
class QTabWidget;

namespace preview {
class DXDraw;
class QtDrawingSurface;
} // namespace preview

namespace profiles {
struct TProfile;
}

namespace settings {
struct LanguageTexts;
}

namespace editor {

class EditGridView;
class EditorDocument;
class FrameGridView;
class GlowshowPage;
class SelectedFramePage;
class SlotGridView;
class SlotOperationsPage;

// The "Edit glowshows" page (object name Tab2): the glowshow list and its three pages above the
// grids and the device view. It shows the selected glowshow and cell, and follows the
// document's changes of the current glowshow's cells and columns.
class EditPage : public QWidget {
    Q_OBJECT
public:
    // `hidden` says whether an element's row is hidden now.
    EditPage(EditorDocument &document, const profiles::TProfile &profile, const settings::LanguageTexts &texts,
             TextOf text, CommandOf command, std::function<bool(int element)> hidden);
    ~EditPage() override;

    // Shows the glowshow selected in the list with no cell selected; `turnToOptions` turns to
    // its options page.
    void showSelectedGlowshow(bool turnToOptions);
    // The selected glowshow's values and which of its commands are offered.
    void showGlowshowProperties();
    // Shows the values of the selected cell again, on the page the user is on.
    void showCurrentCell();
    // The cell of EditGrid the user selected, or none (-1).
    void selectCell(int column, int row);
    // Shows the element of a grid row on the slot page; `bringForward` also turns to it.
    void selectElement(int row, bool bringForward);
    // Shows the frame of the grid's current column on the device view, or hides the view when
    // no normal glowshow is shown; at most once per round of the event loop.
    void scheduleLiveView();
    void updateLiveView();
    preview::QtDrawingSurface &liveSurface() { return *mLiveSurface; }

    GlowshowPage *glowshows;
    SlotOperationsPage *slotOperations;
    SelectedFramePage *selectedFrame;
    QTabWidget *PageControl2;
    QLabel *Label5, *Label6; // the captions beside FrameGrid
    SlotGridView *SlotGrid;
    FrameGridView *FrameGrid;
    EditGridView *EditGrid;
    preview::DXDraw *LiveView;

signals:
    // Another glowshow, or none, is shown: the commands that depend on it may change.
    void glowshowShown();

private:
    void createGrids(QBoxLayout *page, const settings::LanguageTexts &texts);
    void connectDocument();
    void showNoGlowshow();
    void showColumns();
    void showCells(int firstColumn, int lastColumn);
    // Sets the column count of EditGrid and FrameGrid.
    void setGridColumns(int columns);
    // Leaves EditGrid without a current cell and the colour controls without an entry.
    void forgetCurrentCell();
    // Forgets a selected cell that no longer exists.
    void dropStaleSelection();
    void setTabVisible(QWidget *page, bool visible);

    EditorDocument &mDocument;
    const profiles::TProfile &mProfile;
    CommandOf mCommand;
    std::function<bool(int)> mHidden;
    std::unique_ptr<preview::QtDrawingSurface> mLiveSurface;
    bool mLiveViewPending = false;
};

} // namespace editor
