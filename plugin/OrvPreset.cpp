#include "OrvPreset.h"

#include <array>
#include <bit>
#include <cstring>

namespace {

// One run of equally sized words in the record: where it starts, the width of
// one word (1 for text and pads, which are copied unswapped) and its length.
struct FieldRun {
    size_t offset;
    size_t wordSize;
    size_t bytes;
};

#define ORV_FIELD(name)                                                                            \
    FieldRun {                                                                                     \
        offsetof(OrvPreset, name), sizeof(std::remove_all_extents_t<decltype(OrvPreset::name)>),   \
            sizeof(OrvPreset::name)                                                                \
    }

// Every field of the record in layout order; the check below proves that the
// runs tile the whole record, so no field can be left out of the conversion.
constexpr std::array kFieldRuns = {
    ORV_FIELD(version),         ORV_FIELD(pad0),
    ORV_FIELD(magic),           ORV_FIELD(flags),
    ORV_FIELD(pad1),            ORV_FIELD(sampleRate),
    ORV_FIELD(oscPhase),        ORV_FIELD(outputGain),
    ORV_FIELD(outputOn),        ORV_FIELD(dcOffset),
    ORV_FIELD(modTarget),       ORV_FIELD(envCoefficient),
    ORV_FIELD(envThreshold),    ORV_FIELD(freqMode),
    ORV_FIELD(mainValue),       ORV_FIELD(filterQ),
    ORV_FIELD(oscFrequency),    ORV_FIELD(phaseOrLfoDepth),
    ORV_FIELD(delayLineLength), ORV_FIELD(modKind),
    ORV_FIELD(modDepth),        ORV_FIELD(note),
    ORV_FIELD(pendingAmplMod),  ORV_FIELD(pendingTrackedFilterFrq),
    ORV_FIELD(pendingTrackedFreqMod), ORV_FIELD(secondValue),
    ORV_FIELD(octave),          ORV_FIELD(inUse),
    ORV_FIELD(phaseShape),      ORV_FIELD(lastPitch),
    ORV_FIELD(minLag),          ORV_FIELD(trackInterval),
    ORV_FIELD(maxLag),          ORV_FIELD(exponent),
    ORV_FIELD(processKind),     ORV_FIELD(quantizeStep),
    ORV_FIELD(processTime),     ORV_FIELD(oscKind),
    ORV_FIELD(moduleWord1044),  ORV_FIELD(moduleWord1060),
    ORV_FIELD(moduleWord1076),  ORV_FIELD(channelWord),
    ORV_FIELD(sliderFreqMode),  ORV_FIELD(sliderTarget),
    ORV_FIELD(sliderMin),       ORV_FIELD(sliderMax),
    ORV_FIELD(sliderCurrent),   ORV_FIELD(sliderCaption),
    ORV_FIELD(description),     ORV_FIELD(sliderRatio),
    ORV_FIELD(recordWord2280),  ORV_FIELD(pad2),
    ORV_FIELD(recordWord2284),  ORV_FIELD(recordWord2288),
    ORV_FIELD(delayTimeMode),   ORV_FIELD(savedProcessTime),
    ORV_FIELD(savedOscFrequency), ORV_FIELD(savedFreqMode),
    ORV_FIELD(savedDelayTimeMode), ORV_FIELD(categoryName),
    ORV_FIELD(programName),     ORV_FIELD(reserved),
};

#undef ORV_FIELD

constexpr bool runsTileRecord()
{
    size_t next = 0;
    for (const FieldRun& run : kFieldRuns) {
        if (run.offset != next || run.bytes % run.wordSize != 0)
            return false;
        next += run.bytes;
    }
    return next == kPresetSize;
}
static_assert(runsTileRecord(), "the field table must cover every byte of OrvPreset once");

// Reverses each word of every run; the conversion is its own inverse.
void swapWords(const uint8_t* from, uint8_t* to)
{
    for (const FieldRun& run : kFieldRuns) {
        for (size_t word = run.offset; word < run.offset + run.bytes; word += run.wordSize) {
            for (size_t byte = 0; byte < run.wordSize; ++byte)
                to[word + byte] = from[word + run.wordSize - 1 - byte];
        }
    }
}

static_assert(std::endian::native == std::endian::little, "the record is held little-endian");

} // namespace

void presetToBigEndian(const OrvPreset& preset, uint8_t out[kPresetSize])
{
    uint8_t native[kPresetSize];
    std::memcpy(native, &preset, kPresetSize);
    swapWords(native, out);
}

void presetFromBigEndian(const uint8_t in[kPresetSize], OrvPreset& preset)
{
    uint8_t native[kPresetSize];
    swapWords(in, native);
    std::memcpy(&preset, native, kPresetSize);
}
