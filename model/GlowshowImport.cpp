#include "GlowshowImport.h"

#include <array>
#include <iterator>

namespace model {

std::vector<IdChange> assignFreeIds(const TDocument &doc, std::vector<TGlowshow> &incoming)
{
    std::array<bool, 256> used{};
    for (const TGlowshow &g : doc.Glowshows)
        used[g.Id] = true;
    std::vector<IdChange> changes;
    for (std::size_t i = 0; i < incoming.size(); ++i) {
        TGlowshow &g = incoming[i];
        if (used[g.Id]) {
            // With at most 255 glowshows one of the 255 Ids from 1 up is always free; a full
            // circle without one leaves the Id as it is.
            int id = g.Id;
            for (int tried = 0; tried < 255 && used[std::size_t(id)]; ++tried)
                id = id >= 255 ? 1 : id + 1;
            if (!used[std::size_t(id)]) {
                changes.push_back({i, g.Id, std::uint8_t(id)});
                g.Id = std::uint8_t(id);
            }
        }
        used[g.Id] = true;
    }
    return changes;
}

bool glowshowsFit(const TDocument &doc, std::size_t count)
{
    return doc.Glowshows.size() + count <= std::size_t(MaxCount);
}

void AppendGlowshows::apply(TDocument &doc)
{
    if (!holds || index < 0 || doc.Glowshows.size() != std::size_t(index) || !glowshowsFit(doc, glowshows.size()))
        return;
    count = glowshows.size();
    doc.Glowshows.insert(doc.Glowshows.end(), std::make_move_iterator(glowshows.begin()),
                         std::make_move_iterator(glowshows.end()));
    glowshows.clear();
    holds = false;
    doc.GlowFile.GlowshowCount = std::uint8_t(doc.Glowshows.size());
}

void AppendGlowshows::revert(TDocument &doc)
{
    if (holds || index < 0 || doc.Glowshows.size() != std::size_t(index) + count)
        return;
    const auto first = doc.Glowshows.begin() + index;
    glowshows.assign(std::make_move_iterator(first), std::make_move_iterator(doc.Glowshows.end()));
    doc.Glowshows.erase(first, doc.Glowshows.end());
    holds = true;
    doc.GlowFile.GlowshowCount = std::uint8_t(doc.Glowshows.size());
}

} // namespace model
