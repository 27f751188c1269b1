#include "Storyboard.h"

#include "AnimationWriters.h"
#include "preview/CellColour.h"
#include "preview/QtDrawingSurface.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace exporting {

namespace {

constexpr int Margin = 8;
constexpr int TitleHeight = 28;
constexpr int BandGap = 14;
constexpr int TextPadding = 4;
const QColor GridLine(160, 160, 160);
const QColor Paper(255, 255, 255);
const QColor Ink(0, 0, 0);

QFont textFont()
{
    QFont f;
    f.setPixelSize(12);
    return f;
}

QFont titleFont()
{
    QFont f;
    f.setPixelSize(16);
    f.setBold(true);
    return f;
}

QString footerText(const model::TGlowshow &g, int column, int footerRow)
{
    if (g.Kind == model::KindNormal)
        return column < int(g.Frames.size()) ? QString::number(g.Frames[std::size_t(column)].Duration) : QString();
    const std::vector<int> elements = parameterElements(g);
    if (footerRow >= int(elements.size()))
        return {};
    const std::uint8_t channel = model::FindEntry(g, std::uint8_t(elements[std::size_t(footerRow)]), 0);
    const model::TClubStep *step = model::stepAt(g, channel, std::uint8_t(column));
    return step ? QString::number(step->Parameter) : QString();
}

QString footerCaption(const model::TGlowshow &g, const StoryboardSource &source, int footerRow)
{
    if (g.Kind == model::KindNormal)
        return source.durationCaption;
    const std::vector<int> elements = parameterElements(g);
    return footerRow < int(elements.size())
               ? source.parameterCaption.arg(source.elements[std::size_t(elements[std::size_t(footerRow)] - 1)])
               : QString();
}

} // namespace

std::vector<int> parameterElements(const model::TGlowshow &g)
{
    std::vector<int> elements;
    if (g.Kind == model::KindRhythm)
        for (int n = 1; n <= 6; ++n)
            if (model::FindEntry(g, std::uint8_t(n), 0) != model::NoEntry)
                elements.push_back(n);
    return elements;
}

StoryboardLayout::StoryboardLayout(const model::TGlowshow &g, int captionWidth)
    : mColumns(model::columnCount(g)), mFooterRows(g.Kind == model::KindNormal ? 1 : int(parameterElements(g).size())),
      mCaptionWidth(captionWidth)
{
    const int shown = std::min(std::max(mColumns, 1), ColumnsPerBand);
    mSize = QSize(2 * Margin + mCaptionWidth + shown * CellWidth + 1, bandTop(bands()) - BandGap + Margin);
}

int StoryboardLayout::bands() const
{
    return std::max(1, (mColumns + ColumnsPerBand - 1) / ColumnsPerBand);
}

int StoryboardLayout::bandHeight() const
{
    return (1 + 6 + mFooterRows) * CellHeight + 1;
}

int StoryboardLayout::bandTop(int band) const
{
    return Margin + TitleHeight + band * (bandHeight() + BandGap);
}

QRect StoryboardLayout::numberCell(int column) const
{
    const int band = column / ColumnsPerBand;
    const int x = Margin + mCaptionWidth + (column % ColumnsPerBand) * CellWidth;
    return QRect(x + 1, bandTop(band) + 1, CellWidth - 1, CellHeight - 1);
}

QRect StoryboardLayout::cell(int column, int row) const
{
    return numberCell(column).translated(0, (row + 1) * CellHeight);
}

QRect StoryboardLayout::footer(int column, int row) const
{
    return numberCell(column).translated(0, (row + 7) * CellHeight);
}

QRect StoryboardLayout::caption(int band, int row) const
{
    return QRect(Margin, bandTop(band) + (row + 1) * CellHeight + 1, mCaptionWidth, CellHeight - 1);
}

QRect StoryboardLayout::title() const
{
    return QRect(Margin, Margin, mSize.width() - 2 * Margin, TitleHeight - 6);
}

StoryboardLayout storyboardLayout(const model::TGlowshow &g, const StoryboardSource &source)
{
    const QFontMetrics metrics(textFont());
    int captionWidth = 81;
    for (int row = 0; row < 6 + 6; ++row) {
        const QString text = row < 6 ? source.elements[std::size_t(row)] : footerCaption(g, source, row - 6);
        captionWidth = std::max(captionWidth, metrics.horizontalAdvance(text) + 2 * TextPadding);
    }
    return StoryboardLayout(g, captionWidth);
}

QImage renderStoryboard(const model::TGlowshow &g, const StoryboardSource &source, int scale)
{
    scale = std::clamp(scale, 1, 8);
    const StoryboardLayout layout = storyboardLayout(g, source);
    QImage image(layout.size() * scale, QImage::Format_RGB32);
    image.fill(Paper);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::TextAntialiasing);

    painter.setFont(titleFont());
    painter.setPen(Ink);
    painter.drawText(layout.title(), Qt::AlignLeft | Qt::AlignVCenter, source.title);

    painter.setFont(textFont());
    const QBrush empty = preview::emptyCellBrush();
    for (int band = 0; band < layout.bands(); ++band) {
        for (int row = 0; row < 6 + layout.footerRows(); ++row) {
            const QString text = row < 6 ? source.elements[std::size_t(row)] : footerCaption(g, source, row - 6);
            painter.drawText(layout.caption(band, row).adjusted(0, 0, -TextPadding, 0),
                             Qt::AlignRight | Qt::AlignVCenter, text);
        }
    }
    for (int column = 0; column < layout.columns(); ++column) {
        // Grid lines around every cell of the column, as the grid draws them.
        painter.setPen(GridLine);
        const QRect top = layout.numberCell(column).adjusted(-1, -1, 0, 0);
        painter.drawRect(QRect(top.topLeft(), QSize(StoryboardLayout::CellWidth,
                                                    (7 + layout.footerRows()) * StoryboardLayout::CellHeight)));
        for (int row = 0; row < 7 + layout.footerRows(); ++row)
            painter.drawLine(top.left(), top.top() + row * StoryboardLayout::CellHeight,
                             top.left() + StoryboardLayout::CellWidth, top.top() + row * StoryboardLayout::CellHeight);
        painter.setPen(Ink);
        painter.drawText(layout.numberCell(column), Qt::AlignCenter, QString::number(column + 1));
        for (int row = 0; row < 6; ++row) {
            const std::optional<std::uint32_t> colour = preview::cellScreenColour(
                g, row + 1, column, source.behaviours[std::size_t(row)], source.hidden[std::size_t(row)]);
            if (colour)
                painter.fillRect(layout.cell(column, row), QColor::fromRgb(preview::screenColourToRgb(*colour)));
            else
                painter.fillRect(layout.cell(column, row), empty);
        }
        for (int row = 0; row < layout.footerRows(); ++row)
            painter.drawText(layout.footer(column, row), Qt::AlignCenter, footerText(g, column, row));
    }
    return image;
}

QByteArray encodePng(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw EncodeError("The picture could not be encoded as PNG");
    return bytes;
}

} // namespace exporting
