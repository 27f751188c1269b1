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
    {"AccessGlowshowList", "Glowshows"},
    {"MoveGlowshowUp", "Move glowshow up"},
    {"MoveGlowshowDown", "Move glowshow down"},
    {"AccessIdentifierHelp", "The glowshow's identifier and the name the phone gives it"},
    {"AccessRepeatDurationHelp", "How long the glowshow repeats, in milliseconds"},
    {"AccessCopyTargetHelp", "The element that Copy to element gives the current element's colours"},
    {"AccessRedHelp", "Red, from 0 to 15"},
    {"AccessGreenHelp", "Green, from 0 to 15"},
    {"AccessBlueHelp", "Blue, from 0 to 15"},
    {"ColourTextCaption", "Colour (#RGB):"},
    {"ColourTextHelp", "Type the colour as # and three hex digits, such as #F80, then press Enter"},
    {"AccessFrameGrid", "Frames"},
    {"AccessFrameGridHelp", "Frame numbers, and each frame's duration in milliseconds to type in"},
    {"AccessSlotGrid", "Elements"},
    {"AccessSlotGridHelp", "Choose an element for the slot operations"},
    {"AccessColourGrid", "Colours"},
    {"AccessColourGridHelp", "One row per element, one column per frame. Arrows move, Shift with arrows selects a "
                             "range, Space switches a cell on or off"},
    {"AccessLiveView", "Device view of the current frame"},
    {"AccessPages", "Pages"},
    {"AccessGlowshowPages", "Glowshow pages"},
    {"AccessPreviewList", "Glowshows to preview"},
    {"AccessSpeedHelp", "Preview speed: 100 % at the top, 50 % at the bottom"},
    {"AccessDevicePreview", "Device preview"},
    {"AccessFrame", "frame %1"},
    {"AccessStep", "step %1"},
    {"AccessCellColour", "%1, %2: red %3, green %4, blue %5"},
    {"AccessCellOn", "%1, %2: on"},
    {"AccessCellOff", "%1, %2: off"},
    {"AccessCellEmpty", "%1, %2: no entry"},
    {"AccessCellHidden", "%1, %2: hidden"},
    {"GlowshowMenu", "&Glowshow"},
    {"ElementMenu", "E&lement"},
    {"ViewMenu", "&View"},
    {"ZoomIn", "Zoom &in"},
    {"ZoomOut", "Zoom &out"},
    {"ZoomReset", "&Reset zoom"},
    {"NextPage", "&Next page"},
    {"PreviousPage", "&Previous page"},
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
