#pragma once

#include "export/Animation.h"
#include "export/Storyboard.h"
#include "model/Document.h"
#include "profiles/Profile.h"

#include <QString>

#include <functional>
#include <optional>
#include <string_view>

namespace preview {
class ImageList;
}

namespace editor {

enum class ExportType { Gif, Webp, Png };
enum class ExportChoice { Any, Animation, Storyboard };

// The type the extension of `fileName` asks for, in any letter case.
std::optional<ExportType> exportTypeOf(const QString &fileName);

// Everything an export takes besides the glowshow and the file.
struct ExportSetup {
    const profiles::TProfile *profile = nullptr; // skin and ElementColors
    const preview::ImageList *images = nullptr;  // the skin's pictures
    exporting::StoryboardSource storyboard;      // all but the title
    exporting::Speed speed;
    bool loopSwitch = false; // the preview's loop switch; a repeating glowshow loops anyway
    int scale = 1;
    // The "Editor" texts of the language in use.
    std::function<QString(std::string_view)> text;
};

// Writes `glowshow`, labelled `label`, to `fileName` as its extension asks, within `choice`.
// A refusal (unknown extension, a rhythm glowshow as an animation, nothing to show) throws
// std::runtime_error with its text; write failures throw model::IoError with the run-time's
// text and leave an existing file as it was.
void exportGlowshow(const model::TGlowshow &glowshow, const QString &label, const QString &fileName,
                    const ExportSetup &setup, ExportChoice choice = ExportChoice::Any);

// The animation of a normal glowshow as the preview plays it with `setup`.
exporting::Animation glowshowAnimation(const model::TGlowshow &glowshow, const ExportSetup &setup);

} // namespace editor
