#pragma once

#include <QPointer>
#include <QWidget>

namespace preview {

class QtDrawingSurface;

// The preview's drawing control: shows the surface's last flipped picture, 257 × 425 pixels,
// centred in the room it is given. With whole-multiple scaling it grows by 2×, 3×, … where
// there is room, keeping the pixels sharp; otherwise it never grows past 1× and shrinks to fit
// when given less room than the picture. Starts hidden; the play/stop command shows it.
class DXDraw : public QWidget {
    Q_OBJECT
public:
    explicit DXDraw(QtDrawingSurface *surface, QWidget *parent = nullptr);

    // On: grows by whole multiples and is never smaller than the picture (the preview page).
    // Off: 1× at most, down to a quarter when room is short (a view beside other controls),
    // asking only for that quarter.
    void setWholeMultiples(bool on);
    // Where the picture is drawn inside the widget.
    QRect pictureRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QPointer<QtDrawingSurface> mSurface;
    bool mWholeMultiples = true;
};

} // namespace preview
