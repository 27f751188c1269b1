#include "effects/EffectText.h"

#include <gtest/gtest.h>

namespace {

using namespace effects;

TEST(EffectTextTest, BadValuesAreRefusedNamingTheKey)
{
    const struct {
        const char *item;
        const char *error;
    } cases[] = {
        {"speed=3", "unknown key \"speed\""},
        {"cycles=0", "cycles: \"0\" is not a whole number from 1 to 1000"},
        {"cycles=1001", "cycles: \"1001\" is not a whole number from 1 to 1000"},
        {"cycles=2x", "cycles: \"2x\" is not a whole number from 1 to 1000"},
        {"duty=", "duty: \"\" is not a whole number from 0 to 100"},
        {"width=7", "width: \"7\" is not a whole number from 1 to 6"},
        {"spread=361", "spread: \"361\" is not a whole number from -360 to 360"},
        {"density=-1", "density: \"-1\" is not a whole number from 0 to 100"},
        {"low=101", "low: \"101\" is not a whole number from 0 to 100"},
        {"seed=-1", "seed: \"-1\" is not a whole number from 0 to 18446744073709551615"},
        {"seed=18446744073709551616",
         "seed: \"18446744073709551616\" is not a whole number from 0 to 18446744073709551615"},
        {"direction=left", "direction: \"left\" is not one of forward, backward or bounce"},
        {"blend=HSV", "blend: \"HSV\" is not one of rgb, hsv or hsv-long"},
        {"ease=inout", "ease: \"inout\" is not one of linear, in, out or in-out"},
        {"colours=#F00,red", "colours: \"red\" is not a colour; give #RGB in hex digits, such as #F80"},
        {"colours=", "colours: \"\" is not a colour; give #RGB in hex digits, such as #F80"},
        {"colours=#F00,#F00,#F00,#F00,#F00,#F00,#F00,#F00,#F00", "colours: at most 8 colours"},
        {"cycles", "\"cycles\" is not KEY=VALUE"},
    };
    for (const auto &c : cases) {
        EffectParameters p;
        p.cycles = 3;
        EXPECT_EQ(setParameters(p, {"duty=20", c.item}), c.error) << c.item;
        EXPECT_EQ(p.cycles, 3) << c.item;
        EXPECT_EQ(p.duty, 50) << c.item << ": nothing is taken from a list with an error";
    }
}

TEST(EffectTextTest, TextRoundTripsAndNamesOnlyWhatDiffers)
{
    const struct {
        const char *text;
        const char *written;
    } cases[] = {
        {"solid", "solid"},
        {"  gradient   colours=#f00,#00F blend=hsv-long ease=in-out",
         "gradient colours=#F00,#00F blend=hsv-long ease=in-out"},
        {"chase colours=#F00,#000 width=2 direction=bounce cycles=3",
         "chase colours=#F00,#000 width=2 direction=bounce cycles=3"},
        {"blink duty=50 cycles=4", "blink cycles=4"},
        {"rainbow spread=-60 seed=9", "rainbow spread=-60"}, // rainbow reads no seed
        {"twinkle density=20 seed=18446744073709551615", "twinkle density=20 seed=18446744073709551615"},
        {"flicker low=10", "flicker low=10"},
        {"pulse ease=linear", "pulse ease=linear"},
    };
    for (const auto &c : cases) {
        const std::optional<EffectParameters> p = parseEffectText(c.text);
        ASSERT_TRUE(p) << c.text;
        EXPECT_EQ(effectText(*p), c.written);
        EXPECT_EQ(effectText(*parseEffectText(c.written)), c.written);
    }
    std::string error;
    EXPECT_FALSE(parseEffectText("sparkle cycles=2", &error));
    EXPECT_EQ(error, "unknown effect \"sparkle\"");
    EXPECT_FALSE(parseEffectText("", &error));
    EXPECT_FALSE(parseEffectText("pulse cycles=x", &error));
    EXPECT_EQ(error, "cycles: \"x\" is not a whole number from 1 to 1000");
}

} // namespace
