// File > Import glowshows... and File > Import animation...: glowshows appended as one step.
#include "Unit1.h"

#include "FileDialogs.h"
#include "GlowFileIO.h"
#include "ImportGlowshowsDialog.h"
#include "PreviewPage.h"
#include "export/AnimationImport.h"
#include "model/GlowshowImport.h"
#include "preview/QtDrawingSurface.h"
#include "profiles/IniFile.h"

#include <QAction>
#include <QDir>

#include <stdexcept>

namespace editor {

void TMForm::createImportActions()
{
    AImportGlowshowsAction = makeAction("AImportGlowshows", false, [this] { AImportGlowshows(); });
    AImportAnimationAction = makeAction("AImportAnimation", false, [this] { AImportAnimation(); });
    addCaption("ImportGlowshows", [this](const QString &t) { AImportGlowshowsAction->setText(t); });
    addCaption("ImportAnimation", [this](const QString &t) { AImportAnimationAction->setText(t); });
}

void TMForm::updateImportCommands()
{
    const bool room = mDocument.isLoaded() && Document.canAddGlowshow();
    AImportGlowshowsAction->setEnabled(room);
    AImportAnimationAction->setEnabled(room);
}

void TMForm::appendImported(std::vector<model::TGlowshow> glowshows, const QString &step)
{
    if (glowshows.empty() || !model::glowshowsFit(Document, glowshows.size()))
        return;
    model::assignFreeIds(Document, glowshows);
    mDocument.push(model::AppendGlowshows{int(Document.Glowshows.size()), std::move(glowshows)}, step);
}

void TMForm::AImportGlowshows()
{
    if (!mDocument.isLoaded() || !Document.canAddGlowshow())
        return;
    const QString fileName = mEnvironment.dialogs->openFileName(this);
    if (fileName.isEmpty())
        return;
    model::TDocument other = readGlowFileAsOpen(fileName);
    const profiles::IniFile profile = profiles::IniFile::load(
        profiles::profilePath(ProgramDir.toStdString(), CurrentProfile.ProfileName, CurrentProfile.LanguageExt));
    const QString suffix = QString::fromStdString(CurrentProfile.RhythmSuffix);
    const auto labelOf = [&](const model::TGlowshow &g) {
        const QString label = QString::fromStdString(profiles::glowshowLabel(profile, g.Id));
        return g.Kind == model::KindRhythm ? label + QLatin1Char(' ') + suffix : label;
    };
    ImportGlowshowsDialog dialog(
        Document, std::move(other.Glowshows), labelOf, [this](std::string_view key) { return uiText(key); }, this);
    if (dialog.exec() == QDialog::Accepted)
        appendImported(dialog.chosen(), uiText("StepImportGlowshows"));
}

void TMForm::AImportAnimation()
{
    if (!mDocument.isLoaded() || !Document.canAddGlowshow())
        return;
    const QString fileName = mEnvironment.dialogs->importFileName(this, {uiText("AnimationFilter")});
    if (fileName.isEmpty())
        return;
    QByteArray bytes;
    namingFile(fileName, [&] { bytes = readWholeFile(fileName); });
    const exporting::DeviceLook look(CurrentProfile, mPreview->surface().images());
    try {
        appendImported({exporting::importAnimation(bytes, look)}, uiText("StepImportAnimation"));
    } catch (const exporting::AnimationImportError &e) {
        const char *key =
            e.reason() == exporting::AnimationImportError::TooManyFrames ? "ImportTooManyFrames" : "ImportNotAnimation";
        throw std::runtime_error(uiText(key).arg(QDir::toNativeSeparators(fileName)).toStdString());
    }
}

} // namespace editor
