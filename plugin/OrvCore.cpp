#include "OrvCore.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <utility>

#include "FieldModel.h"
#include "Sliders.h"

namespace {

constexpr float kDefaultSampleRate = 44100.0f;
constexpr int kDefaultBlockSize = 512;

uint32_t wholeRate(float sampleRate) { return uint32_t(std::lround(sampleRate)); }

void noteConsoleMessage(OrvConsoleMessages& messages, const OrvPreset& preset, bool aboveMaximum)
{
    if (messages.count == OrvConsoleMessages::kMostKept)
        return;
    OrvConsoleMessages::Message& message = messages.messages[messages.count++];
    std::snprintf(message.programName, sizeof message.programName, "%.32s", preset.programName);
    message.aboveMaximum = aboveMaximum;
}

// Puts each slider's value back into its range, noting what was wrong.
void clampSliderValues(OrvPreset& preset, OrvConsoleMessages& messages)
{
    for (int slider = 0; slider < kNumSliders; ++slider) {
        float& current = preset.sliderCurrent[slider];
        if (std::isnan(current))
            current = preset.sliderMin[slider];
        if (current > preset.sliderMax[slider]) {
            noteConsoleMessage(messages, preset, true);
            current = preset.sliderMax[slider];
        }
        if (current < preset.sliderMin[slider]) {
            noteConsoleMessage(messages, preset, false);
            current = preset.sliderMin[slider];
        }
    }
}

} // namespace

void initCore(OrvCore& core, float sampleRate, int blockSize)
{
    std::srand(unsigned(std::time(nullptr)));
    core.sampleRate = std::isfinite(sampleRate) && sampleRate > 0.0f ? sampleRate : kDefaultSampleRate;
    core.blockSize = blockSize > 0 ? blockSize : kDefaultBlockSize;
    core.bank = std::make_unique<OrvPreset[]>(kNumPrograms);
    core.engine = std::make_unique<OrvEngine>();
    fillFactoryBank(core);
    core.currentIndex = -1; // so program 0 is prepared in full
    selectProgram(core, 0);
}

bool selectProgram(OrvCore& core, int index)
{
    if (index < 0 || index >= kNumPrograms || !core.bank)
        return false;
    core.current = &core.bank[index];
    if (index == core.currentIndex) {
        resetEngineRunState(core);
        return true;
    }
    core.currentIndex = index;
    core.sliders.undoProgram = -1;
    prepareProgram(core);
    return true;
}

void prepareProgram(OrvCore& core)
{
    if (!core.current)
        return;
    OrvPreset& preset = *core.current;
    resetEngineRunState(core);
    preset.flags = uint16_t((preset.flags & 7) | (core.flagsTemplate & ~7));
    rescaleToSampleRate(preset, wholeRate(core.sampleRate));
    sizeDelayLine(preset, core.flagsTemplate, core.blockSize);
    for (int m = 0; m < kNumModules; ++m) {
        if (preset.delayTimeMode[m] != DelayTimeMode::Milliseconds && preset.delayTimeMode[m] != DelayTimeMode::Tempo)
            preset.delayTimeMode[m] = DelayTimeMode::Milliseconds;
        preset.savedProcessTime[m] = kNoSavedValue;
        preset.savedOscFrequency[m] = kNoSavedValue;
        preset.savedFreqMode[m] = kNoSavedMode;
        preset.savedDelayTimeMode[m] = kNoSavedMode;
        if (preset.quantizeStep[m] == 0.0f)
            preset.quantizeStep[m] = 0.05f;
    }
    clampSliderValues(preset, core.consoleMessages);
    chooseSliderCurves(core);
    for (bool& changed : core.sliders.changed)
        changed = false;
    unsyncProgramFromTempo(core);
}

OrvConsoleMessages takeConsoleMessages(OrvCore& core)
{
    OrvConsoleMessages taken;
    if (core.consoleMessages.count > 0)
        std::swap(taken, core.consoleMessages);
    return taken;
}

void printConsoleMessages(const OrvConsoleMessages& messages)
{
    for (int index = 0; index < messages.count; ++index) {
        const OrvConsoleMessages::Message& message = messages.messages[index];
        std::printf(message.aboveMaximum ? "Orvane: preset %s has sliderCurrent > sliderMax\n"
                                         : "Orvane: preset %s has sliderCurrent < sliderMin\n",
                    message.programName);
    }
    if (messages.count > 0)
        std::fflush(stdout);
}

void resetEngineRunState(OrvCore& core)
{
    if (core.current) {
        OrvPreset& preset = *core.current;
        for (int m = 0; m < kNumModules; ++m) {
            if (preset.processKind[m] == ProcessKind::PitchTrack)
                continue;
            const bool lfoOnDelay = preset.oscKind[m] == OscKind::SineLfo && preset.processKind[m] == ProcessKind::Delay;
            for (int c = 0; c < kNumChannels; ++c)
                preset.oscPhase[m][c] = lfoOnDelay ? 0.0f : preset.phaseOrLfoDepth[m];
        }
    }
    if (core.engine)
        clearModulationState(*core.engine);
}

void setHostAudioSettings(OrvCore& core, float sampleRate, int blockSize)
{
    if (std::isfinite(sampleRate) && sampleRate > 0.0f)
        core.sampleRate = sampleRate;
    if (blockSize > 0)
        core.blockSize = blockSize;
    prepareProgram(core);
}

void setHostTempo(OrvCore& core, float bpm)
{
    if (!std::isfinite(bpm) || bpm <= 0.0f || bpm == core.hostTempo)
        return;
    core.hostTempo = bpm;
    if (!core.current)
        return;
    const OrvPreset& preset = *core.current;
    for (int slider = 0; slider < kNumSliders; ++slider) {
        int module = 0;
        int column = 0;
        if (!splitFieldId(preset.sliderTarget[slider][0], module, column))
            continue;
        const int16_t kind = preset.processKind[module];
        const bool tempoFrequency =
            column == Column::OscFrequency && preset.sliderFreqMode[module] == FreqMode::TempoMultiple;
        const bool tempoTime = column == Column::MainValue &&
                               (kind == ProcessKind::Delay || kind == ProcessKind::SampHold) &&
                               preset.delayTimeMode[module] == DelayTimeMode::Tempo;
        if (tempoFrequency || tempoTime)
            core.sliders.changed[slider] = true;
    }
}

void unsyncProgramFromTempo(OrvCore& core)
{
    for (int slider = 0; slider < kNumSliders; ++slider)
        applySlider(core, slider);
}
