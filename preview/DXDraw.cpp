#include "DXDraw.h"

#include "QtDrawingSurface.h"

#include <QPainter>

#include <algorithm>

namespace preview {

DXDraw::DXDraw(QtDrawingSurface *surface, QWidget *parent) : QWidget(parent), mSurface(surface)
{
    setObjectName("DXDraw");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    hide();
    if (mSurface)
        connect(mSurface, &QtDrawingSurface::flipped, this, qOverload<>(&QWidget::update));
}

void DXDraw::setWholeMultiples(bool on)
{
    mWholeMultiples = on;
    // Beside other controls it takes only room they leave, and never more than 1x needs.
    setMaximumSize(on ? QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX) : QSize(SurfaceWidth, SurfaceHeight));
    setSizePolicy(on ? QSizePolicy::Expanding : QSizePolicy::Fixed, QSizePolicy::Expanding);
    updateGeometry();
    update();
}

QSize DXDraw::sizeHint() const
{
    if (mWholeMultiples)
        return {SurfaceWidth, SurfaceHeight};
    // As wide as the picture at the height the layout gives: no room is taken beside it.
    const int width = std::clamp(height() * SurfaceWidth / SurfaceHeight, SurfaceWidth / 4, SurfaceWidth);
    return {width, SurfaceHeight / 4};
}

void DXDraw::resizeEvent(QResizeEvent *)
{
    if (!mWholeMultiples && sizeHint().width() != width())
        updateGeometry();
}

QSize DXDraw::minimumSizeHint() const
{
    const QSize picture(SurfaceWidth, SurfaceHeight);
    return mWholeMultiples ? picture : picture / 4;
}

QRect DXDraw::pictureRect() const
{
    const double fit = std::min(double(width()) / SurfaceWidth, double(height()) / SurfaceHeight);
    const double scale = fit >= 1.0 ? (mWholeMultiples ? double(int(fit)) : 1.0) : fit;
    const QSize size(std::max(1, int(SurfaceWidth * scale)), std::max(1, int(SurfaceHeight * scale)));
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void DXDraw::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect picture = pictureRect();
    // Only a picture drawn smaller than it is needs smoothing; whole multiples stay sharp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, picture.width() < SurfaceWidth);
    if (mSurface)
        painter.drawImage(picture, mSurface->frontBuffer());
    else
        painter.fillRect(picture, QColor(236, 233, 216));
}

} // namespace preview
