#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "OrvCore.h"
#include "RealtimeMutex.h"
#include "vst/AudioEffectX.h"

// The plug-in object: answers the host through our VST layer and turns its
// calls into operations on the core. One lock guards the current program and
// the engine; each block holds it, and control calls hold it only for a pointer
// swap or a copy of a record. Parameter changes and MIDI never wait for it: they
// leave their values for the next block. Neither the host nor the console is
// called while the lock is held, so a host may call back into any opcode, and
// a console no one reads stalls no block.
class AOrv : public AudioEffectX {
public:
    explicit AOrv(audioMasterCallback hostCallback);

    void setProgram(VstInt32 program) override;
    VstInt32 getProgram() override;
    void setProgramName(const char* name) override;
    void getProgramName(char* name) override;
    bool getProgramNameIndexed(VstInt32 category, VstInt32 index, char* text) override;

    void setParameter(VstInt32 index, float value) override;
    float getParameter(VstInt32 index) override;
    void getParameterName(VstInt32 index, char* text) override;
    void getParameterLabel(VstInt32 index, char* label) override;
    void getParameterDisplay(VstInt32 index, char* text) override;

    VstInt32 getChunk(void** data, bool isPreset) override;
    VstInt32 setChunk(void* data, VstInt32 byteSize, bool isPreset) override;

    VstInt32 processEvents(const VstEvents* events) override;
    void process(float** inputs, float** outputs, VstInt32 sampleFrames) override;
    void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) override;

    void resume() override;
    void setSampleRate(float rate) override;
    void setBlockSize(VstInt32 frames) override;
    VstInt32 getGetTailSize() override;

    bool getInputProperties(VstInt32 index, VstPinProperties* properties) override;
    bool getOutputProperties(VstInt32 index, VstPinProperties* properties) override;
    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    VstInt32 getVendorVersion() override;
    VstInt32 canDo(const char* text) override;

private:
    friend class AOrvLockHolder; // tests hold the lock to show which calls never wait for it

    // Parameter values set since the last block, waiting for the lock. A MIDI
    // program change waiting for the next block divides them: a value set before
    // it belongs to the outgoing program, one set after it to the incoming one.
    // A slider's waiting values and the count of the program change they follow
    // share one word, so that a value and the side it waits on change together;
    // a program change takes effect by counting itself in `state`.
    struct PendingChanges {
        std::atomic<uint64_t> slider[kNumSliders] {}; // per slider: see the word's layout in AOrv.cpp
        std::atomic<uint64_t> state {0};             // MIDI program changes noted, and the one waiting
    };
    // What becomes of a waiting MIDI program change when the waiting values are applied.
    enum class MidiProgram {
        Keep,   // it waits on for the next block, and with it the values set after it
        Drop,   // the host chose a program after it: every value is the current program's
        Select, // the block selects it, between the values set before and after it
    };
    // Holds the lock for a control call; console messages noted meanwhile, or on
    // the audio thread since the last control call, are printed once it is released.
    class ControlLock {
    public:
        explicit ControlLock(AOrv& owner);
        ~ControlLock();
        ControlLock(const ControlLock&) = delete;
        ControlLock& operator=(const ControlLock&) = delete;

    private:
        AOrv& plugIn;
    };
    // A chunk buffer, lent to the thread that saved into it last. It takes a
    // bank's size when first used and keeps it, so that a host still reading a
    // chunk it was given reads old bytes, never freed memory.
    struct ChunkBuffer {
        std::thread::id owner; // none until lent
        uint64_t lastSave = 0;
        std::vector<uint8_t> bytes;
    };
    // Threads whose last chunk stays untouched at once; a new saving thread takes
    // the buffer of the one that saved longest ago.
    static constexpr int kChunkBuffers = 8;

    // Notes a value for the next block or control step that takes the lock.
    void noteParameter(int slider, float value);
    // Notes a MIDI program change for the next block; values set so far go to the outgoing program.
    void noteMidiProgram(int program);

    // The following four run with the lock held.
    // Selects a program, noting the records it changes for a bank save under way;
    // the caller publishes the slider state.
    void selectProgramLocked(int index);
    // Writes waiting parameter values into the programs they belong to; true
    // when a MIDI program change was selected.
    bool applyPendingChanges(MidiProgram midiProgram);
    // Makes what getParameter answers and the learned controllers match the
    // core, but for the sliders in `answered`, which answer a value just applied.
    void publishSliderState(uint32_t answered = 0);
    void markRecordChanged(int slot);

    // Applies the waiting values and prepares the program again at this rate
    // and block size, 0 keeping either as it is.
    void prepareAt(float rate, int frames);
    void refreshAfterProgramChange();
    // The tempo in the host's time info; 0 when it gives none.
    float readHostTempo();
    void processFrames(float** inputs, float** outputs, VstInt32 sampleFrames, bool replace);
    // This thread's buffer, which holds a bank chunk; under `chunkLock`.
    uint8_t* chunkBufferOfThisThread();
    // Copies the bank a record per hold of the lock, then takes the header and
    // whatever changed meanwhile in one last hold.
    void copyBankForSave(uint8_t* out);

    OrvCore core;
    RealtimeMutex lock;   // held by the audio thread around each block
    std::mutex chunkLock; // one chunk transfer at a time; taken before `lock`, never by the audio thread
    PendingChanges pending;
    std::atomic<float> parameterValue[kNumSliders] {};    // what getParameter answers while no value waits
    std::atomic<uint16_t> learnedControl[kNumSliders] {}; // per slider: controller | channel << 8
    uint64_t recordChangeCount = 0;                       // under `lock`
    std::unique_ptr<uint64_t[]> recordChangedAt;          // under `lock`: per slot, the count at its last change
    std::unique_ptr<OrvPreset[]> savedRecords;            // under `chunkLock`: the copy a save encodes
    std::array<ChunkBuffer, kChunkBuffers> chunkBuffers;  // under `chunkLock`
    uint64_t chunkSaves = 0;                              // under `chunkLock`
};
