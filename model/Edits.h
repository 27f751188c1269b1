#pragma once

#include "Document.h"

#include <concepts>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The edit records that undo keeps: one plain value per kind of change, holding exactly what
// that change touches. apply() makes the change and revert() takes it back; each leaves the
// document's content (its written bytes) as the other found it. Records hold indexes, never
// pointers, and an index that names nothing makes both do nothing.
namespace model {

// Where a change happened, so that the editor can show it after an undo or a redo.
struct EditPlace {
    int glowshow = -1; // -1: the change is not inside one glowshow
    int column = -1;   // frame or step; -1: no one column
    int element = 0;   // 1..6; 0: no one element
    bool operator==(const EditPlace &) const = default;
};

// What the last apply or revert of a record changed, as narrowly as the record knows, so that
// each view redraws only what it shows of it.
struct EditChange {
    enum Kind {
        Cells,     // colours, parameters or durations of columns first..last of a glowshow
        Columns,   // the columns of a glowshow as a whole (their count may have changed)
        Glowshow,  // a glowshow's own values: identifier, kind, repeat, channel frequencies
        Inserted,  // a glowshow now at `glowshow`
        Removed,   // the glowshow that was at `glowshow`
        Swapped,   // the glowshows at `glowshow` and `glowshow` + 1
        FileValues // the trailer switch and texts
    };
    Kind kind = FileValues;
    int glowshow = -1;
    int first = -1;
    int last = -1;
    bool operator==(const EditChange &) const = default;
};

template <class E>
concept EditRecord = requires(E &edit, const E &constEdit, TDocument &doc)
{
    edit.apply(doc);
    edit.revert(doc);
    {
        constEdit.place()
        } -> std::convertible_to<EditPlace>;
    {
        constEdit.change()
        } -> std::convertible_to<EditChange>;
};

// A merged run that came back to where it started: `changes` answers false, and the step
// can go.
template <class E>
concept ReturnableEdit = EditRecord<E> && requires(const E &edit, const TDocument &doc)
{
    {
        edit.changes(doc)
        } -> std::convertible_to<bool>;
};

// A record that absorbs the next one of its kind (a drag, typing) has `absorbs(next)`.
template <class E>
concept MergeableEdit = EditRecord<E> && requires(const E &edit)
{
    {
        edit.absorbs(edit)
        } -> std::convertible_to<bool>;
};

// A record run backwards: deleting is inserting reverted.
template <EditRecord E> struct Reversed {
    E edit;
    void apply(TDocument &doc) { edit.revert(doc); }
    void revert(TDocument &doc) { edit.apply(doc); }
    EditPlace place() const { return edit.place(); }
    EditChange change() const { return edit.change(); }
};

struct Colour {
    std::uint8_t Red = 0, Green = 0, Blue = 0;
    bool operator==(const Colour &) const = default;
};

// Records that only set a value hold the other value and swap it in, so undo and redo are the
// same call, and a run of them on one target merges by keeping the first.

// The colour of one cell: the element's entry in a frame (normal) or its channel's step (rhythm).
struct SetCellColour {
    int glowshow;
    int column;
    std::uint8_t element;
    Colour other;
    void apply(TDocument &doc);
    void revert(TDocument &doc) { apply(doc); }
    EditPlace place() const { return {glowshow, column, element}; }
    EditChange change() const { return {EditChange::Cells, glowshow, column, column}; }
    bool absorbs(const SetCellColour &next) const;
    bool changes(const TDocument &doc) const;
};

// The rhythm parameter of one step.
struct SetStepParameter {
    int glowshow;
    int column;
    std::uint8_t element;
    std::uint8_t other;
    void apply(TDocument &doc);
    void revert(TDocument &doc) { apply(doc); }
    EditPlace place() const { return {glowshow, column, element}; }
    EditChange change() const { return {EditChange::Cells, glowshow, column, column}; }
    bool absorbs(const SetStepParameter &next) const;
    bool changes(const TDocument &doc) const;
};

struct SetFrameDuration {
    int glowshow;
    int frame;
    std::uint16_t other;
    void apply(TDocument &doc);
    void revert(TDocument &doc) { apply(doc); }
    EditPlace place() const { return {glowshow, frame, 0}; }
    EditChange change() const { return {EditChange::Cells, glowshow, frame, frame}; }
    bool absorbs(const SetFrameDuration &next) const;
    bool changes(const TDocument &doc) const;
};

// One field of a glowshow: SetGlowshowValue<&TGlowshow::Id>{index, newId}.
template <auto Field> struct SetGlowshowValue {
    using Value = std::remove_cvref_t<decltype(std::declval<TGlowshow &>().*Field)>;
    int glowshow;
    Value other;
    void apply(TDocument &doc)
    {
        if (TGlowshow *g = doc.glowshow(glowshow))
            std::swap(g->*Field, other);
    }
    void revert(TDocument &doc) { apply(doc); }
    EditPlace place() const { return {glowshow, -1, 0}; }
    EditChange change() const { return {EditChange::Glowshow, glowshow}; }
    bool absorbs(const SetGlowshowValue &next) const { return next.glowshow == glowshow; }
    bool changes(const TDocument &doc) const
    {
        const TGlowshow *g = doc.glowshow(glowshow);
        return g && g->*Field != other;
    }
};

// One field of the channel that drives `element` in a rhythm glowshow.
template <auto Field> struct SetChannelValue {
    using Value = std::remove_cvref_t<decltype(std::declval<TClubFrame &>().*Field)>;
    int glowshow;
    std::uint8_t element;
    Value other;
    void apply(TDocument &doc);
    void revert(TDocument &doc) { apply(doc); }
    EditPlace place() const { return {glowshow, -1, element}; }
    EditChange change() const { return {EditChange::Glowshow, glowshow}; }
    bool absorbs(const SetChannelValue &next) const { return next.glowshow == glowshow && next.element == element; }
    bool changes(const TDocument &doc) const;
};

// A file-level value: the trailer switch and texts.
template <auto Field> struct SetDocumentValue {
    using Value = std::remove_cvref_t<decltype(std::declval<TDocument &>().*Field)>;
    Value other;
    void apply(TDocument &doc) { std::swap(doc.*Field, other); }
    void revert(TDocument &doc) { apply(doc); }
    EditPlace place() const { return {}; }
    EditChange change() const { return {}; }
    bool absorbs(const SetDocumentValue &) const { return true; }
    bool changes(const TDocument &doc) const { return doc.*Field != other; }
};

// One frame of a normal glowshow as a whole: adding or removing one cell's entry.
struct ReplaceFrame {
    int glowshow;
    int frame;
    std::uint8_t element; // the cell the change is about, for showing it
    TFrame other;
    void apply(TDocument &doc);
    void revert(TDocument &doc) { apply(doc); }
    EditPlace place() const { return {glowshow, frame, element}; }
    EditChange change() const { return {EditChange::Cells, glowshow, frame, frame}; }
};

// The body of a glowshow as a whole, for commands that touch every frame of it.
struct ReplaceGlowshow {
    int glowshow;
    std::uint8_t element; // the element the command was about, or 0
    TGlowshow other;
    void apply(TDocument &doc);
    void revert(TDocument &doc) { apply(doc); }
    EditPlace place() const { return {glowshow, -1, element}; }
    EditChange change() const { return {EditChange::Columns, glowshow}; }
};

// The frame count (normal) or step count (rhythm) as the count spin edit sets it. Frames or
// steps cut off are kept, so a lowered count can be raised back without loss.
struct SetColumnCount {
    SetColumnCount(int glowshowIndex, std::uint8_t newCount) : glowshow(glowshowIndex), count(newCount) {}
    int glowshow;
    std::uint8_t count;
    void apply(TDocument &doc);
    void revert(TDocument &doc);
    EditPlace place() const { return {glowshow, -1, 0}; }
    EditChange change() const { return {EditChange::Columns, glowshow}; }
    // False when applying would change nothing.
    bool changes(const TDocument &doc) const;

private:
    // What the count cut off or what length it grew from, to put back exactly.
    template <class Item> struct Tail {
        std::size_t length = 0;
        std::vector<Item> cut;
    };
    std::uint8_t mCount = 0; // FrameCount (normal) or StepCount (rhythm) before
    Tail<TFrame> mFrames;
    std::vector<std::pair<std::uint8_t, Tail<TClubStep>>> mChannels; // each channel's StepCount
};

// A new glowshow at `index`; the glowshow count follows.
struct InsertGlowshow {
    int index;
    TGlowshow glowshow; // held here while the glowshow is not in the document
    bool holds = true;  // false for a glowshow that is in the document (a deletion)
    void apply(TDocument &doc);
    void revert(TDocument &doc);
    EditPlace place() const { return {index, -1, 0}; }
    EditChange change() const { return {holds ? EditChange::Removed : EditChange::Inserted, index}; }
};
using RemoveGlowshow = Reversed<InsertGlowshow>;
inline RemoveGlowshow removeGlowshow(int index)
{
    return RemoveGlowshow{InsertGlowshow{index, {}, false}};
}

// Swaps the glowshows at `first` and `first + 1`.
struct SwapGlowshows {
    int first;
    int movedFrom; // where the glowshow the user moved is; follows it through every swap
    void apply(TDocument &doc);
    void revert(TDocument &doc) { apply(doc); }
    EditPlace place() const { return {movedFrom, -1, 0}; }
    EditChange change() const { return {EditChange::Swapped, first}; }
};

// The colour a cell holds, or false when it has no entry. Looks in the given glowshow, not the
// current one.
bool cellColour(const TGlowshow &g, int column, std::uint8_t element, Colour &colour);

} // namespace model
