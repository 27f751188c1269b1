#include "EditorFixture.h"

#include "TestHelpers.h"
#include "editor/FileRegistration.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

namespace editor_test {
namespace {

// Points XDG_DATA_HOME at a folder of the test for its duration.
class ScopedDataHome {
public:
    explicit ScopedDataHome(const QString &folder) : mOld(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("XDG_DATA_HOME", folder.toLocal8Bit());
    }
    ~ScopedDataHome() { qputenv("XDG_DATA_HOME", mOld); }

private:
    QByteArray mOld;
};

class RegistrationTest : public EditorFixture {};

TEST_F(RegistrationTest, RegisterWritesMimePackageAndDesktopEntryQuotingTheProgram)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const ScopedDataHome scoped(home.path());
    start();
    trigger(action("ARegisterPAT"));
    for (const ModalSeen &m : unexpectedModals)
        ADD_FAILURE() << m.text.toStdString();

    const QString id = QString::fromLatin1(editor::DesktopId);
    const QString mime = home.filePath("mime/packages/" + id + ".xml");
    ASSERT_TRUE(QFile::exists(mime));
    const QByteArray xml = testing_support::readAll(mime);
    EXPECT_TRUE(xml.contains("application/x-motorola-glowshow"));
    EXPECT_TRUE(xml.contains("*.pat"));
    EXPECT_TRUE(xml.contains("big16"));

    const QString desktop = home.filePath("applications/" + id + ".desktop");
    ASSERT_TRUE(QFile::exists(desktop));
    const QByteArray entry = testing_support::readAll(desktop);
    const QByteArray expectedExec = "Exec=\"" + QByteArray(GLOW_DATA_DIR) + "/GlowshowEditor2\" %f";
    EXPECT_TRUE(entry.contains(expectedExec)) << entry.toStdString();
    EXPECT_TRUE(entry.contains("MimeType=application/x-motorola-glowshow;"));
}

TEST_F(RegistrationTest, RegisterIntoUnwritableHomeReportsFailure)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    // A file where the folder must go: no one can create folders below it.
    testing_support::writeAll(home.filePath("blocked"), "x");
    const ScopedDataHome scoped(home.filePath("blocked"));
    start();
    acceptNextMessageBox();
    trigger(action("ARegisterPAT"));
    ASSERT_EQ(modalsSeen.size(), 1u);
    EXPECT_TRUE(modalsSeen[0].text.startsWith("Failed to create key")) << modalsSeen[0].text.toStdString();
}

} // namespace
} // namespace editor_test
