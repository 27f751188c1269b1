// Start-up, the file commands and adding a glowshow.
#include "Unit1.h"

#include "EditPage.h"

#include "AboutForm.h"
#include "ControlText.h"
#include "ErrorBox.h"
#include "FileDialogs.h"
#include "GlowFileIO.h"
#include "GlowshowPage.h"
#include "GridWidgets.h"
#include "PreviewPage.h"
#include "SetupPage.h"
#include "Unit2.h"
#include "settings/SettingsStore.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QTabWidget>
#include <QTimer>

namespace editor {

void TMForm::AMFormCreate()
{
    ProgramDir = mEnvironment.programDir;
    execute(AReadOptionsAction);
    // The designed size for the captions of the language just chosen, or the stored one.
    resize(minimumSizeHint());
    restoreWindowGeometry();
    mRecentFiles = settings::readRecentFiles(settingsStore());
    fillRecentMenu();

    PageControl1->setTabVisible(PageControl1->indexOf(mSetup), true);
    PageControl1->setTabVisible(PageControl1->indexOf(mEdit), false);
    PageControl1->setCurrentIndex(0);

    // Copies of editors that died are offered before anything else is opened.
    offerRecoveredCopies();
    if (mEnvironment.arguments.isEmpty() || !askToSaveChanges())
        return;
    readDocument(mEnvironment.arguments.constFirst());
    rememberRecentFile(mEnvironment.arguments.constFirst());
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
    execute(ASaveActivAction);
    mDocument.replace(std::move(content));
}

void TMForm::showReplacedDocument()
{
    execute(AUpdateListAction);
    mEdit->glowshows->selectLine(0);
    execute(AUpdateGlowshowAction);
    updateAddCommands();
    updateWindowTitle();
}

void TMForm::ASaveActiv()
{
    PageControl1->setTabVisible(PageControl1->indexOf(mSetup), true);
    PageControl1->setTabVisible(PageControl1->indexOf(mEdit), true);
    ASaveAction->setEnabled(true);
    ASaveAsAction->setEnabled(true);
    ACheckFileAction->setEnabled(true);
    updateExportCommands();
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
    rememberRecentFile(fileName);
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

void TMForm::AExit()
{
    close();
}

void TMForm::FormClose()
{
    if (mClosing)
        return;
    mClosing = true;
    mDocument.unload();
    if (mPreview)
        mPreview->stop();
    execute(ASaveOptionsAction);
    saveWindowGeometry();
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
                   stepName(AAddNewGlowAction));
}

void TMForm::updateAddCommands()
{
    // The one-byte glowshow count cannot count a 256th glowshow.
    const bool room = Document.canAddGlowshow();
    AAddNewGlowAction->setEnabled(mDocument.isLoaded() && room);
    if (AGlowCopyAction->isEnabled() && !room)
        AGlowCopyAction->setEnabled(false);
    updateImportCommands();
}

} // namespace editor
