// Program chunks with one float field set to a value no saved program holds:
// each is refused or played without a non-finite sample (the sanitizer build
// also reports any float converted to an integer it cannot hold).

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <type_traits>
#include <vector>

#include "plugin/OrvCore.h"
#include "tools/VstHost.h"

namespace {

constexpr size_t kHeaderSize = 44;

struct FloatField {
    const char* name;
    size_t offset;
    size_t count;
    bool sliderBound; // a range that is not finite cannot map a host value: refused
};

template <typename Array>
constexpr size_t floatsIn()
{
    static_assert(std::is_same_v<std::remove_all_extents_t<Array>, float>, "only float fields");
    return sizeof(Array) / sizeof(float);
}

#define ORV_FLOAT_FIELD(field, bound) \
    FloatField { #field, offsetof(OrvPreset, field), floatsIn<decltype(OrvPreset::field)>(), bound }

const FloatField kFloatFields[] = {
    ORV_FLOAT_FIELD(oscPhase, false),       ORV_FLOAT_FIELD(outputGain, false),
    ORV_FLOAT_FIELD(dcOffset, false),       ORV_FLOAT_FIELD(envCoefficient, false),
    ORV_FLOAT_FIELD(envThreshold, false),   ORV_FLOAT_FIELD(mainValue, false),
    ORV_FLOAT_FIELD(filterQ, false),        ORV_FLOAT_FIELD(oscFrequency, false),
    ORV_FLOAT_FIELD(phaseOrLfoDepth, false), ORV_FLOAT_FIELD(modDepth, false),
    ORV_FLOAT_FIELD(secondValue, false),    ORV_FLOAT_FIELD(phaseShape, false),
    ORV_FLOAT_FIELD(lastPitch, false),      ORV_FLOAT_FIELD(trackInterval, false),
    ORV_FLOAT_FIELD(exponent, false),       ORV_FLOAT_FIELD(quantizeStep, false),
    ORV_FLOAT_FIELD(processTime, false),    ORV_FLOAT_FIELD(sliderMin, true),
    ORV_FLOAT_FIELD(sliderMax, true),       ORV_FLOAT_FIELD(sliderCurrent, false),
    ORV_FLOAT_FIELD(sliderRatio, false),    ORV_FLOAT_FIELD(savedProcessTime, false),
    ORV_FLOAT_FIELD(savedOscFrequency, false),
};

void putBigEndianFloat(std::vector<uint8_t>& chunk, size_t offset, float value)
{
    const uint32_t bits = std::bit_cast<uint32_t>(value);
    for (int byte = 0; byte < 4; ++byte)
        chunk[offset + size_t(byte)] = uint8_t(bits >> (24 - 8 * byte));
}

bool blockIsFinite(const VstHost& host)
{
    std::vector<float> left(64, 0.3f), right(64, -0.2f);
    float* channels[2] = {left.data(), right.data()};
    host.processReplacing(channels, channels, 64);
    for (size_t n = 0; n < left.size(); ++n) {
        if (!std::isfinite(left[n]) || !std::isfinite(right[n]))
            return false;
    }
    return true;
}

// For each process kind, the first factory program whose sliders drive a module of that kind.
std::vector<int> programsDrivingEachProcess()
{
    OrvCore core;
    initCore(core, 44100.0f, 64);
    std::vector<int> programs;
    for (int16_t kind = ProcessKind::NoProcess; kind <= ProcessKind::BandPass; ++kind) {
        for (int index = 0; index < kNumPrograms; ++index) {
            const OrvPreset& preset = core.bank[index];
            const auto drives = [&](uint16_t field) {
                const int module = (field - 8) / 30;
                return field > 8 && module < kNumModules && preset.processKind[module] == kind;
            };
            bool found = false;
            for (int slider = 0; slider < kNumSliders && !found; ++slider)
                found = std::any_of(std::begin(preset.sliderTarget[slider]), std::end(preset.sliderTarget[slider]), drives);
            if (found) {
                programs.push_back(index);
                break;
            }
        }
    }
    return programs;
}

TEST(HostileChunk, EveryFloatFieldOutOfRangeIsRefusedOrPlaysFinite)
{
    const float hostile[] = {std::numeric_limits<float>::quiet_NaN(), INFINITY, -INFINITY, FLT_MAX, -FLT_MAX,
                             FLT_TRUE_MIN};
    VstHost host;
    std::string error;
    ASSERT_TRUE(host.load(ORVANE_PLUGIN_PATH, error)) << error;
    host.start();
    const std::vector<int> programs = programsDrivingEachProcess();
    ASSERT_GE(programs.size(), 8u);
    for (int program : programs) {
        host.dispatch(effSetProgram, 0, program);
        const std::vector<uint8_t> original = host.chunk(true);
        for (const FloatField& field : kFloatFields) {
            for (size_t word = 0; word < field.count; ++word) {
                for (float value : hostile) {
                    SCOPED_TRACE(host.programName(program) + " " + field.name + "[" + std::to_string(word) +
                                 "] = " + std::to_string(value));
                    std::vector<uint8_t> chunk = original;
                    putBigEndianFloat(chunk, kHeaderSize + field.offset + 4 * word, value);
                    const bool refused = field.sliderBound && !std::isfinite(value);
                    ASSERT_EQ(host.restoreChunk(chunk, true), !refused);
                    for (int slider = 0; slider < kNumSliders; ++slider) {
                        for (float position : {0.0f, 0.5f, 1.0f})
                            host.effect()->setParameter(host.effect(), slider, position);
                    }
                    ASSERT_TRUE(blockIsFinite(host));
                    ASSERT_TRUE(host.restoreChunk(original, true));
                }
            }
        }
    }
}

} // namespace
