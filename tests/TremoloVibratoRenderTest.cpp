#include <gtest/gtest.h>

#include "ProgramPlayer.h"

using namespace engine_test;

namespace {

// Over a constant input a level tremolo plays its own gain curve.
constexpr float kLevel = 0.5f;

std::vector<float> aroundMean(const std::vector<float>& samples)
{
    double sum = 0.0;
    for (const float sample : samples)
        sum += sample;
    const float mean = float(sum / double(samples.size()));
    std::vector<float> centred(samples);
    for (float& sample : centred)
        sample -= mean;
    return centred;
}

double lowest(const std::vector<float>& samples) { return *std::min_element(samples.begin(), samples.end()); }
double highest(const std::vector<float>& samples) { return *std::max_element(samples.begin(), samples.end()); }

} // namespace

// Ampl Mod scales the wet module by 0.5 + 0.5 · depth · sine; the bus averages it with
// the dry module: "Tremolo 1" swings between 0.42 and 0.70 of the input six times a second.
TEST(TremoloRender, SineTremolosFollowTheirLfo)
{
    struct SineTremolo {
        const char* program;
        double wet, depth, dry;
    };
    for (const SineTremolo tremolo : {SineTremolo {"Tremolo 1", 0.56, 1.0, 0.84}, SineTremolo {"60's Tremolo", 1.9, 0.5, 0.0}}) {
        const Stereo out = playerFor(tremolo.program).play(constant(kLevel, frames(1.0)));
        std::vector<double> gainCurve(out.left.size());
        for (size_t n = 0; n < gainCurve.size(); ++n) {
            const double lfo = std::sin(2.0 * std::numbers::pi * 6.0 * double(n) / kRate);
            gainCurve[n] = kLevel * (tremolo.wet * (0.5 + 0.5 * tremolo.depth * lfo) + tremolo.dry) / 2.0;
        }
        expectSamplesNear(out.right, gainCurve, 1.0e-5, tremolo.program);
    }
}

// Two shaped LFOs at 30 % swing the wet gain between 0.35 and 0.65; the shape sets how
// much of that half swing the fundamental at the LFO's rate carries.
TEST(TremoloRender, ShapedTremolosSwingAtTheirRates)
{
    const struct {
        const char* program;
        double wetGain;
        double rate;
        double fundamentalShare;
    } tremolos[] = {
        // A linear ramp: a triangle's fundamental is 8 / π² of its half swing (a sine's would be all of it).
        {"Triangle Tremolo", 2.2, 6.0, 8.0 / (std::numbers::pi * std::numbers::pi)},
        // The square root keeps the sine's sign and flattens its tops, which lifts the
        // fundamental to 4/π · ∫ sin^1.5 over a quarter cycle = 1.1128 of the swing.
        {"Squareish Tremolo", 2.0, 5.0, 1.1128},
    };
    for (const auto& tremolo : tremolos) {
        SCOPED_TRACE(tremolo.program);
        const Stereo out = playerFor(tremolo.program).play(constant(kLevel, frames(1.0)));
        const double scale = kLevel * tremolo.wetGain / 2.0;
        EXPECT_NEAR(highest(out.left), scale * 0.65, 1.0e-4);
        EXPECT_NEAR(lowest(out.left), scale * 0.35, 1.0e-4);
        EXPECT_NEAR(toneAmplitude(out.left, tremolo.rate), scale * 0.15 * tremolo.fundamentalShare, 1.0e-3);
        EXPECT_NEAR(crossingFrequency(aroundMean(out.left)), tremolo.rate, 0.05);
    }
}

// Pan Mod lets a channel through to the left × min(1, 1 − p) and to the right × min(1, 1 + p).
// At depth 0.7 the louder side stays at full level and the other dips to 30 %, six times a
// second; at depth 1 (cross-pan) the left input leaves one side entirely at each extreme.
TEST(TremoloRender, PanTremolosMoveTheSoundBetweenSides)
{
    const Stereo panned = playerFor("Pan Tremolo").play(constant(kLevel, frames(1.0)));
    std::vector<float> balance(panned.left.size());
    for (size_t n = 0; n < balance.size(); ++n)
        balance[n] = panned.left[n] / panned.right[n];
    EXPECT_NEAR(lowest(balance), 0.3, 1.0e-3);
    EXPECT_NEAR(highest(balance), 1.0 / 0.3, 1.0e-2);
    std::vector<float> difference(panned.left.size());
    for (size_t n = 0; n < difference.size(); ++n)
        difference[n] = panned.right[n] - panned.left[n];
    EXPECT_NEAR(crossingFrequency(difference), 6.0, 0.05);

    const Stereo crossed = playerFor("CrossPan Tremolo").play({constant(kLevel, frames(1.0)).left, silence(frames(1.0)).left});
    EXPECT_LT(lowest(crossed.left), 1.0e-4 * highest(crossed.left));
    EXPECT_LT(lowest(crossed.right), 1.0e-4 * highest(crossed.right));
    EXPECT_NEAR(highest(crossed.left), highest(crossed.right), 1.0e-6);
}

// A sine LFO sweeps each vibrato's short delay: the input read 1 ms × (1 ± depth) late,
// which bends its pitch up and down at the LFO's rate.
TEST(VibratoRender, VibratosSweepTheirDelayAtTheirRate)
{
    struct Vibrato {
        const char* program;
        double gain, depth, rate;
    };
    const Waveform tone = sineWave(200.0, 0.5);
    const int count = frames(1.0);
    // "Vibrato 1" averages its wet module with the silent dry one.
    for (const Vibrato vibrato : {Vibrato {"Vibrato 1", 1.4 / 2.0, 0.3, 6.0}, Vibrato {"Vibrato 2", 0.7, 0.15, 5.5}}) {
        const Stereo out = playerFor(vibrato.program).play({sampled(tone, count), sampled(tone, count)});
        const Waveform swept = sweptDelay(tone, vibrato.gain, 44.100002, vibrato.depth, vibrato.rate);
        expectSamplesNear(out.left, sampled<double>(swept, count), 1.0e-3, vibrato.program);
    }
}
