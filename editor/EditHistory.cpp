#include "EditHistory.h"

#include <utility>

namespace editor {

EditHistory::EditHistory(model::TDocument &document, QObject *parent) : QObject(parent), mDocument(document)
{
    mStack.setObjectName(QStringLiteral("UndoStack"));
    connect(&mStack, &QUndoStack::indexChanged, this, [this] {
        if (mQuiet)
            return;
        const bool showing = std::exchange(mShowingRestored, true);
        emit restored(mLastPlace);
        mShowingRestored = showing;
    });
}

void EditHistory::reset()
{
    const bool quiet = std::exchange(mQuiet, true);
    mStack.clear();
    mStack.setClean();
    mQuiet = quiet;
}

void EditHistory::endStep()
{
    const bool quiet = std::exchange(mQuiet, true);
    mStack.endMacro();
    mQuiet = quiet;
}

void EditHistory::recordChanged(const model::EditPlace &place, const model::EditChange &change)
{
    mLastPlace = place;
    emit edited(change);
}

} // namespace editor
