// Skin loading on arbitrary skin text and pictures. The input is
// "<profile name>[|<skin file name>]\n<skin text>" and pictures "\n---- <name>\n<bytes>" for
// Profiles/Images/; the skin is written under the profile's name, or the default skin's
// when the name is not one to create a file with.
#include "FuzzFolder.h"

#include "model/IoError.h"
#include "profiles/CodePage.h"
#include "profiles/Skin.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

using namespace profiles;

namespace {

[[noreturn]] void finding(const char *what)
{
    fuzzing::finding("skin", what);
}

// Stands in for the image list. It takes keys "0".."6" in rising order and only pictures
// that lie directly in Images/, and fails like the real one: a missing file cannot be
// opened, a file without the bitmap magic is no bitmap.
class CheckingSink : public PictureSink {
public:
    explicit CheckingSink(std::string imagesDir) : mImagesDir(std::move(imagesDir)) {}

    void assignPicture(const std::string &key, const std::string &path) override
    {
        if (key.size() != 1 || key[0] < '0' || key[0] > '0' + ElementCount)
            finding("a picture key outside 0..6");
        const int n = key[0] - '0';
        if (!keys.empty() && n <= keys.back())
            finding("picture keys not in rising order");
        keys.push_back(n);

        if (!path.starts_with(mImagesDir))
            finding("a picture path outside Images/");
        const std::string_view name = std::string_view(path).substr(mImagesDir.size());
        if (name.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos)
            finding("a picture path outside Images/");
        const std::string suffix = n == 0 ? ".bmp" : "_0" + key + ".bmp";
        if (!fuzzing::endsWithIgnoringCase(name, suffix))
            finding("a picture name without its key's suffix");

        std::error_code ec;
        std::ifstream in(path, std::ios::binary);
        if (!std::filesystem::is_regular_file(path, ec) || !in)
            throw model::FileOpenError(path);
        char magic[2] = {};
        in.read(magic, 2);
        if (in.gcount() != 2 || magic[0] != 'B' || magic[1] != 'M')
            throw InvalidBitmapError();
    }

    std::vector<int> keys;

private:
    std::string mImagesDir;
};

// What an earlier skin left: every element unavailable with a picture and one shape, so
// that what the loader must keep can be told from what it wrote.
TProfile earlierSkin()
{
    TProfile p;
    for (int n = 1; n <= ElementCount; ++n) {
        p.ElementHasImage[n] = true;
        p.ShapeCounts[n] = 1;
        p.Shapes[n] = {TCoord{n, n, n + 1, n + 1, "Circle", 255}};
    }
    return p;
}

bool keptFromEarlier(const TProfile &now, const TProfile &before, int n)
{
    return now.ElementHasImage[n] == before.ElementHasImage[n] && now.ShapeCounts[n] == before.ShapeCounts[n] &&
           now.Shapes[n] == before.Shapes[n];
}

bool contains(const std::vector<int> &keys, int n)
{
    return std::find(keys.begin(), keys.end(), n) != keys.end();
}

// An element the loader went through to the end.
void checkLoaded(const TProfile &profile, const std::vector<int> &keys, int n)
{
    if (profile.ShapeCounts[n] < 0 || profile.Shapes[n].size() != std::size_t(profile.ShapeCounts[n]))
        finding("shape count and shapes disagree");
    for (const TCoord &c : profile.Shapes[n])
        if (!isValidUtf8(c.Shape))
            finding("a shape name that is not UTF-8");
    if (profile.ElementHasImage[n] != contains(keys, n))
        finding("an element's picture loaded without HaveImage, or not loaded with it");
}

enum class Outcome { Loaded, RangeError, PictureError };

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const fuzzing::ProgramFolder folder("skin");
    const fuzzing::SplitInput input = fuzzing::splitInput(std::string_view(reinterpret_cast<const char *>(data), size));
    folder.reset("Profiles/");
    folder.reset("Profiles/Images/");
    const std::string skinName = fuzzing::safeName(input.mainFile) ? input.mainFile : DefaultProfileName;
    folder.write("Profiles/" + skinName + ".skin", input.main);
    folder.place("Profiles/Images/", input.extras);

    TProfile profile = earlierSkin();
    profile.ProfileName = input.name;
    const TProfile before = profile;
    CheckingSink sink(folder.dir() + "Profiles/Images/");
    Outcome outcome = Outcome::Loaded;
    try {
        ALoadProfilePics(profile, folder.dir(), sink);
    } catch (const RangeCheckError &) {
        outcome = Outcome::RangeError;
    } catch (const model::FileOpenError &) {
        outcome = Outcome::PictureError;
    } catch (const InvalidBitmapError &) {
        outcome = Outcome::PictureError;
    }

    if (!sink.keys.empty() && sink.keys.front() != 0)
        finding("an element's picture before the skin's own");
    if (sink.keys.empty() && outcome != Outcome::PictureError)
        finding("the skin's own picture was never loaded");

    // The earlier skin had no element available, so the last available one is where the
    // loading stopped, and the elements after it were never reached.
    int last = 0;
    for (int n = 1; n <= ElementCount; ++n)
        if (profile.ElementAvailable[n])
            last = n;
    for (int n = 1; n <= ElementCount; ++n) {
        if (!profile.ElementAvailable[n]) {
            if (!keptFromEarlier(profile, before, n))
                finding("an unavailable element lost the earlier skin's shapes");
            if (contains(sink.keys, n))
                finding("a picture loaded for an unavailable element");
        } else if (n < last || outcome == Outcome::Loaded) {
            checkLoaded(profile, sink.keys, n);
        } else if (outcome == Outcome::RangeError) {
            if (profile.ShapeCounts[n] >= 0 || profile.Shapes[n] != before.Shapes[n])
                finding("a range error without a negative count, or with the shapes replaced");
        } else if (sink.keys.empty() || sink.keys.back() != n || !profile.ElementHasImage[n] ||
                   profile.ShapeCounts[n] != before.ShapeCounts[n] || profile.Shapes[n] != before.Shapes[n]) {
            finding("a failed picture that is not the element's where the loading stopped");
        }
    }
    if (outcome == Outcome::RangeError && last == 0)
        finding("a range error with no element read");
    return 0;
}
