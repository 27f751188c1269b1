#include "editor/GlowFileIO.h"

#include "TestHelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace model;

namespace {

// Passes the first `limit` bytes on to the real sink, then fails as a full disk would.
// A limit equal to the file size fails the commit instead.
class FailingSink : public ByteSink {
public:
    FailingSink(std::unique_ptr<ByteSink> inner, std::size_t limit) : mInner(std::move(inner)), mLimit(limit) {}
    void write(const std::uint8_t *data, std::size_t size) override
    {
        const std::size_t room = mLimit - std::min(mLimit, mWritten);
        if (size > room) {
            mInner->write(data, room);
            mWritten += room;
            throw IoError(IoError::DiskFull);
        }
        mInner->write(data, size);
        mWritten += size;
    }
    void commit() override
    {
        if (mWritten >= mLimit)
            throw IoError(IoError::DiskFull);
        mInner->commit();
    }

private:
    std::unique_ptr<ByteSink> mInner;
    std::size_t mLimit;
    std::size_t mWritten = 0;
};

TDocument multiGlowshowDocument(int frames)
{
    TDocument doc;
    for (int k = 0; k < 3; ++k) {
        TGlowshow g;
        g.Id = std::uint8_t(k + 1);
        g.Kind = KindNormal;
        g.Repeating = std::uint8_t(k % 2);
        g.RepeatDuration = g.Repeating ? 1000 : 0; // kept only by repeating glowshows
        g.FrameCount = std::uint8_t(frames);
        for (int f = 0; f < frames; ++f) {
            TFrame fr;
            fr.Duration = std::uint16_t(100 + f);
            for (std::uint8_t e = 1; e <= 6; ++e)
                fr.Entries.push_back({e, std::uint8_t(f % 16), std::uint8_t(e), std::uint8_t(k)});
            fr.EntryCount = 6;
            g.Frames.push_back(fr);
        }
        doc.Glowshows.push_back(g);
    }
    TGlowshow r;
    r.Id = 0x80;
    r.Kind = KindRhythm;
    r.FrameCount = 2;
    r.StepCount = 2;
    r.Channels = {TClubFrame{1, 2, 900, 100, {TClubStep{15, 0, 0, 5}, TClubStep{0, 15, 0, 10}}},
                  TClubFrame{2, 2, 400, 50, {TClubStep{0, 0, 15, 5}, TClubStep{15, 15, 15, 0}}}};
    doc.Glowshows.push_back(r);
    doc.GlowFile.GlowshowCount = std::uint8_t(doc.Glowshows.size());
    doc.HasTrailer = 1;
    doc.TrailerText1 = "Save test";
    doc.TrailerText2 = "second";
    return doc;
}

std::string writeError(TDocument &doc, const QString &path, const editor::SinkWrapper &wrap = {})
{
    try {
        editor::WriteGlowFile(doc, path, wrap);
    } catch (const IoError &e) {
        return e.what();
    }
    return "";
}

QByteArray encoded(TDocument doc)
{
    const std::vector<std::uint8_t> bytes = EncodeGlowFile(doc);
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

class GlowFileIO : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(mDir.isValid()); }
    QString path(const QString &name) const { return mDir.filePath(name); }
    QStringList entries() const { return QDir(mDir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System); }
    QTemporaryDir mDir;
};

} // namespace

TEST_F(GlowFileIO, SaveWritesTheEncodedDocumentAndReadsBack)
{
    TDocument doc = multiGlowshowDocument(3);
    const QString target = path(QStringLiteral("new \u00e9 file.pat"));
    ASSERT_EQ(writeError(doc, target), "");
    EXPECT_EQ(testing_support::readAll(target), encoded(doc));
    TDocument back;
    ASSERT_TRUE(editor::ReadGlowFile(back, target));
    EXPECT_EQ(back.Glowshows, doc.Glowshows);
    EXPECT_EQ(back.TrailerText2, "second");
}

TEST_F(GlowFileIO, SaveFailingAtAnyByteLeavesThePreviousFileIntact)
{
    const QString target = path("old.pat");
    const QByteArray old = testing_support::fromHex("01 01 00 0C 01 00 06 01 00 00 01 02 01 F4 01 01 0F 80");
    testing_support::writeAll(target, old);
    TDocument doc = multiGlowshowDocument(2);
    const std::size_t size = std::size_t(encoded(doc).size());
    for (std::size_t n = 0; n <= size; ++n) {
        const std::string error = writeError(doc, target, [n](std::unique_ptr<ByteSink> real) {
            return std::make_unique<FailingSink>(std::move(real), n);
        });
        EXPECT_EQ(error, "Disk full") << "failing at byte " << n;
        ASSERT_EQ(testing_support::readAll(target), old) << "failing at byte " << n;
        ASSERT_EQ(entries(), QStringList{"old.pat"}) << "temporary file left after failing at byte " << n;
    }
    ASSERT_EQ(writeError(doc, target), "");
    EXPECT_EQ(testing_support::readAll(target), encoded(doc));
}

TEST_F(GlowFileIO, ReadOnlyTargetIsRefusedAndKept)
{
    // Tested by the permission bits, so this also holds when the tests run as root.
    const QString target = path("ro.pat");
    const QByteArray old = testing_support::fromHex("01 01 00 00 00");
    testing_support::writeAll(target, old);
    ASSERT_TRUE(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    TDocument doc = multiGlowshowDocument(1);
    EXPECT_EQ(writeError(doc, target), "File access denied");
    EXPECT_EQ(testing_support::readAll(target), old);

    TDocument read;
    EXPECT_TRUE(editor::ReadGlowFile(read, target)); // reading a read-only file is fine
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(GlowFileIO, UnusableTargetsGiveTheRunTimeTexts)
{
    ASSERT_TRUE(QDir(mDir.path()).mkdir("folder.pat"));
    testing_support::writeAll(path("plain"), "x");
    struct Case {
        QString target;
        const char *expected;
    };
    const Case cases[] = {
        {path("missing/x.pat"), "Invalid filename"},
        {path("plain/x.pat"), "Invalid filename"},
        {path("folder.pat"), "File access denied"},
        {QString(), "Invalid filename"},
    };
    for (const Case &c : cases) {
        TDocument doc = multiGlowshowDocument(1);
        EXPECT_EQ(writeError(doc, c.target), c.expected) << c.target.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path("missing")));
}

TEST_F(GlowFileIO, SaveKeepsThePermissionsOfTheReplacedFile)
{
    const QString target = path("perm.pat");
    testing_support::writeAll(target, "old");
    const auto perms = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(target, perms));
    TDocument doc = multiGlowshowDocument(1);
    ASSERT_EQ(writeError(doc, target), "");
    const auto modeBits = [](QFileDevice::Permissions p) { return p.toInt() & 0x7077; }; // owner, group, other
    EXPECT_EQ(modeBits(QFile::permissions(target)), modeBits(perms));
}

TEST_F(GlowFileIO, ReadReportsNotAGlowshowFileAndMissingFiles)
{
    testing_support::writeAll(path("gimp.pat"), testing_support::fromHex("01 02 00 00 00"));
    TDocument doc;
    doc.TrailerText1 = "unchanged";
    EXPECT_FALSE(editor::ReadGlowFile(doc, path("gimp.pat")));
    EXPECT_EQ(doc.TrailerText1, "unchanged");
    EXPECT_THROW(
        {
            try {
                editor::ReadGlowFile(doc, path("absent.pat"));
            } catch (const IoError &e) {
                EXPECT_STREQ(e.what(), "File not found");
                throw;
            }
        },
        IoError);
}

TEST_F(GlowFileIO, RealShortWriteReportsDiskFullAndKeepsThePreviousFile)
{
    const QString target = path("big.pat");
    TDocument oldDoc = multiGlowshowDocument(120);
    const QByteArray old = encoded(oldDoc);
    const rlim_t limit = 4096;
    ASSERT_GT(old.size(), qsizetype(limit));
    testing_support::writeAll(target, old);

    TDocument doc = multiGlowshowDocument(200);
    ASSERT_GT(encoded(doc).size(), old.size());

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The file size limit makes write() stop short, as a full disk does.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit rl{limit, limit};
        if (setrlimit(RLIMIT_FSIZE, &rl) != 0)
            _exit(20);
        const std::string error = writeError(doc, target);
        _exit(error == "Disk full" ? 10 : error.empty() ? 0 : 11);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 10) << "10: Disk full, 0: reported success, 11: another error";
    EXPECT_EQ(testing_support::readAll(target), old);
    EXPECT_EQ(entries(), QStringList{"big.pat"});
}
