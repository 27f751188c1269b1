#include "Finding.h"
#include "model/GlowFile.h"

#include <cstdio>
#include <cstdlib>

using namespace model;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    TDocument doc;
    try {
        if (!DecodeGlowFile(doc, data, size))
            return 0;
    } catch (const IoError &) {
        return 0;
    }

    // Encoding recomputes StoredSize and HeaderWord in `doc`; what it wrote must read back
    // as exactly that document.
    const std::vector<std::uint8_t> bytes = EncodeGlowFile(doc);
    TDocument again;
    try {
        if (!DecodeGlowFile(again, bytes.data(), bytes.size()))
            fuzzing::finding("pat", "written file lost its magic");
    } catch (const IoError &) {
        fuzzing::finding("pat", "written file does not read back");
    }
    if (!(again == doc))
        fuzzing::finding("pat", "document changed by a write and a read");
    if (EncodeGlowFile(again) != bytes)
        fuzzing::finding("pat", "second write differs from the first");
    return 0;
}
