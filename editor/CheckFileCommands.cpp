// File > Check file...: the findings of the open document, and showing the one chosen.
#include "Unit1.h"

#include "EditPage.h"

#include "GlowshowPage.h"

#include "CheckFileDialog.h"
#include "ErrorBox.h"
#include "GridGeometry.h"
#include "model/CheckDocument.h"

#include <QAction>
#include <QListWidget>

namespace editor {

void TMForm::createCheckFileAction()
{
    ACheckFileAction = makeAction("ACheckFile", false, [this] { ACheckFile(); });
    addCaption("CheckFile", [this](const QString &t) { ACheckFileAction->setText(t); });
}

void TMForm::ACheckFile()
{
    if (!mDocument.isLoaded())
        return;
    // Built anew each time, so that its captions follow the language chosen meanwhile.
    delete mCheckFileDialog;
    mCheckFileDialog = new CheckFileDialog([this](std::string_view key) { return uiText(key); }, this);
    connect(mCheckFileDialog, &CheckFileDialog::findingChosen, this,
            [this](const model::Finding &f) { runGuarded(this, [this, f] { showFinding(f); }); });
    model::ElementsOnModel onModel{};
    for (int n = 1; n <= profiles::ElementCount; ++n)
        onModel[std::size_t(n - 1)] = CurrentProfile.ElementColors[n] != profiles::NotOnModel;
    QStringList labels;
    for (int row = 0; row < mEdit->glowshows->ListBox1->count(); ++row)
        labels << mEdit->glowshows->ListBox1->item(row)->text();
    mCheckFileDialog->showFindings(model::CheckDocument(Document, onModel), labels);
    mCheckFileDialog->show();
    mCheckFileDialog->raise();
}

void TMForm::showFinding(const model::Finding &f)
{
    // The document may have changed since the check; showRestoredPlace keeps to what exists.
    if (!Document.glowshow(f.glowshow))
        return;
    const bool onRow = f.element >= 1 && f.element <= ElementRows;
    // A channel's cell is its row: its first step, when it has one.
    const int column = f.frame >= 0 ? f.frame : (f.channel >= 0 ? 0 : -1);
    showRestoredPlace({f.glowshow, column, onRow ? f.element : (column >= 0 ? int(Document.CurrentElement) : 0)});
}

} // namespace editor
