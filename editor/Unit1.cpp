#include "Unit1.h"

#include "Accessibility.h"
#include "ActionLink.h"
#include "ControlText.h"
#include "CrashRecovery.h"
#include "EditPage.h"
#include "ErrorBox.h"
#include "FileDialogs.h"
#include "GlowshowPage.h"
#include "GridWidgets.h"
#include "GridZoom.h"
#include "Keyboard.h"
#include "PageWidgets.h"
#include "PreviewPage.h"
#include "RecentFiles.h"
#include "SelectedFramePage.h"
#include "SetupCommands.h"
#include "SetupPage.h"
#include "SlotOperationsPage.h"
#include "TimelineCommands.h"
#include "TransferCommands.h"
#include "UndoCommands.h"
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
    updateWindowTitle();
    if (!mEnvironment.dialogs) {
        mOwnDialogs = std::make_unique<StandardFileDialogs>();
        mEnvironment.dialogs = mOwnDialogs.get();
    }

    createActions();
    mUndo = new UndoCommands(*this);
    mTransfer = new TransferCommands(*this);
    createMenu();
    mRecovery = new CrashRecovery(*this, mEnvironment.recoveryFolder);

    createPages();
    new SetupCommands(*this);
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

settings::SettingsStore &TMForm::settingsStore()
{
    if (!mSettings)
        mSettings = mEnvironment.settingsFile.isEmpty()
                        ? std::make_unique<settings::SettingsStore>()
                        : std::make_unique<settings::SettingsStore>(mEnvironment.settingsFile);
    return *mSettings;
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

QAction *TMForm::addCommand(const char *name, bool enabled, std::function<void()> handler)
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

QMenu *TMForm::menu(std::string_view name) const
{
    return menuBar()->findChild<QMenu *>(QLatin1String(name.data(), qsizetype(name.size())));
}

void TMForm::execute(QAction *action)
{
    if (action && action->isEnabled())
        mHandlers.at(action)();
}

void TMForm::createActions()
{
    addCommand("AOpenFile", true, [this] { AOpenFile(); });
    addCommand("ANewFile", true, [this] { ANewFile(); });
    addCommand("ASave", false, [this] { ASave(); });
    addCommand("ASaveAs", false, [this] { ASaveAs(); });
    addCommand("AExit", true, [this] { close(); });
    addCommand("AUpdateList", true, [this] { AUpdateList(); });
    addCommand("ASaveActiv", true, [this] { ASaveActiv(); });
    addCommand("APreColor", true, [this] { mEdit->selectedFrame->showPreviewColour(); });
    addCommand("AMakeSelect", true, [this] { mEdit->selectedFrame->showEntry(); });
    addCommand("AMakePrevCol", true, [this] { mEdit->selectedFrame->AMakePrevCol(); });
    addCommand("AMakeEmpty", true, [this] { mEdit->selectedFrame->showNoEntry(); });
    addCommand("AUpdateGlowshow", true, [this] { mEdit->showSelectedGlowshow(true); });
    addCommand("AMFormCreate", true, [this] { AMFormCreate(); });
    addCommand("AAddNewGlow", false, [this] { AAddNewGlow(); });
    addCommand("ADelAllFrames", true, [this] { mEdit->slotOperations->ADelAllFrames(); });
    addCommand("ADelGlow", false, [this] { mEdit->glowshows->ADelGlow(); });
    addCommand("AGlowMoveDown", false, [this] { mEdit->glowshows->AGlowMoveDown(); });
    addCommand("AGlowMoveUp", false, [this] { mEdit->glowshows->AGlowMoveUp(); });
    addCommand("AAddNewFrame", false, [this] { mEdit->selectedFrame->AAddNewFrame(); });
    addCommand("ADelFrame", false, [this] { mEdit->selectedFrame->ADelFrame(); });
    addCommand("AAddAllFrames", true, [this] {
        mEdit->slotOperations->AAddAllFrames();
        // The element stays selected, so that the new channel's band can be set at once.
        const int row = mEdit->SlotGrid->currentRow();
        mEdit->selectElement(row >= 0 ? row : Document.CurrentElement - 1, true);
    });
    addCommand("AGlowCopy", false, [this] { mEdit->glowshows->AGlowCopy(); });
    addCommand("AMakeOn_Off", true, [this] { mEdit->selectedFrame->AMakeOn_Off(); });
    addCommand("AClearAllFrames", true, [this] { mEdit->slotOperations->AClearAllFrames(); });
    addCommand("ACopyAllFrames", true, [this] { mEdit->slotOperations->ACopyAllFrames(); });
    addCommand("AShowAbout", true, [this] { AShowAbout(); });
    addCommand("ARegisterPAT", true, [this] { ARegisterPAT(); });

    // Standard shortcuts for the file commands.
    command("AOpenFile")->setShortcut(QKeySequence::Open);
    command("ANewFile")->setShortcut(QKeySequence::New);
    command("ASave")->setShortcut(QKeySequence::Save);
    command("ASaveAs")->setShortcut(QKeySequence::SaveAs);
    command("AExit")->setShortcut(QKeySequence::Quit);
}

void TMForm::createMenu()
{
    QMenu *file = named(menuBar()->addMenu(QString()), "File2");
    auto item = [this](QMenu *menu, const char *name, const char *command) {
        QAction *action = this->command(command);
        auto *a = named(new QAction(menu), name);
        linkToAction(a, action);
        a->setShortcut(action->shortcut());
        menu->addAction(a);
    };
    item(file, "New1", "ANewFile");
    item(file, "Open1", "AOpenFile");
    mRecent = new RecentFiles(*this, file);
    item(file, "Save1", "ASave");
    item(file, "SaveAs1", "ASaveAs");
    named(file->addSeparator(), "N2");
    item(file, "ImportGlowshows1", "AImportGlowshows");
    item(file, "ImportAnimation1", "AImportAnimation");
    item(file, "ExportAnimation1", "AExportAnimation");
    item(file, "ExportStoryboard1", "AExportStoryboard");
    item(file, "CheckFile1", "ACheckFile");
    named(file->addSeparator(), "N1");
    item(file, "Exit1", "AExit");
    mUndo->addMenu();
    QMenu *help = named(menuBar()->addMenu(QString()), "Help1");
    item(help, "About1", "AShowAbout");
}

void TMForm::createPages()
{
    auto text = [this](std::string_view key) { return uiText(key); };
    auto commandOf = [this](std::string_view name) { return command(name); };
    PageControl1 = named(new QTabWidget, "PageControl1");
    setCentralWidget(PageControl1);
    mSetup = new SetupPage(mDocument, text, commandOf);
    PageControl1->addTab(mSetup, QStringLiteral("Setup"));

    mEdit = new EditPage(mDocument, CurrentProfile, *mTexts, text, commandOf,
                         [this](int element) { return isElementHidden(element); });
    PageControl1->addTab(mEdit, QStringLiteral("Edit glowshows"));
    addCaption("ColourTextCaption", [this](const QString &t) { mEdit->selectedFrame->ColourTextLabel->setText(t); });
    connect(mEdit->glowshows, &GlowshowPage::glowshowChosen, this,
            [this] { runGuarded(this, [this] { showChosenGlowshow(true); }); });
    connect(mEdit, &EditPage::glowshowShown, this, &TMForm::updateAddCommands);

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
    menu("File2")->setEnabled(allowed);
    menu("File2")->menuAction()->setEnabled(allowed);
    mEditingAllowed = allowed;
    mUndo->updateActions();
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
