#include "Skin.h"

#include "DirectorySearch.h"

#include "model/IoError.h"
#include "model/NativePath.h"

#include <filesystem>
#include <system_error>

namespace profiles {
namespace {

bool isRegularFile(const std::string &path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(model::nativePath(path), ec);
}

// A base name from the skin file must not reach outside Images/: such a picture is treated
// as missing, with the same error a missing file gives.
void loadPicture(PictureSink &pictures, const std::string &key, const std::string &imagesDir, const std::string &base,
                 const std::string &suffix)
{
    const std::string fileName = base + suffix;
    if (!isPlainName(fileName))
        throw model::FileOpenError(imagesDir + fileName);
    pictures.assignPicture(key, entryPath(imagesDir, fileName));
}

} // namespace

void ALoadProfilePics(TProfile &profile, const std::string &programDir, PictureSink &pictures)
{
    const std::string profilesDir = programDir + "Profiles/";
    std::string skinName = profile.ProfileName;
    std::string skinPath;
    if (isPlainName(skinName))
        skinPath = entryPath(profilesDir, skinName + ".skin");
    if (skinPath.empty() || !isRegularFile(skinPath)) {
        skinName = DefaultProfileName;
        skinPath = entryPath(profilesDir, skinName + ".skin");
    }
    const IniFile skin = IniFile::load(skinPath);

    const std::string imagesDir = entryPath(profilesDir, "Images") + "/";
    const std::string base = skin.readString("Skin", "Images", skinName);
    loadPicture(pictures, "0", imagesDir, base, ".bmp");

    for (int n = 1; n <= ElementCount; ++n) {
        const std::string digit = std::to_string(n);
        const std::string section = "Element0" + digit;

        profile.ElementAvailable[n] = skin.readInteger(section, "Available", 0) != 0;
        if (!profile.ElementAvailable[n])
            continue; // keeps the earlier skin's shapes and picture

        profile.ElementHasImage[n] = skin.readInteger(section, "HaveImage", 0) != 0;
        if (profile.ElementHasImage[n])
            loadPicture(pictures, digit, imagesDir, base, "_0" + digit + ".bmp");

        const auto count = std::int8_t(std::uint8_t(skin.readInteger(section, "Count", 1) & 0xFF));
        profile.ShapeCounts[n] = count;
        if (count < 0)
            throw RangeCheckError();

        std::vector<TCoord> &shapes = profile.Shapes[n];
        shapes.assign(std::size_t(count), TCoord{});
        for (int j = 1; j <= count; ++j) {
            const std::string k = std::to_string(j);
            TCoord &c = shapes[std::size_t(j - 1)];
            c.Left = skin.readInteger(section, "Left_" + k, 0);
            c.Top = skin.readInteger(section, "Top_" + k, 0);
            c.Right = skin.readInteger(section, "Right_" + k, 0);
            c.Bottom = skin.readInteger(section, "Bottom_" + k, 0);
            c.Shape = skin.readString(section, "Shape_" + k, "Rectangle");
            c.Opacity = skin.readInteger(section, "Opacity_" + k, 0);
        }
    }
}

} // namespace profiles
