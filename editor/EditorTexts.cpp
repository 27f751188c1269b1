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
    {"CheckFile", "Chec&k file..."},
    {"CheckTitle", "Check file"},
    {"CheckClean", "No problems found."},
    {"CheckSummary", "Errors: %1, notes: %2."},
    {"CheckColumnKind", "Kind"},
    {"CheckError", "Error"},
    {"CheckNote", "Note"},
    {"CheckColumnGlowshow", "Glowshow"},
    {"CheckColumnPlace", "Frame or channel"},
    {"CheckColumnFinding", "Finding"},
    {"CheckFrame", "frame %1"},
    {"CheckChannel", "channel %1"},
    {"CheckShow", "&Show"},
    {"CheckClose", "Close"},
    {"CheckDuplicateId", "The Id %1 is used by an earlier glowshow as well."},
    {"CheckUnknownKind", "The glowshow type %1 is neither normal (2) nor Clublight (1)."},
    {"CheckElementOutOfRange", "Element %1 is outside 1 to 6; frames or channels using it: %2."},
    {"CheckElementNotOnModel", "Element %1 is not on this model; frames or channels using it: %2."},
    {"CheckNoFrames", "The glowshow has no frames."},
    {"CheckNoChannels", "The glowshow has no channels."},
    {"CheckZeroDuration", "Frames that last 0 ms: %1."},
    {"CheckBandReversed", "The upper frequency %1 is below the lower frequency %2."},
    {"CheckBodyTooLarge", "The glowshow takes %1 bytes; at most 65535 fit."},
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
    {"Effects", "Effect&s..."},
    {"EffectsTitle", "Effects"},
    {"EffectSolid", "Solid colour"},
    {"EffectGradient", "Gradient"},
    {"EffectPulse", "Pulse (breathe)"},
    {"EffectBlink", "Blink (strobe)"},
    {"EffectChase", "Chase"},
    {"EffectRainbow", "Rainbow"},
    {"EffectTwinkle", "Twinkle"},
    {"EffectFlicker", "Flicker (candle)"},
    {"EffectHeartbeat", "Heartbeat"},
    {"EffectWash", "Colour wash"},
    {"EffectColours", "Colours:"},
    {"EffectStops", "Number of colours"},
    {"EffectCycles", "Cycles:"},
    {"EffectDuty", "Colour 1 for (%):"},
    {"EffectWidth", "Lit at once:"},
    {"EffectDirection", "Direction:"},
    {"EffectBlend", "Blend:"},
    {"EffectEase", "Easing:"},
    {"EffectSpread", "Hue step between elements (degrees):"},
    {"EffectDensity", "Colour 1 in (%):"},
    {"EffectLow", "Lowest brightness (%):"},
    {"EffectSeed", "Seed:"},
    {"DirectionForward", "Forward"},
    {"DirectionBackward", "Backward"},
    {"DirectionBounce", "Back and forth"},
    {"BlendRgb", "RGB"},
    {"BlendHsv", "Hue, the shorter way"},
    {"BlendHsvLong", "Hue, the longer way"},
    {"EaseLinear", "Linear"},
    {"EaseIn", "Slow start"},
    {"EaseOut", "Slow end"},
    {"EaseInOut", "Slow start and end"},
    {"EffectRangeFrames", "Frames %1 to %2"},
    {"EffectNewFrames", "New frames after the current one:"},
    {"EffectNewDuration", "each lasting (ms):"},
    {"EffectPresets", "Presets:"},
    {"SavePreset", "Save preset..."},
    {"DeletePreset", "Delete preset"},
    {"PresetName", "Name of the preset:"},
    {"PresetPolice", "Police lights"},
    {"PresetSlowRainbow", "Slow rainbow"},
    {"PresetBlueBreathe", "Blue breathe"},
    {"PresetHeartbeat", "Heartbeat"},
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
