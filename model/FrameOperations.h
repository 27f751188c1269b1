#pragma once

#include "Document.h"

// Adding, removing, clearing and copying one element's entries. None adds a second entry
// for an element to a frame or a second channel to a glowshow; new entries and channels go
// at the end, and removal keeps the order of the rest.
namespace model {

// Appends a black entry for `element` to frame `frame` of a normal glowshow.
// False when the frame does not exist, already has one, or is full.
bool addEntry(TGlowshow &g, std::size_t frame, std::uint8_t element);
// Removes the element's first entry from the frame; false when there was none.
bool removeEntry(TGlowshow &g, std::size_t frame, std::uint8_t element);

// Normal: adds the element, black, to every frame that lacks it. Rhythm: adds a channel for
// it (if there is none) and brings every channel to the glowshow's StepCount.
void addElementToAllFrames(TGlowshow &g, std::uint8_t element);
void removeElementFromAllFrames(TGlowshow &g, std::uint8_t element);
// Sets the element's colour to black wherever it has an entry.
void clearElementInAllFrames(TGlowshow &g, std::uint8_t element);
// Copies the element's colour to `target` in every frame where the element has an entry,
// adding the target's entry where it lacks one.
void copyElementInAllFrames(TGlowshow &g, std::uint8_t element, std::uint8_t target);

// The same for one frame of its own.
bool addFrameEntry(TFrame &frame, std::uint8_t element);
bool removeFrameEntry(TFrame &frame, std::uint8_t element);

// Index of the element's entry in a frame, or NoEntry.
std::uint8_t findFrameEntry(const TFrame &frame, std::uint8_t element);

} // namespace model
