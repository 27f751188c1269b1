#include "Unit1.h"

#include "Accessibility.h"
#include "ActionLink.h"
#include "ControlText.h"
#include "EditPage.h"
#include "ErrorBox.h"
#include "FileDialogs.h"
#include "GlowshowPage.h"
#include "GridWidgets.h"
#include "GridZoom.h"
#include "Keyboard.h"
#include "PageWidgets.h"
#include "PreviewPage.h"
#include "Recovery.h"
#include "SelectedFramePage.h"
#include "SetupPage.h"
#include "SlotOperationsPage.h"
#include "TimelineCommands.h"
#include "preview/Playback.h"
#include "preview/QtDrawingSurface.h"
#include "settings/LanguageFile.h"
#include "settings/SettingsStore.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace editor {

TMForm::TMForm(EditorEnvironment environment, QWidget *parent)
    : QMainWindow(parent), Document(mDocument.position()), mEnvironment(std::move(environment)),
      mTexts(std::make_unique<settings::LanguageTexts>())
{
    setObjectName(QStringLiteral("MForm"));
    setWindowTitle(QStringLiteral("Orrin's Glowshow Editor 2.1.1"));
    if (!mEnvironment.dialogs) {
        mOwnDialogs = std::make_unique<StandardFileDialogs>();
        mEnvironment.dialogs = mOwnDialogs.get();
    }

    createActions();
    createExportActions();
    createCheckFileAction();
    createImportActions();
    createMenu();
    startRecovery();

    createPages();
    connectDocument();
    Timeline = new TimelineCommands(*this);
    installKeyboard(*this);
    installAccessibility(*this);
    new GridZoom(*this);

    setAcceptDrops(true);
    // Text fields take drops of their own; a dropped file goes to the window instead.
    for (QWidget *w : findChildren<QWidget *>())
        if (w->acceptDrops())
            w->installEventFilter(this);

    fitToCaptions();
}

preview::QtDrawingSurface &TMForm::previewSurface()
{
    return mPreview->surface();
}

preview::QtDrawingSurface &TMForm::liveSurface()
{
    return mEdit->liveSurface();
}

bool TMForm::isElementHidden(int element) const
{
    return element >= 1 && element <= profiles::ElementCount &&
           CurrentProfile.ElementColors[element] == profiles::NotOnModel && mSetup->CheckBox2->isChecked();
}

void TMForm::redrawCell(int column, int row)
{
    mEdit->EditGrid->redrawCell(column, row);
}

void TMForm::fitToCaptions()
{
    // The designed client area below the menu, wider for a language whose captions need it.
    fitMinimumSize(centralWidget(), QSize(669, 485));
}

TMForm::~TMForm()
{
    // Clearing the stack on its way out signals a change: nothing of this window may answer.
    history().stack().blockSignals(true);
    history().blockSignals(true);
    // Closing moves the focus, and an editor losing it still signals (editingFinished) while
    // the widgets go down; its handlers would reach members already destroyed.
    for (QObject *child : findChildren<QObject *>())
        child->blockSignals(true);
}

QAction *TMForm::makeAction(const char *name, bool enabled, std::function<void()> handler)
{
    auto *action = named(new QAction(this), name);
    action->setEnabled(enabled);
    mHandlers.emplace(action, std::move(handler));
    connect(action, &QAction::triggered, this, [this, action] {
        // Disabled commands do nothing, whoever triggers them.
        if (action->isEnabled())
            runGuarded(this, mHandlers.at(action));
    });
    return action;
}

QAction *TMForm::command(std::string_view name) const
{
    for (const auto &[action, handler] : mHandlers)
        if (action->objectName() == QLatin1String(name.data(), qsizetype(name.size())))
            return action;
    throw std::logic_error("no command " + std::string(name));
}

void TMForm::execute(QAction *action)
{
    if (action && action->isEnabled())
        mHandlers.at(action)();
}

void TMForm::createActions()
{
    AOpenFileAction = makeAction("AOpenFile", true, [this] { AOpenFile(); });
    ANewFileAction = makeAction("ANewFile", true, [this] { ANewFile(); });
    ASaveAction = makeAction("ASave", false, [this] { ASave(); });
    ASaveAsAction = makeAction("ASaveAs", false, [this] { ASaveAs(); });
    AExitAction = makeAction("AExit", true, [this] { AExit(); });
    ASearchProfilesAction = makeAction("ASearchProfiles", true, [this] { ASearchProfiles(); });
    ASearchLangsAction = makeAction("ASearchLangs", true, [this] { ASearchLangs(); });
    AUpdateListAction = makeAction("AUpdateList", true, [this] { AUpdateList(); });
    ASaveActivAction = makeAction("ASaveActiv", true, [this] { ASaveActiv(); });
    AUpdateSlotsAction = makeAction("AUpdateSlots", true, [this] { AUpdateSlots(); });
    APreColorAction = makeAction("APreColor", true, [this] { mEdit->selectedFrame->showPreviewColour(); });
    AMakeSelectAction = makeAction("AMakeSelect", true, [this] { mEdit->selectedFrame->showEntry(); });
    AMakePrevColAction = makeAction("AMakePrevCol", true, [this] { mEdit->selectedFrame->AMakePrevCol(); });
    AMakeEmptyAction = makeAction("AMakeEmpty", true, [this] { mEdit->selectedFrame->showNoEntry(); });
    AUpdateGlowshowAction = makeAction("AUpdateGlowshow", true, [this] { AUpdateGlowshow(); });
    AMFormCreateAction = makeAction("AMFormCreate", true, [this] { AMFormCreate(); });
    AAddNewGlowAction = makeAction("AAddNewGlow", false, [this] { AAddNewGlow(); });
    ADelAllFramesAction = makeAction("ADelAllFrames", true, [this] { mEdit->slotOperations->ADelAllFrames(); });
    ADelGlowAction = makeAction("ADelGlow", false, [this] { mEdit->glowshows->ADelGlow(); });
    AGlowMoveDownAction = makeAction("AGlowMoveDown", false, [this] { mEdit->glowshows->AGlowMoveDown(); });
    AGlowMoveUpAction = makeAction("AGlowMoveUp", false, [this] { mEdit->glowshows->AGlowMoveUp(); });
    AAddNewFrameAction = makeAction("AAddNewFrame", false, [this] { mEdit->selectedFrame->AAddNewFrame(); });
    ADelFrameAction = makeAction("ADelFrame", false, [this] { mEdit->selectedFrame->ADelFrame(); });
    AAddAllFramesAction = makeAction("AAddAllFrames", true, [this] {
        mEdit->slotOperations->AAddAllFrames();
        // The element stays selected, so that the new channel's band can be set at once.
        const int row = mEdit->SlotGrid->currentRow();
        mEdit->selectElement(row >= 0 ? row : Document.CurrentElement - 1, true);
    });
    AGlowCopyAction = makeAction("AGlowCopy", false, [this] { mEdit->glowshows->AGlowCopy(); });
    AReadLanguageAction = makeAction("AReadLanguage", true, [this] { AReadLanguage(); });
    AMakeOn_OffAction = makeAction("AMakeOn_Off", true, [this] { mEdit->selectedFrame->AMakeOn_Off(); });
    AReadOptionsAction = makeAction("AReadOptions", true, [this] { AReadOptions(); });
    ASaveOptionsAction = makeAction("ASaveOptions", true, [this] { ASaveOptions(); });
    AClearAllFramesAction = makeAction("AClearAllFrames", true, [this] { mEdit->slotOperations->AClearAllFrames(); });
    ACopyAllFramesAction = makeAction("ACopyAllFrames", true, [this] { mEdit->slotOperations->ACopyAllFrames(); });
    AShowAboutAction = makeAction("AShowAbout", true, [this] { AShowAbout(); });
    ARegisterPATAction = makeAction("ARegisterPAT", true, [this] { ARegisterPAT(); });
    ALoadProfilePicsAction = makeAction("ALoadProfilePics", true, [this] { ALoadProfilePics(); });

    // Standard shortcuts for the file commands.
    AOpenFileAction->setShortcut(QKeySequence::Open);
    ANewFileAction->setShortcut(QKeySequence::New);
    ASaveAction->setShortcut(QKeySequence::Save);
    ASaveAsAction->setShortcut(QKeySequence::SaveAs);
    AExitAction->setShortcut(QKeySequence::Quit);
}

void TMForm::createMenu()
{
    File2 = named(menuBar()->addMenu(QString()), "File2");
    auto item = [this](QMenu *menu, const char *name, QAction *action) {
        auto *a = named(new QAction(menu), name);
        linkToAction(a, action);
        a->setShortcut(action->shortcut());
        menu->addAction(a);
        return a;
    };
    New1 = item(File2, "New1", ANewFileAction);
    Open1 = item(File2, "Open1", AOpenFileAction);
    RecentFiles1 = named(new QMenu(File2), "RecentFiles1");
    ARecentFilesAction = named(RecentFiles1->menuAction(), "ARecentFiles");
    ARecentFilesAction->setEnabled(false);
    File2->addAction(ARecentFilesAction);
    addCaption("OpenRecent", [this](const QString &t) { ARecentFilesAction->setText(t); });
    Save1 = item(File2, "Save1", ASaveAction);
    SaveAs1 = item(File2, "SaveAs1", ASaveAsAction);
    N2 = named(File2->addSeparator(), "N2");
    ImportGlowshows1 = item(File2, "ImportGlowshows1", AImportGlowshowsAction);
    ImportAnimation1 = item(File2, "ImportAnimation1", AImportAnimationAction);
    ExportAnimation1 = item(File2, "ExportAnimation1", AExportAnimationAction);
    ExportStoryboard1 = item(File2, "ExportStoryboard1", AExportStoryboardAction);
    CheckFile1 = item(File2, "CheckFile1", ACheckFileAction);
    N1 = named(File2->addSeparator(), "N1");
    Exit1 = item(File2, "Exit1", AExitAction);
    createEditMenu();
    Help1 = named(menuBar()->addMenu(QString()), "Help1");
    About1 = item(Help1, "About1", AShowAboutAction);
}

void TMForm::createPages()
{
    auto text = [this](std::string_view key) { return uiText(key); };
    auto commandOf = [this](std::string_view name) { return command(name); };
    PageControl1 = named(new QTabWidget, "PageControl1");
    setCentralWidget(PageControl1);
    mSetup = new SetupPage(mDocument, text, commandOf);
    PageControl1->addTab(mSetup, QStringLiteral("Setup"));
    connect(mSetup, &SetupPage::languageChosen, this, [this] { runGuarded(this, [this] { ComboBox1Change(); }); });
    connect(mSetup, &SetupPage::profileChosen, this, [this] { runGuarded(this, [this] { ComboBox2Change(); }); });

    mEdit = new EditPage(mDocument, CurrentProfile, *mTexts, text, commandOf,
                         [this](int element) { return isElementHidden(element); });
    PageControl1->addTab(mEdit, QStringLiteral("Edit glowshows"));
    addCaption("ColourTextCaption", [this](const QString &t) { mEdit->selectedFrame->ColourTextLabel->setText(t); });
    connect(mEdit->glowshows, &GlowshowPage::glowshowChosen, this,
            [this] { runGuarded(this, [this] { showChosenGlowshow(true); }); });
    connect(mEdit, &EditPage::glowshowShown, this, [this] {
        updateAddCommands();
        updateExportCommands();
    });

    mPreview = new PreviewPage(mDocument, CurrentProfile, text, [this] { return mDocument.isLoaded(); });
    PageControl1->addTab(mPreview, QStringLiteral("Glowshow preview"));
    connect(mPreview, &PreviewPage::glowshowChosen, this, [this](int glowshow) {
        Document.CurrentGlowshow = std::uint8_t(glowshow);
        mEdit->glowshows->selectLine(glowshow);
        showChosenGlowshow(false);
    });
    connect(mPreview, &PreviewPage::editingAllowedChanged, this, &TMForm::setEditingAllowed);
}

void TMForm::setEditingAllowed(bool allowed)
{
    mSetup->setEnabled(allowed);
    mEdit->setEnabled(allowed);
    File2->setEnabled(allowed);
    File2->menuAction()->setEnabled(allowed);
    mEditingAllowed = allowed;
    updateUndoActions();
}

void TMForm::closeEvent(QCloseEvent *event)
{
    if (!mClosing && !askToSaveChanges()) {
        event->ignore();
        return;
    }
    runGuarded(this, [this] { FormClose(); });
    mRecovery->remove();
    event->accept();
}

} // namespace editor
