// Languages and the options kept between runs; profiles are in ProfileChoice.cpp.
#include "SetupCommands.h"

#include "AboutForm.h"
#include "ControlText.h"
#include "ErrorBox.h"
#include "SetupPage.h"
#include "Unit1.h"
#include "settings/LanguageFile.h"
#include "settings/SettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>

namespace editor {

SetupCommands::SetupCommands(TMForm &form) : QObject(&form), mForm(form)
{
    const struct {
        const char *name;
        void (SetupCommands::*run)();
    } commands[] = {
        {"ASearchLangs", &SetupCommands::searchLanguages},
        {"AReadLanguage", &SetupCommands::readLanguage},
        {"ASearchProfiles", &SetupCommands::searchProfiles},
        {"ALoadProfilePics", &SetupCommands::loadProfilePics},
        {"AUpdateSlots", &SetupCommands::updateSlots},
        {"AReadOptions", &SetupCommands::readOptions},
        {"ASaveOptions", &SetupCommands::saveOptions},
    };
    for (const auto &c : commands)
        form.addCommand(c.name, true, [this, run = c.run] { (this->*run)(); });

    SetupPage *page = form.mSetup;
    connect(page, &SetupPage::languageChosen, this, [this] { runGuarded(&mForm, [this] { languageChosen(); }); });
    connect(page, &SetupPage::profileChosen, this, [this] { runGuarded(&mForm, [this] { profileChosen(); }); });
}

void SetupCommands::searchLanguages()
{
    QComboBox *list = mForm.mSetup->ComboBox1;
    const QSignalBlocker block(list);
    for (const std::string &name : settings::searchLanguages(mForm.ProgramDir.toStdString()))
        addSorted(list, QString::fromStdString(name));
}

void SetupCommands::languageChosen()
{
    const QComboBox *list = mForm.mSetup->ComboBox1;
    mForm.CurrentProfile.Language = list->currentIndex() >= 0 ? list->currentText().toStdString() : std::string();
    mForm.execute("AReadLanguage");
}

void SetupCommands::readLanguage()
{
    const std::string programDir = mForm.ProgramDir.toStdString();
    const settings::LanguageTexts texts = settings::readLanguage(programDir, mForm.CurrentProfile.Language);
    mForm.CurrentProfile.LanguageExt = texts.Ext;
    mForm.applyLanguageTexts(texts);

    if (mForm.AForm) {
        QStringList about;
        for (const std::string &line : settings::readAboutLines(programDir, texts.Ext))
            about << QString::fromStdString(line);
        mForm.AForm->setLines(about);
    }
    mForm.execute("AUpdateSlots");
    // The lists name the glowshows from the profile of the language just chosen.
    mForm.relabelLists();
}

void SetupCommands::readOptions()
{
    settings::SettingsStore &store = mForm.settingsStore();
    profiles::TProfile &profile = mForm.CurrentProfile;
    SetupPage *page = mForm.mSetup;
    profile.Language = settings::readStoredLanguage(store);
    profile.ProfileName = settings::readStoredProfile(store);
    page->CheckBox2->setChecked(settings::readStoredHideUnusedSlots(store));

    // A stored name only ever picks an item of the lists found on disk.
    const auto choose = [](QComboBox *list, const std::string &name) {
        const QSignalBlocker block(list);
        list->setCurrentIndex(findIgnoringCase(list, QString::fromStdString(name)));
    };
    mForm.execute("ASearchLangs");
    choose(page->ComboBox1, profile.Language);
    languageChosen();

    mForm.execute("ASearchProfiles");
    choose(page->ComboBox2, profile.ProfileName);
    profileChosen();

    mForm.execute("ASaveOptions");
}

void SetupCommands::saveOptions()
{
    settings::saveOptions(mForm.settingsStore(), mForm.CurrentProfile.Language, mForm.CurrentProfile.ProfileName,
                          mForm.mSetup->CheckBox2->isChecked());
}

} // namespace editor
