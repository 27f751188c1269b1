#include "export/AnimationImport.h"
#include "export/AnimationWriters.h"
#include "preview/BitmapPictureSink.h"
#include "preview/QtDrawingSurface.h"
#include "profiles/IniFile.h"
#include "profiles/Skin.h"

#include "AnimationHelpers.h"

#include <gtest/gtest.h>

#include <random>

using namespace exporting;

namespace {

// A shipped profile as the preview shows it: its skin, its pictures and its elements.
struct ShippedProfile {
    profiles::TProfile profile;
    preview::QtDrawingSurface surface;
    explicit ShippedProfile(const std::string &name)
    {
        const std::string dir = std::string(GLOW_DATA_DIR) + "/";
        profile.ProfileName = name;
        preview::BitmapPictureSink sink(surface);
        profiles::ALoadProfilePics(profile, dir, sink);
        const auto elements = profiles::readElements(profiles::IniFile::load(dir + "Profiles/" + name + ".eng"));
        for (int n = 1; n <= profiles::ElementCount; ++n)
            profile.ElementColors[n] = elements[std::size_t(n - 1)].color;
    }
};

// Frames that show on this profile, every one different from the one before: full-colour
// elements lit in any colour or unlit, on/off elements on or off in every frame. Colour
// 12, 11, 10 is left out: drawn in a round shape it is the transparent colour of the circles.
model::TGlowshow showingGlowshow(const profiles::TProfile &profile, std::mt19937 &rng, int frames)
{
    const auto pick = [&rng](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    model::TGlowshow g;
    g.Kind = model::KindNormal;
    while (int(g.Frames.size()) < frames) {
        model::TFrame f;
        f.Duration = std::uint16_t(pick(20, 3000));
        for (int n = 1; n <= profiles::ElementCount; ++n) {
            const std::int32_t behaviour = profile.ElementColors[n];
            if (!profile.ElementAvailable[n] || (behaviour < 0 && behaviour != profiles::FullColour))
                continue;
            if (behaviour >= 0) {
                const auto v = std::uint8_t(pick(0, 1) * 15);
                f.Entries.push_back({std::uint8_t(n), v, v, v});
            } else if (pick(0, 3) > 0) {
                model::TFrameEntry e{std::uint8_t(n), std::uint8_t(pick(0, 15)), std::uint8_t(pick(0, 15)),
                                     std::uint8_t(pick(0, 15))};
                if (e.Red != 12 || e.Green != 11 || e.Blue != 10)
                    f.Entries.push_back(e);
            }
        }
        f.EntryCount = std::uint8_t(f.Entries.size());
        if (g.Frames.empty() || !(g.Frames.back().Entries == f.Entries))
            g.Frames.push_back(f);
    }
    g.FrameCount = std::uint8_t(g.Frames.size());
    return g;
}

QByteArray encoded(const Animation &animation, const std::string &format)
{
    return format == "gif" ? encodeGif(animation) : encodeWebp(animation);
}

} // namespace

TEST(AnimationImport, OwnExportGivesTheSameCellsOnEveryShippedProfile)
{
    for (const char *name : {"Motorola (All Models)", "Motorola Lumen X1", "Motorola Pico S2"}) {
        ShippedProfile shipped(name);
        const DeviceLook look(shipped.profile, shipped.surface.images());
        std::mt19937 rng(24);
        for (const std::string format : {"gif", "webp"}) {
            SCOPED_TRACE(std::string(name) + " " + format);
            model::TGlowshow g = showingGlowshow(shipped.profile, rng, 12);
            // A frame that looks like the one before: the export shows them as one.
            model::TFrame again = g.Frames[4];
            again.Duration = 70;
            g.Frames.insert(g.Frames.begin() + 5, again);
            g.FrameCount = std::uint8_t(g.Frames.size());

            const Animation animation = renderAnimation(g, shipped.profile, shipped.surface.images(), {}, false);
            const model::TGlowshow back = importAnimation(encoded(animation, format), look);
            model::TGlowshow joined = g;
            joined.Frames[4].Duration = std::uint16_t(joined.Frames[4].Duration + 70);
            joined.Frames.erase(joined.Frames.begin() + 5);
            ASSERT_EQ(back.Frames.size(), joined.Frames.size());
            EXPECT_EQ(back.FrameCount, back.Frames.size());
            EXPECT_EQ(back.Kind, model::KindNormal);
            for (std::size_t i = 0; i < joined.Frames.size(); ++i) {
                SCOPED_TRACE("frame " + std::to_string(i));
                EXPECT_EQ(back.Frames[i].Entries, joined.Frames[i].Entries);
                EXPECT_EQ(back.Frames[i].EntryCount, back.Frames[i].Entries.size());
                EXPECT_LE(std::abs(back.Frames[i].Duration - joined.Frames[i].Duration), 10);
            }
        }
    }
}

TEST(AnimationImport, OtherAnimationsGiveEachElementTheMeanColourOfItsArea)
{
    ShippedProfile shipped("Motorola Pico S2"); // 1 and 6 on/off, 2 and 5 full colour
    const DeviceLook look(shipped.profile, shipped.surface.images());
    const struct {
        const char *name;
        QSize size;
        std::vector<QRgb> colours; // one picture each, filled
        std::vector<std::vector<model::TFrameEntry>> frames;
    } cases[] = {
        {"small pictures scaled up",
         {8, 12},
         {qRgb(255, 0, 0), qRgb(17, 34, 51)},
         {{{1, 15, 15, 15}, {2, 15, 0, 0}, {5, 15, 0, 0}, {6, 15, 15, 15}},
          {{1, 0, 0, 0}, {2, 1, 2, 3}, {5, 1, 2, 3}, {6, 0, 0, 0}}}},
        {"rounded to the nearest level; on/off elements on where a channel is bright",
         {600, 900},
         {qRgb(8, 9, 200), qRgb(8, 9, 200)},
         {{{1, 15, 15, 15}, {2, 0, 1, 12}, {5, 0, 1, 12}, {6, 15, 15, 15}}}},
        {"pictures that change no cell join",
         {257, 425},
         {qRgb(255, 255, 255), qRgb(254, 254, 254)},
         {{{1, 15, 15, 15}, {2, 15, 15, 15}, {5, 15, 15, 15}, {6, 15, 15, 15}}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Animation animation;
        animation.size = c.size;
        for (const QRgb colour : c.colours) {
            QImage picture(c.size, QImage::Format_RGB32);
            picture.fill(colour);
            animation.frames.push_back({QRect(QPoint(), c.size), picture, 100});
        }
        const model::TGlowshow g = importAnimation(encodeGif(animation), look);
        ASSERT_EQ(g.Frames.size(), c.frames.size());
        for (std::size_t i = 0; i < c.frames.size(); ++i)
            EXPECT_EQ(std::vector<model::TFrameEntry>(g.Frames[i].Entries.begin(), g.Frames[i].Entries.end()),
                      c.frames[i]);
        EXPECT_EQ(g.Frames.back().Duration, 100 * (c.colours.size() - c.frames.size() + 1));
    }
}
