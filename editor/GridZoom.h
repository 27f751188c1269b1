#pragma once

#include <QObject>
#include <QSize>

namespace editor {

class TMForm;

// The sizes of the grids' cells: the zoom sets the columns' width and the rows' least height;
// height the window has to spare goes to the rows of the colour grid.
struct GridCells {
    int columnWidth;
    int rowHeight;      // rows of EditGrid and SlotGrid
    int frameRowHeight; // the two rows of FrameGrid
};
// `room`: the height EditGrid's rows may fill (0 when not known yet).
GridCells gridCells(int zoomPercent, int room);

// The zoom of the grids: View menu, Ctrl+plus, Ctrl+minus, Ctrl+0 and Ctrl+wheel, kept in the
// settings. Also keeps element names whole where the window has room for them.
class GridZoom : public QObject {
    Q_OBJECT
public:
    explicit GridZoom(TMForm &form);

    static constexpr int Levels[] = {50, 75, 100, 125, 150, 200, 250, 300, 400};
    int percent() const { return mPercent; }
    // Takes the nearest level, shows it and stores it.
    void setPercent(int percent);
    void zoomIn();
    void zoomOut();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply();
    void fitElementNames();

    TMForm &mForm;
    int mPercent = 100;
    int mWheel = 0; // wheel movement not yet turned into a step
};

} // namespace editor
