#include "OrvChunk.h"

#include <algorithm>
#include <cstring>
#include <vector>

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

// A record rate of 0 would divide by zero when the record is rescaled.
bool recordFits(const OrvPreset& record)
{
    return record.version == kPresetVersion && record.magic == kPresetMagic && record.sampleRate > 0;
}

} // namespace

size_t writeChunk(const OrvCore& core, ChunkKind kind, uint8_t* out)
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

    uint8_t* records = out + kChunkHeaderSize;
    if (kind == ChunkKind::Program) {
        presetToBigEndian(*core.current, records);
        return kProgramChunkSize;
    }
    for (int index = 0; index < kNumPrograms; ++index)
        presetToBigEndian(core.bank[index], records + size_t(index) * kPresetSize);
    return kBankChunkSize;
}

bool restoreChunk(OrvCore& core, ChunkKind kind, const uint8_t* data, size_t size)
{
    if (!data || size < kChunkHeaderSize)
        return false;
    OrvChunkHeader header;
    std::memcpy(&header, data, kChunkHeaderSize);
    if (!headerFits(header, kind, size))
        return false;

    std::vector<OrvPreset> records(recordCountOf(kind));
    for (size_t index = 0; index < records.size(); ++index) {
        presetFromBigEndian(data + kChunkHeaderSize + index * kPresetSize, records[index]);
        if (!recordFits(records[index]))
            return false;
    }

    const int current = kind == ChunkKind::Bank ? int(getWord(header.currentProgram)) : core.currentIndex;
    std::copy(records.begin(), records.end(), kind == ChunkKind::Bank ? &core.bank[0] : core.current);
    for (int slider = 0; slider < kNumSliders; ++slider) {
        core.sliders.learnedController[slider] = header.learnTable[slider][0];
        core.sliders.learnedChannel[slider] = header.learnTable[slider][1];
    }
    core.sliders.undoProgram = -1;
    core.currentIndex = current;
    core.current = &core.bank[current];
    prepareProgram(core);
    return true;
}
