// File > Check file...: the findings of the open document, and showing the one chosen.
#include "TransferCommands.h"

#include "CheckFileDialog.h"
#include "EditPage.h"
#include "ErrorBox.h"
#include "GlowshowPage.h"
#include "GridGeometry.h"
#include "Unit1.h"
#include "model/CheckDocument.h"

#include <QAction>
#include <QListWidget>

namespace editor {

void TransferCommands::checkFile()
{
    if (!mForm.document().isLoaded())
        return;
    // Built anew each time, so that its captions follow the language chosen meanwhile.
    delete mCheckFileDialog;
    mCheckFileDialog = new CheckFileDialog([this](std::string_view key) { return mForm.uiText(key); }, &mForm);
    connect(mCheckFileDialog, &CheckFileDialog::findingChosen, this,
            [this](const model::Finding &f) { runGuarded(&mForm, [this, f] { showFinding(f); }); });
    model::ElementsOnModel onModel{};
    for (int n = 1; n <= profiles::ElementCount; ++n)
        onModel[std::size_t(n - 1)] = mForm.CurrentProfile.ElementColors[n] != profiles::NotOnModel;
    QStringList labels;
    for (int row = 0; row < mForm.mEdit->glowshows->ListBox1->count(); ++row)
        labels << mForm.mEdit->glowshows->ListBox1->item(row)->text();
    mCheckFileDialog->showFindings(model::CheckDocument(mForm.Document, onModel), labels);
    mCheckFileDialog->show();
    mCheckFileDialog->raise();
}

void TransferCommands::showFinding(const model::Finding &f)
{
    // The document may have changed since the check; showPlace keeps to what exists.
    if (!mForm.Document.glowshow(f.glowshow))
        return;
    const bool onRow = f.element >= 1 && f.element <= ElementRows;
    // A channel's cell is its row: its first step, when it has one.
    const int column = f.frame >= 0 ? f.frame : (f.channel >= 0 ? 0 : -1);
    mForm.showPlace({f.glowshow, column, onRow ? f.element : (column >= 0 ? int(mForm.Document.CurrentElement) : 0)});
}

} // namespace editor
