// Choosing a device profile: its skin for the preview and its element names and colours.
#include "Unit1.h"

#include "EditPage.h"

#include "ControlText.h"
#include "GridWidgets.h"
#include "PreviewPage.h"
#include "SetupPage.h"
#include "SlotOperationsPage.h"
#include "preview/BitmapPictureSink.h"
#include "preview/QtDrawingSurface.h"
#include "profiles/IniFile.h"
#include "profiles/Skin.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace editor {

void TMForm::ASearchProfiles()
{
    const QSignalBlocker block(mSetup->ComboBox2);
    for (const std::string &name : profiles::searchProfiles(ProgramDir.toStdString(), CurrentProfile.LanguageExt))
        addSorted(mSetup->ComboBox2, QString::fromStdString(name));
}

void TMForm::ComboBox2Change()
{
    CurrentProfile.ProfileName =
        mSetup->ComboBox2->currentIndex() >= 0 ? mSetup->ComboBox2->currentText().toStdString() : std::string();
    execute("ALoadProfilePics");
    if (!mDocument.isLoaded())
        return;
    execute("AUpdateList");
    execute("AUpdateGlowshow");
    execute("AUpdateSlots");
}

void TMForm::ALoadProfilePics()
{
    preview::BitmapPictureSink pictures(mPreview->surface());
    profiles::ALoadProfilePics(CurrentProfile, ProgramDir.toStdString(), pictures);
    // The device view draws the same pictures on its own surface.
    mEdit->liveSurface().images() = mPreview->surface().images();
    mEdit->updateLiveView();
}

void TMForm::AUpdateSlots()
{
    const profiles::IniFile profile = profiles::IniFile::load(
        profiles::profilePath(ProgramDir.toStdString(), CurrentProfile.ProfileName, CurrentProfile.LanguageExt));
    const auto elements = profiles::readElements(profile);
    QStringList names;
    for (int n = 1; n <= profiles::ElementCount; ++n) {
        const profiles::ElementInfo &element = elements[std::size_t(n - 1)];
        names << QString::fromStdString(element.name);
        mEdit->SlotGrid->setElementName(n, names.constLast());
        CurrentProfile.ElementColors[n] = element.color;
    }
    mEdit->slotOperations->setElementNames(names);
}

} // namespace editor
