#pragma once

#include <stdexcept>
#include <string>

namespace model {

// The run-time's input/output error: one type for every failure of the document's files,
// carrying the run-time's code and text ("File not found", "Disk full", ...).
class IoError : public std::runtime_error {
public:
    enum Code : int {
        FileNotFound = 2,
        InvalidFilename = 3,
        TooManyOpenFiles = 4,
        AccessDenied = 5,
        ReadBeyondEnd = 100,
        DiskFull = 101,
    };

    explicit IoError(int code);
    IoError(int code, std::string text);

    int code() const { return mCode; }

    // Maps an errno value from a failed open, read or write.
    static IoError fromErrno(int err);
    // Maps a Windows error code (GetLastError) from a failed open or read. The run-time's
    // own codes are Windows codes: 3, a missing folder, is its "Invalid filename".
    static IoError fromWindowsError(unsigned long code);

private:
    int mCode;
};

// The run-time's text for a code: "File not found", ..., "I/O error 13".
std::string ioErrorText(int code);

// The run-time's file-open error of the picture and About-text loaders.
class FileOpenError : public std::runtime_error {
public:
    explicit FileOpenError(const std::string &path) : std::runtime_error("Cannot open file " + path) {}
};

} // namespace model
