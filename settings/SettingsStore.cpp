#include "SettingsStore.h"

#include "profiles/IniFile.h"
#include "profiles/Profile.h"

#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

#include <cstdint>

namespace settings {

namespace {

QString keyOf(const QString &group, const QString &name)
{
    return group + QLatin1Char('/') + name;
}

std::string quoted(const QString &name)
{
    return "'" + name.toStdString() + "'";
}

} // namespace

SettingsStore::SettingsStore()
{
#ifdef Q_OS_WIN
    mSettings = std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\Glowshow Editor 2"),
                                            QSettings::NativeFormat);
#else
    mSettings = std::make_unique<QSettings>(defaultIniPath(), QSettings::IniFormat);
#endif
}

SettingsStore::SettingsStore(const QString &iniPath)
    : mSettings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::defaultIniPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Glowshow Editor 2/settings.ini");
}

QString SettingsStore::location() const
{
    return mSettings->fileName();
}

std::optional<QString> SettingsStore::readText(const QString &group, const QString &name) const
{
    const QString key = keyOf(group, name);
    if (!mSettings->contains(key))
        return std::nullopt;
    const QVariant value = mSettings->value(key);
    // Text is what we write; lists ("a, b"), numbers of the registry, byte arrays and
    // @Variant values were put there by something else.
    if (value.typeId() != QMetaType::QString)
        throw SettingsError("Invalid data type for " + quoted(name));
    return value.toString();
}

void SettingsStore::writeText(const QString &group, const QString &name, const QString &value)
{
    const QString key = keyOf(group, name);
    // The start-up stores all three choices; rewriting an unchanged file three times on
    // every start only costs time. A store that failed keeps reporting it.
    const QVariant stored = mSettings->value(key);
    if (stored.typeId() == QMetaType::QString && stored.toString() == value &&
        mSettings->status() == QSettings::NoError)
        return;
    mSettings->setValue(key, value);
    mSettings->sync();
    // A status sticks once set, so a store that failed once keeps failing: better than
    // reporting a later write as stored when it may not be.
    if (mSettings->status() != QSettings::NoError)
        throw SettingsError("Failed to set data for " + quoted(name));
}

bool hideUnusedSlotsFrom(const std::optional<QString> &stored)
{
    if (!stored)
        return true;
    std::int32_t value = 0;
    if (!profiles::parseProfileInteger(stored->toStdString(), value))
        return true;
    return value != 0;
}

std::string readStoredLanguage(const SettingsStore &store)
{
    return store.readText(ProfileSettingsGroup, LanguageValue).value_or(DefaultLanguage).toStdString();
}

std::string readStoredProfile(const SettingsStore &store)
{
    return store.readText(ProfileSettingsGroup, ProfileValue)
        .value_or(QString::fromUtf8(profiles::DefaultProfileName))
        .toStdString();
}

bool readStoredHideUnusedSlots(const SettingsStore &store)
{
    return hideUnusedSlotsFrom(store.readText(OptionsGroup, HideUnusedSlotsValue));
}

void saveOptions(SettingsStore &store, const std::string &language, const std::string &profileName,
                 bool hideUnusedSlots)
{
    store.writeText(ProfileSettingsGroup, LanguageValue, QString::fromStdString(language));
    store.writeText(ProfileSettingsGroup, ProfileValue, QString::fromStdString(profileName));
    store.writeText(OptionsGroup, HideUnusedSlotsValue, hideUnusedSlots ? QStringLiteral("1") : QStringLiteral("0"));
}

QByteArray readWindowGeometry(const SettingsStore &store)
{
    return QByteArray::fromBase64(store.readText(WindowGroup, GeometryValue).value_or(QString()).toLatin1());
}

void saveWindowGeometry(SettingsStore &store, const QByteArray &geometry)
{
    store.writeText(WindowGroup, GeometryValue, QString::fromLatin1(geometry.toBase64()));
}

namespace {

QString recentValue(int n)
{
    return QStringLiteral("File%1").arg(n);
}

} // namespace

QStringList readRecentFiles(const SettingsStore &store)
{
    QStringList files;
    for (int n = 1; n <= MaxRecentFiles; ++n) {
        const QString file = store.readText(RecentFilesGroup, recentValue(n)).value_or(QString());
        if (!file.isEmpty() && !files.contains(file))
            files << file;
    }
    return files;
}

void saveRecentFiles(SettingsStore &store, const QStringList &files)
{
    for (int n = 1; n <= MaxRecentFiles; ++n)
        store.writeText(RecentFilesGroup, recentValue(n), n <= files.size() ? files[n - 1] : QString());
}

QStringList withRecentFile(QStringList files, const QString &file)
{
    files.removeAll(file);
    files.prepend(file);
    while (files.size() > MaxRecentFiles)
        files.removeLast();
    return files;
}

} // namespace settings
