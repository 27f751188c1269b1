#pragma once

#include "Effects.h"
#include "model/ColumnEdits.h"

#include <optional>
#include <span>
#include <vector>

// An effect applied to a glowshow as one column splice, the record undo keeps.
namespace effects {

// Where an effect goes in a glowshow.
struct EffectTarget {
    int glowshow = 0;
    int firstColumn = 0; // frame (normal) or step (rhythm), from 0
    int columns = 1;     // frames the effect covers; those past the last frame are added
    // The columns are new ones put in at firstColumn rather than the ones there.
    bool insert = false;
    // Length of each added frame. Added columns start as copies of the column before them.
    std::uint16_t newDuration = 100;
    std::vector<std::uint8_t> elements; // 1..6, in the effect's order
    model::OnOffElements onOff{};
};

// The range as the effect sees it: the durations of the columns the splice leaves there (every
// rhythm step counts as the same length).
EffectRange effectRange(const model::TGlowshow &glowshow, std::span<const model::Column> columns,
                        const EffectTarget &target);

// The splice that applies the effect; nullopt where the target does not fit the glowshow (no
// such glowshow or column, no elements, an element outside 1..6, more than 255 columns after),
// or where nothing would change. Rhythm steps keep their parameters; rhythm elements without
// a channel are left alone. Columns added before firstColumn to reach it are copies too.
std::optional<model::SpliceColumns> effectEdit(const model::TDocument &doc, const EffectTarget &target,
                                               const EffectParameters &parameters);

} // namespace effects
