#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <random>

#include "EngineTestSupport.h"

using namespace engine_test;

namespace {

// The engine adds ±1e-20 to every input sample against denormals.
constexpr float kOffsetTolerance = 1.0e-19f;

Stereo twoTones(int frames)
{
    return {sine(330.0f, 0.3f, frames), sine(523.0f, 0.2f, frames)};
}

// Module 0 tracks the input's pitch from about 160 to 300 Hz (lags of 276 to 147 samples) every 20 ms, heard nowhere.
OrvPreset pitchTrackerRecord()
{
    OrvPreset preset = silentRecord();
    useModule(preset, 0, OscKind::StereoIn, ProcessKind::PitchTrack);
    preset.minLag[0] = 147;
    preset.maxLag[0] = 276;
    preset.trackInterval[0] = 882.0f;
    silenceOutputs(preset, 0);
    return preset;
}

int upwardCrossings(const std::vector<float>& samples)
{
    int count = 0;
    for (size_t n = 1; n < samples.size(); ++n)
        count += samples[n - 1] < 0.0f && samples[n] >= 0.0f;
    return count;
}

} // namespace

TEST(EngineRouting, ProcessCodesOffTheMenuPassTheSignalLikeNoProcess)
{
    const Stereo input = twoTones(2000);
    OrvPreset reference = silentRecord();
    useModule(reference, 2, OscKind::StereoIn, ProcessKind::NoProcess);
    const Stereo expected = renderFresh(reference, input);
    for (const int16_t code : {0, 2, 6, 10, 13, 17, -4}) {
        OrvPreset preset = reference;
        preset.processKind[2] = code;
        EXPECT_EQ(renderFresh(preset, input).left, expected.left) << code;
        EXPECT_EQ(renderFresh(preset, input).right, expected.right) << code;
    }
}

TEST(EngineRouting, EachInputSourceFeedsItsChannels)
{
    const Stereo input = twoTones(600);
    struct Case {
        int16_t source;
        float leftFrom[2];
        float rightFrom[2];
    };
    const Case cases[] = {
        {OscKind::LeftIn, {1, 0}, {1, 0}},
        {OscKind::RightIn, {0, 1}, {0, 1}},
        {OscKind::LeftRightIn, {0.5f, 0.5f}, {0.5f, 0.5f}},
        {OscKind::StereoIn, {1, 0}, {0, 1}},
    };
    for (const Case& check : cases) {
        OrvPreset preset = silentRecord();
        useModule(preset, 0, check.source, ProcessKind::NoProcess);
        const Stereo out = renderFresh(preset, input);
        for (size_t n = 0; n < input.left.size(); ++n) {
            const float l = input.left[n], r = input.right[n];
            ASSERT_NEAR(out.left[n], check.leftFrom[0] * l + check.leftFrom[1] * r, kOffsetTolerance) << n;
            ASSERT_NEAR(out.right[n], check.rightFrom[0] * l + check.rightFrom[1] * r, kOffsetTolerance) << n;
        }
    }
}

TEST(EngineSources, OscillatorsRunAtTheirFieldFrequencyInEitherDirection)
{
    for (const int16_t source : {OscKind::Sine, OscKind::Triangle, OscKind::Square, OscKind::Saw}) {
        for (const float frequency : {441.0f, -441.0f, 12.5f}) {
            OrvPreset preset = silentRecord();
            useModule(preset, 0, source, ProcessKind::NoProcess);
            preset.oscFrequency[0] = frequency;
            preset.outputGain[0][0] = preset.outputGain[0][1] = 0.5f;
            const Stereo out = renderFresh(preset, silence(int(kRate) * 2));
            EXPECT_NEAR(upwardCrossings(out.left) / 2.0, std::fabs(frequency), 1.0) << source << " " << frequency;
            EXPECT_LE(*std::max_element(out.left.begin(), out.left.end()), 0.5f * 1.1f);
        }
    }
}

TEST(EngineSources, SlowSawJumpsFromHighestToLowestAtHalfCycle)
{
    OrvPreset preset = silentRecord();
    useModule(preset, 0, OscKind::Saw, ProcessKind::NoProcess);
    preset.oscFrequency[0] = 10.0f;
    preset.oscPhase[0][0] = preset.oscPhase[0][1] = float(std::numbers::pi);
    preset.outputGain[0][0] = preset.outputGain[0][1] = 0.5f;
    const Stereo out = renderFresh(preset, silence(4410));
    EXPECT_FLOAT_EQ(out.left[0], -0.5f);
    EXPECT_NEAR(out.left[4409], 0.5f, 0.001f); // just before the next jump
    EXPECT_GT(out.left[2206], 0.0f);
}

TEST(EngineProcesses, DelayDelaysByItsTimeInSamplesWithFractionalReads)
{
    Stereo impulse = silence(400);
    impulse.left[10] = impulse.right[10] = 0.5f;
    OrvPreset preset = silentRecord();
    useModule(preset, 0, OscKind::StereoIn, ProcessKind::Delay);
    preset.processTime[0] = 100.0f;
    Stereo out = renderFresh(preset, impulse, 37);
    EXPECT_FLOAT_EQ(out.left[110], 0.5f);
    EXPECT_FLOAT_EQ(out.right[110], 0.5f);
    EXPECT_LT(std::fabs(out.left[109]) + std::fabs(out.left[111]), kOffsetTolerance);

    preset.processTime[0] = 220.5f;
    out = renderFresh(preset, impulse);
    EXPECT_FLOAT_EQ(out.left[230], 0.25f);
    EXPECT_FLOAT_EQ(out.left[231], 0.25f);

    // A Sine LFO sweeps only its own module's delay, not the one after it.
    OrvPreset swept = silentRecord();
    useModule(swept, 0, OscKind::SineLfo, ProcessKind::Delay);
    swept.phaseOrLfoDepth[0] = 0.5f;
    swept.oscFrequency[0] = 30.0f;
    swept.processTime[0] = 50.0f;
    useModule(swept, 1, OscKind::StereoIn, ProcessKind::Delay);
    swept.processTime[1] = 220.5f;
    out = renderFresh(swept, impulse);
    EXPECT_FLOAT_EQ(out.left[230] + out.left[231], 0.25f); // two modules on the bus: halved
}

TEST(EngineProcesses, FiltersPassTheirBandAndAttenuateTheRest)
{
    struct Case {
        int16_t process;
        float passed;
        float stopped;
        float q;
    };
    for (const Case check : {Case {ProcessKind::LowPass, 100.0f, 10000.0f, 0.7071f},
                             Case {ProcessKind::HighPass, 10000.0f, 100.0f, 0.7071f},
                             Case {ProcessKind::BandPass, 1000.0f, 10000.0f, 4.0f}}) {
        OrvPreset preset = silentRecord();
        useModule(preset, 0, OscKind::StereoIn, check.process);
        preset.mainValue[0] = 1000.0f;
        preset.filterQ[0] = check.q;
        const auto level = [&](float frequency) {
            const std::vector<float> tone = sine(frequency, 0.5f, 8820);
            return rms(renderFresh(preset, {tone, tone}).left, 4410) / rms(tone, 4410);
        };
        EXPECT_NEAR(level(check.passed), 1.0, 0.05) << check.process;
        EXPECT_LT(level(check.stopped), 0.05) << check.process;
    }
}

TEST(EngineProcesses, EnvelopeFollowerRestsAtMinusOneInSilence)
{
    OrvPreset preset = silentRecord();
    useModule(preset, 0, OscKind::StereoIn, ProcessKind::EnvFollow);
    preset.processTime[0] = 661.5f;
    preset.envCoefficient[0] = 0.9989527f;
    preset.outputGain[0][0] = preset.outputGain[0][1] = 0.5f;
    const Stereo out = renderFresh(preset, silence(1000));
    for (const float sample : out.left)
        ASSERT_FLOAT_EQ(sample, -0.5f);
}

TEST(EngineProcesses, RaiseToPowerRectifiesAtNegativeExponents)
{
    const std::vector<float> tone = sine(200.0f, 0.6f, 1000);
    OrvPreset preset = silentRecord();
    useModule(preset, 0, OscKind::StereoIn, ProcessKind::RaiseToPwr);
    preset.exponent[0] = -1.0f;
    Stereo out = renderFresh(preset, {tone, tone});
    for (size_t n = 0; n < tone.size(); ++n)
        ASSERT_NEAR(out.left[n], std::fabs(tone[n]), kOffsetTolerance);
    preset.exponent[0] = 3.0f;
    out = renderFresh(preset, {tone, tone});
    for (size_t n = 0; n < tone.size(); ++n)
        ASSERT_NEAR(out.left[n], tone[n] * tone[n] * tone[n], 1e-6f);
}

TEST(EngineModulation, AmplitudeAndRingModulationFollowTheirFormulas)
{
    // Module 0 sends a steady 0.5 (a DC Offset on no source) into module 1, which plays the input.
    const float input = 0.4f, sent = 0.5f, depth = 0.8f;
    for (const uint16_t kind : {ModKind::AmplMod, ModKind::RingMod}) {
        OrvPreset preset = silentRecord();
        useModule(preset, 0, OscKind::NoOsc, ProcessKind::DcOffset);
        preset.dcOffset[0] = sent;
        silenceOutputs(preset, 0);
        addRoute(preset, 0, 0, kind, 1, depth);
        useModule(preset, 1, OscKind::StereoIn, ProcessKind::NoProcess);
        const Stereo out = renderFresh(preset, {std::vector<float>(64, input), std::vector<float>(64, input)});
        const float factor = kind == ModKind::AmplMod ? 0.5f + 0.5f * depth * sent : 1.0f - depth + depth * sent;
        EXPECT_FLOAT_EQ(out.left[10], input * factor) << kind;
        EXPECT_FLOAT_EQ(out.right[10], input * factor) << kind;
    }
}

TEST(EngineModulation, APendingAmplitudeWordSilencesTheFirstFrameOnly)
{
    OrvPreset preset = silentRecord();
    useModule(preset, 0, OscKind::StereoIn, ProcessKind::NoProcess);
    preset.pendingAmplMod[0][0] = 3;
    const Stereo out = renderFresh(preset, {std::vector<float>(8, 0.25f), std::vector<float>(8, 0.25f)});
    EXPECT_EQ(out.left[0], 0.0f);
    EXPECT_EQ(out.right[0], 0.25f);
    EXPECT_EQ(out.left[1], 0.25f);
}

TEST(EngineModulation, RoutesIntoEarlierModulesArriveOneFrameLater)
{
    Stereo impulse = silence(8);
    impulse.left[2] = impulse.right[2] = 0.5f;
    for (const int receiver : {0, 3}) {
        OrvPreset preset = silentRecord();
        useModule(preset, 1, OscKind::StereoIn, ProcessKind::NoProcess);
        silenceOutputs(preset, 1);
        addRoute(preset, 1, 0, ModKind::Mix, receiver, 1.0f);
        useModule(preset, receiver, OscKind::NoOsc, ProcessKind::NoProcess);
        const Stereo out = renderFresh(preset, impulse);
        const size_t arrival = receiver < 1 ? 3 : 2;
        EXPECT_NEAR(out.left[arrival], 0.5f, kOffsetTolerance) << receiver;
        EXPECT_NEAR(out.left[arrival == 3 ? 2 : 3], 0.0f, kOffsetTolerance) << receiver;
    }
}

TEST(EngineModulation, AModuleAveragesItsSourceAndTheMixRoutesIntoIt)
{
    // Module 1 hears the input itself and through module 0 at depth 2: (x + 2x) / 2.
    Stereo dc = constant(0.2f, 64);
    OrvPreset preset = silentRecord();
    useModule(preset, 0, OscKind::StereoIn, ProcessKind::NoProcess);
    silenceOutputs(preset, 0);
    addRoute(preset, 0, 0, ModKind::Mix, 1, 2.0f);
    useModule(preset, 1, OscKind::StereoIn, ProcessKind::NoProcess);
    EXPECT_NEAR(renderFresh(preset, dc).left[10], 0.3f, 1e-6f);

    // A silent source takes no share: one route alone arrives whole.
    preset.oscKind[1] = OscKind::NoOsc;
    EXPECT_NEAR(renderFresh(preset, dc).left[10], 0.4f, 1e-6f);
}

TEST(EngineModulation, AFreezeLoopRepeatsAtHalfItsFeedbackDepth)
{
    // A delay fed by a burst and by itself at 196 % repeats each pass at 98 %;
    // the route back into itself adds one frame to each pass.
    const int period = 100;
    Stereo burst = silence((period + 1) * 12);
    burst.left[0] = burst.right[0] = 0.5f;
    OrvPreset preset = silentRecord();
    useModule(preset, 0, OscKind::StereoIn, ProcessKind::NoProcess);
    silenceOutputs(preset, 0);
    addRoute(preset, 0, 0, ModKind::Mix, 1, 1.0f);
    useModule(preset, 1, OscKind::NoOsc, ProcessKind::Delay);
    preset.processTime[1] = float(period);
    addRoute(preset, 1, 0, ModKind::Mix, 1, 1.96f);
    const Stereo out = renderFresh(preset, burst);
    float previous = 0.0f;
    for (int pass = 1; pass <= 10; ++pass) {
        float peak = 0.0f;
        for (int n = pass * (period + 1) - 3; n < pass * (period + 1) + 3; ++n)
            peak = std::max(peak, std::fabs(out.left[size_t(n)]));
        if (pass > 1) {
            EXPECT_NEAR(peak / previous, 0.98f, 0.01f) << pass;
        }
        previous = peak;
    }
    EXPECT_GT(previous, 0.05f);
}

TEST(EngineOutput, BusesAverageSwitchedOnChannelsWhateverTheirGain)
{
    const float x = 0.4f;
    OrvPreset preset = silentRecord();
    useModule(preset, 0, OscKind::StereoIn, ProcessKind::NoProcess);
    preset.outputOn[0][1] = 0;
    useModule(preset, 5, OscKind::StereoIn, ProcessKind::NoProcess);
    preset.outputGain[5][0] = 0.0f;
    preset.outputOn[5][1] = 0;
    const Stereo out = renderFresh(preset, {std::vector<float>(16, x), std::vector<float>(16, x)});
    EXPECT_FLOAT_EQ(out.left[5], x / 2); // the gain-0 channel still counts
    EXPECT_EQ(out.right[5], 0.0f);       // no channel feeds the right bus

    // "Bipolar->Unipolar": one module at gain 0.5 with a DC offset of 1 gives (x + 1) / 2.
    OrvPreset unipolar = silentRecord();
    useModule(unipolar, 0, OscKind::StereoIn, ProcessKind::DcOffset);
    unipolar.dcOffset[0] = 1.0f;
    unipolar.outputGain[0][0] = unipolar.outputGain[0][1] = 0.5f;
    const Stereo shifted = renderFresh(unipolar, {std::vector<float>(16, -0.6f), std::vector<float>(16, -0.6f)});
    EXPECT_FLOAT_EQ(shifted.left[3], 0.2f);
}

TEST(EngineOutput, LimiterHoldsTheThresholdAndLeavesQuietAudioUntouched)
{
    OrvPreset preset = silentRecord();
    useModule(preset, 0, OscKind::StereoIn, ProcessKind::NoProcess);
    auto engine = std::make_unique<OrvEngine>();
    const std::vector<float> loud = sine(100.0f, 3.0f, 20000);
    const Stereo limited = render(*engine, preset, {loud, loud});
    EXPECT_TRUE(engine->limiterEngaged);
    float peak = 0.0f;
    for (const float sample : limited.left)
        peak = std::max(peak, std::fabs(sample));
    EXPECT_LE(peak, engine->limiterThreshold);
    EXPECT_GT(peak, 0.69f);

    auto quietEngine = std::make_unique<OrvEngine>();
    const std::vector<float> quiet = sine(100.0f, 0.5f, 20000);
    const Stereo untouched = render(*quietEngine, preset, {quiet, quiet});
    EXPECT_FALSE(quietEngine->limiterEngaged);
    for (size_t n = 0; n < quiet.size(); ++n)
        ASSERT_NEAR(untouched.left[n], quiet[n], kOffsetTolerance) << n; // exact but for the anti-denormal offset
}

TEST(EngineOutput, LimiterReleasesToUnityAfterALoudBurst)
{
    OrvPreset preset = silentRecord();
    useModule(preset, 0, OscKind::StereoIn, ProcessKind::NoProcess);
    constexpr int kBurst = 4410;
    std::vector<float> input = sine(100.0f, 0.5f, 3 * 44100);
    for (int n = 0; n < kBurst; ++n)
        input[size_t(n)] *= 4.0f;
    const Stereo out = renderFresh(preset, {input, input});
    for (size_t n = 0; n < input.size(); ++n)
        ASSERT_LE(std::fabs(out.left[n]), 0.7f) << n;
    EXPECT_LT(std::fabs(out.left[kBurst + 100]), 0.5f * std::fabs(input[kBurst + 100]) + 0.01f) << "still releasing";
    for (size_t n = 2 * 44100; n < input.size(); ++n)
        ASSERT_NEAR(out.left[n], input[n], kOffsetTolerance) << n;
}

TEST(EngineRobustness, BlockSizesAndSharedBuffersGiveTheSameAudio)
{
    // A swept delay in a feedback loop with a filter: plenty of state to get wrong across blocks.
    OrvPreset preset = silentRecord();
    useModule(preset, 0, OscKind::Sine, ProcessKind::NoProcess);
    preset.oscFrequency[0] = 0.7f;
    silenceOutputs(preset, 0);
    addRoute(preset, 0, 0, ModKind::DelayMod, 2, 0.9f);
    useModule(preset, 1, OscKind::StereoIn, ProcessKind::LowPass);
    preset.mainValue[1] = 3000.0f;
    addRoute(preset, 1, 0, ModKind::Mix, 2, 0.8f);
    useModule(preset, 2, OscKind::NoOsc, ProcessKind::Delay);
    preset.processTime[2] = 300.0f;
    addRoute(preset, 2, 0, ModKind::Mix, 1, 0.7f);
    const Stereo input = twoTones(20000);
    const Stereo expected = renderFresh(preset, input, 512);
    for (const int block : {1, 7, 333, 8192, 20000})
        EXPECT_EQ(renderFresh(preset, input, block).left, expected.left) << block;

    Stereo shared = input;
    auto engine = std::make_unique<OrvEngine>();
    OrvPreset played = preset;
    for (size_t done = 0; done < shared.left.size(); done += 512) {
        const int count = int(std::min<size_t>(512, shared.left.size() - done));
        float* buffers[2] = {shared.left.data() + done, shared.right.data() + done};
        const float* inputs[2] = {buffers[0], buffers[1]};
        processBlock(*engine, played, inputs, buffers, count, kRate, true);
    }
    EXPECT_EQ(shared.left, expected.left);
    EXPECT_EQ(shared.right, expected.right);
}

TEST(EngineRobustness, HostileRecordsAndInputsNeverGiveNonFiniteOutput)
{
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> byte(0, 255);
    Stereo input = twoTones(3000);
    input.left[5] = std::numeric_limits<float>::quiet_NaN();
    input.right[9] = std::numeric_limits<float>::infinity();
    input.left[700] = -std::numeric_limits<float>::infinity();
    input.right[1500] = 3.0e38f;
    auto engine = std::make_unique<OrvEngine>();
    for (int trial = 0; trial < 300; ++trial) {
        OrvPreset preset = silentRecord();
        auto* bytes = reinterpret_cast<uint8_t*>(&preset);
        for (size_t n = 16; n < offsetof(OrvPreset, sliderTarget); ++n) {
            if (byte(random) < 40)
                bytes[n] = uint8_t(byte(random));
        }
        // Favour records that play: modules on, known kinds, targets in range.
        for (int m = 0; m < kNumModules; ++m) {
            preset.inUse[m] = byte(random) < 150;
            preset.oscKind[m] = int16_t(byte(random) % 16);
            preset.processKind[m] = int16_t(byte(random) % 18);
            for (int slot = 0; slot < kNumSlots; ++slot) {
                preset.modKind[m][slot] = uint16_t(byte(random) % 21);
                preset.modTarget[m][slot] = int16_t(byte(random) % 10 - 1);
            }
        }
        clearModulationState(*engine);
        const Stereo out = render(*engine, preset, input, 61 + trial);
        ASSERT_TRUE(allFinite(out)) << trial;
        ASSERT_TRUE(allFinite(render(*engine, preset, twoTones(500)))) << trial;
    }
}

TEST(EngineRobustness, ClearingTheStateForgetsDelayedAudio)
{
    OrvPreset preset = silentRecord();
    useModule(preset, 0, OscKind::StereoIn, ProcessKind::Delay);
    preset.processTime[0] = 1000.0f;
    auto engine = std::make_unique<OrvEngine>();
    render(*engine, preset, twoTones(600));
    clearModulationState(*engine);
    const Stereo after = render(*engine, preset, silence(2000));
    EXPECT_LT(rms(after.left), kOffsetTolerance);
}

TEST(EngineProcesses, DelayTimeChangesCrossFadeInsteadOfJumping)
{
    const std::vector<float> tone = sine(500.0f, 0.5f, 8000);
    const std::vector<float> first(tone.begin(), tone.begin() + 4000), second(tone.begin() + 4000, tone.end());
    const auto largestStep = [&](bool crossfade) {
        OrvPreset preset = silentRecord();
        useModule(preset, 0, OscKind::StereoIn, ProcessKind::Delay);
        preset.processTime[0] = 100.0f;
        auto engine = std::make_unique<OrvEngine>();
        const Stereo out = render(*engine, preset, {first, first});
        preset.processTime[0] = 144.0f; // half a cycle later: an abrupt change flips the sign
        if (crossfade)
            requestDelayCrossfade(*engine, 0);
        const Stereo next = render(*engine, preset, {second, second});
        float step = std::fabs(next.left[0] - out.left.back());
        for (size_t n = 1; n < next.left.size(); ++n)
            step = std::max(step, std::fabs(next.left[n] - next.left[n - 1]));
        return step;
    };
    EXPECT_GT(largestStep(false), 0.5f);
    EXPECT_LT(largestStep(true), 0.05f);
}

TEST(EngineProcesses, PitchTrackerFindsTheInputPitchAndNothingInNoise)
{
    OrvPreset preset = pitchTrackerRecord();
    auto engine = std::make_unique<OrvEngine>();
    const std::vector<float> tone = sine(220.0f, 0.4f, 8820);
    render(*engine, preset, {tone, tone});
    EXPECT_NEAR(preset.lastPitch[0][0], 220.0f, 1.0f);

    const std::vector<float> noise = whiteNoise(0.5f, 8820, 7);
    render(*engine, preset, {noise, noise});
    EXPECT_EQ(preset.lastPitch[0][0], 0.0f);
    render(*engine, preset, silence(8820));
    EXPECT_EQ(preset.lastPitch[0][1], 0.0f);
}

TEST(EngineModulation, TrackedPitchSetsTheOscillatorFrequency)
{
    // Depth 2 from the tracker puts the sine one octave above the input's pitch.
    OrvPreset preset = pitchTrackerRecord();
    addRoute(preset, 0, 0, ModKind::FreqMod, 1, 2.0f);
    useModule(preset, 1, OscKind::Sine, ProcessKind::NoProcess);
    preset.oscFrequency[1] = 1.0f;
    preset.outputGain[1][0] = preset.outputGain[1][1] = 0.5f;
    const std::vector<float> tone = sine(200.0f, 0.4f, int(kRate));
    const Stereo out = renderFresh(preset, {tone, tone});
    const std::vector<float> settled(out.left.begin() + 4410, out.left.end());
    EXPECT_NEAR(upwardCrossings(settled) / 0.9, 400.0, 4.0);
}
