#pragma once

#include <cstddef>
#include <cstring>

#include "floatFromBigEndian.h"
#include "plugin/OrvPreset.h"

// Shared pieces of the category builders.

// The words every factory record starts with: version, magic, flags and the
// 44100 Hz rate that all factory times, lags and intervals are given for.
inline void writeFactoryHeader(OrvPreset& preset, uint16_t flags)
{
    preset.version = kPresetVersion;
    preset.magic = kPresetMagic;
    preset.flags = flags;
    preset.sampleRate = 44100;
}

// Copies a text constant with its terminator; a text that fills the field
// exactly (a 160-character description) is stored without one.
template <size_t FieldSize, size_t TextSize>
inline void writeText(char (&field)[FieldSize], const char (&text)[TextSize])
{
    static_assert(TextSize - 1 <= FieldSize, "text longer than its field");
    std::memcpy(field, text, TextSize <= FieldSize ? TextSize : FieldSize);
}
