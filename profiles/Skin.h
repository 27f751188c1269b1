#pragma once

#include "Profile.h"

#include <stdexcept>
#include <string>

namespace profiles {

// Where a skin's pictures go: the preview's image list. assignPicture loads the bitmap at
// `path` into image `key` ("0".."6") and restores it; it throws model::FileOpenError for a
// file that cannot be opened and InvalidBitmapError for one that is not a valid bitmap.
class PictureSink {
public:
    virtual ~PictureSink() = default;
    virtual void assignPicture(const std::string &key, const std::string &path) = 0;
};

class InvalidBitmapError : public std::runtime_error {
public:
    InvalidBitmapError() : std::runtime_error("Bitmap image is not valid") {}
};

class RangeCheckError : public std::runtime_error {
public:
    RangeCheckError() : std::runtime_error("Range check error") {}
};

// Loads the skin of profile.ProfileName (or the default skin) into the profile's skin fields
// and the pictures into `pictures`. An error ends the loading where it happened; what was
// loaded before it stays. The skin file and the pictures are found without regard to
// case, as on Windows; a profile or picture name with a path separator or ".." counts as
// missing (no skin of its own; a picture raises model::FileOpenError without the sink).
void ALoadProfilePics(TProfile &profile, const std::string &programDir, PictureSink &pictures);

} // namespace profiles
