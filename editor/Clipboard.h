#pragma once

#include "model/Clip.h"

#include <optional>

class QMimeData;

namespace editor {

// Our own clipboard type: the exact cells, read back only by this editor.
inline constexpr const char *ClipMimeType = "application/x-glowshow-cells";

// The clip as our own type and as plain text, for other programs.
QMimeData *clipMimeData(const model::Clip &clip);
// Our own type when present, else plain text in the clip's text format; nullopt for anything
// else.
std::optional<model::Clip> clipFromMimeData(const QMimeData *data);
// Whether the data may hold a clip (checked exactly on paste).
bool mayHoldClip(const QMimeData *data);

} // namespace editor
