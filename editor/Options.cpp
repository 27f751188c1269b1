// The three choices kept between runs: language, profile and the hide option.
#include "Unit1.h"

#include "SetupPage.h"

#include "ControlText.h"
#include "settings/SettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>

namespace editor {

settings::SettingsStore &TMForm::settingsStore()
{
    if (!mSettings)
        mSettings = mEnvironment.settingsFile.isEmpty()
                        ? std::make_unique<settings::SettingsStore>()
                        : std::make_unique<settings::SettingsStore>(mEnvironment.settingsFile);
    return *mSettings;
}

void TMForm::AReadOptions()
{
    settings::SettingsStore &store = settingsStore();
    CurrentProfile.Language = settings::readStoredLanguage(store);
    CurrentProfile.ProfileName = settings::readStoredProfile(store);
    mSetup->CheckBox2->setChecked(settings::readStoredHideUnusedSlots(store));

    // A stored name only ever picks an item of the lists found on disk.
    execute("ASearchLangs");
    {
        const QSignalBlocker block(mSetup->ComboBox1);
        mSetup->ComboBox1->setCurrentIndex(
            findIgnoringCase(mSetup->ComboBox1, QString::fromStdString(CurrentProfile.Language)));
    }
    ComboBox1Change();

    execute("ASearchProfiles");
    {
        const QSignalBlocker block(mSetup->ComboBox2);
        mSetup->ComboBox2->setCurrentIndex(
            findIgnoringCase(mSetup->ComboBox2, QString::fromStdString(CurrentProfile.ProfileName)));
    }
    ComboBox2Change();

    execute("ASaveOptions");
}

void TMForm::ASaveOptions()
{
    settings::saveOptions(settingsStore(), CurrentProfile.Language, CurrentProfile.ProfileName,
                          mSetup->CheckBox2->isChecked());
}

} // namespace editor
