// Start-up, the file commands, adding a glowshow and the trailer texts.
#include "Unit1.h"

#include "AboutForm.h"
#include "ErrorBox.h"
#include "FileDialogs.h"
#include "GlowFileIO.h"
#include "GridWidgets.h"
#include "PreviewPage.h"
#include "TrailerText.h"
#include "Unit2.h"
#include "settings/SettingsStore.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextCursor>
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

    PageControl1->setTabVisible(PageControl1->indexOf(Tab1), true);
    PageControl1->setTabVisible(PageControl1->indexOf(Tab2), false);
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
    showTrailerTexts();
    execute(AUpdateListAction);
    selectListRow(ListBox1, 0);
    execute(AUpdateGlowshowAction);
    updateAddCommands();
    updateWindowTitle();
}

void TMForm::ASaveActiv()
{
    DocumentLoaded = true;
    PageControl1->setTabVisible(PageControl1->indexOf(Tab1), true);
    PageControl1->setTabVisible(PageControl1->indexOf(Tab2), true);
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
    PageControl1->setCurrentWidget(Tab2);
}

void TMForm::ASave()
{
    if (Document.GlowFile.FileName.empty()) {
        ASaveAs();
        return;
    }
    const QString fileName = QString::fromStdString(Document.GlowFile.FileName);
    namingFile(fileName, [&] { WriteGlowFile(Document, fileName); });
    mHistory->stack().setClean();
}

void TMForm::ASaveAs()
{
    const QString fileName = mEnvironment.dialogs->saveFileName(this);
    if (fileName.isEmpty())
        return;
    namingFile(fileName, [&] { WriteGlowFile(Document, fileName); });
    Document.GlowFile.FileName = fileName.toStdString();
    mHistory->stack().setClean();
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
    DocumentLoaded = false;
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
    pushEdit(model::InsertGlowshow{int(Document.Glowshows.size()), std::move(added)}, stepName(AAddNewGlowAction));
}

void TMForm::updateAddCommands()
{
    // The one-byte glowshow count cannot count a 256th glowshow.
    const bool room = Document.canAddGlowshow();
    AAddNewGlowAction->setEnabled(DocumentLoaded && room);
    if (AGlowCopyAction->isEnabled() && !room)
        AGlowCopyAction->setEnabled(false);
    updateImportCommands();
}

void TMForm::showTrailerTexts()
{
    // The document already holds these values: the change handlers need not run.
    const QSignalBlocker b1(CheckBox3), b2(Edit1), b3(Memo1);
    CheckBox3->setChecked(Document.HasTrailer == 1);
    Edit1->setText(trailerTextToDisplay(Document.TrailerText1));
    Memo1->setPlainText(trailerTextToDisplay(Document.TrailerText2));
    mShownMemoText = Memo1->toPlainText();
}

void TMForm::CheckBox3Click()
{
    const std::uint8_t checked = CheckBox3->isChecked() ? 1 : 0;
    if (Document.HasTrailer != checked)
        pushEdit(model::SetDocumentValue<&model::TDocument::HasTrailer>{checked}, uiText("StepNotes"));
}

void TMForm::Edit1Change()
{
    // The length is one byte in the file: refuse input past 255 bytes.
    const std::string bytes = trailerTextFromDisplay(Edit1->text());
    if (bytes.size() > MaxTrailerBytes) {
        const QSignalBlocker block(Edit1);
        const int cursor = Edit1->cursorPosition();
        Edit1->setText(trailerTextToDisplay(Document.TrailerText1));
        Edit1->setCursorPosition(std::min(cursor, int(Edit1->text().size())));
        return;
    }
    if (Document.TrailerText1 != bytes)
        pushEdit(model::SetDocumentValue<&model::TDocument::TrailerText1>{bytes}, uiText("StepFirstNote"),
                 MergeFirstNote);
}

void TMForm::Memo1Change()
{
    // The length is one byte in the file: refuse input past 255 bytes.
    const QString lines = Memo1->toPlainText();
    const std::string bytes = trailerTextFromDisplay(lines, "\r\n");
    if (bytes.size() > MaxTrailerBytes) {
        const QSignalBlocker block(Memo1);
        Memo1->setPlainText(mShownMemoText);
        Memo1->moveCursor(QTextCursor::End);
        return;
    }
    mShownMemoText = lines;
    if (Document.TrailerText2 != bytes)
        pushEdit(model::SetDocumentValue<&model::TDocument::TrailerText2>{bytes}, uiText("StepSecondNote"),
                 MergeSecondNote);
}

} // namespace editor
