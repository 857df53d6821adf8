#include <gtest/gtest.h>

#include "ProgramPlayer.h"

using namespace engine_test;

namespace {

// Windows of 1/60 s: the periods 1/0.6 s and 1/0.3 s are 100 and 200 windows.
constexpr size_t kWindow = kSecond / 60;
constexpr double kToneHz = 1200.0; // a whole number of cycles per window

// The level of the test tone in each window: how the flanger's moving notches shape it.
std::vector<double> toneEnvelope(const std::vector<float>& samples)
{
    std::vector<double> envelope;
    for (size_t start = 0; start + kWindow <= samples.size(); start += kWindow)
        envelope.push_back(toneAmplitude(framesBetween(samples, start, start + kWindow), kToneHz));
    return envelope;
}

// How far an envelope is from repeating after `lag` windows, relative to its own swing.
double repeatError(const std::vector<double>& envelope, size_t from, size_t lag)
{
    const auto [lowest, highest] = std::minmax_element(envelope.begin() + long(from), envelope.end());
    double worst = 0.0;
    for (size_t n = from; n + lag < envelope.size(); ++n)
        worst = std::max(worst, std::fabs(envelope[n + lag] - envelope[n]));
    return worst / (*highest - *lowest);
}

size_t firstAbove(const std::vector<float>& samples, float level, size_t from)
{
    size_t n = from;
    while (n < samples.size() && std::fabs(samples[n]) <= level)
        ++n;
    return n;
}

} // namespace

// "2 to 1 Flange": one flanger per channel, the left swept at 0.6 Hz, the right
// at 0.3 Hz, so a steady tone's level repeats every 1/0.6 s on the left and only
// every 1/0.3 s on the right; a left-only input leaves the right output silent.
TEST(FlangerRender, TwoToOneFlangeSweepsTheLeftAtTwiceTheRightRate)
{
    ProgramPlayer player = playerFor("2 to 1 Flange");
    const std::vector<float> tone = sine(float(kToneHz), 0.2f, 8 * kSecond);
    const Stereo out = player.play({tone, tone});
    const std::vector<double> left = toneEnvelope(out.left), right = toneEnvelope(out.right);
    constexpr size_t settled = 60;

    EXPECT_LT(repeatError(left, settled, 100), 0.05);
    EXPECT_GT(repeatError(right, settled, 100), 0.3);
    EXPECT_LT(repeatError(right, settled, 200), 0.05);

    ProgramPlayer leftOnly = playerFor("2 to 1 Flange");
    const Stereo separated = leftOnly.play({tone, std::vector<float>(tone.size())});
    EXPECT_LT(rms(separated.right), 1.0e-12);
    EXPECT_GT(rms(separated.left), 0.01);
}

// "Echo + Flange": the 200 ms echo loop comes before the flanger, so a click
// comes back at 200 ms and again at 400 ms, each repeat weaker, with nothing
// audible in between once the flanger's short ringing has died away.
TEST(FlangerRender, EchoPlusFlangeRepeatsAClickEveryTwoHundredMilliseconds)
{
    ProgramPlayer player = playerFor("Echo + Flange");
    Stereo click = silence(kSecond / 2);
    click.left[0] = click.right[0] = 0.5f;
    const Stereo out = player.play(click);

    constexpr size_t echo = 8820; // 200 ms
    const float loudest = *std::max_element(out.left.begin(), out.left.begin() + 2000);
    const float audible = 0.01f * loudest;
    const size_t firstEcho = firstAbove(out.left, audible, 2000);
    EXPECT_GE(firstEcho, echo);
    EXPECT_LE(firstEcho, echo + 3);
    const size_t secondEcho = firstAbove(out.left, audible, firstEcho + 2000);
    EXPECT_GE(secondEcho, 2 * echo);
    EXPECT_LE(secondEcho, 2 * echo + 6);

    const auto peakOf = [&out](size_t from) {
        return double(*std::max_element(out.left.begin() + long(from), out.left.begin() + long(from + 2000)));
    };
    EXPECT_LT(peakOf(secondEcho), peakOf(firstEcho));
    EXPECT_LT(peakOf(firstEcho), loudest);
}
