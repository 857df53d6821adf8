#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "OrvBank.h"
#include "OrvPreset.h"
#include "engine/OrvEngine.h"

// How a host parameter value 0..1 maps onto a slider's range.
enum class SliderCurve : uint8_t { Linear = 0, Cube = 1, Square = 2 };

constexpr uint8_t kNoController = 123;

// The per-slider arrays the plug-in object keeps beside the current program.
struct OrvSliderState {
    SliderCurve curve[kNumSliders] {};
    bool changed[kNumSliders] {};
    uint8_t learnedController[kNumSliders] = {kNoController, kNoController, kNoController, kNoController,
                                              kNoController, kNoController, kNoController};
    uint8_t learnedChannel[kNumSliders] {};
    float undoValue[kNumSliders] {};
    int undoProgram = -1; // program the undo values belong to; -1: nothing to undo
};

// Problems found in programs as they were prepared, kept for the console until
// the host glue prints them outside its lock: printing can block on a full pipe.
struct OrvConsoleMessages {
    static constexpr int kMostKept = 16; // two per slider of one program, and room for another
    struct Message {
        char programName[33];
        bool aboveMaximum;
    };
    Message messages[kMostKept] {};
    int count = 0;
};

// Everything the plug-in object holds, as plain data; the host glue adds the lock.
struct OrvCore {
    std::unique_ptr<OrvPreset[]> bank;
    OrvCategory categories[kNumCategories] {};
    int currentIndex = -1;
    OrvPreset* current = nullptr;
    uint16_t flagsTemplate = kPluginFlags;
    float sampleRate = 44100.0f;
    int blockSize = 512;
    float hostTempo = 120.0f;
    OrvSliderState sliders;
    std::unique_ptr<OrvEngine> engine;
    OrvConsoleMessages consoleMessages; // beyond the most kept, further messages are dropped
};

// Allocates the bank and the engine, fills the bank with the factory programs
// and selects program 0. A sample rate of 0 or less means 44100.
void initCore(OrvCore& core, float sampleRate, int blockSize);

// Makes a program current. Indexes outside 0..353 are refused with false.
// A new index prepares the program; the same index only restarts its run state.
bool selectProgram(OrvCore& core, int index);

// Readies the current program for playing: run state, flags, sample rate,
// delay lines, unit words, slider ranges and curves, then the sliders' fields.
void prepareProgram(OrvCore& core);

// Moves the console messages out of the core, leaving none.
OrvConsoleMessages takeConsoleMessages(OrvCore& core);

// Prints each message on standard output, as "Orvane: preset <name> has sliderCurrent > sliderMax".
void printConsoleMessages(const OrvConsoleMessages& messages);

// Restarts the oscillators at their initial phases and clears the engine's run state.
void resetEngineRunState(OrvCore& core);

// The host changed its sample rate or block size: the current program is prepared again.
void setHostAudioSettings(OrvCore& core, float sampleRate, int blockSize);

// The host tempo in beats per minute; sliders whose master field follows it are marked.
void setHostTempo(OrvCore& core, float bpm);

// Writes every slider's value into its fields again.
void unsyncProgramFromTempo(OrvCore& core);
