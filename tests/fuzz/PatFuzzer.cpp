#include "model/GlowFile.h"

#include <cstdio>
#include <cstdlib>

using namespace model;

namespace {

[[noreturn]] void finding(const char *what)
{
    std::fprintf(stderr, "pat fuzzer: %s\n", what);
    std::abort();
}

} // namespace

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
            finding("written file lost its magic");
    } catch (const IoError &) {
        finding("written file does not read back");
    }
    if (!(again == doc))
        finding("document changed by a write and a read");
    if (EncodeGlowFile(again) != bytes)
        finding("second write differs from the first");
    return 0;
}
