// The Edit menu's undo and redo, and showing where an undone or redone change happened.
#include "Unit1.h"

#include "EditPage.h"

#include "ControlText.h"
#include "ErrorBox.h"
#include "GlowshowPage.h"
#include "GridWidgets.h"

#include <QAction>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>

namespace editor {

namespace {

const QString ProgramCaption = QStringLiteral("Orrin's Glowshow Editor 2.1.1");

} // namespace

void TMForm::createEditMenu()
{
    AUndoAction = makeAction("AUndo", false, [this] { AUndo(); });
    ARedoAction = makeAction("ARedo", false, [this] { ARedo(); });
    AUndoAction->setShortcut(QKeySequence::Undo);
    ARedoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    EditMenu = menuBar()->addMenu(QString());
    EditMenu->setObjectName(QStringLiteral("EditMenu"));
    EditMenu->addAction(AUndoAction);
    EditMenu->addAction(ARedoAction);
    addCaption("EditMenu", [this](const QString &t) { EditMenu->setTitle(t); });
    addCaption("Undo", [this](const QString &) { updateUndoActions(); });

    QUndoStack &stack = history().stack();
    connect(&stack, &QUndoStack::indexChanged, this, [this] { updateUndoActions(); });
    connect(&stack, &QUndoStack::cleanChanged, this, [this] { updateWindowTitle(); });
    connect(&history(), &EditHistory::restored, this,
            [this](const model::EditPlace &place) { runGuarded(this, [this, place] { showRestoredPlace(place); }); });
}

void TMForm::updateUndoActions()
{
    const QUndoStack &stack = history().stack();
    auto name = [this](QAction *action, bool available, const QString &step, const char *plain, const char *named) {
        action->setEnabled(available && mEditingAllowed);
        action->setText(step.isEmpty() ? captionText(uiText(plain).toStdString())
                                       : captionText(uiText(named).arg(step).toStdString()));
    };
    name(AUndoAction, stack.canUndo(), stack.undoText(), "Undo", "UndoStep");
    name(ARedoAction, stack.canRedo(), stack.redoText(), "Redo", "RedoStep");
}

void TMForm::AUndo()
{
    if (mEditingAllowed)
        history().stack().undo();
}

void TMForm::ARedo()
{
    if (mEditingAllowed)
        history().stack().redo();
}

void TMForm::showRestoredPlace(const model::EditPlace &place)
{
    // The views have followed the change already; this only brings its place into sight.
    const int count = int(Document.Glowshows.size());
    const int row =
        std::clamp(place.glowshow >= 0 ? place.glowshow : int(Document.CurrentGlowshow), 0, std::max(count - 1, 0));
    Document.CurrentGlowshow = std::uint8_t(row);
    mEdit->glowshows->selectLine(row);
    showChosenGlowshow(false);
    const model::TGlowshow *g = Document.glowshow(row);
    if (g && place.element >= 1 && place.element <= ElementRows) {
        if (place.column >= 0 && place.column < model::columnCount(*g))
            mEdit->EditGrid->setCurrentIndex(mEdit->EditGrid->model()->index(place.element - 1, place.column));
        else
            mEdit->selectElement(place.element - 1, true);
    }
}

void TMForm::updateWindowTitle()
{
    if (!mDocument.isLoaded()) {
        setWindowTitle(ProgramCaption);
        return;
    }
    const QString name = Document.GlowFile.FileName.empty()
                             ? uiText("Untitled")
                             : QFileInfo(QString::fromStdString(Document.GlowFile.FileName)).fileName();
    setWindowTitle(name + QStringLiteral("[*] \u2014 ") + ProgramCaption);
    setWindowModified(history().isModified());
}

} // namespace editor
