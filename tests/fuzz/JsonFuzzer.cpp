#include "Finding.h"
#include "glowjson/GlowJson.h"
#include "model/GlowFile.h"

using namespace model;

// Whatever the reader accepts is a document as a .pat file would read: written and read again,
// and dumped and imported again, it must come back unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    TDocument doc;
    try {
        doc = glowjson::readJson(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    } catch (const glowjson::JsonError &) {
        return 0;
    }
    if (doc.Glowshows.size() > std::size_t(MaxCount) || doc.GlowFile.GlowshowCount != doc.Glowshows.size())
        fuzzing::finding("json", "glowshow count out of step");

    TDocument copy = doc;
    const std::vector<std::uint8_t> bytes = EncodeGlowFile(copy);
    TDocument read;
    try {
        if (!DecodeGlowFile(read, bytes.data(), bytes.size()))
            fuzzing::finding("json", "written file lost its magic");
    } catch (const IoError &) {
        fuzzing::finding("json", "written file does not read back");
    }
    // The reader takes StoredSize and HeaderWord as given; the file holds the computed ones.
    if (!(read == copy))
        fuzzing::finding("json", "document changed by a write and a read");

    TDocument again;
    try {
        again = glowjson::readJson(QByteArray::fromStdString(glowjson::dumpJson(doc)));
    } catch (const glowjson::JsonError &) {
        fuzzing::finding("json", "its own dump is refused");
    }
    if (!(again == doc))
        fuzzing::finding("json", "document changed by a dump and an import");
    return 0;
}
