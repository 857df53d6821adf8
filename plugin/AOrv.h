#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "OrvCore.h"
#include "vst/AudioEffectX.h"

// The plug-in object: answers the host through our VST layer and turns its
// calls into operations on the core. One lock guards the current program and
// the engine; it is held around each block, program selection, parameter and
// MIDI changes, and the short steps of chunk transfers. The host is never
// called while it is held, so a host may call back into any opcode.
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
    // Selects a program and, when that was allowed, tells the host.
    void selectAndNotify(int index);
    void refreshAfterProgramChange();
    // The tempo in the host's time info; 0 when it gives none.
    float readHostTempo();
    void processFrames(float** inputs, float** outputs, VstInt32 sampleFrames, bool replace);
    void applyControlChange(int channel, int controller, int value);

    OrvCore core;
    std::mutex lock;      // held by the audio thread around each block
    std::mutex chunkLock; // one chunk transfer at a time; taken before `lock`, never by the audio thread
    std::vector<uint8_t> chunkBuffer;
};
