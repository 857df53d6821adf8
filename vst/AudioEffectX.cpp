#include "AudioEffectX.h"

#include <cstdint>

namespace {

AudioEffect* effectOf(AEffect* effect) { return static_cast<AudioEffect*>(effect->object); }

extern "C" {

VstIntPtr dispatchToEffect(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    AudioEffect* plugin = effectOf(effect);
    if (opcode == effClose) {
        delete plugin;
        return 1;
    }
    return plugin->dispatcher(opcode, index, value, ptr, opt);
}

void processAccumulating(AEffect* effect, float** inputs, float** outputs, VstInt32 sampleFrames)
{
    effectOf(effect)->process(inputs, outputs, sampleFrames);
}

void processReplacingFrames(AEffect* effect, float** inputs, float** outputs, VstInt32 sampleFrames)
{
    effectOf(effect)->processReplacing(inputs, outputs, sampleFrames);
}

void setParameterValue(AEffect* effect, VstInt32 index, float value) { effectOf(effect)->setParameter(index, value); }

float getParameterValue(AEffect* effect, VstInt32 index) { return effectOf(effect)->getParameter(index); }

} // extern "C"

} // namespace

AudioEffect::AudioEffect(audioMasterCallback callback, VstInt32 numPrograms, VstInt32 numParams)
    : audioMaster(callback)
{
    cEffect.magic = kEffectMagic;
    cEffect.dispatcher = dispatchToEffect;
    cEffect.process = processAccumulating;
    cEffect.setParameter = setParameterValue;
    cEffect.getParameter = getParameterValue;
    cEffect.processReplacing = processReplacingFrames;
    cEffect.numPrograms = numPrograms;
    cEffect.numParams = numParams;
    cEffect.numInputs = 1;
    cEffect.numOutputs = 2;
    cEffect.ioRatio = 1.0f;
    cEffect.object = this;
    cEffect.version = 1;
}

VstIntPtr AudioEffect::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    switch (opcode) {
    case effSetProgram:
        // A program number that does not fit the interface's 32 bits would wrap onto a valid one.
        if (value >= INT32_MIN && value <= INT32_MAX)
            setProgram(VstInt32(value));
        return 0;
    case effGetProgram:
        return getProgram();
    case effSetProgramName:
        setProgramName(static_cast<const char*>(ptr));
        return 0;
    case effGetProgramName:
        getProgramName(static_cast<char*>(ptr));
        return 0;
    case effGetParamLabel:
        getParameterLabel(index, static_cast<char*>(ptr));
        return 0;
    case effGetParamDisplay:
        getParameterDisplay(index, static_cast<char*>(ptr));
        return 0;
    case effGetParamName:
        getParameterName(index, static_cast<char*>(ptr));
        return 0;
    case effSetSampleRate:
        setSampleRate(opt);
        return 0;
    case effSetBlockSize:
        setBlockSize(VstInt32(value));
        return 0;
    case effMainsChanged:
        if (value)
            resume();
        else
            suspend();
        return 0;
    case effGetChunk:
        return getChunk(static_cast<void**>(ptr), index != 0);
    case effSetChunk:
        return setChunk(ptr, VstInt32(value), index != 0);
    default:
        return 0;
    }
}

VstInt32 AudioEffect::getChunk(void**, bool) { return 0; }

VstInt32 AudioEffect::setChunk(void*, VstInt32, bool) { return 0; }

void AudioEffect::process(float**, float**, VstInt32) {}

void AudioEffect::processReplacing(float**, float**, VstInt32) {}

VstIntPtr AudioEffect::callHost(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    return audioMaster ? audioMaster(&cEffect, opcode, index, value, ptr, opt) : 0;
}

AudioEffectX::AudioEffectX(audioMasterCallback callback, VstInt32 numPrograms, VstInt32 numParams)
    : AudioEffect(callback, numPrograms, numParams)
{
}

VstIntPtr AudioEffectX::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    switch (opcode) {
    case effProcessEvents:
        return processEvents(static_cast<const VstEvents*>(ptr));
    case effCanBeAutomated:
        return canParameterBeAutomated(index) ? 1 : 0;
    case effGetProgramNameIndexed:
        return getProgramNameIndexed(VstInt32(value), index, static_cast<char*>(ptr)) ? 1 : 0;
    case effGetInputProperties:
        return getInputProperties(index, static_cast<VstPinProperties*>(ptr)) ? 1 : 0;
    case effGetOutputProperties:
        return getOutputProperties(index, static_cast<VstPinProperties*>(ptr)) ? 1 : 0;
    case effGetPlugCategory:
        return getPlugCategory();
    case effGetEffectName:
        return getEffectName(static_cast<char*>(ptr)) ? 1 : 0;
    case effGetVendorString:
        return getVendorString(static_cast<char*>(ptr)) ? 1 : 0;
    case effGetProductString:
        return getProductString(static_cast<char*>(ptr)) ? 1 : 0;
    case effGetVendorVersion:
        return getVendorVersion();
    case effCanDo:
        return ptr ? canDo(static_cast<const char*>(ptr)) : 0;
    case effGetTailSize:
        return getGetTailSize();
    case effGetVstVersion:
        return kVstVersion;
    default:
        return AudioEffect::dispatcher(opcode, index, value, ptr, opt);
    }
}

const VstTimeInfo* AudioEffectX::getTimeInfo(VstInt32 filter)
{
    return reinterpret_cast<const VstTimeInfo*>(callHost(audioMasterGetTime, 0, filter));
}

VstInt32 AudioEffectX::getCurrentProcessLevel()
{
    return VstInt32(callHost(audioMasterGetCurrentProcessLevel));
}

void AudioEffectX::wantEvents()
{
    callHost(audioMasterWantMidi, 0, 1);
}

bool AudioEffectX::updateDisplay()
{
    return callHost(audioMasterUpdateDisplay) != 0;
}

bool AudioEffectX::getHostVendorString(char* text)
{
    text[0] = 0;
    return callHost(audioMasterGetVendorString, 0, 0, text) != 0;
}
