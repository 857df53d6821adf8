#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "CoreTestSupport.h"
#include "plugin/Sliders.h"

namespace {

struct Sliders : CoreFixture {
    std::string name(int slider)
    {
        char text[64];
        getParameterName(core, slider, text, sizeof text);
        return text;
    }
    std::string label(int slider)
    {
        char text[64];
        getParameterLabel(core, slider, text, sizeof text);
        return text;
    }
};

} // namespace

TEST_F(Sliders, CurvesFollowTheMasterField)
{
    preset().oscKind[0] = OscKind::Sine;
    preset().sliderFreqMode[0] = FreqMode::Hz;
    addSlider(0, "Freq Hz", 20, 2000, 440, fieldId(0, Column::OscFrequency));
    addSlider(1, "LFO Rate Hz", 0.1f, 10, 1, fieldId(0, Column::OscFrequency));
    useProcess(1, ProcessKind::LowPass);
    addSlider(2, "Cutoff Freq hz", 20, 10000, 500, fieldId(1, Column::MainValue));
    addSlider(3, "Filter Q ", 0, 10, 1, fieldId(1, Column::SecondValue));
    chooseSliderCurves(core);
    EXPECT_EQ(core.sliders.curve[0], SliderCurve::Cube);
    EXPECT_EQ(core.sliders.curve[1], SliderCurve::Square);
    EXPECT_EQ(core.sliders.curve[2], SliderCurve::Cube);
    EXPECT_EQ(core.sliders.curve[3], SliderCurve::Linear);
    EXPECT_EQ(core.sliders.curve[4], SliderCurve::Linear);

    preset().sliderFreqMode[0] = FreqMode::Bpm;
    chooseSliderCurves(core);
    EXPECT_EQ(core.sliders.curve[0], SliderCurve::Square);
    preset().sliderFreqMode[0] = 0;
    chooseSliderCurves(core);
    EXPECT_EQ(core.sliders.curve[0], SliderCurve::Linear);
}

TEST_F(Sliders, ParameterValuesMapThroughTheCurveAndBack)
{
    addSlider(0, "Gain %", 0, 200, 100, fieldId(0, Column::LeftGain));
    const SliderCurve curves[] = {SliderCurve::Linear, SliderCurve::Square, SliderCurve::Cube};
    const float expected[] = {100.0f, 50.0f, 25.0f};
    for (int i = 0; i < 3; ++i) {
        core.sliders.curve[0] = curves[i];
        ASSERT_TRUE(setSliderParameter(core, 0, 0.5f));
        EXPECT_FLOAT_EQ(preset().sliderCurrent[0], expected[i]);
        EXPECT_FLOAT_EQ(getSliderParameter(core, 0), 0.5f);
    }
    EXPECT_TRUE(core.sliders.changed[0]);
    applyChangedSliders(core);
    EXPECT_FALSE(core.sliders.changed[0]);
    EXPECT_FLOAT_EQ(preset().outputGain[0][0], 0.25f);

    ASSERT_TRUE(setSliderParameter(core, 0, 7.0f));
    EXPECT_EQ(preset().sliderCurrent[0], 200.0f);
    ASSERT_TRUE(setSliderParameter(core, 0, -1.0f));
    EXPECT_EQ(preset().sliderCurrent[0], 0.0f);
    EXPECT_FALSE(setSliderParameter(core, 0, NAN));
    EXPECT_FALSE(setSliderParameter(core, 7, 0.5f));
    EXPECT_EQ(preset().sliderCurrent[0], 0.0f);

    // An unused slider has an empty range: the host reads 0, never NaN.
    EXPECT_EQ(getSliderParameter(core, 5), 0.0f);
}

TEST_F(Sliders, EverySliderTargetReceivesRatioTimesValue)
{
    useProcess(2, ProcessKind::Delay);
    addSlider(0, "Time ms", 0, 100, 20, fieldId(2, Column::MainValue));
    for (int k = 1; k < kSliderTargets; ++k) {
        preset().sliderTarget[0][k] = fieldId(k % 8, Column::LeftGain);
        preset().sliderRatio[0][k] = k % 2 ? -1.0f : 0.0f;
    }
    preset().sliderTarget[1][0] = 999; // a bad id from a chunk is skipped
    core.sliders.changed[0] = core.sliders.changed[1] = true;
    applyChangedSliders(core);
    EXPECT_EQ(preset().processTime[2], 882.00006f);
    EXPECT_EQ(preset().outputGain[7][0], -20.0f * 0.01f); // target 15, ratio -1
    EXPECT_EQ(preset().outputGain[6][0], 0.0f);  // target 14, ratio 0
}

TEST_F(Sliders, CaptionsSplitIntoNameAndLabel)
{
    const std::pair<const char*, std::pair<const char*, const char*>> captions[] = {
        {" Delay Time ms", {" Delay Time", "ms"}},
        {"PitchTrk  Hi hz", {"PitchTrk  Hi", "hz"}},
        {"Init Phase1 \xA1", {"Init Phase1", "\xA1"}},
        {"Feed- forward", {"Feed-", "forward"}},
        {"Filter Q ", {"Filter Q", ""}},
        {"Wet", {"Wet", " "}},
        {" Wet", {" Wet", " "}},
    };
    for (const auto& [caption, expected] : captions) {
        addSlider(0, caption, 0, 1, 0, fieldId(0, Column::LeftGain));
        EXPECT_EQ(name(0), expected.first) << caption;
        EXPECT_EQ(label(0), expected.second) << caption;
    }
    EXPECT_EQ(name(6), "---");
    EXPECT_EQ(label(6), "");

    // A caption that fills its 32 bytes is read no further, and host buffers are bounded.
    std::memset(preset().sliderCaption[0], 'x', 32);
    EXPECT_EQ(name(0).size(), 32u);
    char small[8];
    getParameterName(core, 0, small, sizeof small);
    EXPECT_EQ(std::string(small), "xxxxxxx");
}

TEST_F(Sliders, RandomizeSkipsGainOnlySlidersAndUndoes)
{
    useProcess(1, ProcessKind::LowPass);
    addSlider(0, "Cutoff hz", 100, 5000, 1000, fieldId(1, Column::MainValue));
    addSlider(1, "Wet Mix", 0, 200, 100, fieldId(1, Column::LeftGain));
    preset().sliderTarget[1][1] = fieldId(1, Column::RightGain);
    preset().sliderRatio[1][1] = 1.0f;
    core.sliders.undoProgram = -1;

    bool moved = false;
    for (int attempt = 0; attempt < 20 && !moved; ++attempt) {
        randomizeSliders(core);
        EXPECT_GE(preset().sliderCurrent[0], 100.0f);
        EXPECT_LE(preset().sliderCurrent[0], 5000.0f);
        EXPECT_EQ(preset().sliderCurrent[1], 100.0f);
        moved = preset().sliderCurrent[0] != 1000.0f;
        if (!moved)
            continue;
        ASSERT_TRUE(undoRandomize(core));
        EXPECT_EQ(preset().sliderCurrent[0], 1000.0f);
        EXPECT_FALSE(undoRandomize(core)) << "one level of undo";
    }
    EXPECT_TRUE(moved);

    randomizeSliders(core);
    ASSERT_TRUE(selectProgram(core, core.currentIndex + 1));
    EXPECT_FALSE(undoRandomize(core)) << "undo never crosses programs";
}

TEST_F(Sliders, LimiterSetupSetsAPersistentClampedThreshold)
{
    EXPECT_EQ(core.engine->limiterThreshold, 0.7f);
    std::strcpy(preset().programName, "LIMITER SETUP");
    preset().inUse[1] = 1;
    preset().modKind[1][0] = ModKind::ModAMod;
    addSlider(0, "Threshold %", 25, 100, 70, fieldId(1, Column::SlotADepth));

    ASSERT_TRUE(setSliderParameter(core, 0, 0.0f)); // 25 %
    EXPECT_EQ(core.engine->limiterThreshold, 0.5f) << "clamped at once";
    applyChangedSliders(core);
    EXPECT_EQ(core.engine->limiterThreshold, 0.5f);

    ASSERT_TRUE(setSliderParameter(core, 0, 1.0f));
    applyChangedSliders(core);
    EXPECT_EQ(core.engine->limiterThreshold, 1.0f);

    preset().sliderCurrent[0] = 80.0f;
    prepareProgram(core);
    EXPECT_EQ(core.engine->limiterThreshold, 0.79999995f);

    ASSERT_TRUE(selectProgram(core, core.currentIndex + 1));
    EXPECT_EQ(core.engine->limiterThreshold, 0.79999995f) << "the threshold holds for every program";

    // Another program with the same wiring leaves the limiter alone.
    std::strcpy(preset().programName, "Limiter Set");
    preset().modKind[1][0] = ModKind::ModAMod;
    addSlider(0, "Threshold %", 25, 100, 70, fieldId(1, Column::SlotADepth));
    setSliderParameter(core, 0, 0.0f);
    applyChangedSliders(core);
    EXPECT_EQ(core.engine->limiterThreshold, 0.79999995f);
}
