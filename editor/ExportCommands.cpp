// Exporting the selected glowshow as an animation or a storyboard.
#include "Unit1.h"

#include "EditPage.h"

#include "GlowshowPage.h"

#include "PreviewPage.h"

#include "ExportFiles.h"
#include "FileDialogs.h"
#include "SlotGridView.h"
#include "preview/QtDrawingSurface.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QListWidget>
#include <QSlider>

namespace editor {

void TMForm::createExportActions()
{
    AExportAnimationAction = makeAction("AExportAnimation", false, [this] { AExportAnimation(); });
    AExportStoryboardAction = makeAction("AExportStoryboard", false, [this] { AExportStoryboard(); });
    addCaption("ExportAnimation", [this](const QString &t) { AExportAnimationAction->setText(t); });
    addCaption("ExportStoryboard", [this](const QString &t) { AExportStoryboardAction->setText(t); });
}

void TMForm::updateExportCommands()
{
    const model::TGlowshow *g =
        mDocument.isLoaded() ? Document.glowshow(mEdit->glowshows->ListBox1->currentRow()) : nullptr;
    AExportAnimationAction->setEnabled(g && g->Kind == model::KindNormal);
    AExportStoryboardAction->setEnabled(g != nullptr);
}

ExportSetup TMForm::exportSetup() const
{
    ExportSetup setup;
    setup.profile = &CurrentProfile;
    setup.images = &mPreview->surface().images();
    setup.speed = exporting::speedOfTrackBar(mPreview->TrackBar4->value());
    setup.loopSwitch = mPreview->CheckBox4->isChecked();
    setup.text = [this](std::string_view key) { return uiText(key); };
    for (int n = 1; n <= profiles::ElementCount; ++n) {
        setup.storyboard.elements[std::size_t(n - 1)] = mEdit->SlotGrid->elementName(n);
        setup.storyboard.behaviours[std::size_t(n - 1)] = CurrentProfile.ElementColors[n];
        setup.storyboard.hidden[std::size_t(n - 1)] = isElementHidden(n);
    }
    setup.storyboard.durationCaption = uiText("StoryboardDurations");
    setup.storyboard.parameterCaption = uiText("StoryboardParameters");
    return setup;
}

void TMForm::exportSelected(bool animation)
{
    const int row = mEdit->glowshows->ListBox1->currentRow();
    const model::TGlowshow *g = Document.glowshow(row);
    if (!g)
        return;
    const QString label = mEdit->glowshows->ListBox1->item(row)->text();
    const ExportSetup setup = exportSetup();
    // Say why before asking for a name: nothing would be written.
    if (animation && !exporting::hasVisibleFrames(*g, setup.speed))
        throw std::runtime_error(uiText("ExportNoFrames").arg(label).toStdString());

    const QString document = QString::fromStdString(Document.GlowFile.FileName);
    const QString base = document.isEmpty() ? QStringLiteral("glowshow") : QFileInfo(document).completeBaseName();
    const QString stem =
        QStringLiteral("%1-%2").arg(base, QStringLiteral("%1").arg(g->Id, 2, 16, QLatin1Char('0')).toUpper());
    const QStringList filters =
        animation ? QStringList{uiText("GifFilter"), uiText("WebpFilter")} : QStringList{uiText("PngFilter")};
    const QString suggested = stem + (animation ? QStringLiteral(".gif") : QStringLiteral(".png"));
    const QString fileName = mEnvironment.dialogs->exportFileName(this, filters, suggested);
    if (fileName.isEmpty())
        return;
    exportGlowshow(*g, label, fileName, setup, animation ? ExportChoice::Animation : ExportChoice::Storyboard);
}

void TMForm::AExportAnimation()
{
    exportSelected(true);
}

void TMForm::AExportStoryboard()
{
    exportSelected(false);
}

} // namespace editor
