#pragma once

#include <QPointer>
#include <QWidget>

namespace preview {

class QtDrawingSurface;

// The preview's drawing control: shows the surface's last flipped picture, 257 × 425 pixels.
// Starts hidden; the play/stop command shows it.
class DXDraw : public QWidget {
    Q_OBJECT
public:
    explicit DXDraw(QtDrawingSurface *surface, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointer<QtDrawingSurface> mSurface;
};

} // namespace preview
