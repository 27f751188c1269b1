#pragma once

#include <QString>

#include <functional>
#include <span>
#include <string_view>

namespace settings {
struct LanguageTexts;
}

namespace editor {

// A text of section "Editor" in the chosen language, by key.
using TextOf = std::function<QString(std::string_view key)>;

// A text of the editor's own additions: its key in section "Editor" of the language files
// and the English shown when a language file lacks the key (older files do).
struct EditorText {
    const char *key;
    const char *english;
};

// Every "Editor" key the program uses.
std::span<const EditorText> editorTexts();

// The language's text for `key`, else its built-in English. An unknown key is a programming
// error: it shows as the key itself so that it is seen.
QString editorText(const settings::LanguageTexts &texts, std::string_view key);

} // namespace editor
