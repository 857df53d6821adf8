#include "OrvChunk.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "OrvCore.h"

namespace {

constexpr uint8_t kChunkMagic[4] = {'O', 'R', 'V', 'p'};
constexpr uint8_t kHighestController = 127;
constexpr uint8_t kHighestChannel = 15;

void putWord(uint8_t (&field)[4], uint32_t value)
{
    field[0] = uint8_t(value >> 24);
    field[1] = uint8_t(value >> 16);
    field[2] = uint8_t(value >> 8);
    field[3] = uint8_t(value);
}

uint32_t getWord(const uint8_t (&field)[4])
{
    return (uint32_t(field[0]) << 24) | (uint32_t(field[1]) << 16) | (uint32_t(field[2]) << 8) | field[3];
}

uint32_t recordCountOf(ChunkKind kind) { return kind == ChunkKind::Bank ? kNumPrograms : 1; }

bool headerFits(const OrvChunkHeader& header, ChunkKind kind, size_t size)
{
    const uint32_t count = getWord(header.recordCount);
    if (std::memcmp(header.magic, kChunkMagic, sizeof kChunkMagic) != 0 || getWord(header.version) != kChunkVersion ||
        getWord(header.headerSize) != kChunkHeaderSize || getWord(header.recordSize) != kPresetSize ||
        count != recordCountOf(kind) || size < kChunkHeaderSize + size_t(count) * kPresetSize ||
        getWord(header.currentProgram) >= uint32_t(kNumPrograms) || getWord(header.learnSlots) != kNumSliders)
        return false;
    return std::all_of(std::begin(header.learnTable), std::end(header.learnTable), [](const uint8_t(&entry)[2]) {
        return entry[0] <= kHighestController && entry[1] <= kHighestChannel;
    });
}

// A record rate of 0 would divide by zero when the record is rescaled, and a
// slider range that is not finite maps no host value onto a number.
bool recordFits(const OrvPreset& record)
{
    const auto finite = [](float value) { return std::isfinite(value); };
    return record.version == kPresetVersion && record.magic == kPresetMagic && record.sampleRate > 0 &&
           std::all_of(std::begin(record.sliderMin), std::end(record.sliderMin), finite) &&
           std::all_of(std::begin(record.sliderMax), std::end(record.sliderMax), finite);
}

} // namespace

size_t chunkSize(ChunkKind kind) { return kChunkHeaderSize + recordCountOf(kind) * kPresetSize; }

void writeChunkHeader(const OrvCore& core, ChunkKind kind, uint8_t* out)
{
    OrvChunkHeader header {};
    std::memcpy(header.magic, kChunkMagic, sizeof kChunkMagic);
    putWord(header.version, kChunkVersion);
    putWord(header.headerSize, kChunkHeaderSize);
    putWord(header.recordCount, recordCountOf(kind));
    putWord(header.recordSize, kPresetSize);
    putWord(header.currentProgram, uint32_t(core.currentIndex));
    putWord(header.learnSlots, kNumSliders);
    for (int slider = 0; slider < kNumSliders; ++slider) {
        header.learnTable[slider][0] = core.sliders.learnedController[slider];
        header.learnTable[slider][1] = core.sliders.learnedChannel[slider];
    }
    std::memcpy(out, &header, kChunkHeaderSize);
}

void writeChunkRecord(const OrvPreset& record, int slot, uint8_t* out)
{
    presetToBigEndian(record, out + kChunkHeaderSize + size_t(slot) * kPresetSize);
}

bool decodeChunk(ChunkKind kind, const uint8_t* data, size_t size, DecodedChunk& chunk)
{
    if (!data || size < kChunkHeaderSize)
        return false;
    OrvChunkHeader header;
    std::memcpy(&header, data, kChunkHeaderSize);
    if (!headerFits(header, kind, size))
        return false;

    const uint32_t count = recordCountOf(kind);
    auto records = std::make_unique<OrvPreset[]>(count);
    for (uint32_t index = 0; index < count; ++index) {
        presetFromBigEndian(data + kChunkHeaderSize + size_t(index) * kPresetSize, records[index]);
        if (!recordFits(records[index]))
            return false;
    }
    chunk.kind = kind;
    chunk.records = std::move(records);
    chunk.currentProgram = int(getWord(header.currentProgram));
    std::memcpy(chunk.learnTable, header.learnTable, sizeof chunk.learnTable);
    return true;
}

void installChunk(OrvCore& core, DecodedChunk& chunk)
{
    if (chunk.kind == ChunkKind::Bank) {
        std::swap(core.bank, chunk.records);
        core.currentIndex = chunk.currentProgram;
        core.current = &core.bank[chunk.currentProgram];
    } else {
        *core.current = chunk.records[0];
    }
    for (int slider = 0; slider < kNumSliders; ++slider) {
        core.sliders.learnedController[slider] = chunk.learnTable[slider][0];
        core.sliders.learnedChannel[slider] = chunk.learnTable[slider][1];
    }
    core.sliders.undoProgram = -1;
    prepareProgram(core);
}
