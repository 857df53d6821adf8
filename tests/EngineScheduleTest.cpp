#include <gtest/gtest.h>

#include "EngineTestSupport.h"

using namespace engine_test;

namespace {

constexpr float kTolerance = 1.0e-7f;

Stereo twoTones(int frames)
{
    return {sine(330.0f, 0.3f, frames), sine(523.0f, 0.2f, frames)};
}

Stereo ramp(int frames)
{
    Stereo signal = silence(frames);
    for (int n = 0; n < frames; ++n)
        signal.left[size_t(n)] = signal.right[size_t(n)] = 0.0005f * float(n);
    return signal;
}

// The program with modules 6 and 7 silent, to send routes of depth 0 that keep others in the frame loop.
OrvPreset withSilentSenders(OrvPreset preset)
{
    for (const int m : {6, 7}) {
        useModule(preset, m, OscKind::NoOsc, ProcessKind::NoProcess);
        silenceOutputs(preset, m);
    }
    return preset;
}

// A program played a pass at a time gives the samples it gives in the frame loop.
void expectSameSound(const OrvPreset& passWise, const OrvPreset& frameByFrame)
{
    const Stereo input = twoTones(3000);
    for (const int block : {512, 100}) {
        const Stereo expected = renderFresh(frameByFrame, input, block);
        const Stereo out = renderFresh(passWise, input, block);
        EXPECT_GT(rms(out.left, 600), 0.005) << block;
        EXPECT_EQ(out.left, expected.left) << block;
        EXPECT_EQ(out.right, expected.right) << block;
    }
}

} // namespace

TEST(EngineSchedule, LaterModulesReachEarlierOnesOneFrameLateAcrossPassesAndBlocks)
{
    // Module 1 sends its input to module 0, which plays it one frame late, however the
    // frames fall into passes and blocks; the frame before the first sends nothing.
    const Stereo input = ramp(700);
    OrvPreset preset = silentRecord();
    useModule(preset, 0, OscKind::NoOsc, ProcessKind::NoProcess);
    useModule(preset, 1, OscKind::StereoIn, ProcessKind::NoProcess);
    silenceOutputs(preset, 1);
    addRoute(preset, 1, 0, ModKind::Mix, 0, 1.0f);
    for (const int block : {512, 100, 1}) {
        const Stereo out = renderFresh(preset, input, block);
        EXPECT_NEAR(out.left[0], 0.0f, kTolerance) << block;
        for (size_t n = 1; n < input.left.size(); ++n)
            ASSERT_NEAR(out.left[n], input.left[n - 1], kTolerance) << block << " frame " << n;
    }

    // An Ampl Mod route from a later module leaves the first frame alone: 0.75 = 0.5 + 0.5 × 0.5.
    OrvPreset scaled = silentRecord();
    useModule(scaled, 0, OscKind::StereoIn, ProcessKind::NoProcess);
    useModule(scaled, 1, OscKind::NoOsc, ProcessKind::DcOffset);
    scaled.dcOffset[1] = 0.5f;
    silenceOutputs(scaled, 1);
    addRoute(scaled, 1, 0, ModKind::AmplMod, 0, 1.0f);
    const Stereo out = renderFresh(scaled, constant(0.4f, 600));
    EXPECT_NEAR(out.left[0], 0.4f, kTolerance);
    for (const size_t n : {1, 255, 256, 257, 511, 512, 599})
        EXPECT_NEAR(out.left[n], 0.3f, kTolerance) << n;
}

TEST(EngineSchedule, ModulesFedByAFeedbackLoopHearEveryFrameOfIt)
{
    // Modules 1 and 2 form a loop (at depth 0); module 0 hears module 1, which averages
    // its input with the loop's route, one frame late, and module 3 in the same frame.
    const Stereo input = ramp(700);
    OrvPreset preset = silentRecord();
    useModule(preset, 0, OscKind::NoOsc, ProcessKind::NoProcess);
    silenceOutputs(preset, 0);
    preset.outputOn[0][0] = 1;
    useModule(preset, 1, OscKind::StereoIn, ProcessKind::NoProcess);
    silenceOutputs(preset, 1);
    addRoute(preset, 1, 0, ModKind::Mix, 0, 1.0f);
    addRoute(preset, 1, 1, ModKind::Mix, 2, 1.0f);
    useModule(preset, 2, OscKind::NoOsc, ProcessKind::NoProcess);
    silenceOutputs(preset, 2);
    addRoute(preset, 2, 0, ModKind::Mix, 1, 0.0f);
    useModule(preset, 3, OscKind::NoOsc, ProcessKind::NoProcess);
    silenceOutputs(preset, 3);
    preset.outputOn[3][1] = 1;
    addRoute(preset, 2, 1, ModKind::Mix, 3, 1.0f);
    const Stereo out = renderFresh(preset, input);
    for (size_t n = 1; n < input.left.size(); ++n) {
        ASSERT_NEAR(out.left[n], 0.5f * input.left[n - 1], kTolerance) << n;
        ASSERT_NEAR(out.right[n], 0.5f * input.right[n], kTolerance) << n;
    }
}

TEST(EngineSchedule, LoopsThroughDelaysRepeatAfterTheirLengthsWhateverTheirSize)
{
    // Module 0 (input and the loop averaged: x / 2) delays by T0, module 1 by T1, and the
    // route back into module 0 adds a frame: repeats at T0 + k (T0 + T1 + 1), each at
    // 0.8 (a depth of 1.6 halved by the averaging) of the one before.
    struct Lengths {
        int first;
        int second;
    };
    for (const Lengths lengths : {Lengths {100, 120}, Lengths {256, 257}, Lengths {257, 256}, Lengths {300, 1000}}) {
        const int loop = lengths.first + lengths.second + 1;
        Stereo impulse = silence(lengths.first + 3 * loop + 10);
        impulse.left[0] = impulse.right[0] = 0.5f;
        OrvPreset preset = silentRecord();
        useModule(preset, 0, OscKind::StereoIn, ProcessKind::Delay);
        preset.processTime[0] = float(lengths.first);
        addRoute(preset, 0, 0, ModKind::Mix, 1, 1.0f);
        useModule(preset, 1, OscKind::NoOsc, ProcessKind::Delay);
        preset.processTime[1] = float(lengths.second);
        silenceOutputs(preset, 1);
        addRoute(preset, 1, 0, ModKind::Mix, 0, 1.6f);
        const Stereo out = renderFresh(preset, impulse);
        float expected = 0.25f;
        for (int repeat = 0; repeat < 3; ++repeat) {
            const size_t at = size_t(lengths.first + repeat * loop);
            EXPECT_NEAR(out.left[at], expected, 1.0e-6f) << lengths.first << " repeat " << repeat;
            EXPECT_NEAR(out.left[at - 1], 0.0f, 1.0e-6f) << lengths.first << " repeat " << repeat;
            EXPECT_NEAR(out.left[at + 1], 0.0f, 1.0e-6f) << lengths.first << " repeat " << repeat;
            expected *= 0.8f;
        }
    }
}

TEST(EngineSchedule, PassWiseModulesPlayAsTheyDoFrameByFrame)
{
    // An LFO sweeping a filter and gating a delay, a loop from the filter back through the
    // delay, the filter's own feedback and a power stage: the engine runs these a pass at
    // a time. Routes of depth 0 into each module's slot depths keep the same program in
    // the frame loop, where every module runs frame by frame.
    OrvPreset passWise = silentRecord();
    useModule(passWise, 0, OscKind::Sine, ProcessKind::NoProcess);
    passWise.oscFrequency[0] = 3.0f;
    silenceOutputs(passWise, 0);
    addRoute(passWise, 0, 0, ModKind::FilterFrq, 2, 0.5f);
    addRoute(passWise, 0, 1, ModKind::AmplMod, 1, 0.8f);
    useModule(passWise, 1, OscKind::StereoIn, ProcessKind::Delay);
    passWise.processTime[1] = 300.0f;
    addRoute(passWise, 1, 0, ModKind::Mix, 2, 1.0f);
    addRoute(passWise, 1, 1, ModKind::Mix, 3, 0.5f);
    useModule(passWise, 2, OscKind::NoOsc, ProcessKind::LowPass);
    passWise.mainValue[2] = 2000.0f;
    passWise.filterQ[2] = 0.7f;
    addRoute(passWise, 2, 0, ModKind::Mix, 1, 0.7f);
    addRoute(passWise, 2, 1, ModKind::Mix, 2, 0.3f);
    useModule(passWise, 3, OscKind::StereoIn, ProcessKind::RaiseToPwr);
    passWise.exponent[3] = 1.5f;

    OrvPreset frameByFrame = withSilentSenders(passWise);
    addRoute(frameByFrame, 6, 0, ModKind::ModAMod, 1, 0.0f);
    addRoute(frameByFrame, 6, 1, ModKind::ModAMod, 2, 0.0f);
    addRoute(frameByFrame, 7, 0, ModKind::ModAMod, 3, 0.0f);
    addRoute(frameByFrame, 7, 1, ModKind::ModBMod, 0, 0.0f);

    const Stereo input = twoTones(3000);
    const Stereo expected = renderFresh(frameByFrame, input);
    const Stereo out = renderFresh(passWise, input);
    EXPECT_GT(rms(out.left, 600), 0.02);
    for (size_t n = 0; n < input.left.size(); ++n) {
        ASSERT_NEAR(out.left[n], expected.left[n], 1.0e-6f) << n;
        ASSERT_NEAR(out.right[n], expected.right[n], 1.0e-6f) << n;
    }
}

TEST(EngineSchedule, OscillatorsInAModulationLoopPlayAsWhenTheirFrequencyIsModulated)
{
    // Three oscillators wired into loops run in the frame loop. Nothing bends their
    // frequency or phase, so the engine makes their samples a pass at a time; Freq Mod
    // routes of depth 0 make it make them frame by frame, which must sound the same.
    OrvPreset passWise = silentRecord();
    useModule(passWise, 0, OscKind::Saw, ProcessKind::PhaseShape);
    passWise.oscFrequency[0] = 440.0f;
    passWise.phaseShape[0] = 0.4f;
    passWise.oscPhase[0][1] = 1.0f;
    addRoute(passWise, 0, 0, ModKind::AmplMod, 1, 0.6f);
    addRoute(passWise, 0, 1, ModKind::Mix, 2, 0.8f);
    useModule(passWise, 1, OscKind::Square, ProcessKind::LowPass);
    passWise.oscFrequency[1] = -97.0f;
    passWise.mainValue[1] = 3000.0f;
    passWise.filterQ[1] = 0.7f;
    addRoute(passWise, 1, 0, ModKind::Mix, 0, 0.5f);
    addRoute(passWise, 1, 1, ModKind::DelayMod, 2, 0.5f);
    useModule(passWise, 2, OscKind::SineLfo, ProcessKind::Delay);
    passWise.oscFrequency[2] = 2.0f;
    passWise.phaseOrLfoDepth[2] = 0.3f;
    passWise.processTime[2] = 20.0f;
    addRoute(passWise, 2, 0, ModKind::Mix, 1, 0.5f);

    OrvPreset frameByFrame = withSilentSenders(passWise);
    addRoute(frameByFrame, 6, 0, ModKind::FreqMod, 0, 0.0f);
    addRoute(frameByFrame, 6, 1, ModKind::FreqMod, 1, 0.0f);
    addRoute(frameByFrame, 7, 0, ModKind::FreqMod, 2, 0.0f);

    expectSameSound(passWise, frameByFrame);
}

TEST(EngineSchedule, BentPannedAndTimedModulesPlayAPassAtATimeAsFrameByFrame)
{
    // An LFO bends a Saw's frequency and a shaped Sine's phase, moves a third oscillator's
    // pan and sweeps a delay: all run a pass at a time. Routes of depth 0 into their slot
    // depths keep the same program in the frame loop, which must sound the same.
    OrvPreset passWise = silentRecord();
    useModule(passWise, 0, OscKind::Sine, ProcessKind::NoProcess);
    passWise.oscFrequency[0] = 3.0f;
    silenceOutputs(passWise, 0);
    addRoute(passWise, 0, 0, ModKind::FreqMod, 1, 0.3f);
    addRoute(passWise, 0, 1, ModKind::DelayMod, 2, 0.4f);
    useModule(passWise, 1, OscKind::Saw, ProcessKind::NoProcess);
    passWise.oscFrequency[1] = 220.0f;
    addRoute(passWise, 1, 0, ModKind::PhaseMod, 4, 0.5f);
    useModule(passWise, 2, OscKind::StereoIn, ProcessKind::Delay);
    passWise.processTime[2] = 300.0f;
    addRoute(passWise, 2, 0, ModKind::PanMod, 3, 0.9f);
    useModule(passWise, 3, OscKind::Triangle, ProcessKind::NoProcess);
    passWise.oscFrequency[3] = 330.0f;
    useModule(passWise, 4, OscKind::Sine, ProcessKind::PhaseShape);
    passWise.oscFrequency[4] = 110.0f;
    passWise.phaseShape[4] = 0.2f;

    OrvPreset frameByFrame = withSilentSenders(passWise);
    addRoute(frameByFrame, 6, 0, ModKind::ModAMod, 1, 0.0f);
    addRoute(frameByFrame, 6, 1, ModKind::ModAMod, 2, 0.0f);
    addRoute(frameByFrame, 7, 0, ModKind::ModAMod, 3, 0.0f);
    addRoute(frameByFrame, 7, 1, ModKind::ModAMod, 4, 0.0f);

    expectSameSound(passWise, frameByFrame);
}

TEST(EngineSchedule, LoopsThroughDelaysASineMovesPlayInSubPassesAsFrameByFrame)
{
    // Two delays whose times a sine sweeps, one down to nothing, feed the input module
    // back, which feeds them: the engine reads them ahead in sub-passes as long as their
    // times. A crossfade on one, after the feedback depth moved, sends the loop to the frame
    // loop and back. Routes of depth 0 into slot depths keep everything in the frame loop.
    OrvPreset subPassed = silentRecord();
    useModule(subPassed, 0, OscKind::Sine, ProcessKind::NoProcess);
    subPassed.oscFrequency[0] = 20.0f;
    silenceOutputs(subPassed, 0);
    addRoute(subPassed, 0, 0, ModKind::DelayMod, 2, 1.0f);
    addRoute(subPassed, 0, 1, ModKind::DelayMod, 3, -0.5f);
    useModule(subPassed, 1, OscKind::StereoIn, ProcessKind::NoProcess);
    addRoute(subPassed, 1, 0, ModKind::Mix, 2, 0.9f);
    addRoute(subPassed, 1, 1, ModKind::Mix, 3, 0.7f);
    for (const int m : {2, 3}) {
        useModule(subPassed, m, OscKind::NoOsc, ProcessKind::Delay);
        addRoute(subPassed, m, 0, ModKind::Mix, 1, 0.45f);
    }
    subPassed.processTime[2] = 20.0f;
    subPassed.processTime[3] = 333.0f;

    OrvPreset frameByFrame = subPassed;
    useModule(frameByFrame, 7, OscKind::NoOsc, ProcessKind::NoProcess);
    silenceOutputs(frameByFrame, 7);
    addRoute(frameByFrame, 7, 0, ModKind::ModBMod, 1, 0.0f);
    addRoute(frameByFrame, 7, 1, ModKind::ModBMod, 2, 0.0f);

    const Stereo input = twoTones(4000);
    for (const int block : {512, 37}) {
        Stereo played[2];
        OrvPreset presets[2] = {frameByFrame, subPassed};
        for (int way = 0; way < 2; ++way) {
            auto engine = std::make_unique<OrvEngine>();
            played[way] = renderInBlocks(input, block, [&](const float* const* inputs, float* const* outputs, int count) {
                if (&inputs[0][0] - input.left.data() == 1998 / block * block) {
                    presets[way].modDepth[2][0] = 0.3f;
                    requestDelayCrossfade(*engine, 2);
                }
                processBlock(*engine, presets[way], inputs, outputs, count, kRate, true);
            });
        }
        EXPECT_GT(rms(played[1].left, 600), 0.02) << block;
        EXPECT_EQ(played[1].left, played[0].left) << block;
        EXPECT_EQ(played[1].right, played[0].right) << block;
    }
}

TEST(EngineSchedule, RecordFieldsWrittenBetweenBlocksActFromTheNextBlock)
{
    // The engine keeps the plan it made from the record until a field it reads changes.
    struct Change {
        const char* what;
        void (*write)(OrvPreset&);
        float expected; // every frame of the next block, from a constant 0.4 input
    };
    const Change changes[] = {
        {"output gain", [](OrvPreset& p) { p.outputGain[0][0] = p.outputGain[0][1] = 0.5f; }, 0.2f},
        {"process kind", [](OrvPreset& p) { p.processKind[0] = ProcessKind::DcOffset; }, 0.3f},
        {"DC offset", [](OrvPreset& p) { p.dcOffset[0] = -0.3f; }, 0.05f},
        {"a second, silent module on the buses", [](OrvPreset& p) { useModule(p, 1, OscKind::NoOsc, ProcessKind::NoProcess); },
         0.025f},
    };
    OrvPreset preset = silentRecord();
    useModule(preset, 0, OscKind::StereoIn, ProcessKind::NoProcess);
    preset.dcOffset[0] = 0.2f;
    OrvEngine engine;
    const Stereo block = constant(0.4f, 200);
    EXPECT_NEAR(render(engine, preset, block).left.back(), 0.4f, 1.0e-6f);
    for (const Change& change : changes) {
        change.write(preset);
        const Stereo out = render(engine, preset, block);
        EXPECT_NEAR(out.left.front(), change.expected, 1.0e-6f) << change.what;
        EXPECT_NEAR(out.right.back(), change.expected, 1.0e-6f) << change.what;
    }
}

TEST(EngineSchedule, ModulesRoutedIntoThemselvesHearItTheNextFrameAPassAtATime)
{
    // Module 1 routes its own output back into itself. The frame loop delivers such a route
    // after the module ran, so it acts in the next frame, and a pass must play it so too:
    // channel by channel for each process, frame by frame, after the frame loop, and as a
    // delay read ahead, whole or in sub-passes. A route of depth 0 into its slot depth keeps
    // the same program in the frame loop.
    enum class Senders { None, SineSweepsTime, SineBendsFrequency, SineScalesLevel, FrameLoopFeeds };
    struct SelfRouted {
        const char* what;
        int16_t source;
        int16_t process;
        uint16_t kind;
        float depth;
        float time;
        Senders senders;
    };
    constexpr int16_t kIn = OscKind::StereoIn;
    const SelfRouted cases[] = {
        {"delay read ahead, Ampl Mod", kIn, ProcessKind::Delay, ModKind::AmplMod, 0.8f, 300.0f, Senders::None},
        {"delay read ahead, Ring Mod", kIn, ProcessKind::Delay, ModKind::RingMod, 0.6f, 400.0f, Senders::None},
        {"delay read ahead", kIn, ProcessKind::Delay, ModKind::Mix, 0.9f, 300.0f, Senders::None},
        {"delay in sub-passes, down to none", kIn, ProcessKind::Delay, ModKind::Mix, 0.8f, 40.0f, Senders::SineSweepsTime},
        {"short delay", kIn, ProcessKind::Delay, ModKind::Mix, 0.8f, 20.0f, Senders::None},
        {"low-pass", kIn, ProcessKind::LowPass, ModKind::Mix, 0.7f, 0.0f, Senders::None},
        {"band-pass", kIn, ProcessKind::BandPass, ModKind::Mix, 0.7f, 0.0f, Senders::None},
        {"envelope follower", kIn, ProcessKind::EnvFollow, ModKind::Mix, 0.5f, 100.0f, Senders::None},
        {"pitch tracker", kIn, ProcessKind::PitchTrack, ModKind::Mix, 0.5f, 0.0f, Senders::None},
        {"DC offset", kIn, ProcessKind::DcOffset, ModKind::Mix, 0.5f, 0.0f, Senders::None},
        {"power", kIn, ProcessKind::RaiseToPwr, ModKind::Mix, 0.5f, 0.0f, Senders::None},
        {"sample and hold", kIn, ProcessKind::SampHold, ModKind::Mix, 0.8f, 7.0f, Senders::None},
        {"no process", kIn, ProcessKind::NoProcess, ModKind::Mix, 0.8f, 0.0f, Senders::None},
        {"quantizer", kIn, ProcessKind::QuantizeFrq, ModKind::Mix, 0.8f, 0.0f, Senders::None},
        {"bent oscillator, frame by frame", OscKind::Saw, ProcessKind::PhaseShape, ModKind::Mix, 0.6f, 0.0f,
         Senders::SineBendsFrequency},
        {"level-scaled filter, frame by frame", kIn, ProcessKind::LowPass, ModKind::Mix, 0.7f, 0.0f,
         Senders::SineScalesLevel},
        {"filter after the frame loop", kIn, ProcessKind::HighPass, ModKind::Mix, 0.7f, 0.0f, Senders::FrameLoopFeeds},
    };
    for (const SelfRouted& c : cases) {
        SCOPED_TRACE(c.what);
        OrvPreset passWise = silentRecord();
        useModule(passWise, 1, c.source, c.process);
        passWise.oscFrequency[1] = 220.0f;
        passWise.processTime[1] = c.time;
        passWise.mainValue[1] = 450.0f;
        passWise.filterQ[1] = 2.0f;
        passWise.dcOffset[1] = 0.1f;
        passWise.exponent[1] = 1.5f;
        passWise.envCoefficient[1] = 0.99f;
        passWise.phaseShape[1] = 0.3f;
        addRoute(passWise, 1, 0, c.kind, 1, c.depth);
        useModule(passWise, 0, OscKind::Sine, ProcessKind::NoProcess);
        passWise.oscFrequency[0] = 3.0f;
        silenceOutputs(passWise, 0);
        if (c.senders == Senders::SineSweepsTime)
            addRoute(passWise, 0, 0, ModKind::DelayMod, 1, 1.0f);
        else if (c.senders == Senders::SineBendsFrequency)
            addRoute(passWise, 0, 0, ModKind::FreqMod, 1, 0.2f);
        else if (c.senders == Senders::SineScalesLevel)
            addRoute(passWise, 0, 0, ModKind::AmplMod, 1, 0.9f);
        if (c.senders == Senders::FrameLoopFeeds) {
            // Modules 2 and 3 feed each other, so they run in the frame loop.
            useModule(passWise, 2, OscKind::StereoIn, ProcessKind::NoProcess);
            useModule(passWise, 3, OscKind::NoOsc, ProcessKind::LowPass);
            silenceOutputs(passWise, 3);
            addRoute(passWise, 2, 0, ModKind::Mix, 3, 0.5f);
            addRoute(passWise, 2, 1, ModKind::FilterFrq, 1, 0.8f);
            addRoute(passWise, 3, 0, ModKind::Mix, 2, 0.5f);
        }

        OrvPreset frameByFrame = withSilentSenders(passWise);
        addRoute(frameByFrame, 6, 0, ModKind::ModBMod, 1, 0.0f);
        expectSameSound(passWise, frameByFrame);
    }
}
