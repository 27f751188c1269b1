#pragma once

#include <QObject>

namespace editor {

class TMForm;

// The commands behind the Setup page: finding the language files and the profiles, taking the
// one chosen (its texts for all three windows, its element names and colours, its skin), and
// the choices kept between runs.
class SetupCommands : public QObject {
    Q_OBJECT
public:
    explicit SetupCommands(TMForm &form);

private:
    void searchLanguages();  // ASearchLangs
    void languageChosen();   // ComboBox1's choice
    void readLanguage();     // AReadLanguage
    void searchProfiles();   // ASearchProfiles
    void profileChosen();    // ComboBox2's choice
    void loadProfilePics();  // ALoadProfilePics
    void updateSlots();      // AUpdateSlots: the profile's element names and colours
    void readOptions();      // AReadOptions
    void saveOptions();      // ASaveOptions

    TMForm &mForm;
};

} // namespace editor
