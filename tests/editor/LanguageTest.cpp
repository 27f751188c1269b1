#include "EditorFixture.h"

#include "TestHelpers.h"
#include "editor/GridWidgets.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>

namespace editor_test {
namespace {

// Language files written by the test: "Alpha" labels every key with its own name ("S1" ...),
// "Beta" with "B1" ... and no About file, "Mute" lacks the play and stop texts.
class LanguageTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        programDir = dir.filePath(QStringLiteral("program")) + QLatin1Char('/');
        QDirIterator it(QStringLiteral(GLOW_DATA_DIR "/Profiles"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString target =
                programDir + QStringLiteral("Profiles/") + QDir(QStringLiteral(GLOW_DATA_DIR "/Profiles")).relativeFilePath(file);
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::copy(file, target);
        }
        writeLanguage(QStringLiteral("Alpha"), "eng", "S", {});
        writeFile(QStringLiteral("Languages/About.eng"), "Alpha about\r\nsecond line\n");
        writeLanguage(QStringLiteral("Beta"), "zzz", "B", {});
        writeLanguage(QStringLiteral("Mute"), "eng", "M", {51, 57});
        writeSettings(QStringLiteral("Profile settings/Language"), QStringLiteral("Alpha"));
    }

    void writeFile(const QString &relative, const QByteArray &text) const
    {
        QDir().mkpath(QFileInfo(programDir + relative).absolutePath());
        testing_support::writeAll(programDir + relative, text);
    }

    void writeLanguage(const QString &name, const char *ext, const char *prefix, std::vector<int> missing) const
    {
        QByteArray text = "[Language]\nExt=" + QByteArray(ext) + "\n[Strings]\n";
        for (int n = 1; n <= 57; ++n)
            if (std::find(missing.begin(), missing.end(), n) == missing.end())
                text += "s" + QByteArray::number(n) + "=" + prefix + QByteArray::number(n) + "\n";
        text += "[Dialogs]\n";
        for (int n = 1; n <= 5; ++n)
            text += "d" + QByteArray::number(n) + "=" + prefix + "d" + QByteArray::number(n) + "\n";
        writeFile(QStringLiteral("Languages/") + name + QStringLiteral(".lng"), text);
    }

    void writeSettings(const QString &key, const QString &value) const
    {
        QSettings s(settingsFile, QSettings::IniFormat);
        s.setValue(key, value);
    }

    editor::TMForm &startHere()
    {
        editor::EditorEnvironment environment;
        environment.programDir = programDir;
        environment.dialogs = &dialogs;
        environment.settingsFile = settingsFile;
        forms = editor::createForms(std::move(environment));
        forms.MForm->show();
        processEvents();
        return *forms.MForm;
    }

    // Picks a language from the drop-down list as a mouse does.
    void chooseLanguage(const QString &name)
    {
        QComboBox *box = widget<QComboBox>("ComboBox1");
        const int target = box->findText(name);
        ASSERT_GE(target, 0) << name.toStdString();
        box->showPopup();
        processEvents();
        QAbstractItemView *list = box->view();
        const QModelIndex item = list->model()->index(target, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
        processEvents();
        ASSERT_EQ(box->currentIndex(), target);
    }

    QString tabText(QTabWidget *pages, QWidget *page) const { return pages->tabText(pages->indexOf(page)); }

    QStringList aboutLines() const { return forms.AForm->Memo1->toPlainText().split(QLatin1Char('\n')); }

    QString programDir;
};

TEST_F(LanguageTest, EveryKeyReachesItsControls)
{
    editor::TMForm &f = startHere();
    ASSERT_EQ(widget<QComboBox>("ComboBox1")->currentText(), QStringLiteral("Alpha"));
    const struct {
        QString shown, expected;
    } cases[] = {
        {widget<QMenu>("File2")->title(), QStringLiteral("S1")},
        {action("AOpenFile")->text(), QStringLiteral("S3")},
        {action("Open1")->text(), QStringLiteral("S3")},
        {action("About1")->text(), QStringLiteral("S8")},
        {forms.AForm->windowTitle(), QStringLiteral("S8")},
        {tabText(widget<QTabWidget>("PageControl1"), widget<QWidget>("Tab1")), QStringLiteral("S9")},
        {widget<QLabel>("Label1")->text(), QStringLiteral("S11")},
        {widget<QCheckBox>("CheckBox2")->text(), QStringLiteral("S14")},
        {tabText(widget<QTabWidget>("PageControl2"), widget<QWidget>("TabSheet2")), QStringLiteral("S18")},
        {widget<QCheckBox>("CheckBox1")->text(), QStringLiteral("S25")},
        {widget<QCheckBox>("CheckBox4")->text(), QStringLiteral("S25")},
        {widget<QPushButton>("Button9")->text(), QStringLiteral("S30")},
        {widget<QPushButton>("Button1")->text(), QStringLiteral("S39")},
        {widget<QPushButton>("Button6")->text(), QStringLiteral("S45")},
        {widget<QPushButton>("Button13")->text(), QStringLiteral("S47")},
        {widget<QPushButton>("Button15")->text(), QStringLiteral("S51")},
        {QString::fromStdString(f.CurrentProfile.PlayCaption), QStringLiteral("S51")},
        {QString::fromStdString(f.CurrentProfile.StopCaption), QStringLiteral("S57")},
        {QString::fromStdString(f.CurrentProfile.RhythmSuffix), QStringLiteral("S43")},
        {forms.SForm->windowTitle(), QStringLiteral("Sd1")},
        {forms.SForm->Button2->text(), QStringLiteral("Sd4")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.shown, c.expected);
    EXPECT_EQ(aboutLines(), (QStringList{QStringLiteral("Alpha about"), QStringLiteral("second line")}));
}

TEST_F(LanguageTest, SwitchingLanguageRelabelsAllThreeWindows)
{
    startHere();
    chooseLanguage(QStringLiteral("Mute"));
    EXPECT_EQ(tabText(widget<QTabWidget>("PageControl1"), widget<QWidget>("Tab3")), QStringLiteral("M50"));
    EXPECT_EQ(widget<QPushButton>("Button7")->text(), QStringLiteral("M46"));
    EXPECT_EQ(forms.SForm->windowTitle(), QStringLiteral("Md1"));
    EXPECT_EQ(forms.SForm->Label1->text(), QStringLiteral("Md2"));
    EXPECT_EQ(forms.AForm->windowTitle(), QStringLiteral("M8"));
    EXPECT_TRUE(unexpectedModals.empty());
}

TEST_F(LanguageTest, LanguageWithoutPlayTextCanOnlyStop)
{
    writeSettings(QStringLiteral("Profile settings/Language"), QStringLiteral("Mute"));
    startHere();
    openThroughDialog(writePat(QStringLiteral("show.pat"),
                               documentOf({normalGlowshow(1, {frame(100, {entry(1, 15, 0, 0)})})})));
    editor::TMForm &f = form();
    EXPECT_EQ(widget<QPushButton>("Button15")->text(), QString());
    EXPECT_EQ(f.CurrentProfile.PlayCaption, "");
    EXPECT_EQ(f.CurrentProfile.StopCaption, "");
    widget<QTabWidget>("PageControl1")->setCurrentWidget(widget<QWidget>("Tab3"));
    processEvents();
    widget<QListWidget>("ListBox2")->setCurrentRow(0);
    QTest::mouseClick(widget<QPushButton>("Button15"), Qt::LeftButton);
    processEvents();
    EXPECT_TRUE(widget<QWidget>("Tab1")->isEnabled()) << "playback must not start";
    EXPECT_FALSE(widget<QTimer>("Timer1")->isActive());

    // The same steps with play and stop texts do start it.
    chooseLanguage(QStringLiteral("Alpha"));
    QTest::mouseClick(widget<QPushButton>("Button15"), Qt::LeftButton);
    processEvents();
    EXPECT_FALSE(widget<QWidget>("Tab1")->isEnabled());
    EXPECT_EQ(widget<QPushButton>("Button15")->text(), QStringLiteral("S57"));
    QTest::mouseClick(widget<QPushButton>("Button15"), Qt::LeftButton);
    processEvents();
    EXPECT_TRUE(widget<QWidget>("Tab1")->isEnabled());
}

TEST_F(LanguageTest, MissingAboutFileAppliesTextsButStopsBeforeElementNames)
{
    writeFile(QStringLiteral("Profiles/Motorola (All Models).eng"), "[Elements]\nElement01=Keypad\n");
    startHere();
    ASSERT_EQ(slotGrid()->item(0, 0)->text(), QStringLiteral("Keypad"));
    writeFile(QStringLiteral("Profiles/Motorola (All Models).zzz"), "[Elements]\nElement01=Tasten\n");
    acceptNextMessageBox();
    chooseLanguage(QStringLiteral("Beta"));
    ASSERT_EQ(modalsSeen.size(), 1u);
    EXPECT_EQ(modalsSeen[0].text, QStringLiteral("Cannot open file ") + programDir + QStringLiteral("Languages/About.zzz"));
    EXPECT_EQ(tabText(widget<QTabWidget>("PageControl1"), widget<QWidget>("Tab1")), QStringLiteral("B9"));
    EXPECT_EQ(forms.SForm->Button3->text(), QStringLiteral("Bd5"));
    EXPECT_EQ(slotGrid()->item(0, 0)->text(), QStringLiteral("Keypad")) << "element names not re-read";
    EXPECT_EQ(aboutLines().value(0), QStringLiteral("Alpha about")) << "About box keeps its lines";
}

TEST_F(LanguageTest, FileAndProfileTextsAreShownAsPlainText)
{
    writeFile(QStringLiteral("Languages/Alpha.lng"),
              "[Language]\nExt=eng\n[Strings]\ns11=<b>x</b>\ns48=<i>y</i>\n[Dialogs]\nd2=<u>z</u>\n");
    writeFile(QStringLiteral("Profiles/Motorola (All Models).eng"), "[Elements]\nElement02=<b>Logo</b>\n");
    startHere();
    openThroughDialog(writePat(QStringLiteral("show.pat"), documentOf({normalGlowshow(1, {frame(1, {entry(2, 1, 1, 1)})})})));
    widget<QTabWidget>("PageControl1")->setCurrentWidget(widget<QWidget>("Tab2"));
    processEvents();
    QTest::mouseClick(slotGrid()->viewport(), Qt::LeftButton, {},
                      slotGrid()->visualItemRect(slotGrid()->item(1, 0)).center());
    processEvents();
    const QLabel *labels[] = {widget<QLabel>("Label1"), widget<QLabel>("Label14"), forms.SForm->Label1,
                              widget<QLabel>("ElName")};
    const QString texts[] = {QStringLiteral("<b>x</b>"), QStringLiteral("<i>y</i>"), QStringLiteral("<u>z</u>"),
                             QStringLiteral("<b>Logo</b>")};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(labels[i]->text(), texts[i]) << labels[i]->objectName().toStdString();
        EXPECT_EQ(labels[i]->textFormat(), Qt::PlainText) << labels[i]->objectName().toStdString();
    }
    EXPECT_EQ(widget<QComboBox>("ComboBox3")->itemText(1), QStringLiteral("<b>Logo</b>"));
}

} // namespace
} // namespace editor_test
