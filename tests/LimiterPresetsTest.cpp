#include <gtest/gtest.h>

#include "plugin/Sliders.h"

#include "FactoryRecordChecks.h"

const FactoryCategory kLimiter = {
    "Limiter", 10, 164, buildLimiterPresets, StoredWords::ShownTimes,
    {
     {"Limiter Setup", "Slider controls limiter threshold for ALL presets. If your host program clips plug-ins at 100%, try 70% or so (-3 dB), because 100% will have no effect.", "12", 0x0302, 0,
      {{"Limiter Thresh %", 25.0f, 100.0f, 70.0f, {{56}}}}},
    },
};

namespace {

constexpr int kPhaseShapeOverMod = 169; // its slider D drives a "Mod A Mod" depth too

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

TEST(LimiterPresets, SelectingLimiterSetupKeepsTheFreshThreshold)
{
    OrvCore core = startedCore();
    EXPECT_SAME_FLOAT(core.engine->limiterThreshold, 0.7f);
    ASSERT_TRUE(selectProgram(core, kLimiter.first));
    EXPECT_SAME_FLOAT(core.engine->limiterThreshold, 0.7f);
}

TEST(LimiterPresets, SliderASetsTheClampedThresholdForEveryProgram)
{
    OrvCore core = startedCore();
    ASSERT_TRUE(selectProgram(core, kLimiter.first));

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
