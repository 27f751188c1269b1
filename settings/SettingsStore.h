#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

class QSettings;

namespace settings {

inline constexpr const char *ProfileSettingsGroup = "Profile settings";
inline constexpr const char *OptionsGroup = "Options";
inline constexpr const char *LanguageValue = "Language";
inline constexpr const char *ProfileValue = "Profile";
inline constexpr const char *HideUnusedSlotsValue = "HideUnusedSlots";
inline constexpr const char *DefaultLanguage = "English";
inline constexpr const char *WindowGroup = "Window";
inline constexpr const char *GeometryValue = "Geometry";
inline constexpr const char *RecentFilesGroup = "Recent files";
inline constexpr int MaxRecentFiles = 8;

// The registry layer's errors: "Invalid data type for '<name>'", "Failed to set data for '<name>'".
class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The per-user store of the three persistent choices, values always held as text.
// Windows: the registry under HKEY_CURRENT_USER\Software\Glowshow Editor 2, keys
// "Profile settings" and "Options". Elsewhere: the INI file
// <GenericConfigLocation>/Glowshow Editor 2/settings.ini (normally
// ~/.config/Glowshow Editor 2/settings.ini) with groups of the same names.
class SettingsStore {
public:
    SettingsStore();
    // An INI file at `iniPath`, for tests and portable setups.
    explicit SettingsStore(const QString &iniPath);
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    // nullopt when the value is missing; an existing empty value is an empty text.
    // Throws SettingsError when the stored value is not a text.
    std::optional<QString> readText(const QString &group, const QString &name) const;
    // Creates the group when missing. Throws SettingsError when the store cannot be written.
    void writeText(const QString &group, const QString &name, const QString &value);

    // Where the values live (file path or registry path), for messages.
    QString location() const;

    static QString defaultIniPath();

private:
    std::unique_ptr<QSettings> mSettings;
};

// "HideUnusedSlots" as stored: 0 unchecked, any other integer (decimal or "$" hex) checked;
// missing, empty or unparsable counts as the default, checked.
bool hideUnusedSlotsFrom(const std::optional<QString> &stored);

// AReadOptions steps 1-3, one value each so that an error in a later one leaves the earlier
// ones applied. Texts as UTF-8, defaults "English", "Motorola (All Models)", checked.
std::string readStoredLanguage(const SettingsStore &store);
std::string readStoredProfile(const SettingsStore &store);
bool readStoredHideUnusedSlots(const SettingsStore &store);

// ASaveOptions: "Language", "Profile", then "HideUnusedSlots" as "1" or "0".
void saveOptions(SettingsStore &store, const std::string &language, const std::string &profileName,
                 bool hideUnusedSlots);

// The main window's size and position as QWidget::saveGeometry gives them, kept as Base64
// text; empty when none is stored.
QByteArray readWindowGeometry(const SettingsStore &store);
void saveWindowGeometry(SettingsStore &store, const QByteArray &geometry);

// The recent files, the latest first: values "File1" .. "File8" of group "Recent files";
// unused ones are stored empty.
QStringList readRecentFiles(const SettingsStore &store);
void saveRecentFiles(SettingsStore &store, const QStringList &files);
// `files` with `file` put first, once, and at most MaxRecentFiles long.
QStringList withRecentFile(QStringList files, const QString &file);

} // namespace settings
