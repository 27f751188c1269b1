#include "TransferCommands.h"

#include "EditPage.h"
#include "GlowshowPage.h"
#include "Unit1.h"

#include <QAction>
#include <QListWidget>

namespace editor {

TransferCommands::TransferCommands(TMForm &form) : QObject(&form), mForm(form)
{
    // Object name "A" + key; the key names the caption in the language files.
    const struct {
        const char *key;
        void (TransferCommands::*run)();
    } commands[] = {
        {"ImportGlowshows", &TransferCommands::importGlowshows},
        {"ImportAnimation", &TransferCommands::importAnimation},
        {"ExportAnimation", &TransferCommands::exportAnimation},
        {"ExportStoryboard", &TransferCommands::exportStoryboard},
        {"CheckFile", &TransferCommands::checkFile},
    };
    for (const auto &c : commands) {
        const std::string name = std::string("A") + c.key;
        QAction *action = form.addCommand(name.c_str(), false, [this, run = c.run] { (this->*run)(); });
        form.addCaption(c.key, [action](const QString &t) { action->setText(t); });
    }
}

void TransferCommands::updateActions()
{
    const bool loaded = mForm.document().isLoaded();
    const model::TGlowshow *g =
        loaded ? mForm.Document.glowshow(mForm.mEdit->glowshows->ListBox1->currentRow()) : nullptr;
    mForm.command("AExportAnimation")->setEnabled(g && g->Kind == model::KindNormal);
    mForm.command("AExportStoryboard")->setEnabled(g != nullptr);
    mForm.command("ACheckFile")->setEnabled(loaded);
    const bool room = loaded && mForm.Document.canAddGlowshow();
    mForm.command("AImportGlowshows")->setEnabled(room);
    mForm.command("AImportAnimation")->setEnabled(room);
}

} // namespace editor
