#pragma once

#include <QObject>

class QAction;

namespace editor {

class TMForm;

// Edit > Undo and Edit > Redo, named after the step they take back or do again; after either,
// the place of that step comes into sight.
class UndoCommands : public QObject {
    Q_OBJECT
public:
    explicit UndoCommands(TMForm &form);

    // The Edit menu with undo and redo; the timeline commands add themselves after them.
    void addMenu();
    // Enables undo and redo while there is a step and the document may change, and names it.
    void updateActions();

private:
    TMForm &mForm;
    QAction *mUndo;
    QAction *mRedo;
};

} // namespace editor
