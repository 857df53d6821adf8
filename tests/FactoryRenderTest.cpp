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

void expectFiniteWithinThreshold(const Stereo& out, float threshold)
{
    for (const auto* channel : {&out.left, &out.right}) {
        for (const float sample : *channel) {
            ASSERT_TRUE(std::isfinite(sample));
            ASSERT_LE(std::fabs(sample), threshold);
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
    const Stereo signal = testSignal();
    const Stereo quiet = silence(kTwoSeconds);
    forEachProgramIn(player, GetParam(), [&](int index) {
        const float threshold = player.core.engine->limiterThreshold;
        expectFiniteWithinThreshold(player.play(signal), threshold);
        ASSERT_TRUE(selectProgram(player.core, index)); // restarts it
        expectFiniteWithinThreshold(player.play(quiet), threshold);
    });
}

INSTANTIATE_TEST_SUITE_P(Categories, FactoryRender, ::testing::Range(5, kNumCategories));
