#include "TempDir.h"

#include "model/IoError.h"
#include "profiles/Skin.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

using profiles::TCoord;
using profiles::TProfile;

namespace {

// Records what the loader assigns; can be told to fail on one picture key.
class RecordingSink : public profiles::PictureSink {
public:
    void assignPicture(const std::string &key, const std::string &path) override
    {
        calls.emplace_back(key, path);
        if (key == failOn)
            throw profiles::InvalidBitmapError();
        pictures[key] = path;
    }
    std::vector<std::pair<std::string, std::string>> calls;
    std::map<std::string, std::string> pictures;
    std::string failOn;
};

std::string element(int n, const std::string &body)
{
    return "[Element0" + std::to_string(n) + "]\n" + body + "\n";
}

TEST(SkinLoading, FallsBackToTheDefaultSkinAndItsPictureName)
{
    TempDir tmp;
    tmp.write("Profiles/Motorola (All Models).skin", element(1, "Available=1\nHaveImage=1\nCount=1\nLeft_1=10"));
    TProfile profile;
    profile.ProfileName = "Motorola Without Skin";
    RecordingSink sink;
    profiles::ALoadProfilePics(profile, tmp.dir(), sink);
    const std::string images = tmp.dir() + "Profiles/Images/";
    EXPECT_EQ(sink.calls, (decltype(sink.calls){{"0", images + "Motorola (All Models).bmp"},
                                                 {"1", images + "Motorola (All Models)_01.bmp"}}));
    EXPECT_TRUE(profile.ElementAvailable[1]);
    ASSERT_EQ(profile.Shapes[1].size(), 1u);
    EXPECT_EQ(profile.Shapes[1][0].Left, 10);
}

TEST(SkinLoading, NoSkinAtAllLeavesEveryElementUnavailable)
{
    TempDir tmp;
    TProfile profile;
    profile.ProfileName = "Motorola X";
    RecordingSink sink;
    profiles::ALoadProfilePics(profile, tmp.dir(), sink);
    EXPECT_EQ(sink.calls, (decltype(sink.calls){{"0", tmp.dir() + "Profiles/Images/Motorola (All Models).bmp"}}));
    for (int n = 1; n <= profiles::ElementCount; ++n)
        EXPECT_FALSE(profile.ElementAvailable[n]);
}

TEST(SkinLoading, ReadsImagesBaseNameAndShapesWithDefaults)
{
    TempDir tmp;
    tmp.write("Profiles/motorola lumen x1.SKIN",
              "[Skin]\nImages=Lumen\n" +
                  element(3, "Available=1\nCount=2\nLeft_1=1\nTop_1=2\nRight_1=3\nBottom_1=4\nShape_1=Circle\n"
                             "Opacity_1=200\nLeft_2=5"));
    tmp.write("Profiles/Images/LUMEN.bmp", "");
    TProfile profile;
    profile.ProfileName = "Motorola Lumen X1";
    RecordingSink sink;
    profiles::ALoadProfilePics(profile, tmp.dir(), sink);
    // Both the skin and the picture are found without regard to case.
    EXPECT_EQ(sink.calls, (decltype(sink.calls){{"0", tmp.dir() + "Profiles/Images/LUMEN.bmp"}}));
    EXPECT_EQ(profile.ShapeCounts[3], 2);
    EXPECT_EQ(profile.Shapes[3], (std::vector<TCoord>{{1, 2, 3, 4, "Circle", 200}, {5, 0, 0, 0, "Rectangle", 0}}));
    EXPECT_FALSE(profile.ElementHasImage[3]);
}

struct BooleanCase {
    const char *value;
    bool available;
};

class SkinBooleans : public testing::TestWithParam<BooleanCase> {};

TEST_P(SkinBooleans, AvailableIsANonZeroInteger)
{
    TempDir tmp;
    tmp.write("Profiles/P.skin", element(1, std::string("Available=") + GetParam().value + "\nHaveImage=" +
                                                GetParam().value));
    TProfile profile;
    profile.ProfileName = "P";
    RecordingSink sink;
    profiles::ALoadProfilePics(profile, tmp.dir(), sink);
    EXPECT_EQ(profile.ElementAvailable[1], GetParam().available) << GetParam().value;
    EXPECT_EQ(profile.ElementHasImage[1], GetParam().available) << GetParam().value;
    EXPECT_EQ(sink.pictures.count("1"), GetParam().available ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Table, SkinBooleans,
                         testing::Values(BooleanCase{"1", true}, BooleanCase{"-1", true}, BooleanCase{"$10", true},
                                         BooleanCase{"0", false}, BooleanCase{"True", false},
                                         BooleanCase{"", false}));

struct CountCase {
    const char *count;
    int shapeCount; // the stored signed 8-bit count
    bool rangeError;
};

class SkinCounts : public testing::TestWithParam<CountCase> {};

TEST_P(SkinCounts, CountUsesItsLowEightBitsAsSigned)
{
    TempDir tmp;
    std::string body = "Available=1\nLeft_1=7";
    if (GetParam().count)
        body += std::string("\nCount=") + GetParam().count;
    tmp.write("Profiles/P.skin", element(1, body) + element(2, "Available=1"));
    TProfile profile;
    profile.ProfileName = "P";
    profile.Shapes[1] = {TCoord{9, 9, 9, 9, "Circle", 9}};
    RecordingSink sink;
    if (GetParam().rangeError) {
        EXPECT_THROW(profiles::ALoadProfilePics(profile, tmp.dir(), sink), profiles::RangeCheckError);
        EXPECT_EQ(profile.Shapes[1].size(), 1u) << "the failed resize keeps the old shapes";
        EXPECT_FALSE(profile.ElementAvailable[2]) << "loading ended at element 1";
    } else {
        profiles::ALoadProfilePics(profile, tmp.dir(), sink);
        EXPECT_EQ(profile.Shapes[1].size(), std::size_t(GetParam().shapeCount));
        EXPECT_TRUE(profile.ElementAvailable[2]);
    }
    EXPECT_EQ(profile.ShapeCounts[1], GetParam().shapeCount);
}

INSTANTIATE_TEST_SUITE_P(Table, SkinCounts,
                         testing::Values(CountCase{nullptr, 1, false}, CountCase{"0", 0, false},
                                         CountCase{"3", 3, false}, CountCase{"127", 127, false},
                                         CountCase{"256", 0, false}, CountCase{"257", 1, false},
                                         CountCase{"200", -56, true}, CountCase{"-1", -1, true},
                                         CountCase{"junk", 1, false}));

TEST(SkinLoading, SecondSkinKeepsWhatItDoesNotSet)
{
    TempDir tmp;
    tmp.write("Profiles/First.skin", element(2, "Available=1\nHaveImage=1\nCount=1\nLeft_1=20") +
                                         element(4, "Available=1\nCount=1\nTop_1=40"));
    tmp.write("Profiles/Second.skin", element(2, "Available=1\nHaveImage=0\nCount=1\nLeft_1=21"));
    TProfile profile;
    RecordingSink sink;
    profile.ProfileName = "First";
    profiles::ALoadProfilePics(profile, tmp.dir(), sink);
    profile.ProfileName = "Second";
    profiles::ALoadProfilePics(profile, tmp.dir(), sink);

    EXPECT_EQ(sink.pictures["2"], tmp.dir() + "Profiles/Images/First_02.bmp");
    EXPECT_EQ(sink.pictures["0"], tmp.dir() + "Profiles/Images/Second.bmp");
    EXPECT_FALSE(profile.ElementHasImage[2]);
    EXPECT_EQ(profile.Shapes[2][0].Left, 21);
    // Element 4 is unavailable now but keeps the first skin's shape.
    EXPECT_FALSE(profile.ElementAvailable[4]);
    ASSERT_EQ(profile.Shapes[4].size(), 1u);
    EXPECT_EQ(profile.Shapes[4][0].Top, 40);
}

TEST(SkinLoading, PictureErrorEndsLoadingAndKeepsLaterElements)
{
    TempDir tmp;
    std::string skin;
    for (int n = 1; n <= 6; ++n)
        skin += element(n, "Available=1\nHaveImage=1\nCount=1\nLeft_1=" + std::to_string(n * 10));
    tmp.write("Profiles/P.skin", skin);
    TProfile profile;
    profile.ProfileName = "P";
    RecordingSink sink;
    sink.failOn = "3";
    EXPECT_THROW(profiles::ALoadProfilePics(profile, tmp.dir(), sink), profiles::InvalidBitmapError);

    EXPECT_EQ(sink.calls.size(), 4u); // "0", "1", "2", then "3" fails
    EXPECT_EQ(profile.Shapes[2][0].Left, 20);
    EXPECT_TRUE(profile.ElementAvailable[3]);
    EXPECT_TRUE(profile.Shapes[3].empty());
    for (int n = 4; n <= 6; ++n) {
        EXPECT_FALSE(profile.ElementAvailable[n]) << n;
        EXPECT_TRUE(profile.Shapes[n].empty()) << n;
        EXPECT_EQ(sink.pictures.count(std::to_string(n)), 0u) << n;
    }
}

TEST(SkinLoading, NamesThatLeaveTheFolderAreTreatedAsMissing)
{
    TempDir tmp;
    tmp.write("outside.skin", element(1, "Available=1"));
    tmp.write("Profiles/Motorola (All Models).skin", "[Skin]\nImages=../../etc/x\n");
    TProfile profile;
    profile.ProfileName = "../outside";
    RecordingSink sink;
    try {
        profiles::ALoadProfilePics(profile, tmp.dir(), sink);
        FAIL() << "an images name with a path must not load";
    } catch (const model::FileOpenError &e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + tmp.dir() + "Profiles/Images/../../etc/x.bmp");
    }
    EXPECT_TRUE(sink.calls.empty());
    EXPECT_FALSE(profile.ElementAvailable[1]);
}

} // namespace
