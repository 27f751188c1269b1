#include "export/Storyboard.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>

using namespace exporting;

namespace {

const QRgb Silver = qRgb(192, 192, 192), White = qRgb(255, 255, 255);

QImage decodePng(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "png");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

StoryboardSource source()
{
    StoryboardSource s;
    s.title = QStringLiteral("(0A) Test");
    s.elements = {"Keys", "Display", "Left", "Right", "Logo", "Lamp"};
    s.behaviours = {-1, -1, -1, -2, 0x00FF00, -1}; // Logo is on/off in green (0x00BBGGRR)
    s.hidden = {false, false, false, true, false, false};
    s.durationCaption = QStringLiteral("Duration, ms");
    s.parameterCaption = QStringLiteral("%1: parameter");
    return s;
}

// An empty cell is the 2 × 2 hatch: silver and white side by side.
bool hatched(const QImage &image, const QRect &cell, int scale)
{
    const QRgb a = image.pixel(cell.left() * scale, cell.top() * scale);
    const QRgb b = image.pixel(cell.left() * scale + scale, cell.top() * scale);
    return (a == Silver && b == White) || (a == White && b == Silver);
}

} // namespace

TEST(Storyboard, CellsShowWhatTheGridShowsInEveryBandAndScale)
{
    model::TGlowshow normal;
    normal.Kind = model::KindNormal;
    normal.FrameCount = 30; // two bands
    normal.Frames.resize(30);
    for (int c = 0; c < 30; ++c) {
        model::TFrame &f = normal.Frames[std::size_t(c)];
        f.Duration = std::uint16_t(100 + c);
        const std::vector<model::TFrameEntry> entries{
            {1, std::uint8_t(c % 16), 3, 9}, {4, 15, 15, 15}, {5, 0, 0, std::uint8_t(c % 2 ? 15 : 14)}};
        f.Entries.assign(entries.begin(), entries.end());
        if (c == 7)
            f.Entries.resize(1); // only element 1
        f.EntryCount = std::uint8_t(f.Entries.size());
    }
    model::TGlowshow rhythm;
    rhythm.Kind = model::KindRhythm;
    rhythm.FrameCount = 2;
    rhythm.StepCount = 3;
    rhythm.Channels = {{2, 3, 0, 0, {{15, 0, 0, 7}, {0, 15, 0, 8}, {0, 0, 15, 9}}},
                       {6, 3, 0, 0, {{1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 3}}}};

    // Expected colour of a cell, from the document; nullopt for the hatch.
    auto expected = [](const model::TGlowshow &g, int column, int row) -> std::optional<QRgb> {
        if (g.Kind == model::KindRhythm) {
            for (const model::TClubFrame &ch : g.Channels)
                if (ch.Element == row + 1) {
                    const model::TClubStep &s = ch.Steps[std::size_t(column)];
                    return qRgb(s.Red * 17, s.Green * 17, s.Blue * 17);
                }
            return std::nullopt;
        }
        if (row == 3) // hidden
            return std::nullopt;
        for (const model::TFrameEntry &e : g.Frames[std::size_t(column)].Entries)
            if (e.Element == row + 1)
                return row == 4 ? ((e.Blue & 1) ? qRgb(0, 255, 0) : qRgb(0, 0, 0))
                                : qRgb(e.Red * 17, e.Green * 17, e.Blue * 17);
        return std::nullopt;
    };

    const struct {
        const model::TGlowshow *glowshow;
        int scale;
        int bands;
        int footerRows;
    } cases[] = {{&normal, 1, 2, 1}, {&normal, 2, 2, 1}, {&rhythm, 1, 1, 2}, {&rhythm, 3, 1, 2}};
    for (const auto &c : cases) {
        SCOPED_TRACE("scale " + std::to_string(c.scale) + " kind " + std::to_string(c.glowshow->Kind));
        const QImage image = decodePng(encodePng(renderStoryboard(*c.glowshow, source(), c.scale)));
        ASSERT_FALSE(image.isNull());
        const StoryboardLayout layout = storyboardLayout(*c.glowshow, source());
        EXPECT_EQ(layout.size() * c.scale, image.size());
        EXPECT_EQ(layout.bands(), c.bands);
        EXPECT_EQ(layout.footerRows(), c.footerRows);
        for (int column = 0; column < layout.columns(); ++column)
            for (int row = 0; row < 6; ++row) {
                const QRect cell = layout.cell(column, row);
                const std::optional<QRgb> want = expected(*c.glowshow, column, row);
                if (want)
                    EXPECT_EQ(image.pixel(cell.center() * c.scale), *want) << column << "," << row;
                else
                    EXPECT_TRUE(hatched(image, cell, c.scale)) << column << "," << row;
            }
    }
}
