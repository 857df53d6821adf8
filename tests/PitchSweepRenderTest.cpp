#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "ProgramPlayer.h"

using namespace engine_test;

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// The frames [start, end) of each stretch louder than `threshold`, where quiet gaps shorter
// than `bridge` frames (a tone's own zero crossings) do not end a stretch.
std::vector<std::pair<size_t, size_t>> bursts(const std::vector<float>& samples, float threshold, size_t bridge)
{
    std::vector<std::pair<size_t, size_t>> found;
    for (size_t n = 0; n < samples.size(); ++n) {
        if (std::fabs(samples[n]) < threshold)
            continue;
        if (found.empty() || n - found.back().second > bridge)
            found.push_back({n, n + 1});
        found.back().second = n + 1;
    }
    return found;
}

} // namespace

// "PitchSweep DownUp" and "PitchSweep UpDown": a 0.2 Hz sine sweeps a 550 ms delay at
// full depth, d(t) = T (1 + sin(phase0 + 2 pi f t)), so a tone comes out at
// 1 - d'(t) = 1 - 2 pi f T cos(phase) times its pitch: from 1.69 times down to 0.31 and
// back when the sine starts at 180° (DownUp), the other way round from 0° (UpDown).
// Measured over 50 ms windows once the delay holds input: the span of a window's
// crossings may sit half a period off its centre while the pitch moves, which with
// whole-sample crossings keeps the measure within 0.3 % of the pitch at the centre.
TEST(PitchSweepRender, PitchSweepsGoDownThenUpOrUpThenDown)
{
    const struct {
        const char* name;
        double startPhase;
        double firstMeasure; // seconds: the delay reaches back before the first input until then
    } sweeps[] = {{"PitchSweep DownUp", std::numbers::pi, 0.6}, {"PitchSweep UpDown", 0.0, 1.3}};
    const std::vector<float> tone = sine(440.0f, 0.4f, 6 * kSecond);
    for (const auto& sweep : sweeps) {
        ProgramPlayer program = playerFor(sweep.name);
        const Stereo out = program.play({tone, tone});
        for (double t = sweep.firstMeasure; t < 5.9; t += 0.1) {
            const double expected = 440.0 * (1.0 - kTwoPi * 0.2 * 0.55 * std::cos(sweep.startPhase + kTwoPi * 0.2 * t));
            EXPECT_NEAR(frequencyAround(out.left, t, 0.025), expected, 0.005 * expected) << sweep.name << " at " << t;
        }
    }
}

// "Crystal Gliss Down" and "Crystal Gliss Up": inside the loop a saw sweeps the delay
// time, so every pass shifts the pitch by 1 - 2 x delay x rate x depth: 0.952 for the
// 150 ms loop at 0.2 Hz and depth 0.8, 1.04 for the 125 ms loop at depth -0.8. A 40 ms
// burst of 1 kHz comes back as a train of echoes, each a step lower or higher; a
// crossing falls on a whole sample, under 0.1 % over an echo.
TEST(PitchSweepRender, CrystalGlissShiftsThePitchOnEveryPass)
{
    const struct {
        const char* name;
        double stepRatio;
    } glisses[] = {{"Crystal Gliss Down", 1.0 - 2.0 * 0.15 * 0.2 * 0.8}, {"Crystal Gliss Up", 1.0 - 2.0 * 0.125 * 0.2 * -0.8}};
    for (const auto& gliss : glisses) {
        ProgramPlayer program = playerFor(gliss.name);
        Stereo burst = silence(kSecond);
        const std::vector<float> tone = sine(1000.0f, 0.5f, 1764);
        std::copy(tone.begin(), tone.end(), burst.left.begin() + 1000);
        const Stereo out = program.play(burst);

        const auto echoes = bursts(out.left, 0.005f, 100);
        ASSERT_GE(echoes.size(), 6u) << gliss.name;
        double expected = 1000.0;
        for (size_t echo = 0; echo < 6; ++echo) {
            const auto [start, end] = echoes[echo];
            const std::vector<float> middle = framesBetween(out.left, start + 132, end - 132);
            EXPECT_NEAR(crossingFrequency(middle), expected, 0.003 * expected) << gliss.name << " echo " << echo;
            expected *= gliss.stepRatio;
        }
    }
}
