#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "EngineTestSupport.h"
#include "plugin/OrvCore.h"

using namespace engine_test;

namespace {

// Full-scale noise, then DC of both signs, then impulses, with NaN and infinities strewn in.
Stereo hostileSignal(int frames)
{
    Stereo signal = silence(frames);
    std::mt19937 random(99);
    std::uniform_real_distribution<float> fullScale(-1.0f, 1.0f);
    for (int n = 0; n < frames; ++n) {
        float left = 0.0f, right = 0.0f;
        if (n < frames / 2) {
            left = fullScale(random);
            right = fullScale(random);
        } else if (n < 3 * frames / 4) {
            left = n % 512 < 256 ? 1.0f : -1.0f;
            right = -left;
        } else if (n % 300 == 0) {
            left = right = 1.0f;
        }
        signal.left[size_t(n)] = left;
        signal.right[size_t(n)] = right;
    }
    for (int n = 97; n < frames; n += 1013) {
        signal.left[size_t(n)] = std::numeric_limits<float>::quiet_NaN();
        signal.right[size_t(n + 3)] = std::numeric_limits<float>::infinity();
        signal.left[size_t(n + 7)] = -std::numeric_limits<float>::infinity();
    }
    return signal;
}

bool playsAnOscillator(const OrvPreset& preset)
{
    bool heard = false;
    for (int m = 0; m < kNumModules; ++m) {
        if (preset.inUse[m] != 1)
            continue;
        if (preset.oscKind[m] == OscKind::Noise)
            return false;
        const bool oscillator = preset.oscKind[m] >= OscKind::Sine && preset.oscKind[m] <= OscKind::Saw;
        heard = heard || (oscillator && (preset.outputOn[m][0] == 1 || preset.outputOn[m][1] == 1));
    }
    return heard;
}

} // namespace

// Every slot of the bank, the default programs too, plays finite audio within the limiter
// threshold from input that no program expects.
TEST(EngineFactoryPrograms, HostileInputGivesFiniteOutputWithinTheLimiterThreshold)
{
    OrvCore core;
    initCore(core, kRate, 512);
    const Stereo input = hostileSignal(6000);
    for (int index = 0; index < kNumPrograms; ++index) {
        ASSERT_TRUE(selectProgram(core, index));
        const Stereo out = render(*core.engine, *core.current, input, 512);
        ASSERT_TRUE(allFinite(out)) << index << " " << core.current->programName;
        for (size_t n = 0; n < out.left.size(); ++n) {
            ASSERT_LE(std::fabs(out.left[n]), core.engine->limiterThreshold) << core.current->programName;
            ASSERT_LE(std::fabs(out.right[n]), core.engine->limiterThreshold) << core.current->programName;
        }
    }
}

TEST(EngineFactoryPrograms, SelectingAProgramAgainRestartsItsOscillators)
{
    OrvCore core;
    initCore(core, kRate, 512);
    int index = 0;
    while (index < kNumPrograms && !playsAnOscillator(core.bank[index]))
        ++index;
    ASSERT_LT(index, kNumPrograms) << "no factory program plays an oscillator";

    ASSERT_TRUE(selectProgram(core, index));
    const Stereo first = render(*core.engine, *core.current, silence(3000));
    const Stereo continued = render(*core.engine, *core.current, silence(3000));
    ASSERT_TRUE(selectProgram(core, index));
    const Stereo again = render(*core.engine, *core.current, silence(3000));
    SCOPED_TRACE(core.current->programName);
    EXPECT_EQ(again.left, first.left);
    EXPECT_EQ(again.right, first.right);
    EXPECT_NE(continued.left, first.left);
}
