// File > Import glowshows... and File > Import animation...: glowshows appended as one step.
#include "TransferCommands.h"

#include "FileDialogs.h"
#include "GlowFileIO.h"
#include "ImportGlowshowsDialog.h"
#include "PreviewPage.h"
#include "Unit1.h"
#include "export/AnimationImport.h"
#include "model/GlowshowImport.h"
#include "preview/QtDrawingSurface.h"
#include "profiles/IniFile.h"

#include <QAction>
#include <QDir>
#include <stdexcept>

namespace editor {

void TransferCommands::appendImported(std::vector<model::TGlowshow> glowshows, const QString &step)
{
    if (glowshows.empty() || !model::glowshowsFit(mForm.Document, glowshows.size()))
        return;
    model::assignFreeIds(mForm.Document, glowshows);
    mForm.document().push(model::AppendGlowshows{int(mForm.Document.Glowshows.size()), std::move(glowshows)}, step);
}

void TransferCommands::importGlowshows()
{
    if (!mForm.document().isLoaded() || !mForm.Document.canAddGlowshow())
        return;
    const QString fileName = mForm.fileDialogs().openFileName(&mForm);
    if (fileName.isEmpty())
        return;
    model::TDocument other = readGlowFileAsOpen(fileName);
    const profiles::IniFile profile = profiles::IniFile::load(
        profiles::profilePath(mForm.ProgramDir.toStdString(), mForm.CurrentProfile.ProfileName, mForm.CurrentProfile.LanguageExt));
    const QString suffix = QString::fromStdString(mForm.CurrentProfile.RhythmSuffix);
    const auto labelOf = [&](const model::TGlowshow &g) {
        const QString label = QString::fromStdString(profiles::glowshowLabel(profile, g.Id));
        return g.Kind == model::KindRhythm ? label + QLatin1Char(' ') + suffix : label;
    };
    ImportGlowshowsDialog dialog(
        mForm.Document, std::move(other.Glowshows), labelOf, [this](std::string_view key) { return mForm.uiText(key); }, &mForm);
    if (dialog.exec() == QDialog::Accepted)
        appendImported(dialog.chosen(), mForm.uiText("StepImportGlowshows"));
}

void TransferCommands::importAnimation()
{
    if (!mForm.document().isLoaded() || !mForm.Document.canAddGlowshow())
        return;
    const QString fileName = mForm.fileDialogs().importFileName(&mForm, {mForm.uiText("AnimationFilter")});
    if (fileName.isEmpty())
        return;
    QByteArray bytes;
    namingFile(fileName, [&] { bytes = readWholeFile(fileName); });
    const exporting::DeviceLook look(mForm.CurrentProfile, mForm.mPreview->surface().images());
    try {
        appendImported({exporting::importAnimation(bytes, look)}, mForm.uiText("StepImportAnimation"));
    } catch (const exporting::AnimationImportError &e) {
        const char *key =
            e.reason() == exporting::AnimationImportError::TooManyFrames ? "ImportTooManyFrames" : "ImportNotAnimation";
        throw std::runtime_error(mForm.uiText(key).arg(QDir::toNativeSeparators(fileName)).toStdString());
    }
}

} // namespace editor
