#pragma once

#include "EditHistory.h"
#include "model/Document.h"
#include "model/Edits.h"

#include <QObject>

namespace editor {

// The document the editor works on: the model document, its history and the editing position.
// Every change goes through push(); after each apply or revert it says what changed, and the
// views that show it listen and refresh themselves. Signals carry indexes, never pointers:
// a view reads the document again.
// Controls whose runs of changes merge into one step.
enum MergeId {
    MergeRed = 1,
    MergeGreen,
    MergeBlue,
    MergeParameter,
    MergeDuration,
    MergeRepeatDuration,
    MergeUpperFrequency,
    MergeLowerFrequency,
    MergeFirstNote,
    MergeSecondNote
};

class EditorDocument : public QObject {
    Q_OBJECT
public:
    explicit EditorDocument(QObject *parent = nullptr);

    const model::TDocument &content() const { return mContent; }
    // The editing position (current glowshow, frame, element) lives in the model document;
    // commands and views move it, but only records change the content.
    model::TDocument &position() { return mContent; }
    EditHistory &history() { return mHistory; }

    template <model::EditRecord E> void push(E edit, const QString &text, int mergeId = -1)
    {
        mHistory.push(std::move(edit), text, mergeId);
    }

    // Takes `content` as the whole document (Open, New, a recovered copy), with a new history.
    void replace(model::TDocument content);
    // True from the first replace() until the window closes.
    bool isLoaded() const { return mLoaded; }
    // The window is closing: nothing may be shown or edited any more.
    void unload() { mLoaded = false; }

signals:
    // Colours, parameters or durations of these columns of a glowshow.
    void cellsChanged(int glowshow, int firstColumn, int lastColumn);
    // The columns of a glowshow as a whole: their count may have changed.
    void columnsChanged(int glowshow);
    // A glowshow's own values: identifier, kind, repeat, channel frequencies.
    void glowshowChanged(int glowshow);
    void glowshowInserted(int index);
    void glowshowRemoved(int index);
    // The glowshows at `first` and `first` + 1 changed places.
    void glowshowsSwapped(int first);
    // The trailer switch or texts.
    void fileValuesChanged();
    // Open, New or recovery: everything is new.
    void documentReplaced();

private:
    void changed(const model::EditChange &change);
    // The current glowshow stays on the glowshow it named across inserts, removals and moves.
    void followGlowshows(const model::EditChange &change);

    model::TDocument mContent;
    EditHistory mHistory;
    bool mLoaded = false;
};

} // namespace editor
