#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "CoreTestSupport.h"
#include "plugin/Sliders.h"

namespace {

struct ProgramPreparation : CoreFixture {
    void useDelays(int count)
    {
        for (int m = 0; m < kNumModules; ++m) {
            preset().inUse[m] = m < count ? 1 : 0;
            preset().processKind[m] = m % 2 ? ProcessKind::Delay : ProcessKind::PitchTrack;
        }
    }
};

} // namespace

TEST_F(ProgramPreparation, DelayLinesShareOnePoolOfTwoToTheTwentySamples)
{
    // Two lines (left and right) per Delay or PitchTrack module in use.
    const std::pair<int, uint32_t> lengths[] = {{0, 1}, {1, 1u << 19}, {2, 1u << 18}, {3, 1u << 17},
                                                {4, 1u << 17}, {5, 1u << 16}, {8, 1u << 16}};
    for (const auto& [modules, length] : lengths) {
        useDelays(modules);
        sizeDelayLine(preset(), kPluginFlags, 512);
        EXPECT_EQ(preset().delayLineLength, length) << modules;
        EXPECT_LE(uint64_t(modules) * 2 * length, 1u << 20);
    }
    // Counted by lines: one line alone gets the whole pool, 9 or more 2^16.
    const std::pair<int, uint32_t> byLines[] = {{1, 1u << 20}, {2, 1u << 19}, {3, 1u << 18}, {4, 1u << 18},
                                                {5, 1u << 17}, {8, 1u << 17}};
    for (const auto& [modules, length] : byLines) {
        useDelays(modules);
        sizeDelayLine(preset(), 0, 512);
        EXPECT_EQ(preset().delayLineLength, length) << modules;
    }
    preset().inUse[6] = 0;
    useDelays(8);
    preset().processKind[7] = ProcessKind::LowPass;
    sizeDelayLine(preset(), kPluginFlags, 512);
    EXPECT_EQ(preset().delayLineLength, 1u << 16) << "7 modules make 14 lines";
}

TEST_F(ProgramPreparation, TimesThatNoLongerFitAreCut)
{
    useDelays(4);
    preset().processTime[0] = 200000.0f;
    preset().processTime[1] = 100000.0f;
    preset().processTime[5] = 900000.0f; // not in use: left alone
    sizeDelayLine(preset(), kPluginFlags, 512);
    EXPECT_EQ(preset().processTime[0], float((1 << 17) - 512));
    EXPECT_EQ(preset().processTime[1], 100000.0f);
    EXPECT_EQ(preset().processTime[5], 900000.0f);

    sizeDelayLine(preset(), kPluginFlags, 1 << 16); // an offline block cuts only as far as a playing one
    EXPECT_EQ(preset().processTime[0], float((1 << 17) - kLongestBlockWithDelayRoom));
}

TEST(ProgramSelection, AnnouncingLongBlocksChangesNoStoredProgram)
{
    OrvCore core;
    initCore(core, 44100.0f, 512);
    auto playingBank = std::make_unique<OrvPreset[]>(kNumPrograms);
    for (int program = 0; program < kNumPrograms; ++program) {
        ASSERT_TRUE(selectProgram(core, program));
        playingBank[program] = *core.current;
    }
    for (const int blockSize : {1 << 16, 1 << 20, 512}) {
        setHostAudioSettings(core, 44100.0f, blockSize);
        for (int program = 0; program < kNumPrograms; ++program)
            ASSERT_TRUE(selectProgram(core, program));
    }
    for (int program = 0; program < kNumPrograms; ++program)
        EXPECT_EQ(std::memcmp(&core.bank[program], &playingBank[program], sizeof(OrvPreset)), 0)
            << core.bank[program].programName;
}

TEST_F(ProgramPreparation, RescalingFollowsTheHostRate)
{
    useProcess(0, ProcessKind::Delay);
    preset().processTime[0] = 1014.3001f;
    useProcess(1, ProcessKind::EnvFollow);
    preset().processTime[1] = 661.5f;
    useProcess(2, ProcessKind::PitchTrack);
    preset().minLag[2] = 294;
    preset().maxLag[2] = 882;
    preset().trackInterval[2] = 882.0f;
    useProcess(3, ProcessKind::LowPass);
    preset().processTime[3] = 100.0f;

    rescaleToSampleRate(preset(), 48000);
    EXPECT_NEAR(preset().processTime[0], 1104.0f, 0.01f);
    EXPECT_NEAR(preset().processTime[1], 720.0f, 0.01f);
    EXPECT_FLOAT_EQ(preset().envCoefficient[1], float(std::pow(0.5, 1.0 / preset().processTime[1])));
    EXPECT_EQ(preset().minLag[2], 320);
    EXPECT_EQ(preset().maxLag[2], 960);
    EXPECT_NEAR(preset().trackInterval[2], 960.0f, 0.01f);
    EXPECT_EQ(preset().processTime[3], 100.0f);
    EXPECT_EQ(preset().sampleRate, 48000u);

    // The follower time still reads as 15 ms at the new rate.
    EXPECT_NEAR(getFieldValue(core, 1, Column::MainValue), 15.0f, 1e-4f);
}

TEST_F(ProgramPreparation, PreparationAppliesSlidersAndNormalisesWords)
{
    useProcess(1, ProcessKind::Delay);
    addSlider(0, "Delay ms", 0, 100, 10, fieldId(1, Column::MainValue));
    addSlider(1, "Depth %", 0, 100, 150, fieldId(1, Column::SlotADepth)); // above its range
    preset().processTime[1] = 12345.0f;
    preset().delayTimeMode[1] = 0;
    preset().quantizeStep[2] = 0.0f;
    preset().flags = 0x0007;
    preset().sampleRate = 44100;

    prepareProgram(core);
    EXPECT_EQ(preset().processTime[1], 441.00003f) << "the slider rules its field";
    EXPECT_EQ(preset().sliderCurrent[1], 100.0f);
    EXPECT_EQ(preset().modDepth[1][0], 1.0f);
    EXPECT_EQ(preset().delayTimeMode[1], DelayTimeMode::Milliseconds);
    EXPECT_EQ(preset().quantizeStep[2], 0.05f);
    EXPECT_EQ(preset().flags, 0x0307);
    EXPECT_EQ(preset().savedProcessTime[1], -1.0f);
    EXPECT_EQ(preset().savedFreqMode[1], 65535);
    EXPECT_EQ(preset().delayLineLength, 1u << 19);
}

TEST_F(ProgramPreparation, SelectionRefusesBadIndexesAndRestartsOscillators)
{
    ASSERT_TRUE(selectProgram(core, 5));
    const OrvPreset before = core.bank[5];
    EXPECT_FALSE(selectProgram(core, 354));
    EXPECT_FALSE(selectProgram(core, -1));
    EXPECT_EQ(core.currentIndex, 5);
    EXPECT_EQ(core.current, &core.bank[5]);
    EXPECT_EQ(std::memcmp(&before, &core.bank[5], sizeof before), 0);

    preset().oscKind[2] = OscKind::Sine;
    preset().phaseOrLfoDepth[2] = 1.5f;
    preset().oscPhase[2][0] = 4.0f; // where the oscillator had run to
    preset().oscPhase[2][1] = 4.5f;
    preset().oscKind[3] = OscKind::SineLfo;
    preset().processKind[3] = ProcessKind::Delay;
    preset().oscPhase[3][0] = 2.0f;
    preset().processKind[4] = ProcessKind::PitchTrack;
    preset().oscPhase[4][0] = 2.5f;
    preset().mainValue[1] = 77.0f; // a field no slider drives: only preparation could touch it

    ASSERT_TRUE(selectProgram(core, 5));
    EXPECT_EQ(preset().oscPhase[2][0], 1.5f);
    EXPECT_EQ(preset().oscPhase[2][1], 1.5f);
    EXPECT_EQ(preset().oscPhase[3][0], 0.0f);
    EXPECT_EQ(preset().oscPhase[4][0], 2.5f) << "a tracker keeps its phase";
    EXPECT_EQ(preset().mainValue[1], 77.0f);
}

TEST(ProgramSelection, StartUpPreparesProgramZeroAtTheHostRate)
{
    OrvCore core;
    initCore(core, 48000.0f, 256);
    EXPECT_EQ(core.currentIndex, 0);
    EXPECT_EQ(core.current->sampleRate, 48000u);
    EXPECT_EQ(core.bank[1].sampleRate, 44100u) << "other programs are rescaled when selected";
    ASSERT_TRUE(selectProgram(core, 1));
    EXPECT_EQ(core.bank[1].sampleRate, 48000u);

    OrvCore fallback;
    initCore(fallback, 0.0f, 0);
    EXPECT_EQ(fallback.sampleRate, 44100.0f);
    EXPECT_GT(fallback.blockSize, 0);
}
