#include "AOrv.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numeric>

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

// A block waits for the lock at most half its own duration, within these
// bounds, and plays silence if it is still held by then.
constexpr std::chrono::microseconds kShortestLockWait {150};
constexpr std::chrono::microseconds kLongestLockWait {1000};

// Records a bank save copies after the others, in its last hold of the lock; more
// changed meanwhile, and it copies those one at a time again first.
constexpr int kRecordsCopiedAtOnce = 4;
constexpr int kBankCopyRounds = 4;

constexpr uint8_t kMidiControlChange = 0xB0;
constexpr uint8_t kMidiProgramChange = 0xC0;

// A slider's word of waiting values: the value set since the program change
// that its count names (bits 0-29), the last value set before that change
// (bits 30-59), and the low bits of that count (bits 60-63). A value in 0..1
// has its two top bits clear, so 30 bits hold it exactly; each is stored plus
// one, 0 meaning that none waits.
constexpr int kValueBits = 30;
constexpr uint32_t kValueMask = (uint32_t(1) << kValueBits) - 1;
constexpr uint32_t kCountMask = 0xF;

// The state word: the count of MIDI program changes noted (bits 0-31) and the
// waiting program plus one (bits 32-39, 0 for none).
constexpr int kMidiProgramShift = 32;
constexpr uint64_t kChangeCountBits = 0xFFFFFFFF;

uint32_t changeCount(uint64_t state) { return uint32_t(state & kChangeCountBits); }
int waitingMidiProgram(uint64_t state) { return int(state >> kMidiProgramShift) - 1; }

uint32_t encodeValue(float value) { return (std::bit_cast<uint32_t>(value) & kValueMask) + 1; }
float decodeValue(uint32_t encoded) { return std::bit_cast<float>(encoded - 1); }

struct WaitingValues {
    uint32_t latest = 0;  // set since the program change `count` names
    uint32_t earlier = 0; // the last set before it
    uint32_t count = 0;   // the low bits of that program change's count

    explicit WaitingValues(uint64_t word)
        : latest(uint32_t(word) & kValueMask), earlier(uint32_t(word >> kValueBits) & kValueMask),
          count(uint32_t(word >> 2 * kValueBits))
    {
    }
    WaitingValues(uint32_t latestValue, uint32_t earlierValue, uint32_t changes)
        : latest(latestValue), earlier(earlierValue), count(changes & kCountMask)
    {
    }
    uint64_t word() const { return latest | uint64_t(earlier) << kValueBits | uint64_t(count) << 2 * kValueBits; }
};

// A slider's waiting values as of the program change `changes` counts: a value
// set before that change now waits on the earlier side.
WaitingValues valuesAsOf(uint64_t word, uint32_t changes)
{
    const WaitingValues values(word);
    if (values.count == (changes & kCountMask))
        return values;
    return {0, values.latest ? values.latest : values.earlier, changes};
}

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
    : AudioEffectX(hostCallback, kNumPrograms, kNumParameters)
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
    recordChangedAt = std::make_unique<uint64_t[]>(kNumPrograms);
    savedRecords = std::make_unique<OrvPreset[]>(kNumPrograms);
    publishSliderState();
}

void AOrv::markRecordChanged(int slot)
{
    if (slot >= 0 && slot < kNumPrograms)
        recordChangedAt[slot] = ++recordChangeCount;
}

void AOrv::publishSliderState(uint32_t answered)
{
    for (int slider = 0; slider < kNumSliders; ++slider) {
        if (!(answered >> slider & 1))
            parameterValue[slider].store(getSliderParameter(core, slider), std::memory_order_relaxed);
        learnedControl[slider].store(
            uint16_t(core.sliders.learnedController[slider] | core.sliders.learnedChannel[slider] << 8),
            std::memory_order_relaxed);
    }
}

AOrv::ControlLock::ControlLock(AOrv& owner) : plugIn(owner) { plugIn.lock.lock(); }

AOrv::ControlLock::~ControlLock()
{
    const OrvConsoleMessages messages = takeConsoleMessages(plugIn.core);
    plugIn.lock.unlock();
    printConsoleMessages(messages);
}

void AOrv::noteParameter(int slider, float value)
{
    std::atomic<uint64_t>& word = pending.slider[slider];
    uint64_t waiting = word.load(std::memory_order_acquire);
    WaitingValues values(waiting);
    do {
        // The state is read after the word, so its count is never older than the word's.
        values = valuesAsOf(waiting, changeCount(pending.state.load(std::memory_order_acquire)));
        values.latest = encodeValue(value);
    } while (!word.compare_exchange_weak(waiting, values.word(), std::memory_order_acq_rel, std::memory_order_acquire));
}

void AOrv::noteMidiProgram(int program)
{
    uint64_t state = pending.state.load(std::memory_order_acquire);
    while (!pending.state.compare_exchange_weak(state,
                                                (changeCount(state) + 1) | uint64_t(program + 1) << kMidiProgramShift,
                                                std::memory_order_acq_rel, std::memory_order_acquire)) {
    }
    // The values set so far now wait for the outgoing program; moving them there
    // at once keeps each word's count within one of the state's, so its few bits
    // never wrap round to a later change's. Of several program changes before a
    // block only the last is selected, so values set between them stay with the
    // program playing.
    for (std::atomic<uint64_t>& word : pending.slider) {
        uint64_t waiting = word.load(std::memory_order_acquire);
        for (;;) {
            const uint32_t changes = changeCount(pending.state.load(std::memory_order_acquire));
            if (WaitingValues(waiting).count == (changes & kCountMask) ||
                word.compare_exchange_weak(waiting, valuesAsOf(waiting, changes).word(), std::memory_order_acq_rel,
                                           std::memory_order_acquire))
                break;
        }
    }
}

bool AOrv::applyPendingChanges(MidiProgram midiProgram)
{
    uint64_t taken = pending.state.load(std::memory_order_acquire);
    if (midiProgram != MidiProgram::Keep) {
        while (waitingMidiProgram(taken) >= 0 &&
               !pending.state.compare_exchange_weak(taken, taken & kChangeCountBits, std::memory_order_acq_rel,
                                                    std::memory_order_acquire)) {
        }
    }
    const int selected = midiProgram == MidiProgram::Select ? waitingMidiProgram(taken) : -1;

    // Each slider's values are taken in one step: the one for the program
    // playing, and the one set after the selected program change. A value set
    // after a change that still waits stays for the block that selects it.
    uint32_t incomingSliders = 0;
    float incoming[kNumSliders] {};
    for (int slider = 0; slider < kNumSliders; ++slider) {
        std::atomic<uint64_t>& word = pending.slider[slider];
        uint64_t waiting = word.load(std::memory_order_acquire);
        WaitingValues values(waiting);
        WaitingValues left(waiting);
        do {
            const uint64_t state = selected >= 0 ? taken : pending.state.load(std::memory_order_acquire);
            values = valuesAsOf(waiting, changeCount(state));
            left = {0, 0, values.count};
            if (selected < 0 && waitingMidiProgram(state) >= 0)
                std::swap(left.latest, values.latest);
            else if (selected < 0 && values.latest)
                values = {0, values.latest, values.count};
            if (left.word() == waiting)
                break;
            // What getParameter answers once the word no longer holds the values.
            for (const uint32_t value : {values.earlier, values.latest}) {
                if (value)
                    parameterValue[slider].store(decodeValue(value), std::memory_order_relaxed);
            }
        } while (!word.compare_exchange_weak(waiting, left.word(), std::memory_order_acq_rel,
                                             std::memory_order_acquire));
        if (values.earlier)
            setSliderParameter(core, slider, decodeValue(values.earlier));
        if (values.latest) {
            incoming[slider] = decodeValue(values.latest);
            incomingSliders |= 1u << slider;
        }
    }
    if (selected < 0)
        return false;
    selectProgramLocked(selected);
    for (int slider = 0; slider < kNumSliders; ++slider) {
        if (incomingSliders >> slider & 1)
            setSliderParameter(core, slider, incoming[slider]);
    }
    publishSliderState(incomingSliders);
    return true;
}

void AOrv::selectProgramLocked(int index)
{
    const int previous = core.currentIndex;
    if (!selectProgram(core, index))
        return;
    markRecordChanged(previous);
    markRecordChanged(index);
}

void AOrv::refreshAfterProgramChange()
{
    char hostVendor[kVstMaxVendorStrLen] {};
    getHostVendorString(hostVendor);
    hostVendor[sizeof hostVendor - 1] = 0;
    if (std::strcmp(hostVendor, kRefreshingHostVendor) == 0)
        updateDisplay();
}

void AOrv::setProgram(VstInt32 index)
{
    if (index < 0 || index >= kNumPrograms)
        return;
    {
        ControlLock guard(*this);
        // Values set before the change belong to the outgoing program, and the
        // host's choice supersedes a MIDI program change that came before it.
        applyPendingChanges(MidiProgram::Drop);
        selectProgramLocked(index);
        publishSliderState();
    }
    refreshAfterProgramChange();
}

VstInt32 AOrv::getProgram()
{
    ControlLock guard(*this);
    return core.currentIndex;
}

void AOrv::setProgramName(const char* name)
{
    if (!name)
        return;
    ControlLock guard(*this);
    markRecordChanged(core.currentIndex);
    char* field = core.current->programName;
    std::memset(field, 0, sizeof core.current->programName);
    std::strncpy(field, name, sizeof core.current->programName - 1);
}

void AOrv::getProgramName(char* name)
{
    ControlLock guard(*this);
    copyProgramName(name, core.current->programName);
}

bool AOrv::getProgramNameIndexed(VstInt32, VstInt32 index, char* text)
{
    if (index < 0 || index >= kNumPrograms || !text)
        return false;
    ControlLock guard(*this);
    copyProgramName(text, core.bank[index].programName);
    return true;
}

// The value waits for the next block or control step that takes the lock.
void AOrv::setParameter(VstInt32 index, float value)
{
    if (index < 0 || index >= kNumSliders || std::isnan(value))
        return;
    noteParameter(index, std::clamp(value, 0.0f, 1.0f));
}

float AOrv::getParameter(VstInt32 index)
{
    if (index < 0 || index >= kNumSliders)
        return 0.0f;
    // A value waiting is the latest set; one applied is in parameterValue.
    const WaitingValues values(pending.slider[index].load(std::memory_order_acquire));
    if (values.latest || values.earlier)
        return decodeValue(values.latest ? values.latest : values.earlier);
    return parameterValue[index].load(std::memory_order_relaxed);
}

void AOrv::getParameterName(VstInt32 index, char* text)
{
    ControlLock guard(*this);
    ::getParameterName(core, index, text, kParameterTextRoom);
}

void AOrv::getParameterLabel(VstInt32 index, char* label)
{
    ControlLock guard(*this);
    ::getParameterLabel(core, index, label, kParameterTextRoom);
}

void AOrv::getParameterDisplay(VstInt32 index, char* text)
{
    ControlLock guard(*this);
    applyPendingChanges(MidiProgram::Keep);
    ::getParameterDisplay(core, index, text, kParameterTextRoom);
}

uint8_t* AOrv::chunkBufferOfThisThread()
{
    const std::thread::id thisThread = std::this_thread::get_id();
    auto buffer = std::find_if(chunkBuffers.begin(), chunkBuffers.end(),
                               [&](const ChunkBuffer& each) { return each.owner == thisThread; });
    if (buffer == chunkBuffers.end()) {
        buffer = std::min_element(chunkBuffers.begin(), chunkBuffers.end(),
                                  [](const ChunkBuffer& a, const ChunkBuffer& b) { return a.lastSave < b.lastSave; });
        buffer->owner = thisThread;
    }
    buffer->lastSave = ++chunkSaves;
    if (buffer->bytes.empty())
        buffer->bytes.resize(kBankChunkSize);
    return buffer->bytes.data();
}

void AOrv::copyBankForSave(uint8_t* out)
{
    uint64_t since;
    {
        std::lock_guard guard(lock);
        since = recordChangeCount;
    }
    std::vector<int> slots(kNumPrograms);
    std::iota(slots.begin(), slots.end(), 0);
    for (int round = 1;; ++round) {
        for (const int slot : slots) {
            std::lock_guard guard(lock);
            savedRecords[slot] = core.bank[slot];
        }
        std::lock_guard guard(lock);
        slots.clear();
        for (int slot = 0; slot < kNumPrograms; ++slot) {
            if (recordChangedAt[slot] > since)
                slots.push_back(slot);
        }
        if (int(slots.size()) > kRecordsCopiedAtOnce && round < kBankCopyRounds) {
            since = recordChangeCount;
            continue;
        }
        applyPendingChanges(MidiProgram::Keep);
        writeChunkHeader(core, ChunkKind::Bank, out);
        for (const int slot : slots)
            savedRecords[slot] = core.bank[slot];
        savedRecords[core.currentIndex] = *core.current;
        return;
    }
}

// The chunk a thread is given stays as it is until that thread saves again, or
// until threads that saved since have taken every buffer; the records are
// encoded outside the playing lock.
VstInt32 AOrv::getChunk(void** data, bool isPreset)
{
    if (!data)
        return 0;
    const ChunkKind kind = isPreset ? ChunkKind::Program : ChunkKind::Bank;
    std::lock_guard chunkGuard(chunkLock);
    uint8_t* out = chunkBufferOfThisThread();
    if (isPreset) {
        {
            std::lock_guard guard(lock);
            applyPendingChanges(MidiProgram::Keep);
            writeChunkHeader(core, kind, out);
            savedRecords[0] = *core.current;
        }
        writeChunkRecord(savedRecords[0], 0, out);
    } else {
        copyBankForSave(out);
        for (int slot = 0; slot < kNumPrograms; ++slot)
            writeChunkRecord(savedRecords[slot], slot, out);
    }
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
        std::unique_lock chunkGuard(chunkLock);
        if (!decodeChunk(isPreset ? ChunkKind::Program : ChunkKind::Bank, static_cast<const uint8_t*>(data),
                         size_t(byteSize), chunk))
            return 0;
        ControlLock guard(*this);
        applyPendingChanges(MidiProgram::Drop);
        installChunk(core, chunk);
        markRecordChanged(core.currentIndex);
        publishSliderState();
        // Other chunk transfers need not wait for the console message of this one.
        chunkGuard.unlock();
    }
    refreshAfterProgramChange();
    return 1;
}

// Events arrive on the audio thread: a learned control change leaves its value
// for the next block, as a parameter change does, and a program change is
// selected by the next block before it plays.
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
        if ((status & 0xF0) == kMidiProgramChange) {
            noteMidiProgram(first);
        } else if ((status & 0xF0) == kMidiControlChange && first != kNoController) {
            const auto control = uint16_t(first | channel << 8);
            for (int slider = 0; slider < kNumSliders; ++slider) {
                if (learnedControl[slider].load(std::memory_order_relaxed) == control)
                    noteParameter(slider, float(second) / 127.0f);
            }
        }
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
    // Control calls hold the lock for microseconds; in a real-time stream one the
    // system suspended while holding it costs this block, which plays silence
    // rather than arrive late. Offline, nothing is late: the block waits.
    if (getCurrentProcessLevel() == kVstProcessLevelOffline) {
        lock.lock();
    } else {
        const std::chrono::duration<double> halfBlock(0.5 * sampleFrames / sampleRate.load(std::memory_order_relaxed));
        const auto wait = std::clamp(std::chrono::duration_cast<std::chrono::nanoseconds>(halfBlock),
                                     std::chrono::nanoseconds(kShortestLockWait),
                                     std::chrono::nanoseconds(kLongestLockWait));
        if (!lock.tryLockFor(wait)) {
            for (int c = 0; c < kNumChannels && replace; ++c)
                std::fill_n(outputs[c], sampleFrames, 0.0f);
            return;
        }
    }
    std::unique_lock guard(lock, std::adopt_lock);
    // What arrived since the last block belongs to this one: the values set
    // before a MIDI program change, the change, then the values set after it.
    const bool midiProgramSelected = applyPendingChanges(MidiProgram::Select);
    if (bpm > 0.0f && bpm != core.hostTempo)
        setHostTempo(core, bpm);
    applyChangedSliders(core);
    processBlock(*core.engine, *core.current, inputs, outputs, sampleFrames, core.sampleRate, replace);
    // There is no editor to light a lamp: the report is only acknowledged.
    core.engine->limiterEngaged = false;
    guard.unlock();
    if (midiProgramSelected)
        refreshAfterProgramChange();
}

void AOrv::process(float** inputs, float** outputs, VstInt32 sampleFrames)
{
    processFrames(inputs, outputs, sampleFrames, false);
}

void AOrv::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames)
{
    processFrames(inputs, outputs, sampleFrames, true);
}

void AOrv::prepareAt(float rate, int frames)
{
    ControlLock guard(*this);
    applyPendingChanges(MidiProgram::Keep);
    // The fields take the values first, so that the program starts from them:
    // an LFO from the phase a slider sets, as from a chunk holding the value.
    applyChangedSliders(core);
    setHostAudioSettings(core, rate, frames);
    publishSliderState();
}

void AOrv::resume()
{
    prepareAt(0.0f, 0);
    wantEvents();
}

void AOrv::setSampleRate(float rate)
{
    if (!(rate > 0.0f))
        return;
    AudioEffectX::setSampleRate(rate);
    prepareAt(rate, 0);
}

void AOrv::setBlockSize(VstInt32 frames)
{
    if (frames <= 0)
        return;
    AudioEffectX::setBlockSize(frames);
    prepareAt(0.0f, frames);
}

VstInt32 AOrv::getGetTailSize()
{
    // Sliders moved since the last block count, as they may have changed a delay time.
    ControlLock guard(*this);
    applyPendingChanges(MidiProgram::Keep);
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
