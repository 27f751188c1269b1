#include "EditorDocument.h"

#include <utility>

namespace editor {

EditorDocument::EditorDocument(QObject *parent) : QObject(parent), mHistory(mContent)
{
    connect(&mHistory, &EditHistory::edited, this, &EditorDocument::changed);
}

void EditorDocument::replace(model::TDocument content)
{
    mContent = std::move(content);
    mLoaded = true;
    mHistory.reset();
    emit documentReplaced();
}

void EditorDocument::followGlowshows(const model::EditChange &change)
{
    const int count = int(mContent.Glowshows.size());
    int current = mContent.CurrentGlowshow;
    switch (change.kind) {
    case model::EditChange::Inserted:
        // An empty document's position names no glowshow yet and stays at 0.
        if (current >= change.glowshow && current < count - 1)
            ++current;
        break;
    case model::EditChange::Removed:
        if (current > change.glowshow)
            --current;
        current = std::clamp(current, 0, std::max(count - 1, 0));
        break;
    case model::EditChange::Swapped:
        if (current == change.glowshow)
            ++current;
        else if (current == change.glowshow + 1)
            --current;
        break;
    default:
        return;
    }
    mContent.CurrentGlowshow = std::uint8_t(current);
}

void EditorDocument::changed(const model::EditChange &change)
{
    followGlowshows(change);
    switch (change.kind) {
    case model::EditChange::Cells:
        emit cellsChanged(change.glowshow, change.first, change.last);
        break;
    case model::EditChange::Columns:
        emit columnsChanged(change.glowshow);
        break;
    case model::EditChange::Glowshow:
        emit glowshowChanged(change.glowshow);
        break;
    case model::EditChange::Inserted:
        emit glowshowInserted(change.glowshow);
        break;
    case model::EditChange::Removed:
        emit glowshowRemoved(change.glowshow);
        break;
    case model::EditChange::Swapped:
        emit glowshowsSwapped(change.glowshow);
        break;
    case model::EditChange::FileValues:
        emit fileValuesChanged();
        break;
    }
}

} // namespace editor
