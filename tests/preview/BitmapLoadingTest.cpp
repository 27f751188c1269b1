#include "preview/BitmapPictureSink.h"
#include "preview/QtDrawingSurface.h"

#include "TestHelpers.h"
#include "model/IoError.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>

#include <cstdint>
#include <utility>

using preview::BitmapPictureSink;
using preview::loadWindowsBitmap;
using preview::QtDrawingSurface;

namespace {

void put16(QByteArray &b, int v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

void put32(QByteArray &b, qint64 v)
{
    put16(b, int(v & 0xFFFF));
    put16(b, int((v >> 16) & 0xFFFF));
}

// A bitmap file written by hand: header, info header, palette (B, G, R, 0) and pixel data.
QByteArray bitmapFile(int width, int height, int bits, int compression, const QByteArray &palette,
                      const QByteArray &pixels)
{
    QByteArray info;
    put32(info, 40);
    put32(info, width);
    put32(info, height);
    put16(info, 1);
    put16(info, bits);
    put32(info, compression);
    put32(info, pixels.size());
    put32(info, 2835);
    put32(info, 2835);
    put32(info, palette.size() / 4);
    put32(info, 0);
    QByteArray file("BM");
    const int offset = 14 + info.size() + palette.size();
    put32(file, offset + pixels.size());
    put32(file, 0);
    put32(file, offset);
    return file + info + palette + pixels;
}

QImage testPicture()
{
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    image.setPixelColor(0, 0, QColor(10, 200, 30));
    image.setPixelColor(4, 2, QColor(250, 250, 0));
    return image;
}

class BitmapLoading : public ::testing::Test {
protected:
    QString path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(BitmapLoading, BitmapsWrittenByQtLoadInEveryDepth)
{
    struct Case {
        const char *name;
        QImage image;
    };
    const Case cases[] = {
        {"24bit.bmp", testPicture()},
        {"8bit.bmp", testPicture().convertToFormat(QImage::Format_Indexed8)},
        {"32bit.bmp", testPicture().convertToFormat(QImage::Format_ARGB32)},
        {"1bit.bmp", testPicture().convertToFormat(QImage::Format_Mono)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.image.save(path(c.name), "BMP"));
        const QImage loaded = loadWindowsBitmap(path(c.name));
        ASSERT_EQ(loaded.size(), QSize(5, 3));
        EXPECT_EQ(loaded.pixelColor(0, 0).rgb(), c.image.pixelColor(0, 0).rgb());
        EXPECT_EQ(loaded.pixelColor(4, 2).rgb(), c.image.pixelColor(4, 2).rgb());
    }
}

TEST_F(BitmapLoading, RunLengthAndTopDownBitmapsLoad)
{
    // RLE8, 4 × 2, bottom-up: bottom row four pixels of colour 1, top row two of 0 and two of 1.
    const QByteArray palette = testing_support::fromHex("FF 00 FF 00  00 FF 00 00");
    const QByteArray rle = testing_support::fromHex("04 01 00 00  02 00 02 01  00 01");
    testing_support::writeAll(path("rle.bmp"), bitmapFile(4, 2, 8, 1, palette, rle));
    const QImage r = loadWindowsBitmap(path("rle.bmp"));
    ASSERT_EQ(r.size(), QSize(4, 2));
    EXPECT_EQ(r.pixelColor(0, 1), QColor(0, 255, 0));
    EXPECT_EQ(r.pixelColor(0, 0), QColor(255, 0, 255));
    EXPECT_EQ(r.pixelColor(3, 0), QColor(0, 255, 0));

    // 24-bit, 2 × 2, top-down (negative height): rows are padded to four bytes.
    const QByteArray rows = testing_support::fromHex("0000FF 00FF00 0000  FF0000 FFFFFF 0000");
    testing_support::writeAll(path("topdown.bmp"), bitmapFile(2, -2, 24, 0, {}, rows));
    const QImage t = loadWindowsBitmap(path("topdown.bmp"));
    ASSERT_EQ(t.size(), QSize(2, 2));
    EXPECT_EQ(t.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(t.pixelColor(1, 0), QColor(0, 255, 0));
    EXPECT_EQ(t.pixelColor(0, 1), QColor(0, 0, 255));
}

TEST_F(BitmapLoading, FilesThatAreNoBitmapAreInvalid)
{
    ASSERT_TRUE(testPicture().save(path("png.bmp"), "PNG"));
    QByteArray truncated = bitmapFile(100, 100, 24, 0, {}, QByteArray(30000, '\0'));
    truncated.truncate(54 + 10);
    testing_support::writeAll(path("truncated.bmp"), truncated);
    testing_support::writeAll(path("empty.bmp"), {});
    testing_support::writeAll(path("text.bmp"), "BM but not really a bitmap");
    testing_support::writeAll(path("huge.bmp"), bitmapFile(1000000, 1000000, 24, 0, {}, QByteArray(16, '\0')));
    for (const char *name : {"png.bmp", "truncated.bmp", "empty.bmp", "text.bmp", "huge.bmp"}) {
        SCOPED_TRACE(name);
        try {
            loadWindowsBitmap(path(name));
            ADD_FAILURE() << "loaded";
        } catch (const profiles::InvalidBitmapError &e) {
            EXPECT_STREQ(e.what(), "Bitmap image is not valid");
        }
    }
}

TEST_F(BitmapLoading, HeaderSizesNoFileCanHoldAreInvalid)
{
    // 2^31 rows of 2^44 bytes: the byte count of the rows does not fit in 64 bits, which the
    // sanitizer build reports as an overflow when it is multiplied out.
    const QByteArray extreme = bitmapFile(INT32_MIN, INT32_MIN, 0xFFFF, 0, {}, QByteArray(16, '\0'));
    // The header the fuzzer found: 14.6 million rows of 8.6 TB.
    const QByteArray found = testing_support::fromHex(
        "42 4D 48 00 00 00 00 13 0B 00 54 00 39 57 67 01 00 70 60 00 00 3F 1D FF 20 FF 00 00 00 FF 00 00 00 00 01");
    // Bit fields as well: only run-length bitmaps are exempt from the size check.
    const QByteArray bitfields = bitmapFile(INT32_MAX, INT32_MAX, 0xFFFF, 3, {}, QByteArray(16, '\0'));
    const std::pair<const char *, QByteArray> cases[] = {
        {"extreme.bmp", extreme}, {"found.bmp", found}, {"bitfields.bmp", bitfields}};
    for (const auto &[name, bytes] : cases) {
        SCOPED_TRACE(name);
        testing_support::writeAll(path(name), bytes);
        EXPECT_THROW(loadWindowsBitmap(path(name)), profiles::InvalidBitmapError);
    }
}

TEST_F(BitmapLoading, MissingFileOrFolderCannotBeOpened)
{
    for (const QString &p : {path("missing.bmp"), dir.path()}) {
        try {
            loadWindowsBitmap(p);
            ADD_FAILURE() << "loaded " << p.toStdString();
        } catch (const model::FileOpenError &e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open file " + p.toStdString());
        }
    }
}

TEST_F(BitmapLoading, SinkPutsTheRestoredPictureIntoTheImageList)
{
    ASSERT_TRUE(testPicture().save(path("pic.bmp"), "BMP"));
    QtDrawingSurface surface;
    BitmapPictureSink sink(surface);
    sink.assignPicture("4", path("pic.bmp").toStdString());
    surface.fill(0);
    surface.draw("4", 10, 10);
    EXPECT_EQ(surface.backBuffer().pixelColor(10, 10), QColor(10, 200, 30));
    EXPECT_EQ(surface.backBuffer().pixelColor(11, 10), QColor(Qt::black));

    // A failed load leaves the earlier picture.
    EXPECT_THROW(sink.assignPicture("4", path("nothing.bmp").toStdString()), model::FileOpenError);
    surface.draw("4", 20, 20);
    EXPECT_EQ(surface.backBuffer().pixelColor(20, 20), QColor(10, 200, 30));
}
