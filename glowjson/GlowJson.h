#pragma once

#include "model/Document.h"

#include <QByteArray>

#include <stdexcept>
#include <string>

// The document as JSON text: `dumpJson` writes it, `readJson` reads it back. docs/json.md
// describes the form.
namespace glowjson {

// A document that cannot be taken from JSON. what() starts with the field's path
// ("Glowshows[2].Frames[5].Duration: ...") or, for text that is not JSON, its line and column.
class JsonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The document as one JSON object; trailer bytes become the characters U+0000 to U+00FF, so
// the text is plain ASCII.
std::string dumpJson(const model::TDocument &doc);

// The document `json` describes, exactly as reading the .pat file it stands for would give it
// (StoredSize and HeaderWord as given, or 0; the writer recomputes them). Throws JsonError.
model::TDocument readJson(const QByteArray &json);

} // namespace glowjson
