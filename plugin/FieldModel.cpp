#include "FieldModel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "OrvCore.h"
#include "Sliders.h"

namespace {

// Whole samples from a count that a slider or a chunk may have made NaN, negative
// or too large: NaN and negatives give 0, and the count saturates at INT32_MAX.
int32_t wholeSamples(float samples)
{
    if (!(samples > 0.0f))
        return 0;
    return samples < 2147483648.0f ? int32_t(samples) : INT32_MAX;
}

// Unit factors, as single-precision constants: every conversion is done in
// 32-bit floats, left to right, so slider writes are bit-exact.
constexpr float kPercent = 0.01f;
constexpr float kMillisecond = 0.001f;
constexpr float kDegreeToRadian = 0.017453292f;
constexpr float kPerMinute = 0.016666668f;
constexpr float kMaxTrackIntervalMs = 500.0f;
constexpr float kReferenceTempo = 120.0f;

bool isOscillator(int16_t kind)
{
    return kind == OscKind::Sine || kind == OscKind::Triangle || kind == OscKind::Square || kind == OscKind::Saw ||
           kind == OscKind::SineLfo;
}

bool isFilter(int16_t kind)
{
    return kind == ProcessKind::LowPass || kind == ProcessKind::HighPass || kind == ProcessKind::BandPass;
}

bool usesDelayLine(int16_t kind) { return kind == ProcessKind::Delay || kind == ProcessKind::PitchTrack; }

bool hasTimeField(int16_t kind)
{
    return kind == ProcessKind::EnvFollow || kind == ProcessKind::Delay || kind == ProcessKind::SampHold;
}

// Delay and Samp/Hold times in tempo mode are given in milliseconds at 120 BPM
// and follow the host tempo from there.
float processTimeFor(const OrvCore& core, const OrvPreset& preset, int module, float milliseconds)
{
    const float rate = float(preset.sampleRate);
    const int16_t kind = preset.processKind[module];
    if ((kind == ProcessKind::Delay || kind == ProcessKind::SampHold) &&
        preset.delayTimeMode[module] == DelayTimeMode::Tempo)
        return rate * (milliseconds * kMillisecond) * (kReferenceTempo / core.hostTempo);
    return rate * (milliseconds * kMillisecond);
}

void setMainValue(OrvCore& core, OrvPreset& preset, int module, float value)
{
    const int16_t kind = preset.processKind[module];
    const float rate = float(preset.sampleRate);
    preset.mainValue[module] = value;
    preset.dcOffset[module] = value * kPercent;
    preset.phaseShape[module] = value * kPercent;
    preset.quantizeStep[module] = value == 0.0f ? 0.05f : value;
    float time = processTimeFor(core, preset, module, value);
    if (hasTimeField(kind) && time < 0.0f)
        time = 0.0f;
    preset.processTime[module] = time;
    if (kind == ProcessKind::EnvFollow)
        preset.envCoefficient[module] = envelopeCoefficient(time);
    else if (kind == ProcessKind::PitchTrack)
        preset.maxLag[module] = value <= 0.0f ? wholeSamples(rate) : wholeSamples(rate / value + 0.5f);
    else if (kind == ProcessKind::RaiseToPwr)
        preset.exponent[module] = value;
    else if (kind == ProcessKind::Delay) {
        sizeDelayLine(preset, core.flagsTemplate, core.blockSize);
        if (core.engine)
            requestDelayCrossfade(*core.engine, module);
    }
}

void setSecondValue(OrvPreset& preset, int module, float value)
{
    const float rate = float(preset.sampleRate);
    switch (preset.processKind[module]) {
    case ProcessKind::EnvFollow:
        preset.envThreshold[module] = value < 0.0f ? 0.0f : value * kPercent;
        break;
    case ProcessKind::PitchTrack:
        if (value < 0.0f)
            preset.minLag[module] = wholeSamples(rate / 400.0f);
        else if (value == 0.0f)
            preset.minLag[module] = 10;
        else
            preset.minLag[module] = wholeSamples(rate / value);
        break;
    default:
        preset.filterQ[module] = value <= 0.0f ? 0.01f : value;
        break;
    }
}

void setPhaseOrDepth(OrvPreset& preset, int module, float value)
{
    if (preset.processKind[module] == ProcessKind::PitchTrack) {
        const float rate = float(preset.sampleRate);
        preset.trackInterval[module] =
            value <= 0.0f ? rate * 0.04f : rate * (std::min(value, kMaxTrackIntervalMs) * kMillisecond);
    } else if (preset.oscKind[module] == OscKind::SineLfo) {
        preset.phaseOrLfoDepth[module] = value * kPercent;
    } else {
        preset.phaseOrLfoDepth[module] = value * kDegreeToRadian;
    }
}

void setFrequency(const OrvCore& core, OrvPreset& preset, int module, float value)
{
    switch (preset.sliderFreqMode[module]) {
    case 0:
    case FreqMode::Hz:
    case FreqMode::Tempo:
        preset.oscFrequency[module] = value;
        preset.freqMode[module] = FreqMode::Hz;
        break;
    case FreqMode::Bpm:
        preset.oscFrequency[module] = value * kPerMinute;
        preset.freqMode[module] = FreqMode::Bpm;
        break;
    case FreqMode::TempoMultiple:
        preset.oscFrequency[module] = core.hostTempo * value * kPerMinute;
        preset.freqMode[module] = FreqMode::TempoMultiple;
        break;
    default:
        break;
    }
}

// Removes from every slider the targets in `module` whose column is listed;
// a slider left without targets is cleared entirely.
void removeSliderTargets(OrvPreset& preset, int module, std::initializer_list<int> columns)
{
    for (int slider = 0; slider < kNumSliders; ++slider) {
        uint16_t* ids = preset.sliderTarget[slider];
        float* ratios = preset.sliderRatio[slider];
        int kept = 0;
        for (int k = 0; k < kSliderTargets && ids[k] != 0; ++k) {
            int targetModule = 0;
            int targetColumn = 0;
            const bool drop = splitFieldId(ids[k], targetModule, targetColumn) && targetModule == module &&
                              std::find(columns.begin(), columns.end(), targetColumn) != columns.end();
            if (!drop) {
                ids[kept] = ids[k];
                ratios[kept] = ratios[k];
                ++kept;
            }
        }
        for (int k = kept; k < kSliderTargets; ++k) {
            ids[k] = 0;
            ratios[k] = 0.0f;
        }
        if (kept == 0) {
            preset.sliderMin[slider] = 0.0f;
            preset.sliderMax[slider] = 0.0f;
            preset.sliderCurrent[slider] = 0.0f;
            std::fill(std::begin(preset.sliderCaption[slider]), std::end(preset.sliderCaption[slider]), '\0');
        }
    }
}

void setProcessKind(OrvCore& core, OrvPreset& preset, int module, int16_t kind)
{
    const int16_t previous = preset.processKind[module];
    const float rate = float(preset.sampleRate);
    preset.processKind[module] = kind;
    if (!(isFilter(previous) && isFilter(kind)))
        removeSliderTargets(preset, module, {Column::MainValue, Column::SecondValue});
    if (previous == ProcessKind::PitchTrack || kind == ProcessKind::PitchTrack)
        removeSliderTargets(preset, module, {Column::PhaseOrDepth});

    switch (kind) {
    case ProcessKind::EnvFollow:
        preset.processTime[module] = rate * 0.015000001f;
        preset.envCoefficient[module] = envelopeCoefficient(preset.processTime[module]);
        preset.envThreshold[module] = 0.0f;
        break;
    case ProcessKind::PitchTrack:
        preset.trackInterval[module] = rate * 0.020000001f;
        preset.maxLag[module] = wholeSamples(rate / 100.0f);
        preset.minLag[module] = wholeSamples(rate / 300.0f);
        break;
    case ProcessKind::QuantizeFrq:
        preset.quantizeStep[module] = 2.0f;
        break;
    case ProcessKind::DcOffset:
        preset.dcOffset[module] = 0.0f;
        break;
    case ProcessKind::PhaseShape:
        preset.phaseShape[module] = 0.5f;
        break;
    case ProcessKind::RaiseToPwr:
        preset.exponent[module] = 2.0f;
        break;
    case ProcessKind::Delay:
        preset.processTime[module] = rate * 0.040000003f;
        break;
    case ProcessKind::SampHold:
        preset.processTime[module] = rate * 0.080000006f;
        break;
    case ProcessKind::LowPass:
    case ProcessKind::HighPass:
    case ProcessKind::BandPass:
        if (!isFilter(previous)) {
            preset.mainValue[module] = 500.0f;
            preset.filterQ[module] = 1.0f;
        }
        break;
    default:
        break;
    }
    sizeDelayLine(preset, core.flagsTemplate, core.blockSize);
}

void setOscillatorKind(OrvCore& core, OrvPreset& preset, int module, int16_t kind)
{
    const int16_t previous = preset.oscKind[module];
    preset.oscKind[module] = kind;
    if (!isOscillator(kind))
        removeSliderTargets(preset, module, {Column::OscFrequency, Column::PhaseOrDepth});
    else if ((previous == OscKind::SineLfo) != (kind == OscKind::SineLfo))
        removeSliderTargets(preset, module, {Column::PhaseOrDepth});

    if (kind == OscKind::SineLfo) {
        setProcessKind(core, preset, module, ProcessKind::Delay);
        preset.mainValue[module] = 40.0f;
        preset.phaseOrLfoDepth[module] = 0.02f;
        preset.oscFrequency[module] = 6.0f;
    } else if (isOscillator(kind) && previous == OscKind::NoOsc) {
        preset.octave[module] = 4;
        preset.note[module] = 9;
        preset.oscFrequency[module] = 440.0f;
    }
}

} // namespace

bool splitFieldId(uint16_t id, int& module, int& column)
{
    if (id < 8)
        return false;
    module = (id - 8) / 30;
    column = (id - 8) % 30;
    return module < kNumModules && column >= 1 && column <= Column::DelayTimeMode;
}

void applyFieldValue(OrvCore& core, uint16_t id, float value)
{
    int module = 0;
    int column = 0;
    if (splitFieldId(id, module, column))
        setFieldFromDisplay(core, module, id, column, value);
}

void setFieldFromDisplay(OrvCore& core, int module, uint16_t, int column, float value)
{
    if (!core.current || module < 0 || module >= kNumModules)
        return;
    OrvPreset& preset = *core.current;
    switch (column) {
    case Column::OscFrequency:
        setFrequency(core, preset, module, value);
        break;
    case Column::PhaseOrDepth:
        setPhaseOrDepth(preset, module, value);
        break;
    case Column::MainValue:
        setMainValue(core, preset, module, value);
        break;
    case Column::SecondValue:
        setSecondValue(preset, module, value);
        break;
    case Column::SlotADepth:
    case Column::SlotBDepth: {
        const int slot = column == Column::SlotADepth ? 0 : 1;
        preset.modDepth[module][slot] = value * kPercent;
        const int target = preset.modTarget[module][slot];
        if (preset.modKind[module][slot] == ModKind::DelayMod && target >= 0 && target < kNumModules && core.engine)
            requestDelayCrossfade(*core.engine, target);
        if (slot == 0 && preset.modKind[module][0] == ModKind::ModAMod)
            applyLimiterSetup(core);
        break;
    }
    case Column::LeftGain:
        preset.outputGain[module][0] = value * kPercent;
        break;
    case Column::RightGain:
        preset.outputGain[module][1] = value * kPercent;
        break;
    default:
        break; // menu columns are set through setMenuColumn
    }
}

float getFieldValue(const OrvCore& core, int module, int column)
{
    if (!core.current || module < 0 || module >= kNumModules)
        return 0.0f;
    const OrvPreset& preset = *core.current;
    const float rate = float(preset.sampleRate);
    const int16_t kind = preset.processKind[module];
    switch (column) {
    case Column::InUse:
        return preset.inUse[module];
    case Column::OscKind:
        return preset.oscKind[module];
    case Column::ProcessKind:
        return kind;
    case Column::ModuleWord:
        return std::max<float>(preset.moduleWord1060[module], 1.0f);
    case Column::Note:
        return preset.note[module];
    case Column::Octave:
        return preset.octave[module];
    case Column::FreqMode:
        return preset.freqMode[module];
    case Column::FreqModeMenu:
        return preset.sliderFreqMode[module];
    case Column::OscFrequency:
        if (preset.freqMode[module] == FreqMode::Bpm)
            return preset.oscFrequency[module] / kPerMinute;
        if (preset.freqMode[module] == FreqMode::TempoMultiple)
            return preset.oscFrequency[module] / (core.hostTempo * kPerMinute);
        return preset.oscFrequency[module];
    case Column::PhaseOrDepth:
        if (kind == ProcessKind::PitchTrack)
            return rate > 0.0f ? preset.trackInterval[module] * 1000.0f / rate : 0.0f;
        if (preset.oscKind[module] == OscKind::SineLfo)
            return preset.phaseOrLfoDepth[module] * 100.0f;
        return preset.phaseOrLfoDepth[module] / kDegreeToRadian;
    case Column::MainValue:
        switch (kind) {
        case ProcessKind::LowPass:
        case ProcessKind::HighPass:
        case ProcessKind::BandPass:
            return preset.mainValue[module];
        case ProcessKind::DcOffset:
            return preset.dcOffset[module] * 100.0f;
        case ProcessKind::PhaseShape:
            return preset.phaseShape[module] * 100.0f;
        case ProcessKind::QuantizeFrq:
            return preset.quantizeStep[module];
        case ProcessKind::RaiseToPwr:
            return preset.exponent[module];
        case ProcessKind::PitchTrack:
            return preset.maxLag[module] > 0 ? rate / float(preset.maxLag[module]) : 0.0f;
        default:
            return rate > 0.0f ? preset.processTime[module] * 1000.0f / rate : 0.0f;
        }
    case Column::SecondValue:
        if (kind == ProcessKind::EnvFollow)
            return preset.envThreshold[module] * 100.0f;
        if (kind == ProcessKind::PitchTrack)
            return preset.minLag[module] > 0 ? rate / float(preset.minLag[module]) : 0.0f;
        return preset.filterQ[module];
    case Column::SlotAKind:
        return preset.modKind[module][0];
    case Column::SlotBKind:
        return preset.modKind[module][1];
    case Column::SlotATarget:
        return preset.modTarget[module][0];
    case Column::SlotBTarget:
        return preset.modTarget[module][1];
    case Column::SlotADepth:
        return preset.modDepth[module][0] * 100.0f;
    case Column::SlotBDepth:
        return preset.modDepth[module][1] * 100.0f;
    case Column::LeftOn:
        return preset.outputOn[module][0];
    case Column::RightOn:
        return preset.outputOn[module][1];
    case Column::LeftGain:
        return preset.outputGain[module][0] * 100.0f;
    case Column::RightGain:
        return preset.outputGain[module][1] * 100.0f;
    case Column::DelayTimeMode:
        return preset.delayTimeMode[module];
    default:
        return 0.0f;
    }
}

void setMenuColumn(OrvCore& core, int module, int column, int value)
{
    if (!core.current || module < 0 || module >= kNumModules)
        return;
    OrvPreset& preset = *core.current;
    switch (column) {
    case Column::InUse:
        preset.inUse[module] = uint16_t(value);
        sizeDelayLine(preset, core.flagsTemplate, core.blockSize);
        break;
    case Column::OscKind:
        setOscillatorKind(core, preset, module, int16_t(value));
        break;
    case Column::ProcessKind:
        setProcessKind(core, preset, module, int16_t(value));
        break;
    case Column::Note:
    case Column::Octave:
        if (column == Column::Note)
            preset.note[module] = uint16_t(value);
        else
            preset.octave[module] = int16_t(value);
        preset.oscFrequency[module] = noteFrequency(preset.note[module], preset.octave[module]);
        break;
    case Column::FreqMode:
        preset.freqMode[module] = uint16_t(value);
        break;
    case Column::FreqModeMenu:
        preset.freqMode[module] = uint16_t(value);
        preset.sliderFreqMode[module] = uint16_t(value);
        break;
    case Column::SlotAKind:
    case Column::SlotBKind: {
        const int slot = column == Column::SlotAKind ? 0 : 1;
        preset.modKind[module][slot] = uint16_t(value);
        preset.modDepth[module][slot] = 1.0f;
        break;
    }
    case Column::SlotATarget:
        preset.modTarget[module][0] = int16_t(value);
        break;
    case Column::SlotBTarget:
        preset.modTarget[module][1] = int16_t(value);
        break;
    case Column::LeftOn:
        preset.outputOn[module][0] = uint16_t(value);
        break;
    case Column::RightOn:
        preset.outputOn[module][1] = uint16_t(value);
        break;
    case Column::DelayTimeMode:
        preset.delayTimeMode[module] = uint16_t(value);
        break;
    default:
        break;
    }
}

void sizeDelayLine(OrvPreset& preset, uint16_t pluginFlags, int blockSize)
{
    int lines = 0;
    for (int m = 0; m < kNumModules; ++m) {
        if (preset.inUse[m] == 1 && usesDelayLine(preset.processKind[m]))
            ++lines;
    }
    if (pluginFlags & kFlagTwoLinesPerModule)
        lines *= 2;

    uint32_t length = 1;
    if (lines == 1)
        length = 1u << 20;
    else if (lines == 2)
        length = 1u << 19;
    else if (lines <= 4 && lines > 0)
        length = 1u << 18;
    else if (lines <= 8 && lines > 0)
        length = 1u << 17;
    else if (lines > 8)
        length = 1u << 16;
    preset.delayLineLength = length;

    // A time must leave a whole block free in its line; never below 0. Larger
    // blocks, announced for offline work, play in passes and shorten no stored time.
    const int room = std::min(blockSize, kLongestBlockWithDelayRoom);
    const float longest = std::max(0.0f, float(int64_t(length) - room));
    for (int m = 0; m < kNumModules; ++m) {
        if (preset.inUse[m] == 1 && usesDelayLine(preset.processKind[m]) && preset.processTime[m] > longest)
            preset.processTime[m] = longest;
    }
}

void rescaleToSampleRate(OrvPreset& preset, uint32_t sampleRate)
{
    if (preset.sampleRate == sampleRate || sampleRate == 0)
        return;
    const uint32_t from = preset.sampleRate == 0 ? 44100 : preset.sampleRate;
    const float ratio = float(sampleRate) / float(from);
    for (int m = 0; m < kNumModules; ++m) {
        const int16_t kind = preset.processKind[m];
        if (hasTimeField(kind) || kind == ProcessKind::PitchTrack)
            preset.processTime[m] *= ratio;
        if (kind == ProcessKind::EnvFollow)
            preset.envCoefficient[m] = envelopeCoefficient(preset.processTime[m]);
        if (kind == ProcessKind::PitchTrack) {
            preset.minLag[m] = std::max(1, wholeSamples(std::round(float(preset.minLag[m]) * ratio)));
            preset.maxLag[m] = std::max(1, wholeSamples(std::round(float(preset.maxLag[m]) * ratio)));
            preset.trackInterval[m] *= ratio;
        }
    }
    preset.sampleRate = sampleRate;
}

float envelopeCoefficient(float timeSamples)
{
    // A negative or zero time would give a coefficient of 1 or more, and the
    // follower would diverge: use the standard 0.95 instead.
    if (!(timeSamples > 0.0f))
        return 0.95f;
    return float(std::pow(0.5, 1.0 / double(timeSamples)));
}

float noteFrequency(int note, int octave)
{
    const int semitonesFromA4 = note - 9 + 12 * (octave - 4);
    return float(440.0 * std::pow(2.0, semitonesFromA4 / 12.0));
}
