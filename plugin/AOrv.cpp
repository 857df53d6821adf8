#include "AOrv.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "OrvChunk.h"
#include "Sliders.h"

namespace {

constexpr VstInt32 kNumParameters = kNumSliders;
constexpr VstInt32 kVendorVersion = 0x10500;
constexpr char kEffectName[] = "Orvane Pro";
constexpr char kVendorName[] = "Brenlow, Inc.";
constexpr char kRefreshingHostVendor[] = "Ableton";

// Room assumed in the host's buffers for parameter texts: the nominal 8 of the
// interface cuts most names short, and hosts give the extended strings' 32.
// Program names get the interface's 24, as some hosts allocate exactly that.
constexpr size_t kParameterTextRoom = 32;

// How long a block tries for the lock before it gives up and plays silence.
constexpr std::chrono::microseconds kLongestLockWait {150};

constexpr uint8_t kMidiControlChange = 0xB0;
constexpr uint8_t kMidiProgramChange = 0xC0;

// Copies a program name, which may fill its field without a terminator, into the host's buffer.
template <size_t FieldSize>
void copyProgramName(char* to, const char (&field)[FieldSize])
{
    const size_t length = strnlen(field, std::min(FieldSize, kVstMaxProgNameLen - 1));
    std::memcpy(to, field, length);
    to[length] = 0;
}

// Samples a program sounds on after its input stops: its longest Delay time;
// 1 tells the host there is no tail.
VstInt32 tailSamples(const OrvPreset& preset)
{
    float longest = 0.0f;
    for (int module = 0; module < kNumModules; ++module) {
        if (preset.inUse[module] == 1 && preset.processKind[module] == ProcessKind::Delay)
            longest = std::max(longest, preset.processTime[module]);
    }
    return longest >= 1.0f ? VstInt32(std::ceil(longest)) : 1;
}

bool fillPinProperties(VstInt32 index, const char* direction, VstPinProperties* properties)
{
    if (index < 0 || index >= kNumChannels || !properties)
        return false;
    *properties = VstPinProperties {};
    std::snprintf(properties->label, sizeof properties->label, "Orvane %s %d", direction, int(index) + 1);
    properties->flags = kVstPinIsActive | kVstPinIsStereo;
    return true;
}

} // namespace

AOrv::AOrv(audioMasterCallback hostCallback)
    : AudioEffectX(hostCallback, kNumPrograms, kNumParameters), chunkBuffer(kBankChunkSize)
{
    setNumInputs(kNumChannels);
    setNumOutputs(kNumChannels);
    canProcessReplacing();
    programsAreChunks();
    setInitialDelay(0);
    setUniqueID(fourCharCode('O', 'R', 'V', 'p'));
    setVersion(kVendorVersion);

    // The host is asked nothing here: it may answer by calling back into this
    // half-built object. Its rate and block size arrive with effSetSampleRate and
    // effSetBlockSize; until then the core plays at 44100 Hz and its default block.
    initCore(core, 0.0f, 0);
}

void AOrv::selectAndNotify(int index)
{
    bool selected;
    {
        std::lock_guard guard(lock);
        selected = selectProgram(core, index);
    }
    if (selected)
        refreshAfterProgramChange();
}

void AOrv::refreshAfterProgramChange()
{
    char hostVendor[kVstMaxVendorStrLen] {};
    getHostVendorString(hostVendor);
    hostVendor[sizeof hostVendor - 1] = 0;
    if (std::strcmp(hostVendor, kRefreshingHostVendor) == 0)
        updateDisplay();
}

void AOrv::setProgram(VstInt32 program) { selectAndNotify(program); }

VstInt32 AOrv::getProgram()
{
    std::lock_guard guard(lock);
    return core.currentIndex;
}

void AOrv::setProgramName(const char* name)
{
    if (!name)
        return;
    std::lock_guard guard(lock);
    char* field = core.current->programName;
    std::memset(field, 0, sizeof core.current->programName);
    std::strncpy(field, name, sizeof core.current->programName - 1);
}

void AOrv::getProgramName(char* name)
{
    std::lock_guard guard(lock);
    copyProgramName(name, core.current->programName);
}

bool AOrv::getProgramNameIndexed(VstInt32, VstInt32 index, char* text)
{
    if (index < 0 || index >= kNumPrograms || !text)
        return false;
    std::lock_guard guard(lock);
    copyProgramName(text, core.bank[index].programName);
    return true;
}

void AOrv::setParameter(VstInt32 index, float value)
{
    std::lock_guard guard(lock);
    setSliderParameter(core, index, value);
}

float AOrv::getParameter(VstInt32 index)
{
    std::lock_guard guard(lock);
    return getSliderParameter(core, index);
}

void AOrv::getParameterName(VstInt32 index, char* text)
{
    std::lock_guard guard(lock);
    ::getParameterName(core, index, text, kParameterTextRoom);
}

void AOrv::getParameterLabel(VstInt32 index, char* label)
{
    std::lock_guard guard(lock);
    ::getParameterLabel(core, index, label, kParameterTextRoom);
}

void AOrv::getParameterDisplay(VstInt32 index, char* text)
{
    std::lock_guard guard(lock);
    ::getParameterDisplay(core, index, text, kParameterTextRoom);
}

// The chunk is encoded outside the playing lock, from a copy of the records taken under it.
VstInt32 AOrv::getChunk(void** data, bool isPreset)
{
    if (!data)
        return 0;
    const ChunkKind kind = isPreset ? ChunkKind::Program : ChunkKind::Bank;
    std::lock_guard chunkGuard(chunkLock);
    uint8_t* out = chunkBuffer.data();
    const int count = isPreset ? 1 : kNumPrograms;
    auto records = std::make_unique<OrvPreset[]>(size_t(count));
    {
        std::lock_guard guard(lock);
        writeChunkHeader(core, kind, out);
        std::copy_n(isPreset ? core.current : core.bank.get(), count, records.get());
    }
    for (int slot = 0; slot < count; ++slot)
        writeChunkRecord(records[slot], slot, out);
    *data = out;
    return VstInt32(chunkSize(kind));
}

// The chunk is decoded and checked outside the playing lock; under it the
// decoded bank is swapped in (or the one record copied) and prepared.
VstInt32 AOrv::setChunk(void* data, VstInt32 byteSize, bool isPreset)
{
    if (byteSize < 0)
        return 0;
    DecodedChunk chunk;
    {
        std::lock_guard chunkGuard(chunkLock);
        if (!decodeChunk(isPreset ? ChunkKind::Program : ChunkKind::Bank, static_cast<const uint8_t*>(data),
                         size_t(byteSize), chunk))
            return 0;
        std::lock_guard guard(lock);
        installChunk(core, chunk);
    }
    refreshAfterProgramChange();
    return 1;
}

void AOrv::applyControlChange(int channel, int controller, int value)
{
    std::lock_guard guard(lock);
    for (int slider = 0; slider < kNumSliders; ++slider) {
        if (core.sliders.learnedController[slider] == controller && core.sliders.learnedChannel[slider] == channel)
            setSliderParameter(core, slider, float(value) / 127.0f);
    }
}

VstInt32 AOrv::processEvents(const VstEvents* events)
{
    if (!events)
        return 0;
    for (VstInt32 index = 0; index < events->numEvents; ++index) {
        const VstEvent* event = events->events[index];
        if (!event || event->type != kVstMidiType)
            continue;
        const auto* midi = reinterpret_cast<const VstMidiEvent*>(event);
        const uint8_t status = uint8_t(midi->midiData[0]);
        const int channel = status & 0x0F;
        const int first = uint8_t(midi->midiData[1]) & 0x7F;
        const int second = uint8_t(midi->midiData[2]) & 0x7F;
        if ((status & 0xF0) == kMidiProgramChange)
            selectAndNotify(first);
        else if ((status & 0xF0) == kMidiControlChange && first != kNoController)
            applyControlChange(channel, first, second);
    }
    return 1;
}

float AOrv::readHostTempo()
{
    const VstTimeInfo* time = getTimeInfo(kVstTempoValid);
    return time && (time->flags & kVstTempoValid) && time->tempo > 0.0 ? float(time->tempo) : 0.0f;
}

void AOrv::processFrames(float** inputs, float** outputs, VstInt32 sampleFrames, bool replace)
{
    if (sampleFrames <= 0 || !inputs || !outputs)
        return;
    const float bpm = readHostTempo();
    std::unique_lock guard(lock, std::try_to_lock);
    // The audio thread never waits on a control call for long: control calls hold
    // the lock for microseconds, so it tries again for a short while; a control
    // thread the system suspended while holding it costs this block, which plays
    // silence instead of arriving late.
    if (!guard.owns_lock()) {
        const auto giveUp = std::chrono::steady_clock::now() + kLongestLockWait;
        while (!guard.try_lock() && std::chrono::steady_clock::now() < giveUp) {
        }
    }
    if (!guard.owns_lock()) {
        for (int c = 0; c < kNumChannels && replace; ++c)
            std::fill_n(outputs[c], sampleFrames, 0.0f);
        return;
    }
    if (bpm > 0.0f && bpm != core.hostTempo)
        setHostTempo(core, bpm);
    applyChangedSliders(core);
    processBlock(*core.engine, *core.current, inputs, outputs, sampleFrames, core.sampleRate, replace);
    // There is no editor to light a lamp: the report is only acknowledged.
    core.engine->limiterEngaged = false;
}

void AOrv::process(float** inputs, float** outputs, VstInt32 sampleFrames)
{
    processFrames(inputs, outputs, sampleFrames, false);
}

void AOrv::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames)
{
    processFrames(inputs, outputs, sampleFrames, true);
}

void AOrv::resume()
{
    {
        std::lock_guard guard(lock);
        prepareProgram(core);
    }
    wantEvents();
}

void AOrv::setSampleRate(float rate)
{
    if (!(rate > 0.0f))
        return;
    AudioEffectX::setSampleRate(rate);
    std::lock_guard guard(lock);
    setHostAudioSettings(core, rate, core.blockSize);
}

void AOrv::setBlockSize(VstInt32 frames)
{
    if (frames <= 0)
        return;
    AudioEffectX::setBlockSize(frames);
    std::lock_guard guard(lock);
    setHostAudioSettings(core, core.sampleRate, frames);
}

VstInt32 AOrv::getGetTailSize()
{
    // Sliders moved since the last block count, as they may have changed a delay time.
    std::lock_guard guard(lock);
    applyChangedSliders(core);
    return tailSamples(*core.current);
}

bool AOrv::getInputProperties(VstInt32 index, VstPinProperties* properties)
{
    return fillPinProperties(index, "input", properties);
}

bool AOrv::getOutputProperties(VstInt32 index, VstPinProperties* properties)
{
    return fillPinProperties(index, "output", properties);
}

bool AOrv::getEffectName(char* name)
{
    std::snprintf(name, kVstMaxEffectNameLen, "%s", kEffectName);
    return true;
}

bool AOrv::getVendorString(char* text)
{
    std::snprintf(text, kVstMaxVendorStrLen, "%s", kVendorName);
    return true;
}

bool AOrv::getProductString(char* text)
{
    std::snprintf(text, kVstMaxProductStrLen, "%s", kEffectName);
    return true;
}

VstInt32 AOrv::getVendorVersion() { return kVendorVersion; }

VstInt32 AOrv::canDo(const char* text)
{
    return std::strcmp(text, "receiveVstEvents") == 0 || std::strcmp(text, "receiveVstMidiEvent") == 0 ? 1 : -1;
}

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) { return new AOrv(audioMaster); }
