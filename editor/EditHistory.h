#pragma once

#include "model/Edits.h"

#include <QObject>
#include <QUndoCommand>
#include <QUndoStack>

#include <utility>

namespace editor {

// Owns the undo stack of one document and reports every change it makes. Every change of the
// document's content goes through push(); nothing else assigns into the document.
class EditHistory : public QObject {
    Q_OBJECT
public:
    explicit EditHistory(model::TDocument &document, QObject *parent = nullptr);

    QUndoStack &stack() { return mStack; }
    model::TDocument &document() { return mDocument; }

    // Applies `edit` as one step named `text`. Steps with the same `mergeId` (not -1) on the
    // same target merge with the step before them: a drag or typing is one step.
    template <model::EditRecord E> void push(E edit, const QString &text, int mergeId = -1);

    // Pushes between these two are one step named `text` (a right-drag over many cells).
    void beginStep(const QString &text) { mStack.beginMacro(text); }
    void endStep();

    // Starts again from the document as it is now, unmodified.
    void reset();
    // The document is modified without any step to undo (a recovered copy).
    void markModified() { mStack.resetClean(); }
    bool isModified() const { return !mStack.isClean(); }

signals:
    // After each apply or revert of a record.
    void edited(const model::EditChange &change);
    // After an undo or a redo has run as a whole: the place of the last record it touched.
    void restored(const model::EditPlace &place);

private:
    template <model::EditRecord E> friend class EditCommand;
    void recordChanged(const model::EditPlace &place, const model::EditChange &change);

    model::TDocument &mDocument;
    QUndoStack mStack;
    model::EditPlace mLastPlace;
    bool mQuiet = false; // the index changes by a push or a reset, not by undo or redo
    // While the views show where an undo or redo happened: a push then would drop the redo
    // steps, so showing can never edit.
    bool mShowingRestored = false;
};

// One step of the undo stack: a record and its name.
template <model::EditRecord E> class EditCommand : public QUndoCommand {
public:
    EditCommand(EditHistory &history, E edit, const QString &text, int mergeId)
        : QUndoCommand(text), mHistory(history), mEdit(std::move(edit)), mMergeId(mergeId)
    {
    }
    void redo() override
    {
        mEdit.apply(mHistory.document());
        mHistory.recordChanged(mEdit.place(), mEdit.change());
    }
    void undo() override
    {
        mEdit.revert(mHistory.document());
        mHistory.recordChanged(mEdit.place(), mEdit.change());
    }
    int id() const override { return mMergeId; }
    bool mergeWith(const QUndoCommand *other) override
    {
        if constexpr (model::MergeableEdit<E>) {
            const auto *next = dynamic_cast<const EditCommand *>(other);
            if (!next || !mEdit.absorbs(next->mEdit))
                return false;
            // A slider moved away and back leaves no step behind.
            if constexpr (model::ReturnableEdit<E>)
                setObsolete(!mEdit.changes(mHistory.document()));
            return true;
        } else {
            return false;
        }
    }

private:
    EditHistory &mHistory;
    E mEdit;
    int mMergeId;
};

template <model::EditRecord E> void EditHistory::push(E edit, const QString &text, int mergeId)
{
    if (mShowingRestored)
        return;
    const bool quiet = std::exchange(mQuiet, true);
    mStack.push(new EditCommand<E>(*this, std::move(edit), text, mergeId));
    mQuiet = quiet;
}

} // namespace editor
