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
    {"SaveChanges", "Do you want to save the changes to %1?"},
    {"Untitled", "Untitled"},
    {"RestoreChanges", "Unsaved changes to %1 from %2 were found. Restore them?"},
    {"RecoveryFailed", "The copy that protects unsaved changes against a crash cannot be written: %1"},
    {"StepColour", "Colour"},
    {"StepParameter", "Clublight parameter"},
    {"StepDuration", "Duration"},
    {"StepToggleCells", "Switch cells"},
    {"StepIdentifier", "Glowshow name"},
    {"StepKind", "Glowshow type"},
    {"StepFrameCount", "Number of frames"},
    {"StepRepeat", "Repeating"},
    {"StepRepeatDuration", "Repeat duration"},
    {"StepFrequency", "Sound frequency"},
    {"StepMoveGlowshow", "Move glowshow"},
    {"StepNotes", "Save notes in the file"},
    {"StepFirstNote", "First note"},
    {"StepSecondNote", "Second note"},
    {"ExportAnimation", "Export &animation..."},
    {"ExportStoryboard", "Export &storyboard..."},
    {"GifFilter", "GIF animation (*.gif)"},
    {"WebpFilter", "WebP animation (*.webp)"},
    {"PngFilter", "PNG picture (*.png)"},
    {"StoryboardDurations", "Duration, ms"},
    {"StoryboardParameters", "%1: parameter"},
    {"ExportNoFrames", "%1 has no frame that shows for any time: there is nothing to animate."},
    {"ExportRhythmAnimation", "%1 is a rhythm glowshow: it has no animation, only a storyboard (.png)."},
    {"ExportNotAnimation", "%1: an animation is saved as .gif or .webp."},
    {"ExportNotStoryboard", "%1: a storyboard is saved as .png."},
    {"ExportUnknownType", "%1: unknown file type; use .gif or .webp for an animation, .png for a storyboard."},
    {"ExportUnknownProfile", "There is no profile \"%1\"."},
    {"OpenRecent", "Open &Recent"},
    {"RecentFileMissing", "This file no longer exists and was removed from the recent files: %1"},
    {"PreviewFrame", "frame %1 / %2"},
    {"ImportGlowshows", "&Import glowshows..."},
    {"ImportAnimation", "Import a&nimation..."},
    {"ImportGlowshowsTitle", "Import glowshows"},
    {"ImportNewId", "%1 (in use: becomes %2)"},
    {"ImportTooManyGlowshows", "A file holds at most 255 glowshows: tick no more than %1."},
    {"ImportDocumentFull", "The file already holds 255 glowshows."},
    {"AnimationFilter", "Animations (*.gif *.webp)"},
    {"ImportNotAnimation", "%1 is not a GIF or WebP animation that can be read."},
    {"ImportTooManyFrames", "%1 has more than 255 different frames; a glowshow holds at most 255."},
    {"StepImportGlowshows", "Import glowshows"},
    {"StepImportAnimation", "Import animation"},
    {"InsertFrameBefore", "Insert frame &before"},
    {"InsertFrameAfter", "Insert frame &after"},
    {"DuplicateFrames", "&Duplicate frames"},
    {"DeleteFrames", "De&lete frames"},
    {"MoveFramesLeft", "Move frames &left"},
    {"MoveFramesRight", "Move frames &right"},
    {"Cut", "Cu&t"},
    {"Copy", "&Copy"},
    {"Paste", "&Paste"},
    {"FillRange", "&Fill range"},
    {"FadeRange", "F&ade range"},
    {"SetDurations", "Set d&urations..."},
    {"DurationEach", "Each selected frame lasts (ms):"},
    {"DurationTotal", "Spread a total evenly (ms):"},
    {"DurationTooLong", "The total is too long for these frames: one frame lasts at most 65535 ms."},
    {"PasteRefused", "The clipboard holds nothing that can be pasted into the grid. Text must have one line per "
                     "element, cells separated by tabs, each cell #RGB in hex digits (such as #F80) or empty."},
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
