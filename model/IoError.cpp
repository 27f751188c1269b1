#include "IoError.h"

#include <cerrno>

#ifdef _WIN32
#include <winerror.h>
#endif

namespace model {

namespace {

// Spelled out: a system code can share its number with a run-time code (EIO is 5, which
// would read "File access denied"; Windows' 100 would read "Read beyond end of file").
IoError otherError(long code)
{
    return IoError(int(code), "I/O error " + std::to_string(code));
}

// Windows' codes by number, so that the mapping is built and tested on every system.
enum WindowsError : unsigned long {
    FileNotFoundError = 2,
    PathNotFoundError = 3,
    TooManyOpenFilesError = 4,
    AccessDeniedError = 5,
    InvalidDriveError = 15,
    WriteProtectError = 19,
    SharingViolationError = 32,
    LockViolationError = 33,
    HandleDiskFullError = 39,
    BadNetPathError = 53,
    BadNetNameError = 67,
    DiskFullError = 112,
    InvalidNameError = 123,
    BadPathNameError = 161,
    FileNameTooLongError = 206,
    FileTooLargeError = 223,
};

#ifdef _WIN32
static_assert(FileNotFoundError == ERROR_FILE_NOT_FOUND && PathNotFoundError == ERROR_PATH_NOT_FOUND &&
              TooManyOpenFilesError == ERROR_TOO_MANY_OPEN_FILES && AccessDeniedError == ERROR_ACCESS_DENIED &&
              InvalidDriveError == ERROR_INVALID_DRIVE && WriteProtectError == ERROR_WRITE_PROTECT &&
              SharingViolationError == ERROR_SHARING_VIOLATION && LockViolationError == ERROR_LOCK_VIOLATION &&
              HandleDiskFullError == ERROR_HANDLE_DISK_FULL && BadNetPathError == ERROR_BAD_NETPATH &&
              BadNetNameError == ERROR_BAD_NET_NAME && DiskFullError == ERROR_DISK_FULL &&
              InvalidNameError == ERROR_INVALID_NAME && BadPathNameError == ERROR_BAD_PATHNAME &&
              FileNameTooLongError == ERROR_FILENAME_EXCED_RANGE && FileTooLargeError == ERROR_FILE_TOO_LARGE);
#endif

} // namespace

std::string ioErrorText(int code)
{
    switch (code) {
    case IoError::FileNotFound:
        return "File not found";
    case IoError::InvalidFilename:
        return "Invalid filename";
    case IoError::TooManyOpenFiles:
        return "Too many open files";
    case IoError::AccessDenied:
        return "File access denied";
    case IoError::ReadBeyondEnd:
        return "Read beyond end of file";
    case IoError::DiskFull:
        return "Disk full";
    default:
        return "I/O error " + std::to_string(code);
    }
}

IoError::IoError(int code) : std::runtime_error(ioErrorText(code)), mCode(code)
{
}

IoError::IoError(int code, std::string text) : std::runtime_error(std::move(text)), mCode(code)
{
}

IoError IoError::fromErrno(int err)
{
    switch (err) {
    case ENOENT:
        return IoError(FileNotFound);
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP:
        return IoError(InvalidFilename);
    case EMFILE:
    case ENFILE:
        return IoError(TooManyOpenFiles);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return IoError(AccessDenied);
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return IoError(DiskFull);
    default:
        return otherError(err);
    }
}

IoError IoError::fromWindowsError(unsigned long code)
{
    switch (code) {
    case FileNotFoundError:
        return IoError(FileNotFound);
    case PathNotFoundError:
    case InvalidDriveError:
    case BadNetPathError:
    case BadNetNameError:
    case InvalidNameError:
    case BadPathNameError:
    case FileNameTooLongError:
        return IoError(InvalidFilename);
    case TooManyOpenFilesError:
        return IoError(TooManyOpenFiles);
    case AccessDeniedError:
    case WriteProtectError:
    case SharingViolationError:
    case LockViolationError:
        return IoError(AccessDenied);
    case HandleDiskFullError:
    case DiskFullError:
    case FileTooLargeError:
        return IoError(DiskFull);
    default:
        return otherError(long(code));
    }
}

} // namespace model
