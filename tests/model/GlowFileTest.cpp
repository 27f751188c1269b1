#include "TestBytes.h"
#include "model/GlowFile.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <cerrno>
#include <filesystem>
#include <fstream>

using namespace model;
using model_test::Bytes;
using model_test::hex;

namespace {

bool decode(TDocument &doc, const Bytes &bytes) { return DecodeGlowFile(doc, bytes.data(), bytes.size()); }

// The IoError text a decode raises, or "" when it succeeds.
std::string decodeError(TDocument &doc, const Bytes &bytes)
{
    try {
        decode(doc, bytes);
    } catch (const IoError &e) {
        return e.what();
    }
    return "";
}

TGlowshow workedNormal()
{
    TGlowshow g;
    g.Id = 1;
    g.Kind = KindNormal;
    g.FrameCount = 1;
    g.Frames = {TFrame{500, 1, {TFrameEntry{1, 15, 8, 0}}}};
    return g;
}

TGlowshow workedRhythm()
{
    TGlowshow g;
    g.Id = 1;
    g.Kind = KindRhythm;
    g.FrameCount = 1;
    g.StepCount = 2;
    g.Channels = {TClubFrame{2, 2, 1000, 200, {TClubStep{15, 0, 0, 100}, TClubStep{0, 15, 15, 0}}}};
    return g;
}

// A document with every kind of glowshow and a trailer: the base of the truncation tests.
TDocument richDocument()
{
    TDocument doc;
    TGlowshow repeating = workedNormal();
    repeating.Repeating = 1;
    repeating.RepeatDuration = 3000;
    repeating.Frames.push_back(TFrame{120, 2, {TFrameEntry{2, 1, 2, 3}, TFrameEntry{5, 15, 15, 15}}});
    repeating.FrameCount = 2;
    doc.Glowshows.push_back(repeating);
    TGlowshow rhythm = workedRhythm();
    rhythm.Channels.push_back(TClubFrame{4, 2, 65535, 0, {TClubStep{1, 1, 1, 5}, TClubStep{2, 2, 2, 10}}});
    rhythm.FrameCount = 2;
    doc.Glowshows.push_back(rhythm);
    TGlowshow other;
    other.Kind = 3;
    other.Id = 0x80;
    other.FrameCount = 4;
    other.Repeating = 1; // what the reader leaves in a glowshow without a body
    doc.Glowshows.push_back(other);
    doc.Glowshows.push_back(workedNormal());
    doc.GlowFile.GlowshowCount = 4;
    doc.HasTrailer = 1;
    doc.TrailerText1 = "Title";
    doc.TrailerText2 = "Line 1\r\nLine 2";
    return doc;
}

// A document that differs from anything a decode produces in every field.
TDocument sentinelDocument()
{
    TDocument doc;
    doc.Glowshows.emplace_back();
    doc.Glowshows[0].Kind = KindRhythm;
    doc.Glowshows[0].Id = 0x42;
    doc.GlowFile = {"/some/old.pat", 0xBEEF, 1};
    doc.CurrentGlowshow = 0;
    doc.CurrentFrame = 7;
    doc.CurrentEntry = 3;
    doc.CurrentElement = 4;
    doc.HasTrailer = 1;
    doc.TrailerText1 = "old";
    doc.TrailerText2 = "older";
    return doc;
}

} // namespace

TEST(WorkedExamples, ReadIntoTheDescribedDocument)
{
    struct Case {
        const char *name;
        const char *bytes;
        TGlowshow glowshow;
        std::uint16_t storedSize, headerWord;
        std::uint8_t hasTrailer;
        std::string text1;
    };
    TGlowshow repeating = workedNormal();
    repeating.Repeating = 1;
    repeating.RepeatDuration = 3000;
    const Case cases[] = {
        {"example 1", model_test::WorkedExample1, workedNormal(), 6, 12, 0, ""},
        {"example 2", model_test::WorkedExample2, repeating, 9, 15, 1, "Hi"},
        {"example 3", model_test::WorkedExample3, workedRhythm(), 12, 18, 0, ""},
    };
    for (const Case &c : cases) {
        TDocument doc;
        ASSERT_TRUE(decode(doc, hex(c.bytes))) << c.name;
        TGlowshow expected = c.glowshow;
        expected.StoredSize = c.storedSize;
        ASSERT_EQ(doc.Glowshows.size(), 1u) << c.name;
        EXPECT_EQ(doc.Glowshows[0], expected) << c.name;
        EXPECT_EQ(doc.GlowFile.GlowshowCount, 1) << c.name;
        EXPECT_EQ(doc.GlowFile.HeaderWord, c.headerWord) << c.name;
        EXPECT_EQ(doc.HasTrailer, c.hasTrailer) << c.name;
        EXPECT_EQ(doc.TrailerText1, c.text1) << c.name;
        EXPECT_EQ(doc.TrailerText2, "") << c.name;
    }
}

TEST(WorkedExamples, WriteFromDocumentByteForByte)
{
    TDocument one, two, three;
    one.Glowshows = {workedNormal()};
    two.Glowshows = {workedNormal()};
    two.Glowshows[0].Repeating = 1;
    two.Glowshows[0].RepeatDuration = 3000;
    two.HasTrailer = 1;
    two.TrailerText1 = "Hi";
    three.Glowshows = {workedRhythm()};
    struct Case {
        const char *name;
        TDocument *doc;
        const char *bytes;
        std::uint16_t headerWord;
    };
    const Case cases[] = {
        {"example 1", &one, model_test::WorkedExample1, 12},
        {"example 2", &two, model_test::WorkedExample2, 15},
        {"example 3", &three, model_test::WorkedExample3, 18},
    };
    for (const Case &c : cases) {
        c.doc->GlowFile.GlowshowCount = 1;
        EXPECT_EQ(EncodeGlowFile(*c.doc), hex(c.bytes)) << c.name;
        EXPECT_EQ(c.doc->GlowFile.HeaderWord, c.headerWord) << c.name;
    }
}

TEST(WorkedExamples, ReadThenWriteGivesTheSameBytes)
{
    for (const char *text : {model_test::WorkedExample1, model_test::WorkedExample2, model_test::WorkedExample3}) {
        TDocument doc;
        ASSERT_TRUE(decode(doc, hex(text)));
        EXPECT_EQ(EncodeGlowFile(doc), hex(text)) << text;
    }
}

TEST(GlowFileReader, FiveByteFileIsAnEmptyDocumentWithoutTrailer)
{
    TDocument doc = sentinelDocument();
    ASSERT_TRUE(decode(doc, hex("01 01 00 00 00")));
    EXPECT_TRUE(doc.Glowshows.empty());
    EXPECT_EQ(doc.GlowFile.GlowshowCount, 0);
    EXPECT_EQ(doc.GlowFile.HeaderWord, 0);
    EXPECT_EQ(doc.HasTrailer, 0);
    EXPECT_EQ(doc.GlowFile.FileName, "/some/old.pat"); // the caller sets the name
    EXPECT_EQ(EncodeGlowFile(doc), hex("01 01 00 00 00"));
}

TEST(GlowFileReader, OtherMagicLeavesTheDocumentUnchanged)
{
    for (const char *text : {"01 02 00 00 00", "01 02", "00 00 01 01 00", "FF FF FF FF FF FF"}) {
        TDocument doc = sentinelDocument();
        EXPECT_FALSE(decode(doc, hex(text))) << text;
        EXPECT_EQ(doc, sentinelDocument()) << text;
    }
}

TEST(GlowFileReader, EmptyOrOneByteFileEndsBeforeTheMagic)
{
    for (const char *text : {"", "01"}) {
        TDocument doc = sentinelDocument();
        EXPECT_EQ(decodeError(doc, hex(text)), "Read beyond end of file") << "[" << text << "]";
        EXPECT_EQ(doc, sentinelDocument());
    }
}

TEST(GlowFileReader, StoredSizeDecidesWhetherTheRepeatTailFollows)
{
    // One normal frame of one entry: 6 frame bytes, then 3 more bytes.
    struct Case {
        const char *storedSize;
        std::uint8_t repeating;
        std::uint16_t repeatDuration;
        std::uint8_t hasTrailer;
    };
    const Case cases[] = {
        {"00 06", 0, 0, 1},   // equal: no tail, the 3 bytes are a trailer
        {"00 05", 0, 0, 1},   // smaller: no tail either
        {"00 00", 0, 0, 1},
        {"00 07", 1, 0x0102, 0}, // larger by any amount: the 3 bytes are the tail
        {"00 09", 1, 0x0102, 0},
        {"FF FF", 1, 0x0102, 0},
    };
    for (const Case &c : cases) {
        const std::string text = std::string("01 01 00 00 01 ") + c.storedSize +
                                 " 01 00 00 01 02  00 64 01  03 0F FF  01 02 00";
        TDocument doc;
        ASSERT_EQ(decodeError(doc, hex(text)), "") << c.storedSize;
        ASSERT_EQ(doc.Glowshows.size(), 1u);
        EXPECT_EQ(doc.Glowshows[0].Repeating, c.repeating) << c.storedSize;
        EXPECT_EQ(doc.Glowshows[0].RepeatDuration, c.repeatDuration) << c.storedSize;
        EXPECT_EQ(doc.HasTrailer, c.hasTrailer) << c.storedSize;
    }
}

TEST(GlowFileReader, RhythmChannelsOfTwoAndFourStepsArePaddedAndWrittenBackAsStored)
{
    const Bytes file = hex("01 01 00 00 01  00 00 02 00 00 05 01"
                           "  01 02 00 0A 00 01  11 12 13  21 22 23"
                           "  03 04 FF FF 00 00  31 32 33  41 42 43  51 52 53  61 62 63");
    TDocument doc;
    ASSERT_TRUE(decode(doc, file));
    const TGlowshow &g = doc.Glowshows.at(0);
    EXPECT_EQ(g.StepCount, 4);
    EXPECT_EQ(g.Repeating, 0);
    ASSERT_EQ(g.Channels.size(), 2u);
    EXPECT_EQ(g.Channels[0].StepCount, 2);
    EXPECT_EQ(g.Channels[1].StepCount, 4);
    ASSERT_EQ(g.Channels[0].Steps.size(), 4u);
    ASSERT_EQ(g.Channels[1].Steps.size(), 4u);
    EXPECT_EQ(g.Channels[0].Steps[1], (TClubStep{0x21, 2, 2, 0x23}));
    EXPECT_EQ(g.Channels[0].Steps[2], TClubStep{});
    EXPECT_EQ(g.Channels[0].Steps[3], TClubStep{});
    EXPECT_EQ(g.Channels[1].Steps[3], (TClubStep{0x61, 6, 2, 0x63}));
    EXPECT_EQ(g.Channels[1].Element, 3);
    EXPECT_EQ(g.Channels[1].UpperFrequency, 65535);
    EXPECT_EQ(g.Channels[0].LowerFrequency, 1);

    // Each channel writes its own steps; StoredSize counts the glowshow's 4 for both.
    Bytes expected = file;
    expected[5] = 0;
    expected[6] = 36;
    const std::uint16_t header = std::uint16_t(file.size() - 1 - 5);
    expected[2] = HighByte(header);
    expected[3] = LowByte(header);
    EXPECT_EQ(EncodeGlowFile(doc), expected);
}

TEST(GlowFileReader, OtherKindIsItsHeaderAlone)
{
    const Bytes file = hex("01 01 00 00 02  00 05 07 AA BB 09 03  00 06 01 00 00 01 02 01 F4 01 01 0F 80");
    TDocument doc;
    ASSERT_TRUE(decode(doc, file));
    ASSERT_EQ(doc.Glowshows.size(), 2u);
    EXPECT_EQ(doc.Glowshows[0].Kind, 3);
    EXPECT_EQ(doc.Glowshows[0].Id, 9);
    EXPECT_EQ(doc.Glowshows[0].FrameCount, 7);
    EXPECT_TRUE(doc.Glowshows[0].Frames.empty());
    EXPECT_TRUE(doc.Glowshows[0].Channels.empty());
    EXPECT_EQ(doc.Glowshows[1].Frames.at(0).Duration, 500);
    EXPECT_EQ(doc.HasTrailer, 0);
    // Written back as the header alone, reserved bytes zeroed and a body size of 0.
    EXPECT_EQ(EncodeGlowFile(doc),
              hex("01 01 00 12 02  00 00 07 00 00 09 03  00 06 01 00 00 01 02 01 F4 01 01 0F 80"));
}

TEST(GlowFileTrailer, CharactersBelowSixteenWrapAndReadBackUnchanged)
{
    TDocument doc;
    doc.HasTrailer = 1;
    doc.TrailerText1 = std::string("\x00\x05\x0F\x10", 4);
    doc.TrailerText2 = "\xFF" "A";
    const Bytes bytes = EncodeGlowFile(doc);
    EXPECT_EQ(bytes, hex("01 01 00 00 00  04 F0 F5 FF 00  02 EF 31"));
    TDocument back;
    ASSERT_TRUE(decode(back, bytes));
    EXPECT_EQ(back.HasTrailer, 1);
    EXPECT_EQ(back.TrailerText1, doc.TrailerText1);
    EXPECT_EQ(back.TrailerText2, doc.TrailerText2);
}

TEST(GlowFileTrailer, ReadingReplacesTheTrailerEvenWhenTheFileHasNone)
{
    TDocument doc = sentinelDocument();
    ASSERT_TRUE(decode(doc, hex(model_test::WorkedExample1)));
    EXPECT_EQ(doc.HasTrailer, 0);
    EXPECT_EQ(doc.TrailerText1, "");
    EXPECT_EQ(doc.TrailerText2, "");
}

TEST(GlowFileTrailer, BytesAfterTheSecondTextAreIgnored)
{
    TDocument doc;
    ASSERT_TRUE(decode(doc, hex("01 01 00 00 00  01 31  01 32  99 98 97")));
    EXPECT_EQ(doc.TrailerText1, "A");
    EXPECT_EQ(doc.TrailerText2, "B");
}

TEST(GlowFileTrailer, TextLongerThan255IsCutTo255OnWrite)
{
    TDocument doc;
    doc.HasTrailer = 1;
    doc.TrailerText1 = std::string(300, 'x');
    doc.TrailerText2 = std::string(255, 'y');
    const Bytes bytes = EncodeGlowFile(doc);
    ASSERT_EQ(bytes.size(), 5u + 1 + 255 + 1 + 255);
    EXPECT_EQ(bytes[5], 255);
    EXPECT_EQ(bytes[5 + 256], 255);
    TDocument back;
    ASSERT_TRUE(decode(back, bytes));
    EXPECT_EQ(back.TrailerText1, std::string(255, 'x'));
    EXPECT_EQ(back.TrailerText2, std::string(255, 'y'));
}

TEST(GlowFileTrailer, NotWrittenWhileHasTrailerIsZero)
{
    TDocument doc;
    doc.Glowshows = {workedNormal()};
    doc.TrailerText1 = "kept in the document";
    EXPECT_EQ(EncodeGlowFile(doc), hex(model_test::WorkedExample1));
}

TEST(GlowFileReader, TruncationAtEveryOffsetFailsAndLeavesTheDocumentUnchanged)
{
    TDocument rich = richDocument();
    const Bytes full = EncodeGlowFile(rich);
    // The glowshows end where the trailer begins: that prefix is a complete file.
    TDocument noTrailer = richDocument();
    noTrailer.HasTrailer = 0;
    const std::size_t glowshowsEnd = EncodeGlowFile(noTrailer).size();
    ASSERT_LT(glowshowsEnd, full.size());

    for (std::size_t length = 0; length < full.size(); ++length) {
        const Bytes prefix(full.begin(), full.begin() + std::ptrdiff_t(length));
        TDocument doc = sentinelDocument();
        const std::string error = decodeError(doc, prefix);
        if (length == glowshowsEnd) {
            EXPECT_EQ(error, "") << "length " << length;
            EXPECT_EQ(doc.HasTrailer, 0);
            EXPECT_EQ(doc.Glowshows, rich.Glowshows);
            continue;
        }
        EXPECT_EQ(error, "Read beyond end of file") << "length " << length;
        EXPECT_EQ(doc, sentinelDocument()) << "length " << length;
    }
    TDocument doc = sentinelDocument();
    ASSERT_EQ(decodeError(doc, full), "");
    rich.GlowFile.FileName = doc.GlowFile.FileName;
    rich.CurrentFrame = doc.CurrentFrame = 0;
    rich.CurrentElement = doc.CurrentElement;
    rich.CurrentEntry = doc.CurrentEntry;
    EXPECT_EQ(doc, rich);
}

TEST(GlowFileWriter, RecomputesStoredSizesAndHeaderWord)
{
    TDocument doc = richDocument();
    for (TGlowshow &g : doc.Glowshows)
        g.StoredSize = 1234;
    doc.GlowFile.HeaderWord = 1;
    const Bytes bytes = EncodeGlowFile(doc);
    EXPECT_EQ(doc.Glowshows[0].StoredSize, 2 * 3 + 3 * 3 + 3);
    EXPECT_EQ(doc.Glowshows[1].StoredSize, 2 * (6 + 6));
    EXPECT_EQ(doc.Glowshows[2].StoredSize, 0);
    EXPECT_EQ(doc.Glowshows[3].StoredSize, 6);
    // Sum over glowshows of 6 + body bytes; the trailer is not counted.
    const std::uint16_t expected = (6 + 18) + (6 + 24) + 6 + (6 + 6);
    EXPECT_EQ(doc.GlowFile.HeaderWord, expected);
    EXPECT_EQ(bytes[2] * 256 + bytes[3], expected);
}

TEST(GlowFileWriter, ArraysShorterThanTheirCountsAreWrittenAsZeros)
{
    TDocument doc;
    TGlowshow g;
    g.Kind = KindNormal;
    g.FrameCount = 2;
    g.Frames = {TFrame{100, 2, {TFrameEntry{1, 2, 3, 4}}}}; // one frame, one entry of two
    doc.Glowshows = {g};
    const Bytes bytes = EncodeGlowFile(doc);
    EXPECT_EQ(bytes, hex("01 01 00 12 01  00 0C 02 00 00 00 02  00 64 02 01 02 34 00 00 00  00 00 00"));
    TDocument back;
    ASSERT_TRUE(decode(back, bytes));
    EXPECT_EQ(back.Glowshows.at(0).Frames.size(), 2u);
    EXPECT_EQ(back.Glowshows[0].Frames[0].Entries.size(), 2u);
}

TEST(GlowFileWriter, ColourNibblesArePacked)
{
    TDocument doc;
    TGlowshow g;
    g.Kind = KindNormal;
    g.FrameCount = 1;
    g.Frames = {TFrame{0xABCD, 1, {TFrameEntry{6, 0x0C, 0x0A, 0x05}}}};
    doc.Glowshows = {g};
    EXPECT_EQ(EncodeGlowFile(doc), hex("01 01 00 0C 01  00 06 01 00 00 00 02  AB CD 01 06 0C A5"));
}

namespace {

class GlowFilePaths : public ::testing::Test {
protected:
    void SetUp() override
    {
        mDir = std::filesystem::temp_directory_path() /
               ("glow-model-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(mDir);
        std::filesystem::create_directories(mDir);
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::permissions(mDir / "ro.pat", std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(mDir, ec);
    }
    std::string path(const std::string &name) const { return (mDir / name).string(); }
    void write(const std::string &name, const Bytes &bytes) const
    {
        std::ofstream out(path(name), std::ios::binary);
        out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    }
    static std::string readError(const std::string &p)
    {
        TDocument doc = sentinelDocument();
        try {
            ReadGlowFile(doc, p);
        } catch (const IoError &e) {
            EXPECT_EQ(doc, sentinelDocument()) << p;
            return e.what();
        }
        return "";
    }
    std::filesystem::path mDir;
};

} // namespace

TEST_F(GlowFilePaths, OpenFailuresGiveTheRunTimeTexts)
{
    write("plain.pat", hex(model_test::WorkedExample1));
    std::filesystem::create_directories(mDir / "folder.pat");
    struct Case {
        std::string path;
        const char *expected;
    };
    const Case cases[] = {
        {path("missing.pat"), "File not found"},
        {path("no-such-folder/x.pat"), "Invalid filename"},
        {path("plain.pat/x.pat"), "Invalid filename"}, // a file used as a folder
        {path(std::string(5000, 'n')), "Invalid filename"},
        {path("folder.pat"), "File access denied"},
        {"", "File not found"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(readError(c.path), c.expected) << c.path.substr(0, 120);
}

TEST_F(GlowFilePaths, ReadsReadOnlyFile)
{
    write("ro.pat", hex(model_test::WorkedExample3));
    std::filesystem::permissions(path("ro.pat"), std::filesystem::perms::owner_read);
    TDocument doc;
    EXPECT_TRUE(ReadGlowFile(doc, path("ro.pat")));
    EXPECT_EQ(doc.Glowshows.at(0), [] {
        TGlowshow g = workedRhythm();
        g.StoredSize = 12;
        return g;
    }());
}

TEST_F(GlowFilePaths, TruncatedFileFailsWithReadBeyondEnd)
{
    Bytes bytes = hex(model_test::WorkedExample2);
    bytes.resize(14);
    write("short.pat", bytes);
    EXPECT_EQ(readError(path("short.pat")), "Read beyond end of file");
}

TEST(IoErrorTexts, ErrnoValuesMapToTheRunTimeTexts)
{
    struct Case {
        int err;
        const char *expected;
    };
    const Case cases[] = {
        {ENOENT, "File not found"},     {ENOTDIR, "Invalid filename"},  {ENAMETOOLONG, "Invalid filename"},
        {EMFILE, "Too many open files"}, {ENFILE, "Too many open files"}, {EACCES, "File access denied"},
        {EPERM, "File access denied"},  {EROFS, "File access denied"},  {EISDIR, "File access denied"},
        {ENOSPC, "Disk full"},          {EFBIG, "Disk full"},
        // Other codes are reported with their number, never with a text of a code that
        // happens to share the number.
        {EIO, "I/O error 5"},           {EINTR, "I/O error 4"},         {ESRCH, "I/O error 3"},
    };
    for (const Case &c : cases)
        EXPECT_STREQ(IoError::fromErrno(c.err).what(), c.expected) << "errno " << c.err;
    for (int err : {ENETDOWN, ENETUNREACH})
        EXPECT_EQ(IoError::fromErrno(err).what(), "I/O error " + std::to_string(err));
}

TEST(IoErrorTexts, CodesGiveTheirTexts)
{
    EXPECT_STREQ(IoError(IoError::ReadBeyondEnd).what(), "Read beyond end of file");
    EXPECT_STREQ(IoError(IoError::DiskFull).what(), "Disk full");
    EXPECT_STREQ(IoError(IoError::InvalidFilename).what(), "Invalid filename");
    EXPECT_EQ(ioErrorText(13), "I/O error 13");
    EXPECT_EQ(IoError(IoError::DiskFull).code(), IoError::DiskFull);
}

// A repeating glowshow whose frame bytes end just below 64 KiB: the stored size wraps past
// the frame count, and the tail must still be read back.
TEST(GlowFileRepeatTail, SurvivesSixteenBitWrapOfTheStoredSize)
{
    model::TDocument doc;
    model::TGlowshow &g = doc.Glowshows.emplace_back();
    // Frame bytes are 3 per frame and 3 per entry: 255 frames holding 21590 entries make
    // 65535 bytes, so the stored size with its tail wraps to 2.
    g.FrameCount = 255;
    g.Frames.resize(255);
    unsigned counted = 0;
    for (std::size_t i = 0; i < g.Frames.size(); ++i) {
        const unsigned entries = i < 170 ? 85 : 84;
        g.Frames[i].EntryCount = std::uint8_t(entries);
        g.Frames[i].Entries.resize(entries, model::TFrameEntry{1, 2, 3, 4});
        counted += 3 + 3 * entries;
    }
    ASSERT_GE(counted, 65533u);
    ASSERT_LE(counted, 65535u);
    g.Repeating = 1;
    g.RepeatDuration = 1234;
    doc.GlowFile.GlowshowCount = 1;

    const std::vector<std::uint8_t> bytes = model::EncodeGlowFile(doc);
    model::TDocument again;
    ASSERT_TRUE(model::DecodeGlowFile(again, bytes.data(), bytes.size()));
    ASSERT_EQ(again.Glowshows.size(), 1u);
    EXPECT_EQ(again.Glowshows[0].Repeating, 1);
    EXPECT_EQ(again.Glowshows[0].RepeatDuration, 1234);
    EXPECT_EQ(again.HasTrailer, 0);
}
