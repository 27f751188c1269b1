#pragma once

#include "EditorDocument.h"
#include "model/Document.h"
#include "profiles/Profile.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

class QAction;
class QMenu;
class QMimeData;
class QTabWidget;
class QTimer;

namespace preview {
class QtDrawingSurface;
}

namespace model {
struct Finding;
}

namespace settings {
class SettingsStore;
struct LanguageTexts;
} // namespace settings

namespace editor {

class CheckFileDialog;
class EditPage;
class FileDialogs;
class PreviewPage;
class RecoveryStore;
class SetupPage;
class TAForm;
class TSForm;
class TimelineCommands;
struct ExportSetup;

// What the main window needs from its surroundings; tests supply their own.
struct EditorEnvironment {
    QString programDir;             // the executable's folder, with a trailing separator
    QStringList arguments;          // command-line parameters after the program name
    FileDialogs *dialogs = nullptr; // nullptr: the standard dialogs
    QString settingsFile;           // empty: the user's own settings store
    QString recoveryFolder;         // empty: "recovery" in the user's application data folder
};

// The main window: the shell that builds the commands, the menus and the pages and connects
// them to the document. The pages own their widgets and handlers; each command is an action
// of the action list, run through execute() only while it is enabled.
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

    // Runs a command's handler if the command is enabled; errors propagate to the caller.
    void execute(QAction *action);
    EditorDocument &document() { return mDocument; }
    EditHistory &history() { return mDocument.history(); }
    // The document's content and editing position; the content changes only through push.
    model::TDocument &Document;
    profiles::TProfile CurrentProfile;
    QString ProgramDir;

    // False while the preview plays: nothing may change the document meanwhile.
    bool editingAllowed() const { return mEditingAllowed; }
    // Asks whether to save a modified document; false when the user cancelled (or the save
    // failed) and the command that asked must not go on.
    bool askToSaveChanges();
    // Opens a named file as Open does after its dialog: the drop, the recent files and Open.
    void openDocumentFile(const QString &fileName);
    // The files of File > Open Recent, the latest first.
    QStringList recentFiles() const { return mRecentFiles; }
    // Opens a file of the recent list; a file that no longer exists leaves the list, with a message.
    void openRecentFile(const QString &fileName);
    // The single .pat file a drop carries, or an empty name when the drop is not one.
    static QString droppedGlowFile(const QMimeData *data);

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

    // --- Menu and action list ---
    QMenu *File2, *EditMenu, *RecentFiles1, *Help1;
    QAction *AOpenFileAction, *ANewFileAction, *ASaveAction, *ASaveAsAction, *AExitAction,
        *ASearchProfilesAction, *ASearchLangsAction, *AUpdateListAction, *ASaveActivAction,
        *AUpdateSlotsAction, *APreColorAction, *AMakeSelectAction, *AMakePrevColAction,
        *AMakeEmptyAction, *AUpdateGlowshowAction, *AMFormCreateAction, *AAddNewGlowAction,
        *ADelAllFramesAction, *ADelGlowAction, *AGlowMoveDownAction, *AGlowMoveUpAction,
        *AAddNewFrameAction, *ADelFrameAction, *AAddAllFramesAction, *AGlowCopyAction,
        *AReadLanguageAction, *AMakeOn_OffAction, *AReadOptionsAction, *ASaveOptionsAction,
        *AClearAllFramesAction, *ACopyAllFramesAction, *AShowAboutAction, *ARegisterPATAction,
        *ALoadProfilePicsAction, *ARecentFilesAction, *AUndoAction, *ARedoAction,
        *AExportAnimationAction, *AExportStoryboardAction, *ACheckFileAction, *AImportGlowshowsAction,
        *AImportAnimationAction;

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
    void AExit();
    void AShowAbout();
    void ARegisterPAT();
    void AAddNewGlow();
    void AUpdateList();
    void AUpdateGlowshow();
    void AUpdateSlots();
    void ASearchProfiles();
    void ASearchLangs();
    void AReadLanguage();
    void AReadOptions();
    void ASaveOptions();
    void ALoadProfilePics();
    void AUndo();
    void ARedo();
    void AExportAnimation();
    void AExportStoryboard();
    void ACheckFile();
    void AImportGlowshows();
    void AImportAnimation();

    // The user's choices that reach beyond one page.
    void ComboBox1Change();
    void ComboBox2Change();
    // Shows the glowshow selected in the list; `chosenByUser` also selects it in the preview.
    void showChosenGlowshow(bool chosenByUser);

    void createActions();
    QAction *makeAction(const char *name, bool enabled, std::function<void()> handler);
    QAction *command(std::string_view name) const;
    void createMenu();
    void createEditMenu();
    void createPages();
    void createExportActions();
    void createImportActions();
    void createCheckFileAction();
    // Connects the views this window still draws itself to the document's signals.
    void connectDocument();
    void FormClose();

    // Enables undo and redo while there is a step and the document may change, and names it.
    void updateUndoActions();
    // After an undo or redo: brings the glowshow and cell the change touched into sight.
    void showRestoredPlace(const model::EditPlace &place);
    // "<file name>[*] — <program>" with a document open, the program's caption without.
    void updateWindowTitle();
    void startRecovery();
    // Offers the copies that editors which died left behind.
    void offerRecoveredCopies();
    // The preview plays: nothing may change the document meanwhile.
    void setEditingAllowed(bool allowed);
    // Import is offered while a document is loaded that has room for a glowshow.
    void updateImportCommands();
    // Appends the glowshows as one step, Ids in use given free ones; nothing when they do not fit.
    void appendImported(std::vector<model::TGlowshow> glowshows, const QString &step);
    // Export is offered while a glowshow is selected; an animation only of a normal one.
    void updateExportCommands();
    ExportSetup exportSetup() const;
    void exportSelected(bool animation);
    // Brings a finding of File > Check file... into sight: its glowshow and cell.
    void showFinding(const model::Finding &f);
    // Keeps the window at least as large as its designed size and the captions it shows now.
    void fitToCaptions();
    void restoreWindowGeometry();
    void saveWindowGeometry();
    // Adds a file just read to the front of the recent list and stores the list.
    void rememberRecentFile(const QString &fileName);
    void setRecentFiles(const QStringList &files);
    void fillRecentMenu();
    void applyLanguageTexts(const settings::LanguageTexts &texts);
    // Refreshes the glowshow names of the three lists in the chosen language, in place.
    void relabelLists();

    // Rebuilds the lists and shows the current glowshow after glowshows came or went.
    void showGlowshowList();
    void showReplacedDocument();
    // Enables adding and copying while the document has room for another glowshow.
    void updateAddCommands();
    // Takes a new document (Open, New, recovery) and makes the editor usable.
    void replaceDocument(model::TDocument content);
    // Reads a file and takes it as the document with its name; refuses a file that is not ours.
    void readDocument(const QString &fileName);

    EditorEnvironment mEnvironment;
    std::unique_ptr<FileDialogs> mOwnDialogs;
    std::unordered_map<QAction *, std::function<void()>> mHandlers;
    QStringList mRecentFiles;
    std::unique_ptr<settings::SettingsStore> mSettings;
    std::unique_ptr<settings::LanguageTexts> mTexts;
    QPointer<CheckFileDialog> mCheckFileDialog;
    std::unique_ptr<RecoveryStore> mRecovery;
    QTimer *mRecoveryTimer = nullptr;
    bool mRecoveryFailed = false;
    bool mEditingAllowed = true; // false while the preview plays
    std::vector<std::pair<std::string, std::function<void(const QString &)>>> mCaptions;
    bool mClosing = false;
};

} // namespace editor
