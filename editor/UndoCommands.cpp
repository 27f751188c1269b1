#include "UndoCommands.h"

#include "ControlText.h"
#include "ErrorBox.h"
#include "PageWidgets.h"
#include "Unit1.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace editor {

UndoCommands::UndoCommands(TMForm &form) : QObject(&form), mForm(form)
{
    EditHistory &history = form.history();
    // Undo and redo wait while the preview plays, as every other change does.
    mUndo = form.addCommand("AUndo", false, [&form] {
        if (form.editingAllowed())
            form.history().stack().undo();
    });
    mRedo = form.addCommand("ARedo", false, [&form] {
        if (form.editingAllowed())
            form.history().stack().redo();
    });
    mUndo->setShortcut(QKeySequence::Undo);
    mRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    form.addCaption("Undo", [this](const QString &) { updateActions(); });

    connect(&history.stack(), &QUndoStack::indexChanged, this, &UndoCommands::updateActions);
    connect(&history, &EditHistory::restored, this, [&form](const model::EditPlace &place) {
        runGuarded(&form, [&form, place] { form.showPlace(place); });
    });
}

void UndoCommands::addMenu()
{
    QMenu *menu = named(mForm.menuBar()->addMenu(QString()), "EditMenu");
    menu->addAction(mUndo);
    menu->addAction(mRedo);
    mForm.addCaption("EditMenu", [menu](const QString &t) { menu->setTitle(t); });
}

void UndoCommands::updateActions()
{
    const QUndoStack &stack = mForm.history().stack();
    auto name = [this](QAction *action, bool available, const QString &step, const char *plain, const char *named) {
        action->setEnabled(available && mForm.editingAllowed());
        action->setText(step.isEmpty() ? captionText(mForm.uiText(plain).toStdString())
                                       : captionText(mForm.uiText(named).arg(step).toStdString()));
    };
    name(mUndo, stack.canUndo(), stack.undoText(), "Undo", "UndoStep");
    name(mRedo, stack.canRedo(), stack.redoText(), "Redo", "RedoStep");
}

} // namespace editor
