#include "settings/SettingsStore.h"

#include "TestHelpers.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QPoint>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

using settings::SettingsError;
using settings::SettingsStore;

namespace {

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(mDir.isValid()); }
    QString path() const { return mDir.filePath("Glowshow Editor 2/settings.ini"); }

    // A value put there by something other than this program.
    void storeForeign(const QString &key, const QVariant &value) const
    {
        QSettings raw(path(), QSettings::IniFormat);
        raw.setValue(key, value);
        raw.sync();
        ASSERT_EQ(raw.status(), QSettings::NoError);
    }

    QTemporaryDir mDir;
};

std::string errorText(const std::function<void()> &action)
{
    try {
        action();
    } catch (const SettingsError &e) {
        return e.what();
    }
    return "(no error)";
}

TEST_F(SettingsFile, FirstRunReadsDefaultsAndSavingStoresAllThreeAsText)
{
    {
        SettingsStore store(path());
        EXPECT_EQ(settings::readStoredLanguage(store), "English");
        EXPECT_EQ(settings::readStoredProfile(store), "Motorola (All Models)");
        EXPECT_TRUE(settings::readStoredHideUnusedSlots(store));
        settings::saveOptions(store, "English", "Motorola (All Models)", true);
    }

    SettingsStore reopened(path());
    EXPECT_EQ(reopened.readText("Profile settings", "Language"), QString("English"));
    EXPECT_EQ(reopened.readText("Profile settings", "Profile"), QString("Motorola (All Models)"));
    EXPECT_EQ(reopened.readText("Options", "HideUnusedSlots"), QString("1"));
}

TEST_F(SettingsFile, SavedValuesComeBackAsWritten)
{
    {
        SettingsStore store(path());
        settings::saveOptions(store, "english", "Motorola V3 «Razr», Ünïcode", false);
    }
    SettingsStore reopened(path());
    // Spelling is the caller's business: it matches names without regard to case.
    EXPECT_EQ(settings::readStoredLanguage(reopened), "english");
    EXPECT_EQ(settings::readStoredProfile(reopened), "Motorola V3 «Razr», Ünïcode");
    EXPECT_FALSE(settings::readStoredHideUnusedSlots(reopened));
    EXPECT_EQ(reopened.readText("Options", "HideUnusedSlots"), QString("0"));
}

TEST_F(SettingsFile, EmptyNameIsStoredTextNotMissing)
{
    SettingsStore store(path());
    settings::saveOptions(store, "", "", true);
    EXPECT_EQ(store.readText("Profile settings", "Language"), QString(""));
    EXPECT_EQ(settings::readStoredLanguage(store), "");
    EXPECT_EQ(settings::readStoredProfile(store), "");
}

TEST_F(SettingsFile, MissingValueIsNotAnEmptyText)
{
    SettingsStore store(path());
    store.writeText("Profile settings", "Language", "Russian");
    EXPECT_EQ(store.readText("Profile settings", "Profile"), std::nullopt);
    EXPECT_EQ(store.readText("Options", "Language"), std::nullopt);
    EXPECT_EQ(settings::readStoredProfile(store), "Motorola (All Models)");
}

TEST_F(SettingsFile, HideUnusedSlotsIsAnIntegerWithCheckedAsDefault)
{
    struct Case {
        const char *stored;
        bool checked;
    };
    const Case cases[] = {
        {"0", false}, {"1", true},   {"yes", true}, {"", true},     {"$10", true},
        {"-1", true}, {"$0", false}, {"00", false}, {"0x0", false}, {"2x", true},
    };
    SettingsStore store(path());
    for (const Case &c : cases) {
        store.writeText("Options", "HideUnusedSlots", c.stored);
        EXPECT_EQ(settings::readStoredHideUnusedSlots(store), c.checked) << c.stored;
        EXPECT_EQ(settings::hideUnusedSlotsFrom(QString(c.stored)), c.checked) << c.stored;
    }
    EXPECT_TRUE(settings::hideUnusedSlotsFrom(std::nullopt));
}

TEST_F(SettingsFile, ValueThatIsNotTextRaisesInvalidDataType)
{
    const QVariant foreign[] = {QStringList{"a", "b"}, QPoint(1, 2), QByteArray("raw")};
    for (const QVariant &value : foreign) {
        storeForeign("Profile settings/Language", value);
        SettingsStore store(path());
        EXPECT_EQ(errorText([&] { settings::readStoredLanguage(store); }), "Invalid data type for 'Language'")
            << value.typeName();
    }
}

TEST_F(SettingsFile, HandEditedListValueRaisesInvalidDataType)
{
    testing_support::writeAll(mDir.filePath("hand.ini"), "[Options]\nHideUnusedSlots=a, b\n");
    SettingsStore store(mDir.filePath("hand.ini"));
    EXPECT_EQ(errorText([&] { settings::readStoredHideUnusedSlots(store); }),
              "Invalid data type for 'HideUnusedSlots'");
}

TEST_F(SettingsFile, BadValueFailsOnlyItsOwnRead)
{
    storeForeign("Profile settings/Language", "Russian");
    storeForeign("Options/HideUnusedSlots", QStringList{"1", "2"});
    SettingsStore store(path());
    EXPECT_EQ(settings::readStoredLanguage(store), "Russian");
    EXPECT_EQ(settings::readStoredProfile(store), "Motorola (All Models)");
    EXPECT_THROW(settings::readStoredHideUnusedSlots(store), SettingsError);
}

TEST_F(SettingsFile, StoringTheValuesAlreadyHeldLeavesTheFileAlone)
{
    {
        SettingsStore store(path());
        settings::saveOptions(store, "English", "Motorola (All Models)", true);
    }
    // A note the program never writes: any rewrite of the file drops it.
    const QByteArray noted = testing_support::readAll(path()) + "; kept unless rewritten\n";
    testing_support::writeAll(path(), noted);

    SettingsStore store(path());
    settings::saveOptions(store, "English", "Motorola (All Models)", true);
    EXPECT_EQ(testing_support::readAll(path()), noted);

    settings::saveOptions(store, "Russian", "Motorola (All Models)", true);
    EXPECT_EQ(SettingsStore(path()).readText("Profile settings", "Language"), QString("Russian"));
    EXPECT_FALSE(testing_support::readAll(path()).contains("kept unless rewritten")) << "a change is written";
}

TEST_F(SettingsFile, WriteThatCannotReachTheDiskIsReported)
{
    // A plain file where the settings folder should be: the store can never be created.
    testing_support::writeAll(mDir.filePath("blocker"), "x");
    SettingsStore store(mDir.filePath("blocker/settings.ini"));

    EXPECT_EQ(errorText([&] { settings::saveOptions(store, "English", "Motorola (All Models)", true); }),
              "Failed to set data for 'Language'");
    EXPECT_EQ(errorText([&] { store.writeText("Options", "HideUnusedSlots", "1"); }),
              "Failed to set data for 'HideUnusedSlots'");
}

} // namespace

TEST(RecentFiles, LatestFirstEachOnceAtMostEight)
{
    const struct {
        QStringList before;
        QString added;
        QStringList after;
    } cases[] = {
        {{}, "a", {"a"}},
        {{"a", "b", "c"}, "c", {"c", "a", "b"}},
        {{"a", "b", "c", "d", "e", "f", "g", "h"}, "i", {"i", "a", "b", "c", "d", "e", "f", "g"}},
        {{"a", "b", "c", "d", "e", "f", "g", "h"}, "h", {"h", "a", "b", "c", "d", "e", "f", "g"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(settings::withRecentFile(c.before, c.added), c.after) << c.added.toStdString();
}
