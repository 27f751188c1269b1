#include "ApplyEffect.h"

#include <algorithm>

namespace effects {

EffectRange effectRange(const model::TGlowshow &glowshow, std::span<const model::Column> columns,
                        const EffectTarget &target)
{
    EffectRange range;
    for (const model::Column &c : columns)
        range.durations.push_back(glowshow.Kind == model::KindNormal ? c.frame.Duration : 1);
    range.elements = target.elements;
    range.onOff = target.onOff;
    return range;
}

std::optional<model::SpliceColumns> effectEdit(const model::TDocument &doc, const EffectTarget &target,
                                               const EffectParameters &parameters)
{
    const model::TGlowshow *g = doc.glowshow(target.glowshow);
    if (!g || (g->Kind != model::KindNormal && g->Kind != model::KindRhythm) || target.columns < 1 ||
        target.firstColumn < 0 || target.elements.empty())
        return std::nullopt;
    for (const std::uint8_t e : target.elements)
        if (e < 1 || e > 6)
            return std::nullopt;
    const int count = model::columnCount(*g);
    int at = target.firstColumn, kept = 0, added = target.columns;
    if (target.insert) {
        if (at > count)
            return std::nullopt;
    } else if (at >= count) {
        added += at - count;
        at = count;
    } else {
        kept = std::min(target.columns, count - at);
        added = target.columns - kept;
    }
    if (!model::canInsertColumns(*g, added))
        return std::nullopt;

    std::vector<model::Column> columns;
    columns.reserve(std::size_t(kept + added));
    for (int k = 0; k < kept; ++k)
        columns.push_back(model::columnOf(*g, at + k));
    for (int k = 0; k < added; ++k) {
        const int from = target.insert ? at - 1 : at + kept + k - 1;
        model::Column column = !columns.empty() && !target.insert ? columns.back()
                               : from >= 0 && from < count        ? model::columnOf(*g, from)
                                                                  : model::Column{};
        if (g->Kind == model::KindRhythm)
            column.steps.resize(g->Channels.size());
        column.frame.Duration = target.newDuration;
        columns.push_back(std::move(column));
    }

    const std::size_t skipped = columns.size() - std::size_t(target.columns); // copies added to reach the range
    const EffectCells cells = computeEffect(parameters, effectRange(*g, std::span(columns).subspan(skipped), target));
    for (int f = 0; f < cells.frames; ++f)
        for (std::size_t i = 0; i < target.elements.size(); ++i)
            model::putCell(*g, columns[skipped + std::size_t(f)], target.elements[i], {true, cells.at(f, int(i)), 0},
                           false);

    if (added == 0) {
        bool same = true;
        for (int k = 0; k < kept && same; ++k)
            same = columns[std::size_t(k)] == model::columnOf(*g, at + k);
        if (same)
            return std::nullopt;
    }
    const int shownColumn = target.insert ? at : target.firstColumn;
    return model::SpliceColumns{
        target.glowshow, at, kept, std::move(columns), {target.glowshow, shownColumn, target.elements.front()}};
}

} // namespace effects
