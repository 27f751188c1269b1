#include "EditorTexts.h"

#include "settings/LanguageFile.h"

#include <array>

namespace editor {

namespace {

// Keep in step with section [Editor] of the shipped language files.
constexpr auto Texts = std::to_array<EditorText>({
    {"EditMenu", "&Edit"},
    {"Undo", "&Undo"},
    {"Redo", "&Redo"},
    {"UndoStep", "&Undo %1"},
    {"RedoStep", "&Redo %1"},
    {"OpenRecent", "Open &Recent"},
    {"RecentFileMissing", "This file no longer exists and was removed from the recent files: %1"},
    {"PreviewFrame", "frame %1 / %2"},
});

} // namespace

std::span<const EditorText> editorTexts()
{
    return Texts;
}

QString editorText(const settings::LanguageTexts &texts, std::string_view key)
{
    if (const std::string *own = texts.editor(key))
        return QString::fromStdString(*own);
    for (const EditorText &t : Texts)
        if (key == t.key)
            return QString::fromUtf8(t.english);
    return QString::fromUtf8(key.data(), qsizetype(key.size()));
}

} // namespace editor
