// Start-up, the file commands, the title that names the file, and adding a glowshow.
#include "Unit1.h"

#include "EditPage.h"

#include "AboutForm.h"
#include "ControlText.h"
#include "CrashRecovery.h"
#include "ErrorBox.h"
#include "FileDialogs.h"
#include "GlowFileIO.h"
#include "GlowshowPage.h"
#include "GridWidgets.h"
#include "PreviewPage.h"
#include "RecentFiles.h"
#include "SetupPage.h"
#include "TransferCommands.h"
#include "Unit2.h"
#include "settings/SettingsStore.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QTabWidget>
#include <QTimer>

namespace editor {

namespace {

const QString ProgramCaption = QStringLiteral("Orrin's Glowshow Editor 2.1.1");

} // namespace

void TMForm::AMFormCreate()
{
    ProgramDir = mEnvironment.programDir;
    execute("AReadOptions");
    // The designed size for the captions of the language just chosen, or the stored one.
    resize(minimumSizeHint());
    if (const QByteArray geometry = settings::readWindowGeometry(settingsStore()); !geometry.isEmpty())
        restoreGeometry(geometry);
    mRecent->load();

    PageControl1->setTabVisible(PageControl1->indexOf(mSetup), true);
    PageControl1->setTabVisible(PageControl1->indexOf(mEdit), false);
    PageControl1->setCurrentIndex(0);

    // Copies of editors that died are offered before anything else is opened.
    mRecovery->offerCopies();
    if (mEnvironment.arguments.isEmpty() || !askToSaveChanges())
        return;
    readDocument(mEnvironment.arguments.constFirst());
    mRecent->remember(mEnvironment.arguments.constFirst());
    PageControl1->setCurrentIndex(1);
}

void TMForm::readDocument(const QString &fileName)
{
    // The name is taken only once the file has been read, so a later Save can never
    // write the old document over a file that was not read.
    model::TDocument read = readGlowFileAsOpen(fileName);
    read.GlowFile.FileName = fileName.toStdString();
    replaceDocument(std::move(read));
}

void TMForm::replaceDocument(model::TDocument content)
{
    execute("ASaveActiv");
    mDocument.replace(std::move(content));
}

void TMForm::showReplacedDocument()
{
    execute("AUpdateList");
    mEdit->glowshows->selectLine(0);
    execute("AUpdateGlowshow");
    updateAddCommands();
    updateWindowTitle();
}

void TMForm::ASaveActiv()
{
    PageControl1->setTabVisible(PageControl1->indexOf(mSetup), true);
    PageControl1->setTabVisible(PageControl1->indexOf(mEdit), true);
    command("ASave")->setEnabled(true);
    command("ASaveAs")->setEnabled(true);
    mTransfer->updateActions();
}

void TMForm::AOpenFile()
{
    if (!askToSaveChanges())
        return;
    const QString fileName = mEnvironment.dialogs->openFileName(this);
    if (fileName.isEmpty())
        return;
    openDocumentFile(fileName);
}

void TMForm::openDocumentFile(const QString &fileName)
{
    readDocument(fileName);
    mRecent->remember(fileName);
}

void TMForm::openRecoveredCopy(const QString &copyPath, const QString &originalName)
{
    readDocument(copyPath);
    // The copy keeps the original's name, so Save writes the original file.
    Document.GlowFile.FileName = originalName.toStdString();
    history().markModified();
    updateWindowTitle();
    PageControl1->setCurrentWidget(mEdit);
}

QStringList TMForm::recentFiles() const
{
    return mRecent->files();
}

void TMForm::ANewFile()
{
    if (!askToSaveChanges())
        return;
    replaceDocument(model::TDocument{});
    PageControl1->setCurrentWidget(mEdit);
}

void TMForm::ASave()
{
    if (Document.GlowFile.FileName.empty()) {
        ASaveAs();
        return;
    }
    const QString fileName = QString::fromStdString(Document.GlowFile.FileName);
    namingFile(fileName, [&] { WriteGlowFile(Document, fileName); });
    history().stack().setClean();
}

void TMForm::ASaveAs()
{
    const QString fileName = mEnvironment.dialogs->saveFileName(this);
    if (fileName.isEmpty())
        return;
    namingFile(fileName, [&] { WriteGlowFile(Document, fileName); });
    Document.GlowFile.FileName = fileName.toStdString();
    history().stack().setClean();
    updateWindowTitle();
}

void TMForm::FormClose()
{
    if (mClosing)
        return;
    mClosing = true;
    mDocument.unload();
    if (mPreview)
        mPreview->stop();
    execute("ASaveOptions");
    settings::saveWindowGeometry(settingsStore(), saveGeometry());
}

void TMForm::AShowAbout()
{
    if (AForm)
        AForm->exec();
}

void TMForm::AAddNewGlow()
{
    if (!SForm || !Document.canAddGlowshow())
        return;
    const int result = SForm->exec();
    model::TGlowshow added;
    added.Id = 1;
    if (result == TSForm::ResultNormal)
        added.Kind = model::KindNormal;
    else if (result == TSForm::ResultClublight)
        added.Kind = model::KindRhythm;
    else
        return;
    mDocument.push(model::InsertGlowshow{int(Document.Glowshows.size()), std::move(added)},
                   stepName(command("AAddNewGlow")));
}

void TMForm::updateAddCommands()
{
    // The one-byte glowshow count cannot count a 256th glowshow.
    const bool room = Document.canAddGlowshow();
    command("AAddNewGlow")->setEnabled(mDocument.isLoaded() && room);
    if (command("AGlowCopy")->isEnabled() && !room)
        command("AGlowCopy")->setEnabled(false);
    mTransfer->updateActions();
}

void TMForm::updateWindowTitle()
{
    if (!mDocument.isLoaded()) {
        setWindowTitle(ProgramCaption);
        return;
    }
    const QString name = shownDocumentName(Document.GlowFile.FileName, uiText("Untitled"));
    setWindowTitle(name + QStringLiteral("[*] \u2014 ") + ProgramCaption);
    setWindowModified(history().isModified());
}

} // namespace editor
