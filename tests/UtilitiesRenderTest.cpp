#include <gtest/gtest.h>

#include "ProgramPlayer.h"

using namespace engine_test;

namespace {

// Float products and the bus averaging round in the last place; anything audible is far above this.
constexpr double kRounding = 1.0e-6;

struct ChannelOperation {
    const char* program;
    double inputOffset; // keeps the output within the limiter threshold, which would otherwise bend it
    double (*left)(double l, double r);
    double (*right)(double l, double r);
};

const ChannelOperation kChannelOperations[] = {
    {"Adjust L/R Balance", 0.0, [](double l, double) { return 0.7 * l; }, [](double, double r) { return 0.7 * r; }},
    {"Bipolar->Unipolar", 0.0, [](double l, double) { return (l + 1.0) * 0.5; }, [](double, double r) { return (r + 1.0) * 0.5; }},
    {"Correct DC Offset", 0.0, [](double l, double) { return 0.65 * (l - 0.05); }, [](double, double r) { return 0.65 * (r - 0.05); }},
    {"Left -> Both", 0.0, [](double l, double) { return 0.7 * l; }, [](double l, double) { return 0.7 * l; }},
    {"Right -> Both", 0.0, [](double, double r) { return 0.7 * r; }, [](double, double r) { return 0.7 * r; }},
    {"Phase Inverter", 0.0, [](double l, double) { return 0.7 * l; }, [](double, double r) { return -0.7 * r; }},
    // A module's input averages its own source and the Mix routes into it.
    {"Stereo->Difference", 0.0, [](double l, double r) { return (r - l) / 2.0; }, [](double l, double r) { return (r - l) / 2.0; }},
    {"Stereo->Mono", 0.0, [](double l, double r) { return 0.7 * (l + r) / 2.0; }, [](double l, double r) { return 0.7 * (l + r) / 2.0; }},
    {"Stereo->Sum&Diff", 0.0, [](double l, double r) { return 0.7 * (l + r) / 2.0; }, [](double l, double r) { return 1.5 * (r - l) / 2.0; }},
    {"Swap Channels", 0.0, [](double, double r) { return 0.7 * r; }, [](double l, double) { return 0.7 * l; }},
    {"Unipolar->Bipolar", 0.5, [](double l, double) { return 2.0 * (l - 0.5); }, [](double, double r) { return 2.0 * (r - 0.5); }},
    {"Zero Left Channel", 0.0, [](double, double) { return 0.0; }, [](double, double r) { return 0.7 * r; }},
    {"Zero Right Channel", 0.0, [](double l, double) { return 0.7 * l; }, [](double, double) { return 0.0; }},
};

// Applies a delay-free channel operation sample by sample.
std::vector<double> applied(double (*operation)(double, double), const Stereo& input)
{
    std::vector<double> out(input.left.size());
    for (size_t n = 0; n < out.size(); ++n)
        out[n] = operation(input.left[n], input.right[n]);
    return out;
}

} // namespace

// Each routing utility does its plain channel operation on every sample, with two
// different tones in the channels so that a swapped or mixed channel shows.
TEST(UtilitiesRender, ChannelOperationsAreExact)
{
    for (const ChannelOperation& operation : kChannelOperations) {
        const Stereo input {sampled(sineWave(220.0, 0.3, operation.inputOffset), frames(0.5)),
                            sampled(sineWave(330.0, 0.25, operation.inputOffset), frames(0.5))};
        const Stereo out = playerFor(operation.program).play(input);
        expectSamplesNear(out.left, applied(operation.left, input), kRounding, std::string(operation.program) + " left");
        expectSamplesNear(out.right, applied(operation.right, input), kRounding, std::string(operation.program) + " right");
    }
}

// The plain delays repeat the input at their stated times, beside the dry signal, from
// the first frame: a freshly selected delay starts from its empty line.
TEST(UtilitiesRender, DelaysRepeatTheInputAtTheirStatedTimes)
{
    struct ChannelDelay {
        double seconds;
        double tolerance;
    };
    struct PlainDelay {
        const char* program;
        ChannelDelay left, right;
    };
    // 1500 ms is 66150.01 samples: a fractional read, close to the waveform between the samples.
    const PlainDelay delays[] = {{"Simple Delay", {2.0, kRounding}, {2.0, kRounding}},
                                 {"Stereo Delay", {1.0, kRounding}, {66150.01 / kRate, 1.0e-4}}};
    const int count = frames(2.2);
    const Waveform left = sineWave(200.0, 0.3);
    const Waveform right = sineWave(170.0, 0.3);
    const Stereo input {sampled(left, count), sampled(right, count)};
    // Silence before the input began; the lines start empty.
    const auto delayed = [count](const Waveform& wave, double seconds) {
        const auto echoed = [&](double t) { return (wave(t) + 0.6 * (t < seconds ? 0.0 : wave(t - seconds))) / 2.0; };
        return sampled<double>(echoed, count);
    };
    for (const PlainDelay& delay : delays) {
        const Stereo out = playerFor(delay.program).play(input);
        expectSamplesNear(out.left, delayed(left, delay.left.seconds), delay.left.tolerance,
                          std::string(delay.program) + " left");
        expectSamplesNear(out.right, delayed(right, delay.right.seconds), delay.right.tolerance,
                          std::string(delay.program) + " right");
    }
}

// "Feedback Eliminator" plays the input 5 ms late while its 4 Hz sine moves the
// delay by ±5 %; the slow sine makes the one-frame lag of that route negligible.
TEST(UtilitiesRender, FeedbackEliminatorSweepsItsShortDelay)
{
    const Waveform tone = sineWave(200.0, 0.5);
    const int count = frames(1.0);
    const Stereo out = playerFor("Feedback Eliminator").play({sampled(tone, count), sampled(tone, count)});
    // The sweep moves the tone by up to 0.15 against a fixed delay; interpolation errs far less.
    const Waveform swept = sweptDelay(tone, 0.72, 220.5, 0.05, 4.0);
    expectSamplesNear(out.left, sampled<double>(swept, count), 2.0e-3, "Feedback Eliminator");
}

// The comb filters: the input plus (or minus) itself 16.7 ms (8.3 ms) later, each
// path at its gain and the bus averaged over both, so a tone of frequency f comes out
// at 0.75·|sin(π f T)| (0.8·|cos(π f T)|) of its level, with its notches near 60 Hz.
TEST(UtilitiesRender, HumCombsNotchTheirHarmonics)
{
    struct Comb {
        const char* program;
        double delaySamples;
        double sign;
        double gain;
    };
    for (const Comb comb : {Comb {"Filter 60Hz+harmonix", 736.47, -1.0, 0.75}, Comb {"Filter 60Hz+oddHarm", 366.03, 1.0, 0.8}}) {
        const double notch = kRate / (comb.sign < 0.0 ? comb.delaySamples : 2.0 * comb.delaySamples);
        for (const double frequency : {notch, 3.0 * notch, 1.5 * notch, 100.0}) {
            const Waveform tone = sineWave(frequency, 0.4);
            const std::vector<float> in = sampled(tone, frames(0.5));
            const Stereo out = playerFor(comb.program).play({in, in});
            const double delay = comb.delaySamples / kRate;
            const auto combed = [&](double t) { return comb.gain * (tone(t) + comb.sign * tone(t - delay)) / 2.0; };
            expectSamplesNear(out.right, sampled<double>(combed, frames(0.5)), 1.0e-4,
                              std::string(comb.program) + " at " + std::to_string(frequency) + " Hz", frames(0.02));
        }
    }
}

// Three 90 Hz high-pass stages, each mixing into the next at depth 2: hum at 30 Hz
// falls by the cube of one stage's response, speech-band tones pass at 2·2·0.82.
TEST(UtilitiesRender, RumbleFilterRemovesLowFrequencies)
{
    const auto stage = [](double frequency) {
        const double r = frequency / 90.0;
        return r * r / std::sqrt((1.0 - r * r) * (1.0 - r * r) + r * r);
    };
    for (const double frequency : {30.0, 1000.0}) {
        const std::vector<float> tone = sine(float(frequency), 0.1f, frames(1.0));
        const Stereo out = playerFor("Rumble Filter").play({tone, tone});
        const double expectedLevel = 0.1 * 4.0 * 0.82 * std::pow(stage(frequency), 3.0);
        EXPECT_NEAR(toneAmplitude(out.left, frequency, size_t(frames(0.5))), expectedLevel, 0.03 * expectedLevel) << frequency;
    }
}

// A blank program plays exact silence over any input.
TEST(UserPresetsRender, BlankRecordsAreSilent)
{
    constexpr int userPresets = 21;
    ProgramPlayer player(0);
    ASSERT_STREQ(player.core.categories[userPresets].name, "User Presets");
    const Stereo input {sine(440.0f, 0.5f, frames(0.25)), sampled(sineWave(97.0, 0.6, 0.2), frames(0.25))};
    forEachProgramIn(player, userPresets, [&](int) { EXPECT_EQ(peak(player.play(input)), 0.0); });
}
