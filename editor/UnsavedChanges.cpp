// Nothing is lost: the question before a modified document is closed.
#include "Unit1.h"

#include "CrashRecovery.h"
#include "ErrorBox.h"
#include "GlowFileIO.h"

#include <QMessageBox>

namespace editor {

bool TMForm::askToSaveChanges()
{
    if (!mDocument.isLoaded() || !history().isModified())
        return true;
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(ApplicationTitle),
                    uiText("SaveChanges").arg(shownDocumentName(Document.GlowFile.FileName, uiText("Untitled"))),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("SaveChangesBox"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        // A failed or cancelled save leaves the document modified: the command stops.
        runGuarded(this, [this] { ASave(); });
        return !history().isModified();
    case QMessageBox::Discard:
        mRecovery->remove();
        return true;
    default:
        return false;
    }
}

} // namespace editor
