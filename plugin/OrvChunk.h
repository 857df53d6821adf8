#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

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

size_t chunkSize(ChunkKind kind);

// A chunk is written in pieces, so that the caller can take the header and a
// copy of the records under its lock and encode the records outside it: the
// header (current program and learn table) goes to the front of `out`, each
// record to its slot (0 for a program chunk). `out` holds chunkSize(kind) bytes.
void writeChunkHeader(const OrvCore& core, ChunkKind kind, uint8_t* out);
void writeChunkRecord(const OrvPreset& record, int slot, uint8_t* out);

// A chunk read and checked, ready to install.
struct DecodedChunk {
    ChunkKind kind = ChunkKind::Bank;
    std::unique_ptr<OrvPreset[]> records; // the whole bank, or the one program
    int currentProgram = 0;               // a bank's current program
    uint8_t learnTable[kNumSliders][2] {};
};

// Reads a chunk of `kind` without touching any state; a chunk that does not
// fit in any way is refused with false.
bool decodeChunk(ChunkKind kind, const uint8_t* data, size_t size, DecodedChunk& chunk);

// Installs a decoded chunk: a bank replaces every record (the replaced bank is
// left in `chunk`, to be freed by the caller) and makes its current program
// current; a program replaces the current record. The learn table is taken
// either way, and the current program is prepared.
void installChunk(OrvCore& core, DecodedChunk& chunk);
