#pragma once

#include "model/ColumnEdits.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

class QAction;
class QMenu;
class QPoint;

namespace editor {

class TMForm;

// The timeline commands of the grid: inserting, duplicating, deleting and moving frames (or
// rhythm steps), the clipboard, fill, fade and durations. Each builds one column edit from the
// selected range and hands it to the window as one step.
class TimelineCommands : public QObject {
    Q_OBJECT
public:
    explicit TimelineCommands(TMForm &form);

    QAction *AInsertFrameBefore, *AInsertFrameAfter, *ADuplicateFrames, *ADeleteFrames, *AMoveFramesLeft,
        *AMoveFramesRight, *ACut, *ACopy, *APaste, *AFillRange, *AFadeRange, *ASetDurations;
    // In menu order, nullptr where a separator goes.
    std::vector<QAction *> menuActions() const;
    void addTo(QMenu *menu) const;

    // The selected cells, within the shown glowshow; nullopt while no cell is current.
    std::optional<model::FrameRange> selection() const;
    // Enables each command where it is allowed now.
    void updateActions();

private:
    QAction *makeAction(const char *textKey, void (TimelineCommands::*handler)());
    bool editing() const;
    void insertBefore();
    void insertAfter();
    void duplicate();
    void remove();
    void moveLeft();
    void moveRight();
    void cut();
    void copy();
    void paste();
    void fill();
    void fade();
    void setDurations();
    void apply(std::optional<model::SpliceColumns> edit, QAction *command, const model::FrameRange &shown);
    // Shows the glowshow's columns again and selects `shown`.
    void showColumns(const model::FrameRange &shown);

    TMForm &mForm;
};

} // namespace editor
