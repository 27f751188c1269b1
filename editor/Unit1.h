#pragma once

#include "EditHistory.h"
#include "EditorDocument.h"
#include "model/Document.h"
#include "profiles/Profile.h"

#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

class QAction;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMimeData;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QTimer;

namespace preview {
class DXDraw;
class Playback;
class QtDrawingSurface;
} // namespace preview

namespace model {
struct Finding;
}

namespace settings {
class SettingsStore;
struct LanguageTexts;
} // namespace settings

namespace editor {

class CheckFileDialog;
class EditGridView;
class FrameGridView;
class SlotGridView;
class PreviewPage;
struct ExportSetup;
class FileDialogs;
class RecoveryStore;
class TimelineCommands;
class TAForm;
class TSForm;

// What the main window needs from its surroundings; tests supply their own.
struct EditorEnvironment {
    QString programDir;             // the executable's folder, with a trailing separator
    QStringList arguments;          // command-line parameters after the program name
    FileDialogs *dialogs = nullptr; // nullptr: the standard dialogs
    QString settingsFile;           // empty: the user's own settings store
    QString recoveryFolder;         // empty: "recovery" in the user's application data folder
};

// The main window. Its commands are the actions of the action list; each is executed through
// execute(), which runs the handler only while the action is enabled.
class TMForm : public QMainWindow {
    Q_OBJECT
    friend class TimelineCommands;

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

    // --- Document and shared state ---
    EditorDocument &document() { return mDocument; }
    // The document's content and editing position; the content changes only through pushEdit.
    model::TDocument &Document;
    profiles::TProfile CurrentProfile;
    QString ProgramDir;
    bool DocumentLoaded = false;
    bool UpdatingControls = false;

    // --- Undo ---
    EditHistory &history() { return *mHistory; }
    // Applies a change of the document as one undoable step, unless the window is only
    // showing an undone or redone change (showing is not editing).
    template <model::EditRecord E> void pushEdit(E edit, const QString &text, int mergeId = -1)
    {
        if (!mRestoring)
            mHistory->push(std::move(edit), text, mergeId);
    }
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
    // The name of a step done by a command: its caption without the shortcut mark.
    static QString stepName(const QAction *action);
    // Asks whether to save a modified document; false when the user cancelled (or the save
    // failed) and the command that asked must not go on.
    bool askToSaveChanges();

    // --- Commands (handlers of the actions) ---
    void AMFormCreate();
    void ASaveActiv();
    void AOpenFile();
    // Opens a named file as Open does after its dialog: the drop, the recent files and Open
    // itself all come here.
    void openDocumentFile(const QString &fileName);
    void ANewFile();
    void ASave();
    void ASaveAs();
    void AExit();
    void AShowAbout();
    void ARegisterPAT();
    void AAddNewGlow();
    void AUpdateList();
    void AUpdateGlowshow();
    void AGlowMoveUp();
    void AGlowMoveDown();
    void AGlowCopy();
    void ADelGlow();
    void AUpdateSlots();
    void AMakeSelect();
    void AMakeEmpty();
    void APreColor();
    void AMakePrevCol();
    void AMakeOn_Off();
    void AAddNewFrame();
    void ADelFrame();
    void AAddAllFrames();
    void ADelAllFrames();
    void AClearAllFrames();
    void ACopyAllFrames();
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

    // --- Change handlers ---
    void ListBox1Click();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void ComboBox4Change();
    void RadioButton1Click();
    void RadioButton2Click();
    void SpinEdit5Change();
    void CheckBox1Click();
    void SpinEdit1Change();
    void SpinEdit2Change();
    void SpinEdit3Change();
    void SpinEdit4Change();
    void CheckBox3Click();
    void Edit1Change();
    void Memo1Change();
    void TrackBar1Change();
    void TrackBar2Change();
    void TrackBar3Change();
    void EditGridSelectCell(int column, int row);
    void SlotGridSelectCell(int column, int row);

    // True when DocumentLoaded and the cell lies in the grid's rows.
    bool IsEditableCell(int column, int row) const;
    // An element is hidden while the profile marks it absent and CheckBox2 is checked.
    bool isElementHidden(int element) const;
    // The preview's surface, for tests that look at its pixels.
    preview::QtDrawingSurface &previewSurface();
    // The surface of the device view beside the grid.
    preview::QtDrawingSurface &liveSurface();
    // Shows the frame of the grid's current column on the device view, or hides the view
    // when no normal glowshow is shown. Never changes the document.
    void updateLiveView();
    // The files of File > Open Recent, the latest first.
    QStringList recentFiles() const { return mRecentFiles; }
    // Opens a file of the recent list; a file that no longer exists leaves the list, with a message.
    void openRecentFile(const QString &fileName);
    // The single .pat file a drop carries, or an empty name when the drop is not one.
    static QString droppedGlowFile(const QMimeData *data);
    // Redraws one cell of EditGrid at once.
    void redrawCell(int column, int row);
    // The current entry: a frame entry (normal) or a step (rhythm), or nullptr when the
    // current cell holds none.
    model::TFrameEntry *currentFrameEntry();
    model::TClubStep *currentStep();

    settings::SettingsStore &settingsStore();
    // A text of the editor's additions (section "Editor") in the chosen language.
    QString uiText(std::string_view key) const;
    // Feeds `apply` the caption of `key` now and again whenever a language is chosen.
    void addCaption(std::string_view key, std::function<void(const QString &)> apply);

    // --- Menu ---
    QMenu *File2;
    QAction *New1, *Open1, *Save1, *SaveAs1, *N1, *Exit1;
    QMenu *EditMenu;
    QAction *AUndoAction, *ARedoAction;
    QAction *N2, *ExportAnimation1, *ExportStoryboard1, *CheckFile1;
    QAction *ImportGlowshows1, *ImportAnimation1;
    QMenu *RecentFiles1;
    QMenu *Help1;
    QAction *About1;

    // --- Action list ---
    QAction *AOpenFileAction, *ANewFileAction, *ASaveAction, *ASaveAsAction, *AExitAction,
        *ASearchProfilesAction, *ASearchLangsAction, *AUpdateListAction, *ASaveActivAction,
        *AUpdateSlotsAction, *APreColorAction, *AMakeSelectAction, *AMakePrevColAction,
        *AMakeEmptyAction, *AUpdateGlowshowAction, *AMFormCreateAction, *AAddNewGlowAction,
        *ADelAllFramesAction, *ADelGlowAction, *AGlowMoveDownAction, *AGlowMoveUpAction,
        *AAddNewFrameAction, *ADelFrameAction, *AAddAllFramesAction, *AGlowCopyAction,
        *AReadLanguageAction, *AMakeOn_OffAction, *AReadOptionsAction, *ASaveOptionsAction,
        *AClearAllFramesAction, *ACopyAllFramesAction, *AShowAboutAction, *ARegisterPATAction,
        *ALoadProfilePicsAction, *ARecentFilesAction;
    QAction *AExportAnimationAction, *AExportStoryboardAction;
    QAction *ACheckFileAction = nullptr;
    QAction *AImportGlowshowsAction, *AImportAnimationAction;

    // --- Pages ---
    QTabWidget *PageControl1;
    QWidget *Tab1, *Tab2, *Tab3;

    // Setup page
    QGroupBox *GroupBox1, *GroupBox2, *GroupBox10;
    QLabel *Label1, *Label2, *Label16, *Label19;
    QComboBox *ComboBox1, *ComboBox2;
    QCheckBox *CheckBox2, *CheckBox3;
    QPushButton *Button14;
    QLineEdit *Edit1;
    QPlainTextEdit *Memo1;

    // Edit glowshows page
    QListWidget *ListBox1;
    QPushButton *Button11, *Button12;
    QTabWidget *PageControl2;
    QWidget *TabSheet3, *TabSheet1, *TabSheet2;
    QLabel *Label7, *Label13;
    QComboBox *ComboBox4;
    QGroupBox *GroupBox7, *GroupBox8, *GroupBox5;
    QRadioButton *RadioButton1, *RadioButton2;
    QSpinBox *SpinEdit5, *SpinEdit1;
    QCheckBox *CheckBox1;
    QPushButton *Button5, *Button10, *Button8;
    QLabel *ElName, *Label14, *Label8, *Label12;
    QPushButton *Button9, *Button4, *Button7, *Button13;
    QComboBox *ComboBox3;
    QGroupBox *GroupBox4;
    QSpinBox *SpinEdit3, *SpinEdit4;
    QGroupBox *GroupBox6, *GroupBox9, *GroupBox3;
    QSlider *TrackBar1, *TrackBar2, *TrackBar3;
    QLineEdit *Edit2, *Edit3, *Edit4;
    QLabel *Label9, *Label10, *Label11, *Label3;
    QFrame *Shape1;
    QPushButton *Button2, *Button6, *Button1, *Button3;
    QSpinBox *SpinEdit2;
    QLabel *Label6, *Label5;
    SlotGridView *SlotGrid;
    FrameGridView *FrameGrid;
    EditGridView *EditGrid;
    // Frame, clipboard, fill and fade commands of the grid.
    TimelineCommands *Timeline = nullptr;

    PreviewPage *mPreview = nullptr;
    // The device view beside the grids of the editing page.
    preview::DXDraw *LiveView;

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createActions();
    void createEditMenu();
    // Enables undo and redo while there is a step and the document may change, and names it.
    void updateUndoActions();
    // After an undo or redo: selects the glowshow and cell the change touched and shows the
    // restored values everywhere.
    void showRestoredPlace(const model::EditPlace &place);
    // "<file name>[*] — <program>" with a document open, the program's caption without.
    void updateWindowTitle();
    void startRecovery();
    // Offers the copies that editors which died left behind.
    void offerRecoveredCopies();
    // Pushes a colour for the current cell when it has an entry and the colour differs.
    void pushCurrentCellColour(const model::Colour &colour, const QString &text, int mergeId = -1);
    // Replaces the current frame of a normal glowshow by `change` applied to a copy for the
    // current element, as one step when `change` says it changed it.
    void editCurrentFrame(const QString &text, bool (*change)(model::TFrame &, std::uint8_t));
    // Sets a frequency of the current element's channel as a step when it differs.
    template <auto Field>
    void pushFrequency(std::uint16_t frequency, MergeId mergeId);
    // Replaces the current glowshow by `change` applied to a copy, as one step when it differs.
    void editCurrentGlowshow(const QString &text, const std::function<void(model::TGlowshow &)> &change);
    void createMenu();
    void createSetupPage();
    void createEditPage();
    QWidget *createGlowshowOptionsPage();
    QWidget *createSlotOperationsPage();
    QWidget *createSelectedFramePage();
    void createGrids(QBoxLayout *page);
    void createPreviewPage();
    // The preview plays: nothing may change the document meanwhile.
    void setEditingAllowed(bool allowed);
    void connectHandlers();
    QAction *makeAction(const char *name, bool enabled, void (TMForm::*handler)());
    void FormClose();
    void createExportActions();
    void createImportActions();
    // Import is offered while a document is loaded that has room for a glowshow.
    void updateImportCommands();
    // Appends the glowshows as one step, Ids in use given free ones; nothing when they do not fit.
    void appendImported(std::vector<model::TGlowshow> glowshows, const QString &step);
    // Export is offered while a glowshow is selected; an animation only of a normal one.
    void updateExportCommands();
    ExportSetup exportSetup() const;
    void exportSelected(bool animation);
    void createCheckFileAction();
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
    // Refreshes the glowshow names of the three lists in the chosen language, in place.
    void relabelLists();
    void createLiveView(QBoxLayout *page);

    // Connects the views this window still draws itself to the document's signals.
    void connectDocument();
    // The views of the current glowshow, as the document's signals ask for them.
    void showGlowshowProperties();
    void showColumns();
    void showCells(int firstColumn, int lastColumn);
    // Shows the values of the selected cell again, on the page the user is on.
    void showCurrentCell();
    // Rebuilds the lists and shows the current glowshow after glowshows came or went.
    void showGlowshowList();
    void showReplacedDocument();
    // Takes a new document (Open, New, recovery) and makes the editor usable.
    void replaceDocument(model::TDocument content);
    // Redraws the device view once the event loop comes round.
    void scheduleLiveView();
    // Sets the column count of EditGrid and FrameGrid.
    void setGridColumns(int columns);
    // Leaves EditGrid without a current cell and the colour controls without an entry.
    void forgetCurrentCell();
    // Forgets a selected cell that no longer exists.
    void dropStaleSelection();
    // Shows a text given as bytes in the ANSI code page.
    void showTrailerTexts();
    // Reads a file and takes it as the document with its name; refuses a file that is not ours.
    void readDocument(const QString &fileName);
    void trackBarChanged(QSlider *trackBar, QLineEdit *valueEdit, std::uint8_t model::Colour::*channel,
                         MergeId mergeId);
    // The colour of the current element in the column before, when there is one.
    bool previousColour(std::uint8_t &red, std::uint8_t &green, std::uint8_t &blue) const;
    void updatePrevColourButton();
    // Shows a colour on the three track bars, their value edits and the colour preview.
    void setTrackBarColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
    void applyLanguageTexts(const settings::LanguageTexts &texts);
    // Enables adding and copying while the document has room for another glowshow.
    void updateAddCommands();
    // Shows that no glowshow is selected: nothing can be edited through stale controls.
    void showNoGlowshow();
    // Selects a line from code; the list's user-choice handler does not run.
    static void selectListRow(QListWidget *list, int row);

    EditorEnvironment mEnvironment;
    std::unique_ptr<FileDialogs> mOwnDialogs;
    std::unordered_map<QAction *, std::function<void()>> mHandlers;
    std::unique_ptr<preview::QtDrawingSurface> mLiveSurface;
    bool mLiveViewPending = false;
    QStringList mRecentFiles;
    std::unique_ptr<settings::SettingsStore> mSettings;
    std::unique_ptr<settings::LanguageTexts> mTexts;
    QPointer<CheckFileDialog> mCheckFileDialog;
    EditHistory *mHistory = nullptr;
    std::unique_ptr<RecoveryStore> mRecovery;
    QTimer *mRecoveryTimer = nullptr;
    bool mRestoring = false;
    bool mRecoveryFailed = false;
    bool mEditingAllowed = true; // false while the preview plays
    std::vector<std::pair<std::string, std::function<void(const QString &)>>> mCaptions;
    bool mClosing = false;
    QString mShownMemoText;
};

} // namespace editor
