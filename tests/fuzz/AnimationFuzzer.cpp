// The animation import on arbitrary file contents, with a shipped profile: a glowshow the
// editor can hold, or AnimationImportError.
#include "Finding.h"

#include "export/AnimationImport.h"
#include "model/GlowFile.h"
#include "preview/BitmapPictureSink.h"
#include "preview/QtDrawingSurface.h"
#include "profiles/IniFile.h"
#include "profiles/Skin.h"

#include <QtGlobal>

#include <cstdint>
#include <memory>

namespace {

[[noreturn]] void finding(const char *what)
{
    fuzzing::finding("animation", what);
}

void quiet(QtMsgType, const QMessageLogContext &, const QString &)
{
}

// Lumen X1: round and square shapes, on/off pictures, one of them over a full-colour shape.
std::unique_ptr<exporting::DeviceLook> lumenLook()
{
    const std::string dir = std::string(GLOW_DATA_DIR) + "/";
    profiles::TProfile profile;
    profile.ProfileName = "Motorola Lumen X1";
    preview::QtDrawingSurface surface;
    preview::BitmapPictureSink sink(surface);
    profiles::ALoadProfilePics(profile, dir, sink);
    const auto elements = profiles::readElements(profiles::IniFile::load(dir + "Profiles/Motorola Lumen X1.eng"));
    for (int n = 1; n <= profiles::ElementCount; ++n)
        profile.ElementColors[n] = elements[std::size_t(n - 1)].color;
    return std::make_unique<exporting::DeviceLook>(profile, surface.images());
}

void check(const model::TGlowshow &g)
{
    if (g.Kind != model::KindNormal || g.Frames.empty() || g.Frames.size() > std::size_t(model::MaxCount) ||
        g.FrameCount != g.Frames.size())
        finding("frame count out of range or not the frames held");
    for (std::size_t i = 0; i < g.Frames.size(); ++i) {
        const model::TFrame &f = g.Frames[i];
        if (f.EntryCount != f.Entries.size())
            finding("entry count is not the entries held");
        int last = 0;
        for (const model::TFrameEntry &e : f.Entries) {
            if (e.Element <= last || e.Element > 6)
                finding("elements not 1..6 in order, each once");
            if (e.Red > 15 || e.Green > 15 || e.Blue > 15)
                finding("a colour channel above 15");
            last = e.Element;
        }
        if (i > 0 && g.Frames[i - 1].Entries == f.Entries && g.Frames[i - 1].Duration + f.Duration <= 65535)
            finding("a frame that changes nothing was not joined");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QtMessageHandler previous = qInstallMessageHandler(quiet);
    (void)previous;
    static const std::unique_ptr<exporting::DeviceLook> look = lumenLook();
    model::TGlowshow g;
    try {
        g = exporting::importAnimation(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), *look);
    } catch (const exporting::AnimationImportError &) {
        return 0;
    }
    check(g);
    model::TDocument doc;
    doc.Glowshows.push_back(g);
    doc.GlowFile.GlowshowCount = 1;
    const std::vector<std::uint8_t> bytes = model::EncodeGlowFile(doc);
    model::TDocument again;
    if (!model::DecodeGlowFile(again, bytes.data(), bytes.size()) || !(again.Glowshows == doc.Glowshows))
        finding("the glowshow does not survive a write and a read");
    return 0;
}
