#pragma once

#include <atomic>

#include "VstInterface.h"

// Owns the AEffect record a host talks to and turns its dispatcher calls into
// virtual operations. Only the operations this plug-in answers are here.
class AudioEffect {
public:
    AudioEffect(audioMasterCallback audioMaster, VstInt32 numPrograms, VstInt32 numParams);
    virtual ~AudioEffect() = default;
    AudioEffect(const AudioEffect&) = delete;
    AudioEffect& operator=(const AudioEffect&) = delete;

    AEffect* getAeffect() { return &cEffect; }

    virtual VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt);

    virtual void setProgram(VstInt32) {}
    virtual VstInt32 getProgram() { return 0; }
    virtual void setProgramName(const char*) {}
    virtual void getProgramName(char* name) { name[0] = 0; }
    virtual void setParameter(VstInt32, float) {}
    virtual float getParameter(VstInt32) { return 0.0f; }
    virtual void getParameterLabel(VstInt32, char* label) { label[0] = 0; }
    virtual void getParameterDisplay(VstInt32, char* text) { text[0] = 0; }
    virtual void getParameterName(VstInt32, char* text) { text[0] = 0; }
    virtual void setSampleRate(float rate) { sampleRate = rate; }
    virtual void setBlockSize(VstInt32 frames) { blockSize = frames; }
    virtual void suspend() {}
    virtual void resume() {}
    // Points `data` at the chunk and answers its size in bytes (0: none).
    virtual VstInt32 getChunk(void** data, bool isPreset);
    // Answers 1 when the chunk was taken, 0 when it was refused.
    virtual VstInt32 setChunk(void* data, VstInt32 byteSize, bool isPreset);
    virtual void process(float** inputs, float** outputs, VstInt32 sampleFrames);
    virtual void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames);

protected:
    void setNumInputs(VstInt32 inputs) { cEffect.numInputs = inputs; }
    void setNumOutputs(VstInt32 outputs) { cEffect.numOutputs = outputs; }
    void setUniqueID(VstInt32 id) { cEffect.uniqueID = id; }
    void setInitialDelay(VstInt32 delay) { cEffect.initialDelay = delay; }
    void setVersion(VstInt32 version) { cEffect.version = version; }
    void canProcessReplacing() { cEffect.flags |= effFlagsCanReplacing; }
    void programsAreChunks() { cEffect.flags |= effFlagsProgramChunks; }

    VstIntPtr callHost(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                       float opt = 0.0f);

    // Atomic, as a host may set them from two threads at once.
    std::atomic<float> sampleRate {44100.0f};
    std::atomic<VstInt32> blockSize {1024};
    audioMasterCallback audioMaster;
    AEffect cEffect {};
};

// Adds the operations of the 2.x interface: events, pins, identity texts,
// capabilities, tail, and the host's time info.
class AudioEffectX : public AudioEffect {
public:
    AudioEffectX(audioMasterCallback audioMaster, VstInt32 numPrograms, VstInt32 numParams);

    VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) override;

    virtual VstInt32 processEvents(const VstEvents*) { return 0; }
    virtual bool canParameterBeAutomated(VstInt32) { return true; }
    virtual bool getProgramNameIndexed(VstInt32, VstInt32, char*) { return false; }
    virtual bool getInputProperties(VstInt32, VstPinProperties*) { return false; }
    virtual bool getOutputProperties(VstInt32, VstPinProperties*) { return false; }
    virtual VstPlugCategory getPlugCategory() { return kPlugCategEffect; }
    virtual bool getEffectName(char*) { return false; }
    virtual bool getVendorString(char*) { return false; }
    virtual bool getProductString(char*) { return false; }
    virtual VstInt32 getVendorVersion() { return 0; }
    // 1: can do, -1: cannot, 0: does not know.
    virtual VstInt32 canDo(const char*) { return 0; }
    // Samples the effect goes on sounding after its input stops; 1: none, 0: unknown.
    virtual VstInt32 getGetTailSize() { return 0; }

protected:
    // The host's time info with the fields `filter` asks for; null when it gives none.
    const VstTimeInfo* getTimeInfo(VstInt32 filter);
    // What the host's calling thread is doing: a kVstProcessLevel value, 0 when it does not say.
    VstInt32 getCurrentProcessLevel();
    void wantEvents();
    bool updateDisplay();
    // The host's vendor string, empty when it gives none.
    bool getHostVendorString(char* text);
};

// Made by the plug-in: its one effect object for this host.
AudioEffect* createEffectInstance(audioMasterCallback audioMaster);
