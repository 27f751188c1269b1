// Nothing is lost by closing, opening or starting anew: the question, its answers, and the
// recovery copy that outlives a killed editor.
#include "ChildProcess.h"
#include "GridFixture.h"

#include "editor/Recovery.h"
#include "model/GlowFile.h"

#include <QDirIterator>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace editor_test {
namespace {

QByteArray encoded(model::TDocument doc)
{
    const std::vector<std::uint8_t> bytes = model::EncodeGlowFile(doc);
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

model::TDocument lights()
{
    return documentOf({normalGlowshow(1, {frame(100, {entry(1, 1, 2, 3)}), frame(200, {entry(2, 4, 5, 6)})})});
}

class UnsavedChangesTest : public GridFixtureBase {};

TEST_F(UnsavedChangesTest, CommandsAskOnlyWhenModifiedAndGoOnOnlyAfterSaveOrDiscard)
{
    enum Answer { Unmodified, Save, Discard, Cancel, SaveFails };
    struct Command {
        const char *name;
        std::function<void()> run;
        std::function<bool()> wentOn;
    };
    const QString other = writePat(QStringLiteral("other.pat"), documentOf({normalGlowshow(9, {frame(1, {})})}));
    const Command commands[] = {
        {"Exit", [this] { trigger(action("AExit")); }, [this] { return !form().isVisible(); }},
        {"close box", [this] { form().close(); }, [this] { return !form().isVisible(); }},
        {"Open",
         [this, other] {
             dialogs.openNames = {other};
             trigger(action("AOpenFile"));
         },
         [this, other] { return form().Document.GlowFile.FileName == other.toStdString(); }},
        {"New", [this] { trigger(action("ANewFile")); }, [this] { return form().Document.Glowshows.empty(); }},
    };
    const struct {
        Answer answer;
        bool goesOn;
        bool saved;
    } answers[] = {{Unmodified, true, false},
                   {Save, true, true},
                   {Discard, true, false},
                   {Cancel, false, false},
                   {SaveFails, false, false}};

    for (const Command &command : commands) {
        for (const auto &a : answers) {
            SCOPED_TRACE(std::string(command.name) + " answered " + std::to_string(a.answer));
            QDir(path(QStringLiteral("folder"))).removeRecursively();
            QDir().mkpath(path(QStringLiteral("folder")));
            const QString file = writePat(QStringLiteral("folder/show.pat"), lights());
            const QByteArray opened = fileBytes(file);
            dialogs.openNames.clear(); // a cancelled Open never asked for its file
            startHere();
            openThroughDialog(file);
            modalsSeen.clear();
            QByteArray edited = opened;
            if (a.answer != Unmodified) {
                widget<QCheckBox>("CheckBox3")->click();
                edited = encoded(form().Document);
            }
            switch (a.answer) {
            case Unmodified:
                break;
            case SaveFails:
                QDir(path(QStringLiteral("folder"))).removeRecursively(); // the save cannot create its file
                answerMessageBox(QMessageBox::Save);
                acceptNextMessageBox(); // the save's error
                break;
            default:
                answerMessageBox(a.answer == Save      ? QMessageBox::Save
                                 : a.answer == Discard ? QMessageBox::Discard
                                                       : QMessageBox::Cancel);
            }
            command.run();
            processEvents();

            EXPECT_EQ(command.wentOn(), a.goesOn);
            EXPECT_EQ(modalsSeen.empty(), a.answer == Unmodified);
            if (a.answer != SaveFails) {
                EXPECT_EQ(fileBytes(file), a.saved ? edited : opened);
            }
            if (!a.goesOn) {
                EXPECT_TRUE(form().isWindowModified());
            }
            EXPECT_TRUE(unexpectedModals.empty());
        }
    }
}

TEST_F(UnsavedChangesTest, SaveAnswerOnAnUntitledDocumentAsksForAName)
{
    startHere();
    trigger(action("ANewFile"));
    answerGlowshowType(1);
    trigger(action("AAddNewGlow"));
    const QByteArray edited = encoded(form().Document);
    dialogs.saveNames = {path(QStringLiteral("named.pat"))};
    answerMessageBox(QMessageBox::Save);
    form().close();
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(fileBytes(path(QStringLiteral("named.pat"))), edited);
}

TEST_F(UnsavedChangesTest, UndoIsOffWhilePreviewPlays)
{
    startHere();
    openThroughDialog(writePat(QStringLiteral("show.pat"), lights()));
    widget<QCheckBox>("CheckBox3")->click();
    ASSERT_TRUE(action("AUndo")->isEnabled());
    widget<QListWidget>("ListBox2")->setCurrentRow(0);
    widget<QPushButton>("Button15")->click();
    EXPECT_FALSE(action("AUndo")->isEnabled());
    widget<QPushButton>("Button15")->click();
    EXPECT_TRUE(action("AUndo")->isEnabled());
}

// The recovery copies lie in the fixture's own folder.
class RecoveryTest : public GridFixtureBase {
protected:
    QString recoveryFolder() const { return dir.filePath(QStringLiteral("recovery")); }
    QStringList copies() const { return QDir(recoveryFolder()).entryList({QStringLiteral("*.pat")}, QDir::Files); }

    // Lets the recovery timer fire at once.
    void flushRecovery(editor::TMForm &f)
    {
        auto *timer = f.findChild<QTimer *>(QStringLiteral("RecoveryTimer"));
        ASSERT_NE(timer, nullptr);
        if (timer->isActive())
            timer->start(0);
        processEvents();
    }
};

// The editor that KilledEditorsChangesComeBack kills: it edits, waits for its copy, and hangs
// until it is killed. It runs in a process of its own, never as a test.
class RecoveryChild : public RecoveryTest {
public:
    using RecoveryTest::SetUp;
    void TestBody() override;
};

int runRecoveryChild()
{
    RecoveryChild child;
    child.SetUp();
    child.TestBody();
    return 0;
}

const testing_support::ChildProcess recoveryChild("recovery", &runRecoveryChild);

void RecoveryChild::TestBody()
{
    const QString folder = qEnvironmentVariable("GLOW_RECOVERY_CHILD");
    dir.remove();
    editor::EditorEnvironment environment;
    environment.programDir = QStringLiteral(GLOW_DATA_DIR "/");
    environment.arguments = {folder + QStringLiteral("/show.pat")};
    environment.dialogs = &dialogs;
    environment.settingsFile = folder + QStringLiteral("/settings.ini");
    environment.recoveryFolder = folder + QStringLiteral("/recovery");
    forms = editor::createForms(std::move(environment));
    widget<QCheckBox>("CheckBox3")->click();
    widget<QLineEdit>("Edit1")->setText(QStringLiteral("unsaved"));
    testing_support::writeAll(folder + QStringLiteral("/expected.bin"), encoded(form().Document));
    while (QDir(folder + QStringLiteral("/recovery")).entryList({QStringLiteral("*.json")}).isEmpty())
        QTest::qWait(20);
    std::printf("READY\n");
    std::fflush(stdout);
    for (;;)
        QTest::qWait(1000);
}

TEST_F(RecoveryTest, KilledEditorsChangesComeBackOnYesAndAreGoneOnNo)
{
    for (const bool restore : {true, false}) {
        SCOPED_TRACE(restore ? "Yes" : "No");
        const QString file = writePat(QStringLiteral("show.pat"), lights());
        const QByteArray opened = fileBytes(file);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("GLOW_RECOVERY_CHILD"), dir.path());
        env.insert(QString::fromLatin1(testing_support::ChildVariable), QStringLiteral("recovery"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        ASSERT_TRUE(child.waitForStarted());
        QByteArray out;
        while (!out.contains("READY") && child.waitForReadyRead(30000))
            out += child.readAllStandardOutput();
        ASSERT_TRUE(out.contains("READY")) << out.toStdString();
        child.kill(); // SIGKILL: nothing of a normal exit runs
        child.waitForFinished();
        ASSERT_EQ(copies().size(), 1);
        const QByteArray expected = fileBytes(path(QStringLiteral("expected.bin")));

        answerMessageBox(restore ? QMessageBox::Yes : QMessageBox::No);
        startHere();
        ASSERT_EQ(modalsSeen.size(), 1u);
        EXPECT_TRUE(modalsSeen[0].text.contains(QStringLiteral("show.pat"))) << modalsSeen[0].text.toStdString();
        modalsSeen.clear();
        if (restore) {
            EXPECT_EQ(encoded(form().Document), expected);
            EXPECT_EQ(form().Document.GlowFile.FileName, file.toStdString());
            EXPECT_TRUE(form().isWindowModified());
            trigger(action("ASave"));
            EXPECT_EQ(fileBytes(file), expected);
            EXPECT_TRUE(copies().isEmpty()) << "saved: no copy is needed";
        } else {
            EXPECT_FALSE(form().document().isLoaded());
            EXPECT_TRUE(copies().isEmpty());
            EXPECT_EQ(fileBytes(file), opened);
        }
        {
            editor::EditorForms closing = std::move(forms);
        }
    }
}

TEST_F(RecoveryTest, TwoEditorsKeepTheirOwnCopiesAndNeitherOffersTheOthers)
{
    const QString file = writePat(QStringLiteral("show.pat"), lights());
    startHere({file});
    editor::EditorForms first = std::move(forms);
    startHere({file});
    EXPECT_TRUE(modalsSeen.empty() && unexpectedModals.empty());
    for (editor::TMForm *f : {first.MForm.get(), forms.MForm.get()}) {
        childNamed<QCheckBox>(*f, "CheckBox3")->click();
        flushRecovery(*f);
    }
    EXPECT_EQ(copies().size(), 2);
    // A third editor finds both locked by running editors.
    editor::EditorForms second = std::move(forms);
    startHere();
    EXPECT_TRUE(unexpectedModals.empty());
    // Saving removes the saver's copy only; a normal exit removes the other.
    first.MForm->execute("ASave");
    EXPECT_EQ(copies().size(), 1);
    {
        editor::EditorForms closing = std::move(second);
    }
    EXPECT_TRUE(copies().isEmpty());
}

TEST_F(RecoveryTest, CopyIsWrittenOncePerQuietPeriodNotOnEveryKeystroke)
{
    startHere();
    openThroughDialog(writePat(QStringLiteral("show.pat"), lights()));
    widget<QCheckBox>("CheckBox3")->click();
    for (int i = 0; i < 20; ++i) {
        QTest::keyClicks(widget<QLineEdit>("Edit1"), QStringLiteral("a"));
        processEvents();
    }
    EXPECT_TRUE(copies().isEmpty()) << "still typing";
    flushRecovery(form());
    EXPECT_EQ(copies().size(), 1);
    const QByteArray copy = fileBytes(recoveryFolder() + QLatin1Char('/') + copies().first());
    EXPECT_EQ(copy, encoded(form().Document));
}

} // namespace
} // namespace editor_test
