#include "CellColour.h"

#include <QImage>

namespace preview {

std::optional<std::uint32_t> cellScreenColour(const model::TGlowshow &g, int element, int column,
                                              std::int32_t behaviour, bool hidden)
{
    if (hidden || column < 0 || column > 255 || element < 1 || element > 255 ||
        !(g.Kind == model::KindRhythm || (g.Kind == model::KindNormal && g.FrameCount > 0)))
        return std::nullopt;
    const std::uint8_t entry = model::FindEntry(g, std::uint8_t(element), std::uint8_t(column));
    if (entry == model::NoEntry)
        return std::nullopt;
    // Entries the arrays do not hold (a channel shorter than the grid) count as no entry.
    std::uint8_t red = 0, green = 0, blue = 0;
    if (g.Kind == model::KindNormal) {
        const model::TFrameEntry *e = model::entryAt(g, std::uint8_t(column), entry);
        if (!e)
            return std::nullopt;
        red = e->Red, green = e->Green, blue = e->Blue;
    } else {
        const model::TClubStep *s = model::stepAt(g, entry, std::uint8_t(column));
        if (!s)
            return std::nullopt;
        red = s->Red, green = s->Green, blue = s->Blue;
    }
    if (behaviour >= 0)
        return (blue & 1) ? std::uint32_t(behaviour) : 0u;
    return model::ScreenColor(red, green, blue);
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
