#include "AnimationImportCommandLine.h"

#include "ExportCommandLine.h"
#include "GlowFileIO.h"
#include "export/AnimationImport.h"
#include "model/GlowshowImport.h"
#include "model/IoError.h"
#include "preview/BitmapPictureSink.h"
#include "preview/QtDrawingSurface.h"
#include "profiles/Skin.h"

#include <QGuiApplication>

#include <cstdio>

namespace editor {

int importAnimationCommand(const AnimationImportArguments &a, const model::TDocument *into, std::ostream &out,
                           std::ostream &err)
{
    QByteArray bytes;
    try {
        bytes = readWholeFile(a.in);
    } catch (const model::IoError &e) {
        err << a.in.toStdString() << ": " << e.what() << '\n';
        return 1;
    }
    model::TDocument doc = into ? *into : model::TDocument{};
    if (!model::glowshowsFit(doc, 1)) {
        err << "the file given by --into holds " << model::MaxCount << " glowshows already\n";
        return 1;
    }

    const std::unique_ptr<QGuiApplication> application = offscreenApplication();
    std::vector<model::TGlowshow> imported;
    try {
        CommandProfile chosen;
        if (!commandProfile(a.programDir, a.profile, chosen, err))
            return 1;
        preview::QtDrawingSurface surface;
        preview::BitmapPictureSink pictures(surface);
        profiles::ALoadProfilePics(chosen.profile, chosen.programDir, pictures);
        const exporting::DeviceLook look(chosen.profile, surface.images());
        imported.push_back(exporting::importAnimation(bytes, look));
    } catch (const exporting::AnimationImportError &e) {
        err << a.in.toStdString() << ": " << e.what() << '\n';
        return 1;
    } catch (const std::exception &e) {
        err << e.what() << '\n';
        return 1;
    }
    for (const model::IdChange &change : model::assignFreeIds(doc, imported)) {
        char note[80];
        std::snprintf(note, sizeof note, "Id %02X is in use: the new glowshow has Id %02X\n", change.from, change.to);
        out << note;
    }
    model::AppendGlowshows{int(doc.Glowshows.size()), std::move(imported)}.apply(doc);
    return writeGlowFileForCommand(doc, a.out, err);
}

} // namespace editor
