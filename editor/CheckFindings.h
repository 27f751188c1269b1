#pragma once

#include "model/CheckDocument.h"

#include <QString>

#include <functional>
#include <string_view>

namespace editor {

// An Editor text by key: the window's language, or the built-in English on the command line.
using TextLookup = std::function<QString(std::string_view)>;

// The finding as a sentence, without its place.
QString findingText(const model::Finding &f, const TextLookup &text);

// The finding's place in the JSON form: "Glowshows[2].Frames[5]", "Glowshows[0].Channels[1]".
QString findingPath(const model::Finding &f);

// "frame 6", "channel 2" (counted from 1, as the grid shows them), or empty.
QString findingPlace(const model::Finding &f, const TextLookup &text);

// The problem's name for --validate --json ("DuplicateId", ...).
const char *problemName(model::Problem problem);

} // namespace editor
