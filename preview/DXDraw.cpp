#include "DXDraw.h"

#include "QtDrawingSurface.h"

#include <QPainter>

namespace preview {

DXDraw::DXDraw(QtDrawingSurface *surface, QWidget *parent) : QWidget(parent), mSurface(surface)
{
    setObjectName("DXDraw");
    setFixedSize(SurfaceWidth, SurfaceHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
    if (mSurface)
        connect(mSurface, &QtDrawingSurface::flipped, this, qOverload<>(&QWidget::update));
}

void DXDraw::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (mSurface)
        painter.drawImage(0, 0, mSurface->frontBuffer());
    else
        painter.fillRect(rect(), QColor(236, 233, 216));
}

} // namespace preview
