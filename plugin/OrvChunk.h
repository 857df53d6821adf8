#pragma once

#include <cstddef>
#include <cstdint>

#include "OrvPreset.h"

struct OrvCore;

// The header in front of the records of a chunk, every word big-endian.
struct OrvChunkHeader {
    uint8_t magic[4]; // "ORVp"
    uint8_t version[4];
    uint8_t headerSize[4];
    uint8_t recordCount[4];
    uint8_t recordSize[4];
    uint8_t currentProgram[4];
    uint8_t learnSlots[4];
    uint8_t learnTable[kNumSliders][2]; // per slider: controller, channel
    uint8_t pad[2];
};
static_assert(sizeof(OrvChunkHeader) == 44);

constexpr uint32_t kChunkVersion = 0x10500;
constexpr size_t kChunkHeaderSize = sizeof(OrvChunkHeader);
constexpr size_t kProgramChunkSize = kChunkHeaderSize + kPresetSize;
constexpr size_t kBankChunkSize = kChunkHeaderSize + size_t(kNumPrograms) * kPresetSize;

enum class ChunkKind { Bank, Program };

// Writes the bank (all records) or the current record behind a header into
// `out`, which holds at least kBankChunkSize or kProgramChunkSize bytes.
// Answers the number of bytes written.
size_t writeChunk(const OrvCore& core, ChunkKind kind, uint8_t* out);

// Restores a chunk of `kind`: a bank chunk replaces every record and makes the
// header's current program current; a program chunk replaces the current
// record. The learn table is taken from the header either way, and the current
// program is prepared. A chunk that does not fit in any way is refused with
// false and changes nothing.
bool restoreChunk(OrvCore& core, ChunkKind kind, const uint8_t* data, size_t size);
