// Choosing a device profile: its skin for the preview and its element names and colours.
#include "SetupCommands.h"

#include "ControlText.h"
#include "EditPage.h"
#include "GridWidgets.h"
#include "PreviewPage.h"
#include "SetupPage.h"
#include "SlotOperationsPage.h"
#include "Unit1.h"
#include "preview/BitmapPictureSink.h"
#include "preview/QtDrawingSurface.h"
#include "profiles/IniFile.h"
#include "profiles/Skin.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace editor {

void SetupCommands::searchProfiles()
{
    QComboBox *list = mForm.mSetup->ComboBox2;
    const QSignalBlocker block(list);
    for (const std::string &name :
         profiles::searchProfiles(mForm.ProgramDir.toStdString(), mForm.CurrentProfile.LanguageExt))
        addSorted(list, QString::fromStdString(name));
}

void SetupCommands::profileChosen()
{
    const QComboBox *list = mForm.mSetup->ComboBox2;
    mForm.CurrentProfile.ProfileName = list->currentIndex() >= 0 ? list->currentText().toStdString() : std::string();
    mForm.execute("ALoadProfilePics");
    if (!mForm.document().isLoaded())
        return;
    mForm.execute("AUpdateList");
    mForm.execute("AUpdateGlowshow");
    mForm.execute("AUpdateSlots");
}

void SetupCommands::loadProfilePics()
{
    preview::QtDrawingSurface &surface = mForm.previewSurface();
    preview::BitmapPictureSink pictures(surface);
    profiles::ALoadProfilePics(mForm.CurrentProfile, mForm.ProgramDir.toStdString(), pictures);
    // The device view draws the same pictures on its own surface.
    mForm.liveSurface().images() = surface.images();
    mForm.mEdit->updateLiveView();
}

void SetupCommands::updateSlots()
{
    const profiles::TProfile &chosen = mForm.CurrentProfile;
    const profiles::IniFile profile = profiles::IniFile::load(
        profiles::profilePath(mForm.ProgramDir.toStdString(), chosen.ProfileName, chosen.LanguageExt));
    const auto elements = profiles::readElements(profile);
    QStringList names;
    for (int n = 1; n <= profiles::ElementCount; ++n) {
        const profiles::ElementInfo &element = elements[std::size_t(n - 1)];
        names << QString::fromStdString(element.name);
        mForm.mEdit->SlotGrid->setElementName(n, names.constLast());
        mForm.CurrentProfile.ElementColors[n] = element.color;
    }
    mForm.mEdit->slotOperations->setElementNames(names);
}

} // namespace editor
