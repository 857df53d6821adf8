#pragma once

#include <cstdint>

#include "OrvPreset.h"

struct OrvCore;

// A field id addresses one module value: 8 + 30 * module + column.
namespace Column {
enum : int {
    InUse = 1, OscKind = 2, ProcessKind = 3, ModuleWord = 4, Note = 5, Octave = 6, FreqMode = 7,
    OscFrequency = 8, FreqModeMenu = 9, PhaseOrDepth = 11, MainValue = 13, SecondValue = 14,
    SlotAKind = 15, SlotBKind = 16, SlotATarget = 17, SlotADepth = 18, SlotBTarget = 20, SlotBDepth = 21,
    LeftOn = 23, RightOn = 24, LeftGain = 25, RightGain = 26, DelayTimeMode = 27,
};
}

constexpr uint16_t fieldId(int module, int column) { return uint16_t(8 + 30 * module + column); }

// Splits a field id; false for ids that address no module value.
bool splitFieldId(uint16_t id, int& module, int& column);

// Writes a display value (a slider's ratio * value) into the field `id` addresses.
void applyFieldValue(OrvCore& core, uint16_t id, float value);

// Converts a display value for one column of a module of the current program
// and writes it with every field derived from it, in single precision.
void setFieldFromDisplay(OrvCore& core, int module, uint16_t id, int column, float value);

// The value the editor shows for one column of a module of the current program.
float getFieldValue(const OrvCore& core, int module, int column);

// The editor's setter of a module's kinds and menu fields: stores the value,
// drops sliders that drive fields the new kind no longer serves and writes
// the new kind's defaults.
void setMenuColumn(OrvCore& core, int module, int column, int value);

// The largest host block a Delay time leaves room for in its line.
constexpr int kLongestBlockWithDelayRoom = 4096;

// Sizes the delay lines for the program's Delay and PitchTrack modules and
// shortens the times that no longer fit in a line with a block beside them.
void sizeDelayLine(OrvPreset& preset, uint16_t pluginFlags, int blockSize);

// Scales the sample-based fields from the record's rate to `sampleRate`.
void rescaleToSampleRate(OrvPreset& preset, uint32_t sampleRate);

// Envelope-follower coefficient for a time in samples.
float envelopeCoefficient(float timeSamples);

// Frequency of a note (0..11 = C..B) in an octave, A4 = 440 Hz.
float noteFrequency(int note, int octave);
