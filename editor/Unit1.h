#pragma once

#include "EditorDocument.h"
#include "model/Document.h"
#include "profiles/Profile.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

class QAction;
class QMenu;
class QTabWidget;

namespace preview {
class QtDrawingSurface;
}

namespace settings {
class SettingsStore;
struct LanguageTexts;
} // namespace settings

namespace editor {

class CrashRecovery;
class EditPage;
class FileDialogs;
class PreviewPage;
class RecentFiles;
class SetupPage;
class TAForm;
class TSForm;
class TimelineCommands;
class TransferCommands;
class UndoCommands;

// What the main window needs from its surroundings; tests supply their own.
struct EditorEnvironment {
    QString programDir;             // the executable's folder, with a trailing separator
    QStringList arguments;          // command-line parameters after the program name
    FileDialogs *dialogs = nullptr; // nullptr: the standard dialogs
    QString settingsFile;           // empty: the user's own settings store
    QString recoveryFolder;         // empty: "recovery" in the user's application data folder
};

// The main window: the shell that builds the action list, the menus and the pages and connects
// them to the document. The pages own their widgets and handlers; groups of commands that span
// pages (setup, undo, transfer, recent files, recovery) are objects of their own. Each command is
// an action of the action list, run through execute() only while it is enabled.
class TMForm : public QMainWindow {
    Q_OBJECT
    // First: Document refers into it.
    EditorDocument mDocument;

public:
    explicit TMForm(EditorEnvironment environment, QWidget *parent = nullptr);
    ~TMForm() override;

    // The other two windows; set by the start-up before the About box is created.
    TSForm *SForm = nullptr;
    TAForm *AForm = nullptr;

    // Adds a command to the action list; its handler runs, guarded, when it is triggered enabled.
    QAction *addCommand(const char *name, bool enabled, std::function<void()> handler);
    // A command of the action list by its object name; a name that is not there is a fault.
    QAction *command(std::string_view name) const;
    QMenu *menu(std::string_view name) const;
    // Runs a command's handler if the command is enabled; errors propagate to the caller.
    void execute(QAction *action);
    void execute(std::string_view name) { execute(command(name)); }

    EditorDocument &document() { return mDocument; }
    EditHistory &history() { return mDocument.history(); }
    // The document's content and editing position; the content changes only through push.
    model::TDocument &Document;
    profiles::TProfile CurrentProfile;
    QString ProgramDir;
    FileDialogs &fileDialogs() const { return *mEnvironment.dialogs; }

    // False while the preview plays: nothing may change the document meanwhile.
    bool editingAllowed() const { return mEditingAllowed; }
    // Asks whether to save a modified document; false when the user cancelled (or the save
    // failed) and the command that asked must not go on.
    bool askToSaveChanges();
    // Opens a named file as Open does after its dialog: the drop, the recent files and Open.
    void openDocumentFile(const QString &fileName);
    // Takes a recovered copy as a modified document that saves to its original name.
    void openRecoveredCopy(const QString &copyPath, const QString &originalName);
    // The files of File > Open Recent, the latest first.
    QStringList recentFiles() const;
    // Brings a glowshow and cell into sight, keeping to what exists now.
    void showPlace(const model::EditPlace &place);

    // An element is hidden while the profile marks it absent and CheckBox2 is checked.
    bool isElementHidden(int element) const;
    // The surfaces of the preview page and of the device view beside the grid.
    preview::QtDrawingSurface &previewSurface();
    preview::QtDrawingSurface &liveSurface();
    // Redraws one cell of EditGrid at once.
    void redrawCell(int column, int row);

    settings::SettingsStore &settingsStore();
    // A text of the editor's additions (section "Editor") in the chosen language.
    QString uiText(std::string_view key) const;
    // Feeds `apply` the caption of `key` now and again whenever a language is chosen.
    void addCaption(std::string_view key, std::function<void(const QString &)> apply);
    // Shows a language's texts in all three windows.
    void applyLanguageTexts(const settings::LanguageTexts &texts);
    // Refreshes the glowshow names of the three lists in the chosen language, in place.
    void relabelLists();

    // --- Pages ---
    QTabWidget *PageControl1;
    SetupPage *mSetup;
    EditPage *mEdit;
    PreviewPage *mPreview;
    TimelineCommands *Timeline = nullptr; // frame, clipboard, fill and fade commands of the grid

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The commands of the action list that the window itself runs.
    void AMFormCreate();
    void ASaveActiv();
    void AOpenFile();
    void ANewFile();
    void ASave();
    void ASaveAs();
    void AShowAbout();
    void ARegisterPAT();
    void AAddNewGlow();
    void AUpdateList();

    // Shows the glowshow selected in the list; `chosenByUser` also selects it in the preview.
    void showChosenGlowshow(bool chosenByUser);

    void createActions();
    void createMenu();
    void createPages();
    // Connects what spans pages to the document's signals.
    void connectDocument();
    void FormClose();

    // "<file name>[*] — <program>" with a document open, the program's caption without.
    void updateWindowTitle();
    // The preview plays: nothing may change the document meanwhile.
    void setEditingAllowed(bool allowed);
    // Keeps the window at least as large as its designed size and the captions it shows now.
    void fitToCaptions();

    // Rebuilds the lists and shows the current glowshow after glowshows came or went.
    void showGlowshowList();
    void showReplacedDocument();
    // Enables the commands that add glowshows while the document has room for another, and
    // the transfer commands as the document and the selected glowshow allow.
    void updateAddCommands();
    // Takes a new document (Open, New, recovery) and makes the editor usable.
    void replaceDocument(model::TDocument content);
    // Reads a file and takes it as the document with its name; refuses a file that is not ours.
    void readDocument(const QString &fileName);

    EditorEnvironment mEnvironment;
    std::unique_ptr<FileDialogs> mOwnDialogs;
    std::unordered_map<QAction *, std::function<void()>> mHandlers;
    std::unique_ptr<settings::SettingsStore> mSettings;
    std::unique_ptr<settings::LanguageTexts> mTexts;
    std::vector<std::pair<std::string, std::function<void(const QString &)>>> mCaptions;
    UndoCommands *mUndo = nullptr;
    TransferCommands *mTransfer = nullptr;
    RecentFiles *mRecent = nullptr;
    CrashRecovery *mRecovery = nullptr;
    bool mEditingAllowed = true; // false while the preview plays
    bool mClosing = false;
};

} // namespace editor
