#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "CoreTestSupport.h"
#include "plugin/Sliders.h"

namespace {

struct FieldModel : CoreFixture {
    void set(int m, int column, float value) { applyFieldValue(core, fieldId(m, column), value); }
};

} // namespace

TEST_F(FieldModel, PercentColumnsUseSinglePrecisionProducts)
{
    set(2, Column::SlotADepth, 80.0f);
    set(2, Column::SlotBDepth, 85.0f);
    set(2, Column::LeftGain, -5.0f);
    set(2, Column::RightGain, 200.0f);
    EXPECT_EQ(preset().modDepth[2][0], 0.79999995f);
    EXPECT_EQ(preset().modDepth[2][1], 0.84999996f);
    EXPECT_EQ(preset().outputGain[2][0], -0.049999997f);
    EXPECT_EQ(preset().outputGain[2][1], 2.0f);
}

TEST_F(FieldModel, MainValueGivesTimesInSamples)
{
    useProcess(1, ProcessKind::Delay);
    const float expected[][2] = {{10, 441.00003f}, {5, 220.50002f}, {20, 882.00006f}, {40, 1764.0001f}, {1500, 66150.01f}};
    for (const auto& [ms, samples] : expected) {
        set(1, Column::MainValue, ms);
        EXPECT_EQ(preset().processTime[1], samples) << ms;
        EXPECT_EQ(preset().mainValue[1], ms);
    }
    set(1, Column::MainValue, -3.0f);
    EXPECT_EQ(preset().processTime[1], 0.0f);

    // The same column feeds every kind's derived fields.
    useProcess(2, ProcessKind::DcOffset);
    set(2, Column::MainValue, 80.0f);
    EXPECT_EQ(preset().dcOffset[2], 0.79999995f);
    EXPECT_EQ(preset().phaseShape[2], 0.79999995f);
    EXPECT_EQ(preset().quantizeStep[2], 80.0f);
    EXPECT_EQ(preset().exponent[2], 40.0f) << "only Raise to Pwr takes the exponent";
    set(2, Column::MainValue, 0.0f);
    EXPECT_EQ(preset().quantizeStep[2], 0.05f);

    useProcess(3, ProcessKind::RaiseToPwr);
    set(3, Column::MainValue, -0.99999994f);
    EXPECT_EQ(preset().exponent[3], -0.99999994f);
}

TEST_F(FieldModel, TempoTimesShrinkAsTheHostTempoRises)
{
    // Delay and Samp/Hold times in tempo mode are given at 120 BPM: half the tempo, twice
    // the time. A new host tempo writes them again through their sliders.
    useProcess(1, ProcessKind::Delay);
    useProcess(2, ProcessKind::SampHold);
    useProcess(3, ProcessKind::Delay);
    preset().delayTimeMode[1] = preset().delayTimeMode[2] = DelayTimeMode::Tempo;
    for (int m = 1; m <= 3; ++m)
        addSlider(m - 1, "Time ms", 0.0f, 1000.0f, 100.0f, fieldId(m, Column::MainValue));
    applySlider(core, 2);
    const float samplesAt[][2] = {{60, 8820.0f}, {120, 4410.0f}, {240, 2205.0f}, {90, 5880.0f}};
    for (const auto& [bpm, samples] : samplesAt) {
        setHostTempo(core, bpm);
        applyChangedSliders(core);
        EXPECT_EQ(preset().processTime[1], samples) << bpm;
        EXPECT_EQ(preset().processTime[2], samples) << bpm;
        EXPECT_EQ(preset().processTime[3], 4410.0f) << "a time in milliseconds ignores the tempo";
        EXPECT_EQ(preset().mainValue[1], 100.0f);
    }
}

TEST_F(FieldModel, EnvelopeFollowerTimeThresholdAndCoefficient)
{
    useProcess(0, ProcessKind::EnvFollow);
    set(0, Column::MainValue, 15.0f);
    EXPECT_EQ(preset().processTime[0], 661.5f);
    EXPECT_FLOAT_EQ(preset().envCoefficient[0], float(std::pow(0.5, 1.0 / 661.5)));
    EXPECT_FLOAT_EQ(getFieldValue(core, 0, Column::MainValue), 15.0f);
    set(0, Column::MainValue, 0.0f);
    EXPECT_EQ(preset().envCoefficient[0], 0.95f);
    set(0, Column::MainValue, -10.0f);
    EXPECT_EQ(preset().processTime[0], 0.0f);
    EXPECT_EQ(preset().envCoefficient[0], 0.95f);

    set(0, Column::SecondValue, 25.0f);
    EXPECT_EQ(preset().envThreshold[0], 0.25f);
    set(0, Column::SecondValue, -1.0f);
    EXPECT_EQ(preset().envThreshold[0], 0.0f);
}

TEST_F(FieldModel, FrequencyFollowsTheSliderUnitWord)
{
    preset().sliderFreqMode[0] = FreqMode::Bpm;
    const float bpm[][2] = {{5.0000005f, 0.08333334f}, {0.59999996f, 0.01f}, {60, 1}, {30, 0.5f}, {100, 1.6666667f},
                            {300, 5.0000005f}};
    for (const auto& [value, hz] : bpm) {
        set(0, Column::OscFrequency, value);
        EXPECT_EQ(preset().oscFrequency[0], hz) << value;
        EXPECT_EQ(preset().freqMode[0], FreqMode::Bpm);
    }

    preset().sliderFreqMode[0] = FreqMode::TempoMultiple;
    setHostTempo(core, 90.0f);
    set(0, Column::OscFrequency, 2.0f);
    EXPECT_EQ(preset().oscFrequency[0], 90.0f * 2.0f * 0.016666668f);
    EXPECT_EQ(preset().freqMode[0], FreqMode::TempoMultiple);

    for (uint16_t word : {0, 1, 2}) {
        preset().sliderFreqMode[0] = word;
        set(0, Column::OscFrequency, 123.5f);
        EXPECT_EQ(preset().oscFrequency[0], 123.5f);
        EXPECT_EQ(preset().freqMode[0], FreqMode::Hz);
    }
    preset().sliderFreqMode[0] = 7;
    set(0, Column::OscFrequency, 99.0f);
    EXPECT_EQ(preset().oscFrequency[0], 123.5f) << "an unknown unit word writes nothing";
}

TEST_F(FieldModel, PhaseDepthAndTrackingInterval)
{
    preset().oscKind[0] = OscKind::Sine;
    set(0, Column::PhaseOrDepth, 180.0f);
    EXPECT_EQ(preset().phaseOrLfoDepth[0], 3.1415927f);
    set(0, Column::PhaseOrDepth, 147.0f);
    EXPECT_EQ(preset().phaseOrLfoDepth[0], 2.565634f);

    preset().oscKind[1] = OscKind::SineLfo;
    set(1, Column::PhaseOrDepth, 2.0f);
    EXPECT_EQ(preset().phaseOrLfoDepth[1], 0.02f);

    useProcess(2, ProcessKind::PitchTrack);
    const float intervals[][2] = {{20, 882.00006f}, {160, 7056.0005f}, {60, 2646.0f}, {900, 22050.0f}, {0, 1764.0f}};
    for (const auto& [ms, samples] : intervals) {
        set(2, Column::PhaseOrDepth, ms);
        EXPECT_EQ(preset().trackInterval[2], samples) << ms;
    }
}

TEST_F(FieldModel, PitchTrackLagsFromFrequencies)
{
    useProcess(4, ProcessKind::PitchTrack);
    set(4, Column::MainValue, 50.0f);
    EXPECT_EQ(preset().maxLag[4], 882);
    set(4, Column::MainValue, 500.0f);
    EXPECT_EQ(preset().maxLag[4], 88);
    set(4, Column::MainValue, 0.0f);
    EXPECT_EQ(preset().maxLag[4], 44100);

    const std::pair<float, int32_t> minLags[] = {{150, 294}, {500, 88}, {2000, 22}, {0, 10}, {-1, 110}};
    for (const auto& [hz, lag] : minLags) {
        set(4, Column::SecondValue, hz);
        EXPECT_EQ(preset().minLag[4], lag) << hz;
    }
}

TEST_F(FieldModel, FilterQHasAFloor)
{
    useProcess(5, ProcessKind::LowPass);
    set(5, Column::MainValue, 64000.0f);
    EXPECT_EQ(preset().mainValue[5], 64000.0f) << "the record keeps any cutoff";
    set(5, Column::SecondValue, 0.0f);
    EXPECT_EQ(preset().filterQ[5], 0.01f);
    set(5, Column::SecondValue, 40.0f);
    EXPECT_EQ(preset().filterQ[5], 40.0f);
}

TEST_F(FieldModel, IdsOutsideTheModulesAreIgnored)
{
    const OrvPreset before = preset();
    for (uint16_t id : {0, 1, 7, 8, 8 + 28, 8 + 29, 248, 1000, 65535})
        applyFieldValue(core, id, 55.0f);
    EXPECT_EQ(std::memcmp(&before, &preset(), sizeof before), 0);
}

TEST_F(FieldModel, MenuColumnsWriteTheNewKindsDefaults)
{
    setMenuColumn(core, 3, Column::ProcessKind, ProcessKind::EnvFollow);
    EXPECT_EQ(preset().processTime[3], 44100.0f * 0.015000001f);
    EXPECT_EQ(preset().envThreshold[3], 0.0f);

    setMenuColumn(core, 3, Column::ProcessKind, ProcessKind::PitchTrack);
    EXPECT_EQ(preset().trackInterval[3], 44100.0f * 0.020000001f);
    EXPECT_EQ(preset().maxLag[3], 441);
    EXPECT_EQ(preset().minLag[3], 147);

    setMenuColumn(core, 3, Column::ProcessKind, ProcessKind::QuantizeFrq);
    EXPECT_EQ(preset().quantizeStep[3], 2.0f);
    setMenuColumn(core, 3, Column::ProcessKind, ProcessKind::PhaseShape);
    EXPECT_EQ(preset().phaseShape[3], 0.5f);
    setMenuColumn(core, 3, Column::ProcessKind, ProcessKind::RaiseToPwr);
    EXPECT_EQ(preset().exponent[3], 2.0f);
    setMenuColumn(core, 3, Column::ProcessKind, ProcessKind::SampHold);
    EXPECT_EQ(preset().processTime[3], 44100.0f * 0.080000006f);

    preset().inUse[3] = 1;
    setMenuColumn(core, 3, Column::ProcessKind, ProcessKind::Delay);
    EXPECT_EQ(preset().processTime[3], 44100.0f * 0.040000003f);
    EXPECT_EQ(preset().delayLineLength, 1u << 19) << "module 3 joins the delay lines";

    setMenuColumn(core, 3, Column::ProcessKind, ProcessKind::LowPass);
    EXPECT_EQ(preset().mainValue[3], 500.0f);
    EXPECT_EQ(preset().filterQ[3], 1.0f);
    preset().mainValue[3] = 2000.0f;
    preset().filterQ[3] = 4.0f;
    setMenuColumn(core, 3, Column::ProcessKind, ProcessKind::BandPass);
    EXPECT_EQ(preset().mainValue[3], 2000.0f) << "filters keep cutoff and Q between them";
    EXPECT_EQ(preset().filterQ[3], 4.0f);
}

TEST_F(FieldModel, MenuColumnsForSourcesSlotsAndNotes)
{
    preset().oscFrequency[2] = 123.0f;
    setMenuColumn(core, 2, Column::OscKind, OscKind::Saw);
    EXPECT_EQ(preset().oscFrequency[2], 440.0f);
    EXPECT_EQ(preset().note[2], 9);
    EXPECT_EQ(preset().octave[2], 4);
    preset().oscFrequency[2] = 123.0f;
    setMenuColumn(core, 2, Column::OscKind, OscKind::Square);
    EXPECT_EQ(preset().oscFrequency[2], 123.0f) << "oscillator to oscillator keeps the frequency";

    preset().inUse[4] = 1;
    setMenuColumn(core, 4, Column::OscKind, OscKind::SineLfo);
    EXPECT_EQ(preset().processKind[4], ProcessKind::Delay);
    EXPECT_EQ(preset().processTime[4], 44100.0f * 0.040000003f);
    EXPECT_EQ(preset().phaseOrLfoDepth[4], 0.02f);
    EXPECT_EQ(preset().oscFrequency[4], 6.0f);
    EXPECT_EQ(preset().delayLineLength, 1u << 19);

    preset().modDepth[1][1] = 0.3f;
    setMenuColumn(core, 1, Column::SlotBKind, ModKind::RingMod);
    EXPECT_EQ(preset().modKind[1][1], ModKind::RingMod);
    EXPECT_EQ(preset().modDepth[1][1], 1.0f);

    setMenuColumn(core, 2, Column::Note, 0);
    setMenuColumn(core, 2, Column::Octave, 5);
    EXPECT_FLOAT_EQ(preset().oscFrequency[2], 523.2511f);
}

TEST_F(FieldModel, KindChangesDropSlidersOnFieldsTheKindNoLongerServes)
{
    useProcess(1, ProcessKind::LowPass);
    preset().oscKind[1] = OscKind::Sine;
    addSlider(0, "Cutoff Hz", 20, 2000, 500, fieldId(1, Column::MainValue));
    preset().sliderTarget[0][1] = fieldId(1, Column::LeftGain);
    preset().sliderRatio[0][1] = 0.5f;
    addSlider(1, "Q", 0, 10, 1, fieldId(1, Column::SecondValue));
    addSlider(2, "Freq Hz", 20, 2000, 500, fieldId(1, Column::OscFrequency));

    setMenuColumn(core, 1, Column::ProcessKind, ProcessKind::HighPass);
    EXPECT_EQ(preset().sliderTarget[0][0], fieldId(1, Column::MainValue)) << "filters keep their sliders";

    setMenuColumn(core, 1, Column::ProcessKind, ProcessKind::Delay);
    EXPECT_EQ(preset().sliderTarget[0][0], fieldId(1, Column::LeftGain));
    EXPECT_EQ(preset().sliderRatio[0][0], 0.5f);
    EXPECT_EQ(preset().sliderTarget[0][1], 0);
    EXPECT_EQ(preset().sliderTarget[1][0], 0);
    EXPECT_EQ(preset().sliderCaption[1][0], 0);
    EXPECT_EQ(preset().sliderMax[1], 0.0f);

    setMenuColumn(core, 1, Column::OscKind, OscKind::LeftIn);
    EXPECT_EQ(preset().sliderTarget[2][0], 0);
}

TEST_F(FieldModel, DisplayValuesReadBack)
{
    useProcess(0, ProcessKind::PitchTrack);
    set(0, Column::MainValue, 500.0f);
    EXPECT_FLOAT_EQ(getFieldValue(core, 0, Column::MainValue), 44100.0f / 88.0f);
    preset().maxLag[0] = 0;
    EXPECT_EQ(getFieldValue(core, 0, Column::MainValue), 0.0f);
    preset().moduleWord1060[0] = 0;
    EXPECT_EQ(getFieldValue(core, 0, Column::ModuleWord), 1.0f);

    useProcess(1, ProcessKind::Delay);
    set(1, Column::MainValue, 250.0f);
    EXPECT_FLOAT_EQ(getFieldValue(core, 1, Column::MainValue), 250.0f);
    set(1, Column::SlotADepth, 35.0f);
    EXPECT_FLOAT_EQ(getFieldValue(core, 1, Column::SlotADepth), 35.0f);
}
