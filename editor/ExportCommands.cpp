// Exporting the selected glowshow as an animation or a storyboard.
#include "TransferCommands.h"

#include "EditPage.h"
#include "ExportFiles.h"
#include "FileDialogs.h"
#include "GlowshowPage.h"
#include "PreviewPage.h"
#include "SlotGridView.h"
#include "Unit1.h"
#include "preview/QtDrawingSurface.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QListWidget>
#include <QSlider>

namespace editor {

ExportSetup TransferCommands::exportSetup() const
{
    ExportSetup setup;
    setup.profile = &mForm.CurrentProfile;
    setup.images = &mForm.mPreview->surface().images();
    setup.speed = exporting::speedOfTrackBar(mForm.mPreview->TrackBar4->value());
    setup.loopSwitch = mForm.mPreview->CheckBox4->isChecked();
    setup.text = [this](std::string_view key) { return mForm.uiText(key); };
    for (int n = 1; n <= profiles::ElementCount; ++n) {
        setup.storyboard.elements[std::size_t(n - 1)] = mForm.mEdit->SlotGrid->elementName(n);
        setup.storyboard.behaviours[std::size_t(n - 1)] = mForm.CurrentProfile.ElementColors[n];
        setup.storyboard.hidden[std::size_t(n - 1)] = mForm.isElementHidden(n);
    }
    setup.storyboard.durationCaption = mForm.uiText("StoryboardDurations");
    setup.storyboard.parameterCaption = mForm.uiText("StoryboardParameters");
    return setup;
}

void TransferCommands::exportSelected(bool animation)
{
    const int row = mForm.mEdit->glowshows->ListBox1->currentRow();
    const model::TGlowshow *g = mForm.Document.glowshow(row);
    if (!g)
        return;
    const QString label = mForm.mEdit->glowshows->ListBox1->item(row)->text();
    const ExportSetup setup = exportSetup();
    // Say why before asking for a name: nothing would be written.
    if (animation && !exporting::hasVisibleFrames(*g, setup.speed))
        throw std::runtime_error(mForm.uiText("ExportNoFrames").arg(label).toStdString());

    const QString document = QString::fromStdString(mForm.Document.GlowFile.FileName);
    const QString base = document.isEmpty() ? QStringLiteral("glowshow") : QFileInfo(document).completeBaseName();
    const QString stem =
        QStringLiteral("%1-%2").arg(base, QStringLiteral("%1").arg(g->Id, 2, 16, QLatin1Char('0')).toUpper());
    const QStringList filters =
        animation ? QStringList{mForm.uiText("GifFilter"), mForm.uiText("WebpFilter")} : QStringList{mForm.uiText("PngFilter")};
    const QString suggested = stem + (animation ? QStringLiteral(".gif") : QStringLiteral(".png"));
    const QString fileName = mForm.fileDialogs().exportFileName(&mForm, filters, suggested);
    if (fileName.isEmpty())
        return;
    exportGlowshow(*g, label, fileName, setup, animation ? ExportChoice::Animation : ExportChoice::Storyboard);
}

} // namespace editor
