#include "IoError.h"

#include <cerrno>

namespace model {

std::string ioErrorText(int code)
{
    switch (code) {
    case IoError::FileNotFound: return "File not found";
    case IoError::InvalidFilename: return "Invalid filename";
    case IoError::TooManyOpenFiles: return "Too many open files";
    case IoError::AccessDenied: return "File access denied";
    case IoError::ReadBeyondEnd: return "Read beyond end of file";
    case IoError::DiskFull: return "Disk full";
    default: return "I/O error " + std::to_string(code);
    }
}

IoError::IoError(int code) : std::runtime_error(ioErrorText(code)), mCode(code) {}

IoError::IoError(int code, std::string text) : std::runtime_error(std::move(text)), mCode(code) {}

IoError IoError::fromErrno(int err)
{
    switch (err) {
    case ENOENT: return IoError(FileNotFound);
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP: return IoError(InvalidFilename);
    case EMFILE:
    case ENFILE: return IoError(TooManyOpenFiles);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY: return IoError(AccessDenied);
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return IoError(DiskFull);
    default:
        // Spelled out: an errno can share its number with a run-time code (EIO is 5,
        // which would read "File access denied").
        return IoError(err, "I/O error " + std::to_string(err));
    }
}

} // namespace model
