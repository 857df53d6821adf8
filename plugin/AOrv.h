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
// leave their values for the next block. The host is never called while the
// lock is held, so a host may call back into any opcode.
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

    // A parameter value the host set, waiting for the next block or control step to apply it.
    struct PendingParameters {
        std::atomic<float> value[kNumSliders] {};
        std::atomic<uint32_t> changed {0}; // a bit per slider
    };
    // A chunk buffer, lent to the thread that saved into it last.
    struct ChunkBuffer {
        std::thread::id owner; // none until lent
        uint64_t lastSave = 0;
        std::vector<uint8_t> bytes;
    };
    // Threads whose last chunk stays untouched at once; a new saving thread takes
    // the buffer of the one that saved longest ago.
    static constexpr int kChunkBuffers = 8;

    // The following four run with the lock held.
    // Selects a program, noting the records it changes for a bank save under way.
    void selectProgramLocked(int index);
    // Writes waiting parameter values into the current program.
    void applyPendingParameters();
    // Makes what getParameter answers and the learned controllers match the core.
    void publishSliderState();
    void markRecordChanged(int slot);

    void refreshAfterProgramChange();
    // The tempo in the host's time info; 0 when it gives none.
    float readHostTempo();
    void processFrames(float** inputs, float** outputs, VstInt32 sampleFrames, bool replace);
    // This thread's buffer, sized to hold `size` bytes; under `chunkLock`.
    uint8_t* chunkBufferOfThisThread(size_t size);
    // Copies the bank a record per hold of the lock, then takes the header and
    // whatever changed meanwhile in one last hold.
    void copyBankForSave(uint8_t* out);

    OrvCore core;
    RealtimeMutex lock;   // held by the audio thread around each block
    std::mutex chunkLock; // one chunk transfer at a time; taken before `lock`, never by the audio thread
    PendingParameters pending;
    std::atomic<float> parameterValue[kNumSliders] {};    // what getParameter answers
    std::atomic<uint16_t> learnedControl[kNumSliders] {}; // per slider: controller | channel << 8
    std::atomic<int> pendingMidiProgram {-1};             // a program change the next block selects
    uint64_t recordChangeCount = 0;                       // under `lock`
    std::unique_ptr<uint64_t[]> recordChangedAt;          // under `lock`: per slot, the count at its last change
    std::unique_ptr<OrvPreset[]> savedRecords;            // under `chunkLock`: the copy a save encodes
    std::array<ChunkBuffer, kChunkBuffers> chunkBuffers;  // under `chunkLock`
    uint64_t chunkSaves = 0;                              // under `chunkLock`
};
