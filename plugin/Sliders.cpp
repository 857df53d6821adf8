#include "Sliders.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "FieldModel.h"
#include "OrvCore.h"

namespace {

constexpr int kCaptionSize = 32;
constexpr int kLimiterModule = 1;
constexpr float kLimiterMinimum = 0.5f;
constexpr float kLimiterMaximum = 1.0f;

bool sliderInUse(const OrvPreset& preset, int slider) { return preset.sliderTarget[slider][0] != 0; }

bool isLimiterSetup(const OrvPreset& preset)
{
    static constexpr char kName[] = "limiter setup";
    for (size_t i = 0; i + 1 < sizeof kName; ++i) {
        if (std::tolower(static_cast<unsigned char>(preset.programName[i])) != kName[i])
            return false;
    }
    return true;
}

float clampThreshold(float threshold) { return std::clamp(threshold, kLimiterMinimum, kLimiterMaximum); }

float curveValue(SliderCurve curve, float x)
{
    switch (curve) {
    case SliderCurve::Cube:
        return x * x * x;
    case SliderCurve::Square:
        return x * x;
    default:
        return x;
    }
}

float inverseCurveValue(SliderCurve curve, float y)
{
    switch (curve) {
    case SliderCurve::Cube:
        return std::cbrt(y);
    case SliderCurve::Square:
        return std::sqrt(y);
    default:
        return y;
    }
}

SliderCurve curveForMasterField(const OrvPreset& preset, int slider)
{
    int module = 0;
    int column = 0;
    if (!splitFieldId(preset.sliderTarget[slider][0], module, column))
        return SliderCurve::Linear;
    if (column == Column::OscFrequency) {
        if (preset.sliderFreqMode[module] == FreqMode::Hz)
            return preset.sliderMax[slider] < 30.0f ? SliderCurve::Square : SliderCurve::Cube;
        if (preset.sliderFreqMode[module] == FreqMode::Bpm)
            return SliderCurve::Square;
        return SliderCurve::Linear;
    }
    if (column == Column::MainValue) {
        switch (preset.processKind[module]) {
        case ProcessKind::PitchTrack:
        case ProcessKind::LowPass:
        case ProcessKind::HighPass:
        case ProcessKind::BandPass:
            return SliderCurve::Cube;
        default:
            break;
        }
    }
    return SliderCurve::Linear;
}

void copyBounded(char* text, size_t size, const char* from, size_t length)
{
    if (size == 0)
        return;
    length = std::min(length, size - 1);
    std::memcpy(text, from, length);
    text[length] = '\0';
}

struct CaptionParts {
    size_t nameLength;
    const char* label;
    size_t labelLength;
};

// Splits a caption at its last space into name and label. Without a space, or
// with one only at the start, the whole caption is the name and the label " ".
CaptionParts splitCaption(const char* caption)
{
    const size_t length = strnlen(caption, kCaptionSize);
    size_t space = length;
    for (size_t i = length; i > 0; --i) {
        if (caption[i - 1] == ' ') {
            space = i - 1;
            break;
        }
    }
    if (space == length || space == 0)
        return {length, " ", 1};
    return {space, caption + space + 1, length - space - 1};
}

// The caption of a slider that drives a field, or nullptr.
const char* usedCaption(const OrvCore& core, int slider)
{
    if (!core.current || slider < 0 || slider >= kNumSliders || !sliderInUse(*core.current, slider))
        return nullptr;
    return core.current->sliderCaption[slider];
}

} // namespace

bool setSliderParameter(OrvCore& core, int slider, float value)
{
    if (!core.current || slider < 0 || slider >= kNumSliders || std::isnan(value))
        return false;
    OrvPreset& preset = *core.current;
    const float x = std::clamp(value, 0.0f, 1.0f);
    const float minimum = preset.sliderMin[slider];
    preset.sliderCurrent[slider] =
        minimum + (preset.sliderMax[slider] - minimum) * curveValue(core.sliders.curve[slider], x);
    core.sliders.changed[slider] = true;

    // "Limiter Setup" moves the limiter at once; the next block writes its field.
    if (preset.modKind[kLimiterModule][0] == ModKind::ModAMod && isLimiterSetup(preset) && core.engine) {
        const float depth = preset.sliderCurrent[0] * 0.01f;
        preset.modDepth[kLimiterModule][0] = depth;
        if (std::isfinite(depth))
            core.engine->limiterThreshold = clampThreshold(depth);
    }
    return true;
}

float getSliderParameter(const OrvCore& core, int slider)
{
    if (!core.current || slider < 0 || slider >= kNumSliders)
        return 0.0f;
    const OrvPreset& preset = *core.current;
    const float range = preset.sliderMax[slider] - preset.sliderMin[slider];
    if (!(range > 0.0f))
        return 0.0f;
    const float position = (preset.sliderCurrent[slider] - preset.sliderMin[slider]) / range;
    if (std::isnan(position))
        return 0.0f;
    return inverseCurveValue(core.sliders.curve[slider], std::clamp(position, 0.0f, 1.0f));
}

void chooseSliderCurves(OrvCore& core)
{
    if (!core.current)
        return;
    for (int slider = 0; slider < kNumSliders; ++slider)
        core.sliders.curve[slider] = curveForMasterField(*core.current, slider);
}

void applySlider(OrvCore& core, int slider)
{
    if (!core.current)
        return;
    const OrvPreset& preset = *core.current;
    const float value = preset.sliderCurrent[slider];
    for (int k = 0; k < kSliderTargets; ++k) {
        const uint16_t id = preset.sliderTarget[slider][k];
        if (id == 0)
            break;
        applyFieldValue(core, id, preset.sliderRatio[slider][k] * value);
    }
}

void applyChangedSliders(OrvCore& core)
{
    for (int slider = 0; slider < kNumSliders; ++slider) {
        if (core.sliders.changed[slider]) {
            applySlider(core, slider);
            core.sliders.changed[slider] = false;
        }
    }
}

void getParameterName(const OrvCore& core, int slider, char* text, size_t size)
{
    const char* caption = usedCaption(core, slider);
    if (!caption)
        copyBounded(text, size, "---", 3);
    else
        copyBounded(text, size, caption, splitCaption(caption).nameLength);
}

void getParameterLabel(const OrvCore& core, int slider, char* text, size_t size)
{
    const char* caption = usedCaption(core, slider);
    if (!caption) {
        copyBounded(text, size, "", 0);
        return;
    }
    const CaptionParts parts = splitCaption(caption);
    copyBounded(text, size, parts.label, parts.labelLength);
}

void getParameterDisplay(const OrvCore& core, int slider, char* text, size_t size)
{
    if (!usedCaption(core, slider)) {
        copyBounded(text, size, "", 0);
        return;
    }
    const float value = core.current->sliderCurrent[slider];
    const float magnitude = std::fabs(value);
    const int decimals = magnitude >= 100.0f ? 0 : magnitude >= 10.0f ? 1 : 2;
    std::snprintf(text, size, "%.*f", decimals, double(value));
}

void randomizeSliders(OrvCore& core)
{
    if (!core.current)
        return;
    const OrvPreset& preset = *core.current;
    for (int slider = 0; slider < kNumSliders; ++slider) {
        core.sliders.undoValue[slider] = preset.sliderCurrent[slider];
        bool drivesMoreThanGains = false;
        for (int k = 0; k < kSliderTargets && preset.sliderTarget[slider][k] != 0; ++k) {
            int module = 0;
            int column = 0;
            if (splitFieldId(preset.sliderTarget[slider][k], module, column) && column != Column::LeftGain &&
                column != Column::RightGain)
                drivesMoreThanGains = true;
        }
        if (drivesMoreThanGains)
            setSliderParameter(core, slider, float(std::rand() & 0x7FFF) / 32767.0f);
    }
    core.sliders.undoProgram = core.currentIndex;
}

bool undoRandomize(OrvCore& core)
{
    if (!core.current || core.sliders.undoProgram < 0 || core.sliders.undoProgram != core.currentIndex)
        return false;
    for (int slider = 0; slider < kNumSliders; ++slider) {
        core.current->sliderCurrent[slider] = core.sliders.undoValue[slider];
        core.sliders.changed[slider] = true;
    }
    core.sliders.undoProgram = -1;
    return true;
}

void applyLimiterSetup(OrvCore& core)
{
    if (!core.engine || !core.current || !isLimiterSetup(*core.current))
        return;
    const float depth = core.current->modDepth[kLimiterModule][0];
    if (std::isfinite(depth))
        core.engine->limiterThreshold = clampThreshold(depth);
}
