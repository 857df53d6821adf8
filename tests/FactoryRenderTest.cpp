#include <gtest/gtest.h>

#include "ProgramPlayer.h"

using namespace engine_test;

namespace {

constexpr int kTwoSeconds = 2 * kSecond;

// A stereo test signal: a rising sine on the left, noise on the right, each at half scale.
Stereo testSignal()
{
    Stereo signal {std::vector<float>(kTwoSeconds), whiteNoise(0.5f, kTwoSeconds, 7)};
    double phase = 0.0;
    for (int n = 0; n < kTwoSeconds; ++n) {
        phase += 2.0 * std::numbers::pi * (100.0 + 4000.0 * n / kTwoSeconds) / kRate;
        signal.left[size_t(n)] = 0.5f * float(std::sin(phase));
    }
    return signal;
}

void expectFiniteWithinThreshold(const Stereo& out, float threshold, const char* name)
{
    for (const auto* channel : {&out.left, &out.right}) {
        for (const float sample : *channel) {
            ASSERT_TRUE(std::isfinite(sample)) << name;
            ASSERT_LE(std::fabs(sample), threshold) << name;
        }
    }
}

class FactoryRender : public ::testing::TestWithParam<int> {};

} // namespace

// Every program of a category, over a test signal and over silence, plays
// finite audio that never passes the limiter threshold.
TEST_P(FactoryRender, EveryProgramStaysFiniteAndWithinTheThreshold)
{
    ProgramPlayer player(0);
    const OrvCategory& category = player.core.categories[GetParam()];
    SCOPED_TRACE(category.name);
    const Stereo signal = testSignal();
    const Stereo quiet = silence(kTwoSeconds);
    for (uint32_t index = category.firstIndex; index < category.firstIndex + category.count; ++index) {
        ASSERT_TRUE(selectProgram(player.core, int(index)));
        const float threshold = player.core.engine->limiterThreshold;
        expectFiniteWithinThreshold(player.play(signal), threshold, player.core.current->programName);
        ASSERT_TRUE(selectProgram(player.core, int(index))); // restarts it
        expectFiniteWithinThreshold(player.play(quiet), threshold, player.core.current->programName);
    }
}

INSTANTIATE_TEST_SUITE_P(Categories, FactoryRender, ::testing::Range(5, kNumCategories));
