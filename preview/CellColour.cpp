#include "CellColour.h"

#include "model/Edits.h"

#include <QImage>

namespace preview {

std::optional<std::uint32_t> cellScreenColour(const model::TGlowshow &g, int element, int column,
                                              std::int32_t behaviour, bool hidden)
{
    if (hidden || column < 0 || column > 255 || element < 1 || element > 255 ||
        !(g.Kind == model::KindRhythm || (g.Kind == model::KindNormal && g.FrameCount > 0)))
        return std::nullopt;
    // Entries the arrays do not hold (a channel shorter than the grid) count as no entry.
    model::Colour c;
    if (!model::cellColour(g, column, std::uint8_t(element), c))
        return std::nullopt;
    if (behaviour >= 0)
        return (c.Blue & 1) ? std::uint32_t(behaviour) : 0u;
    return model::ScreenColor(c.Red, c.Green, c.Blue);
}

QBrush emptyCellBrush(const std::function<QColor(QColor)> &wash)
{
    auto shown = [&wash](QColor c) { return (wash ? wash(c) : c).rgb(); };
    QImage pattern(2, 2, QImage::Format_RGB32);
    const QRgb silver = shown(QColor(192, 192, 192)), white = shown(QColor(255, 255, 255));
    pattern.setPixel(0, 0, silver);
    pattern.setPixel(1, 1, silver);
    pattern.setPixel(1, 0, white);
    pattern.setPixel(0, 1, white);
    return QBrush(pattern);
}

} // namespace preview
