#pragma once

#include "Document.h"
#include "IoError.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace model {

inline constexpr std::uint16_t GlowFileMagic = 257;

// Where the writer's bytes go. write() either takes all bytes or throws IoError;
// commit() makes the file final. A sink destroyed without commit() leaves no trace.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void write(const std::uint8_t *data, std::size_t size) = 0;
    virtual void commit() = 0;
};

// Reads a .pat image into the document. Returns false, leaving the document untouched, when
// the first word is not 257. Throws IoError ("Read beyond end of file") when the data ends
// inside a glowshow or trailer; the document is then untouched as well.
bool DecodeGlowFile(TDocument &doc, const std::uint8_t *data, std::size_t size);

// The file image of the document. Recomputes every StoredSize and HeaderWord on the way,
// as writing a file does.
std::vector<std::uint8_t> EncodeGlowFile(TDocument &doc);

// The whole content of a file, opened for reading only. Throws IoError mapped from the OS.
std::vector<std::uint8_t> readFileBytes(const std::string &path);

// ReadGlowFile(name): readFileBytes + DecodeGlowFile. FileName is left to the caller.
bool ReadGlowFile(TDocument &doc, const std::string &path);

// WriteGlowFile into a sink: encodes, writes, commits.
void WriteGlowFile(TDocument &doc, ByteSink &sink);

} // namespace model
