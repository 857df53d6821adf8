#include "FactoryProgramChecks.h"

#include "plugin/Sliders.h"

namespace {

constexpr int kLimiterSetup = 164;
constexpr int kPhaseShapeOverMod = 169; // its slider D drives a "Mod A Mod" depth too

const ProgramExpectation kLimiterProgram =
    {"Limiter Setup",
     "Slider controls limiter threshold for ALL presets. If your host program clips plug-ins at 100%, try 70% or so (-3 dB), because 100% will have no effect.",
     "12",
     {
         {"Limiter Thresh %", 25, 100, 70, {{56, 1}}},
     }};

OrvCore startedCore()
{
    OrvCore core;
    initCore(core, 44100.0f, 512);
    return core;
}

// Moves slider A of the current program as a host would, then runs the next block's slider pass.
float moveSliderA(OrvCore& core, float parameter)
{
    EXPECT_TRUE(setSliderParameter(core, 0, parameter));
    applyChangedSliders(core);
    return core.current->sliderCurrent[0];
}

} // namespace

TEST(LimiterPresets, TheOneRecordHoldsLimiterSetup)
{
    expectBuilderIsRelocatable(buildLimiterPresets, 1);
    const auto bank = buildCategory(buildLimiterPresets, kLimiterSetup, 1);
    const OrvPreset& record = bank[kLimiterSetup];
    expectFactoryRecord(record, "Limiter", kLimiterProgram);
    EXPECT_EQ(record.oscKind[0], OscKind::StereoIn);
    EXPECT_EQ(record.processKind[0], ProcessKind::NoProcess);
    EXPECT_EQ(record.outputOn[0][0], 1);
    EXPECT_SAME_FLOAT(record.outputGain[0][1], 1.0f);
    EXPECT_EQ(record.oscKind[1], OscKind::NoOsc);
    EXPECT_EQ(record.modKind[1][0], ModKind::ModAMod);
    EXPECT_EQ(record.modTarget[1][0], 2);
    EXPECT_SAME_FLOAT(record.modDepth[1][0], 0.7f);
    EXPECT_EQ(record.outputOn[1][0], 0);
    EXPECT_SAME_FLOAT(record.outputGain[1][0], 1.0f);
    expectRecordsInFactoryBank(bank.get(), kLimiterSetup, 1);
    EXPECT_EQ(fieldsChangedBySelection(kLimiterSetup, 1), std::vector<std::string> {});
}

TEST(LimiterPresets, SelectingLimiterSetupKeepsTheFreshThreshold)
{
    OrvCore core = startedCore();
    EXPECT_SAME_FLOAT(core.engine->limiterThreshold, 0.7f);
    ASSERT_TRUE(selectProgram(core, kLimiterSetup));
    EXPECT_SAME_FLOAT(core.engine->limiterThreshold, 0.7f);
}

TEST(LimiterPresets, SliderASetsTheClampedThresholdForEveryProgram)
{
    OrvCore core = startedCore();
    ASSERT_TRUE(selectProgram(core, kLimiterSetup));

    const float lowValue = moveSliderA(core, 0.2f);
    EXPECT_GE(lowValue, 25.0f);
    EXPECT_LE(lowValue, 50.0f);
    EXPECT_SAME_FLOAT(core.engine->limiterThreshold, 0.5f);
    EXPECT_SAME_FLOAT(moveSliderA(core, 0.0f), 25.0f);
    EXPECT_SAME_FLOAT(core.engine->limiterThreshold, 0.5f);

    const float middleValue = moveSliderA(core, 0.8f);
    ASSERT_GT(middleValue, 50.0f);
    ASSERT_LT(middleValue, 100.0f);
    EXPECT_NEAR(core.engine->limiterThreshold, middleValue / 100.0f, 1e-6f);

    EXPECT_SAME_FLOAT(moveSliderA(core, 1.0f), 100.0f);
    EXPECT_SAME_FLOAT(core.engine->limiterThreshold, 1.0f);

    // Other programs neither reset nor take over the threshold, not even one
    // whose slider drives a "Mod A Mod" depth.
    ASSERT_TRUE(selectProgram(core, 121));
    EXPECT_SAME_FLOAT(core.engine->limiterThreshold, 1.0f);
    ASSERT_TRUE(selectProgram(core, kPhaseShapeOverMod));
    ASSERT_EQ(core.current->modKind[2][0], ModKind::ModAMod);
    EXPECT_TRUE(setSliderParameter(core, 3, 0.1f));
    applyChangedSliders(core);
    EXPECT_SAME_FLOAT(core.engine->limiterThreshold, 1.0f);
}
