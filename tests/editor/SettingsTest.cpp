#include "EditorFixture.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QSettings>
#include <QTest>

namespace editor_test {
namespace {

// Runs against the shipped Languages and Profiles folders.
class SettingsTest : public EditorFixture {
protected:
    void store(const QString &key, const QString &value) const
    {
        QSettings s(settingsFile, QSettings::IniFormat);
        s.setValue(key, value);
    }

    QString stored(const QString &key) const
    {
        QSettings s(settingsFile, QSettings::IniFormat);
        return s.value(key, QStringLiteral("<missing>")).toString();
    }

    QStringList storedAll() const
    {
        return {stored(QStringLiteral("Profile settings/Language")), stored(QStringLiteral("Profile settings/Profile")),
                stored(QStringLiteral("Options/HideUnusedSlots"))};
    }

    void chooseFrom(QComboBox *box, const QString &name)
    {
        const int target = box->findText(name);
        ASSERT_GE(target, 0) << name.toStdString();
        box->showPopup();
        processEvents();
        QAbstractItemView *list = box->view();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(target, 0)).center());
        processEvents();
    }
};

TEST_F(SettingsTest, FirstRunUsesAndStoresTheDefaults)
{
    start();
    EXPECT_EQ(widget<QComboBox>("ComboBox1")->currentText(), QStringLiteral("English"));
    EXPECT_EQ(widget<QComboBox>("ComboBox2")->currentText(), QStringLiteral("Motorola (All Models)"));
    EXPECT_TRUE(widget<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_EQ(storedAll(), (QStringList{QStringLiteral("English"), QStringLiteral("Motorola (All Models)"),
                                        QStringLiteral("1")}));
    EXPECT_TRUE(unexpectedModals.empty());
}

TEST_F(SettingsTest, StoredNamesMatchIgnoringCaseAndAreWrittenBackInTheListsSpelling)
{
    store(QStringLiteral("Profile settings/Language"), QStringLiteral("english"));
    store(QStringLiteral("Profile settings/Profile"), QStringLiteral("motorola lumen x1"));
    start();
    EXPECT_EQ(widget<QComboBox>("ComboBox1")->currentText(), QStringLiteral("English"));
    EXPECT_EQ(widget<QComboBox>("ComboBox2")->currentText(), QStringLiteral("Motorola Lumen X1"));
    EXPECT_EQ(stored(QStringLiteral("Profile settings/Language")), QStringLiteral("English"));
    EXPECT_EQ(stored(QStringLiteral("Profile settings/Profile")), QStringLiteral("Motorola Lumen X1"));
}

TEST_F(SettingsTest, HideUnusedSlotsIsReadAsAnInteger)
{
    const struct {
        const char *value;
        bool checked;
    } cases[] = {{"0", false}, {"1", true}, {"yes", true}, {"", true}, {"$0", false}, {"7", true}};
    for (const auto &c : cases) {
        store(QStringLiteral("Options/HideUnusedSlots"), QString::fromLatin1(c.value));
        start();
        EXPECT_EQ(widget<QCheckBox>("CheckBox2")->isChecked(), c.checked) << c.value;
        EXPECT_EQ(stored(QStringLiteral("Options/HideUnusedSlots")), c.checked ? QStringLiteral("1") : QStringLiteral("0"))
            << c.value;
    }
}

TEST_F(SettingsTest, ProfileThatNoLongerExistsIsStoredEmptyAtOnce)
{
    store(QStringLiteral("Profile settings/Profile"), QStringLiteral("Motorola Gone"));
    start();
    EXPECT_EQ(widget<QComboBox>("ComboBox2")->currentIndex(), -1);
    EXPECT_EQ(stored(QStringLiteral("Profile settings/Profile")), QString());
    EXPECT_EQ(stored(QStringLiteral("Profile settings/Language")), QStringLiteral("English"));
}

TEST_F(SettingsTest, LanguageThatNoLongerExistsStopsTheStartUpBeforeWriting)
{
    store(QStringLiteral("Profile settings/Language"), QStringLiteral("Klingon"));
    acceptNextMessageBox();
    editor::TMForm &f = start();
    ASSERT_EQ(modalsSeen.size(), 1u);
    EXPECT_EQ(modalsSeen[0].text, QStringLiteral("Cannot open file " GLOW_DATA_DIR "/Languages/About."));
    EXPECT_EQ(widget<QComboBox>("ComboBox2")->count(), 0) << "profiles are not listed";
    EXPECT_EQ(stored(QStringLiteral("Profile settings/Language")), QStringLiteral("Klingon"));
    EXPECT_EQ(stored(QStringLiteral("Profile settings/Profile")), QStringLiteral("<missing>"));

    f.close();
    processEvents();
    EXPECT_EQ(stored(QStringLiteral("Profile settings/Language")), QString());
}

TEST_F(SettingsTest, ExitAndCloseBoxStoreAChangedProfileAndOption)
{
    for (const bool throughExit : {true, false}) {
        editor::TMForm &f = start();
        chooseFrom(widget<QComboBox>("ComboBox2"), QStringLiteral("Motorola Pico S2"));
        widget<QCheckBox>("CheckBox2")->click();
        ASSERT_EQ(stored(QStringLiteral("Profile settings/Profile")), QStringLiteral("Motorola (All Models)"))
            << "not stored before closing";
        if (throughExit)
            trigger(action("AExit"));
        else
            f.close();
        processEvents();
        EXPECT_EQ(storedAll(), (QStringList{QStringLiteral("English"), QStringLiteral("Motorola Pico S2"),
                                            QStringLiteral("0")}))
            << (throughExit ? "Exit" : "close box");
        store(QStringLiteral("Profile settings/Profile"), QStringLiteral("Motorola (All Models)"));
        store(QStringLiteral("Options/HideUnusedSlots"), QStringLiteral("1"));
    }
}

} // namespace
} // namespace editor_test
