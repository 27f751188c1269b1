#include "CellDescription.h"

#include "preview/CellColour.h"

namespace editor {

CellState cellState(const model::TGlowshow &glowshow, int element, int column, std::int32_t behaviour, bool hidden)
{
    if (hidden)
        return {CellState::Hidden, {}};
    // Whatever the grid paints with the empty pattern has no entry to tell.
    model::Colour colour;
    if (!preview::cellScreenColour(glowshow, element, column, behaviour, false) ||
        !model::cellColour(glowshow, column, std::uint8_t(element), colour))
        return {CellState::NoEntry, {}};
    if (behaviour >= 0)
        return {(colour.Blue & 1) ? CellState::On : CellState::Off, colour};
    return {CellState::Colour, colour};
}

QString columnName(const TextOf &text, bool rhythm, int column)
{
    return text(rhythm ? "AccessStep" : "AccessFrame").arg(column + 1);
}

QString cellName(const TextOf &text, const QString &element, const QString &column, const CellState &state)
{
    switch (state.kind) {
    case CellState::Colour:
        // One substitution, so a '%' in an element name is never taken for a place holder.
        return text("AccessCellColour")
            .arg(element, column, QString::number(state.colour.Red), QString::number(state.colour.Green),
                 QString::number(state.colour.Blue));
    case CellState::On:
        return text("AccessCellOn").arg(element, column);
    case CellState::Off:
        return text("AccessCellOff").arg(element, column);
    case CellState::Hidden:
        return text("AccessCellHidden").arg(element, column);
    case CellState::NoEntry:
        break;
    }
    return text("AccessCellEmpty").arg(element, column);
}

} // namespace editor
