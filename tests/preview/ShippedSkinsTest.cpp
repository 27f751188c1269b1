#include "preview/BitmapPictureSink.h"
#include "preview/QtDrawingSurface.h"

#include "profiles/IniFile.h"
#include "profiles/Skin.h"

#include <gtest/gtest.h>

#include <set>

using namespace preview;

namespace {

struct SkinCase {
    const char *profile;
    std::array<bool, 6> available;
    std::array<bool, 6> hasImage;
};

const SkinCase Skins[] = {
    {"Motorola (All Models)", {true, true, true, true, true, true}, {false, false, false, false, false, false}},
    {"Motorola Lumen X1", {true, true, true, true, true, true}, {false, false, false, false, true, true}},
    {"Motorola Pico S2", {true, true, false, false, true, true}, {true, false, false, false, false, true}},
};

int transparentPixels(const QImage &drawable)
{
    int n = 0;
    for (int y = 0; y < drawable.height(); ++y)
        for (int x = 0; x < drawable.width(); ++x)
            n += qAlpha(drawable.pixel(x, y)) == 0;
    return n;
}

} // namespace

TEST(ShippedSkins, EverySkinLoadsWithItsPicturesAndShapesOnTheDevice)
{
    std::set<std::string> shapeKinds;
    std::set<int> opacities;
    for (const SkinCase &c : Skins) {
        SCOPED_TRACE(c.profile);
        profiles::TProfile profile;
        profile.ProfileName = c.profile;
        QtDrawingSurface surface;
        BitmapPictureSink sink(surface);
        ASSERT_NO_THROW(profiles::ALoadProfilePics(profile, std::string(GLOW_DATA_DIR) + "/", sink));

        const QImage &device = surface.images().at("0").drawable;
        EXPECT_EQ(device.size(), QSize(257, 425));
        EXPECT_EQ(transparentPixels(device), 0);

        const profiles::IniFile elements =
            profiles::IniFile::load(std::string(GLOW_DATA_DIR) + "/Profiles/" + c.profile + ".eng");
        const auto info = profiles::readElements(elements);
        for (int n = 1; n <= 6; ++n) {
            SCOPED_TRACE(n);
            EXPECT_EQ(profile.ElementAvailable[n], c.available[std::size_t(n - 1)]);
            if (!profile.ElementAvailable[n])
                continue;
            EXPECT_EQ(profile.ElementHasImage[n], c.hasImage[std::size_t(n - 1)]);
            ASSERT_GE(profile.ShapeCounts[n], 1);
            for (const profiles::TCoord &s : profile.Shapes[n]) {
                EXPECT_TRUE(s.Shape == "Rectangle" || s.Shape == "Circle") << s.Shape;
                EXPECT_GE(s.Left, 0);
                EXPECT_GE(s.Top, 0);
                EXPECT_LE(s.Right, 257);
                EXPECT_LE(s.Bottom, 425);
                EXPECT_LT(s.Left, s.Right);
                EXPECT_LT(s.Top, s.Bottom);
                EXPECT_GT(s.Opacity, 0);
                shapeKinds.insert(s.Shape);
                opacities.insert(s.Opacity);
            }
            // A picture belongs to an on/off element of the profile, and has parts left out.
            EXPECT_EQ(profile.ElementHasImage[n], info[std::size_t(n - 1)].color >= 0);
            if (profile.ElementHasImage[n]) {
                const QImage &picture = surface.images().at(std::to_string(n)).drawable;
                ASSERT_FALSE(picture.isNull());
                EXPECT_GT(transparentPixels(picture), 0);
                EXPECT_LT(transparentPixels(picture), picture.width() * picture.height());
                const profiles::TCoord &first = profile.Shapes[n].front();
                EXPECT_LE(first.Left + picture.width(), 257);
                EXPECT_LE(first.Top + picture.height(), 425);
            }
        }
    }
    EXPECT_EQ(shapeKinds, (std::set<std::string>{"Circle", "Rectangle"}));
    EXPECT_GE(opacities.size(), 4u);
}
