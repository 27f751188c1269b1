#pragma once

#include "Document.h"
#include "Edits.h"

#include <cstdint>
#include <vector>

// Glowshows taken from another file or made from an animation, appended to a document.
namespace model {

// A glowshow whose Id was in use: its place in the list being appended, the Id it had and
// the one it is given.
struct IdChange {
    std::size_t glowshow;
    std::uint8_t from;
    std::uint8_t to;
    bool operator==(const IdChange &) const = default;
};

// Gives each glowshow of `incoming` whose Id is already used, by `doc` or by an earlier one of
// `incoming`, the next Id above it that is free (after 255 the search goes on from 1). Id 0
// is never handed out. Returns the changes in list order.
std::vector<IdChange> assignFreeIds(const TDocument &doc, std::vector<TGlowshow> &incoming);

// Whether `count` more glowshows fit beside the document's (at most MaxCount in all).
bool glowshowsFit(const TDocument &doc, std::size_t count);

// Glowshows appended at the end as one step: revert takes exactly them away again. Does
// nothing when they do not fit or the document no longer ends at `index`.
struct AppendGlowshows {
    int index;                        // the document's glowshow count before
    std::vector<TGlowshow> glowshows; // held here while they are not in the document
    std::size_t count = 0;            // how many apply appended
    bool holds = true;
    void apply(TDocument &doc);
    void revert(TDocument &doc);
    EditPlace place() const { return {index, -1, 0}; }
    // The list shows from the first appended glowshow on anew.
    EditChange change() const { return {holds ? EditChange::Removed : EditChange::Inserted, index}; }
};

} // namespace model
