// The built plug-in library, loaded and driven as a host drives it: through
// its exported entry, the AEffect record and the dispatcher only.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "HostCalls.h"
#include "plugin/FieldModel.h"
#include "plugin/OrvBank.h"
#include "tools/VstHost.h"

namespace {

constexpr size_t kHeaderSize = 44;
constexpr size_t kBankSize = kHeaderSize + size_t(kNumPrograms) * kPresetSize;

std::unique_ptr<VstHost> loadedHost(const std::string& vendor = "Orvane")
{
    auto host = std::make_unique<VstHost>();
    host->vendor = vendor;
    std::string error;
    EXPECT_TRUE(host->load(ORVANE_PLUGIN_PATH, error)) << error;
    host->start();
    return host;
}

void putWord(std::vector<uint8_t>& bytes, size_t offset, uint32_t value)
{
    for (int byte = 0; byte < 4; ++byte)
        bytes[offset + size_t(byte)] = uint8_t(value >> (24 - 8 * byte));
}

uint32_t wordAt(const std::vector<uint8_t>& bytes, size_t offset)
{
    return (uint32_t(bytes[offset]) << 24) | (uint32_t(bytes[offset + 1]) << 16) |
           (uint32_t(bytes[offset + 2]) << 8) | bytes[offset + 3];
}

float floatAt(const std::vector<uint8_t>& bytes, size_t offset) { return std::bit_cast<float>(wordAt(bytes, offset)); }

// A program the default bank lacks: a sine, a low-pass and an output gain on
// sliders of each curve, a tempo-relative frequency and delay time and a 100 ms delay.
OrvPreset shapedProgram()
{
    OrvPreset preset;
    initDefaultPreset(preset, kPluginFlags, 44100);
    std::strcpy(preset.programName, "Shaped");
    auto addSlider = [&](int slider, const char* caption, float minimum, float maximum, float current, uint16_t id) {
        std::strcpy(preset.sliderCaption[slider], caption);
        preset.sliderMin[slider] = minimum;
        preset.sliderMax[slider] = maximum;
        preset.sliderCurrent[slider] = current;
        preset.sliderTarget[slider][0] = id;
        preset.sliderRatio[slider][0] = 1.0f;
    };
    addSlider(0, "Output Level %", 0.0f, 100.0f, 100.0f, fieldId(0, Column::LeftGain));
    preset.inUse[1] = 1;
    preset.oscKind[1] = OscKind::Sine;
    addSlider(1, "Tone Freq hz", 0.0f, 20.0f, 10.0f, fieldId(1, Column::OscFrequency));
    preset.inUse[2] = 1;
    preset.processKind[2] = ProcessKind::LowPass;
    addSlider(2, "Cutoff Freq hz", 20.0f, 20000.0f, 1000.0f, fieldId(2, Column::MainValue));
    preset.inUse[3] = 1;
    preset.oscKind[3] = OscKind::Sine;
    preset.sliderFreqMode[3] = FreqMode::TempoMultiple;
    addSlider(3, "Beats x", 0.0f, 4.0f, 1.0f, fieldId(3, Column::OscFrequency));
    preset.inUse[4] = 1;
    preset.processKind[4] = ProcessKind::Delay;
    preset.processTime[4] = 4410.0f;
    preset.inUse[5] = 1;
    preset.processKind[5] = ProcessKind::Delay;
    preset.delayTimeMode[5] = DelayTimeMode::Tempo;
    addSlider(4, "Beat Delay ms", 0.0f, 1000.0f, 50.0f, fieldId(5, Column::MainValue));
    return preset;
}

// A chunk written by hand from the format: header, then the records big-endian.
std::vector<uint8_t> handMadeChunk(const std::vector<OrvPreset>& records, uint32_t current,
                                   const uint8_t (&learnTable)[kNumSliders][2])
{
    std::vector<uint8_t> chunk(kHeaderSize + records.size() * kPresetSize);
    std::memcpy(chunk.data(), "ORVp", 4);
    putWord(chunk, 4, 0x10500);
    putWord(chunk, 8, 44);
    putWord(chunk, 12, uint32_t(records.size()));
    putWord(chunk, 16, kPresetSize);
    putWord(chunk, 20, current);
    putWord(chunk, 24, kNumSliders);
    std::memcpy(chunk.data() + 28, learnTable, sizeof learnTable);
    for (size_t index = 0; index < records.size(); ++index)
        presetToBigEndian(records[index], chunk.data() + kHeaderSize + index * kPresetSize);
    return chunk;
}

constexpr uint8_t kNothingLearned[kNumSliders][2] = {{123, 0}, {123, 0}, {123, 0}, {123, 0},
                                                      {123, 0}, {123, 0}, {123, 0}};

// Loads the shaped program into the current slot, with slider C learned as
// controller 7 on channel 3.
void loadShapedProgram(const VstHost& host)
{
    uint8_t learnTable[kNumSliders][2];
    std::memcpy(learnTable, kNothingLearned, sizeof learnTable);
    learnTable[2][0] = 7;
    learnTable[2][1] = 3;
    ASSERT_TRUE(host.restoreChunk(handMadeChunk({shapedProgram()}, 0, learnTable), true));
}

void processBlock(const VstHost& host)
{
    std::vector<float> left(64), right(64);
    float* channels[2] = {left.data(), right.data()};
    host.processReplacing(channels, channels, 64);
}

} // namespace

TEST(PluginHost, AnswersItsIdentity)
{
    auto host = loadedHost();
    const AEffect& effect = *host->effect();
    EXPECT_EQ(effect.magic, fourCharCode('V', 's', 't', 'P'));
    EXPECT_EQ(effect.numPrograms, 354);
    EXPECT_EQ(effect.numParams, 7);
    EXPECT_EQ(effect.numInputs, 2);
    EXPECT_EQ(effect.numOutputs, 2);
    EXPECT_EQ(effect.flags, effFlagsCanReplacing | effFlagsProgramChunks);
    EXPECT_EQ(effect.initialDelay, 0);
    EXPECT_EQ(effect.uniqueID, fourCharCode('O', 'R', 'V', 'p'));
    EXPECT_EQ(host->text(effGetEffectName), "Orvane Pro");
    EXPECT_EQ(host->text(effGetProductString), "Orvane Pro");
    EXPECT_EQ(host->text(effGetVendorString), "Brenlow, Inc.");
    EXPECT_EQ(host->dispatch(effGetVendorVersion), 0x10500);
    EXPECT_EQ(host->dispatch(effGetPlugCategory), kPlugCategEffect);
    EXPECT_EQ(host->dispatch(effGetVstVersion), 2400);
    EXPECT_EQ(host->dispatch(effCanDo, 0, 0, const_cast<char*>("receiveVstEvents")), 1);
    EXPECT_EQ(host->dispatch(effCanDo, 0, 0, const_cast<char*>("receiveVstMidiEvent")), 1);
    EXPECT_EQ(host->dispatch(effCanDo, 0, 0, const_cast<char*>("sendVstEvents")), -1);
    EXPECT_EQ(host->eventRequests, 1) << "resume asks the host for MIDI events";

    VstPinProperties pin {};
    ASSERT_EQ(host->dispatch(effGetInputProperties, 1, 0, &pin), 1);
    EXPECT_STREQ(pin.label, "Orvane input 2");
    EXPECT_EQ(pin.flags, kVstPinIsActive | kVstPinIsStereo);
    ASSERT_EQ(host->dispatch(effGetOutputProperties, 0, 0, &pin), 1);
    EXPECT_STREQ(pin.label, "Orvane output 1");
    EXPECT_EQ(pin.flags, kVstPinIsActive | kVstPinIsStereo);
    EXPECT_EQ(host->dispatch(effGetOutputProperties, 2, 0, &pin), 0);
}

TEST(PluginHost, GivesNoEffectToAHostWithoutAVersion)
{
    VstHost host;
    host.vstVersion = 0;
    std::string error;
    EXPECT_FALSE(host.load(ORVANE_PLUGIN_PATH, error));
    EXPECT_EQ(host.effect(), nullptr);
}

TEST(PluginHost, SelectsAndNamesProgramsAndRefusesIndexesOutOfRange)
{
    auto host = loadedHost();
    EXPECT_EQ(host->dispatch(effGetProgram), 0);
    host->dispatch(effSetProgram, 0, 353);
    EXPECT_EQ(host->dispatch(effGetProgram), 353);
    EXPECT_EQ(host->text(effGetProgramName), host->programName(353));
    for (VstIntPtr refused : {VstIntPtr(354), VstIntPtr(-1), VstIntPtr(1) << 32}) {
        host->dispatch(effSetProgram, 0, refused);
        EXPECT_EQ(host->dispatch(effGetProgram), 353) << refused;
    }
    char name[64] = "untouched";
    EXPECT_EQ(host->dispatch(effGetProgramNameIndexed, 354, 0, name), 0);
    EXPECT_EQ(host->dispatch(effGetProgramNameIndexed, -1, 0, name), 0);
    EXPECT_STREQ(name, "untouched");

    // The record keeps 31 characters; the host's 24-byte name buffer gets 23 and a terminator.
    const std::string longName(40, 'n');
    host->dispatch(effSetProgramName, 0, 0, const_cast<char*>(longName.c_str()));
    for (VstInt32 opcode : {effGetProgramName, effGetProgramNameIndexed}) {
        char buffer[64];
        std::memset(buffer, '#', sizeof buffer);
        host->dispatch(opcode, 353, 0, buffer);
        EXPECT_EQ(std::string(buffer), longName.substr(0, 23)) << opcode;
        EXPECT_EQ(buffer[24], '#') << opcode;
    }
    EXPECT_NE(host->programName(352), longName.substr(0, 23));
    OrvPreset saved;
    presetFromBigEndian(host->chunk(true).data() + kHeaderSize, saved);
    EXPECT_EQ(std::string(saved.programName, 31), longName.substr(0, 31));
}

TEST(PluginHost, ParameterTextsAndValuesFollowEachCurve)
{
    auto host = loadedHost();
    EXPECT_EQ(host->text(effGetParamName, 0), "---");
    EXPECT_EQ(host->text(effGetParamLabel, 0), "");
    loadShapedProgram(*host);
    EXPECT_EQ(host->text(effGetParamName, 2), "Cutoff Freq");
    EXPECT_EQ(host->text(effGetParamLabel, 2), "hz");
    EXPECT_EQ(host->text(effGetParamName, 0), "Output Level");
    EXPECT_EQ(host->text(effGetParamLabel, 0), "%");
    EXPECT_EQ(host->findParameter(" tone freq "), 1);

    struct CurveCase {
        int slider;
        float value;
        const char* display;
    };
    // Linear 0..100, square 0..20, cube 20..20000.
    for (const CurveCase& curve : {CurveCase {0, 0.25f, "25.0"}, CurveCase {1, 0.5f, "5.00"},
                                   CurveCase {2, 0.5f, "2518"}}) {
        setParameter(*host, curve.slider, curve.value);
        EXPECT_NEAR(parameter(*host, curve.slider), curve.value, 1e-6f) << curve.slider;
        EXPECT_EQ(host->text(effGetParamDisplay, curve.slider), curve.display);
    }
    setParameter(*host, 2, 2.0f);
    EXPECT_EQ(parameter(*host, 2), 1.0f) << "values above 1 are clamped";
}

TEST(PluginHost, ChunkHeaderIsBigEndianAndCarriesTheLearnTable)
{
    auto host = loadedHost();
    loadShapedProgram(*host);
    host->dispatch(effSetProgram, 0, 5);
    const std::vector<uint8_t> bank = host->chunk(false);
    ASSERT_EQ(bank.size(), kBankSize);
    const uint8_t expectedHeader[kHeaderSize] = {'O', 'R', 'V', 'p', 0, 1, 5, 0, 0, 0, 0, 44, 0, 0, 1, 98,
                                                  0, 0, 9, 196, 0, 0, 0, 5, 0, 0, 0, 7, 123, 0, 123, 0,
                                                  7, 3, 123, 0, 123, 0, 123, 0, 123, 0, 0, 0};
    EXPECT_EQ(std::memcmp(bank.data(), expectedHeader, kHeaderSize), 0);
    OrvPreset first;
    presetFromBigEndian(bank.data() + kHeaderSize, first);
    EXPECT_STREQ(first.programName, "Shaped");

    const std::vector<uint8_t> program = host->chunk(true);
    ASSERT_EQ(program.size(), kHeaderSize + kPresetSize);
    EXPECT_EQ(wordAt(program, 12), 1u);
    EXPECT_EQ(wordAt(program, 20), 5u);
    EXPECT_EQ(std::memcmp(program.data() + kHeaderSize, bank.data() + kHeaderSize + 5 * kPresetSize, kPresetSize), 0);
}

TEST(PluginHost, ChunksRestoreIntoAFreshInstanceBitForBit)
{
    auto original = loadedHost();
    loadShapedProgram(*original);
    original->dispatch(effSetProgram, 0, 200);
    original->dispatch(effSetProgramName, 0, 0, const_cast<char*>("Renamed"));
    // One thread saves a program, the bank, then the program again: the bank it
    // was lent between stays readable, holding what the program does not overwrite.
    const std::vector<uint8_t> firstProgram = original->chunk(true);
    void* lentBank = nullptr;
    ASSERT_EQ(size_t(original->dispatch(effGetChunk, 0, 0, &lentBank)), kBankSize);
    const auto* lentBytes = static_cast<const uint8_t*>(lentBank);
    const std::vector<uint8_t> bank(lentBytes, lentBytes + kBankSize);
    const std::vector<uint8_t> program = original->chunk(true);
    EXPECT_EQ(program, firstProgram);
    EXPECT_TRUE(std::equal(bank.begin() + long(program.size()), bank.end(), lentBytes + program.size()));

    auto restored = loadedHost();
    ASSERT_TRUE(restored->restoreChunk(bank, false));
    EXPECT_EQ(restored->dispatch(effGetProgram), 200);
    EXPECT_EQ(restored->chunk(false), bank);

    auto single = loadedHost();
    single->dispatch(effSetProgram, 0, 17);
    ASSERT_TRUE(single->restoreChunk(program, true));
    EXPECT_EQ(single->dispatch(effGetProgram), 17) << "a program chunk loads into the current slot";
    EXPECT_EQ(single->programName(17), "Renamed");
    const std::vector<uint8_t> reloaded = single->chunk(true);
    EXPECT_EQ(std::vector<uint8_t>(reloaded.begin() + kHeaderSize, reloaded.end()),
              std::vector<uint8_t>(program.begin() + kHeaderSize, program.end()));
}

TEST(PluginHost, MalformedChunksAreRefusedAndChangeNothing)
{
    auto host = loadedHost();
    loadShapedProgram(*host);
    host->dispatch(effSetProgram, 0, 9);
    const std::vector<uint8_t> before = host->chunk(false);
    const std::vector<uint8_t> program = host->chunk(true);

    struct Damage {
        const char* what;
        std::function<void(std::vector<uint8_t>&)> apply;
    };
    const size_t lastRecord = kHeaderSize + (kNumPrograms - 1) * kPresetSize;
    const std::vector<Damage> damages = {
        {"magic", [](auto& c) { c[3] = 'P'; }},
        {"version", [](auto& c) { putWord(c, 4, 0x10400); }},
        {"header size", [](auto& c) { putWord(c, 8, 40); }},
        {"record count", [](auto& c) { putWord(c, 12, 1); }},
        {"record size", [](auto& c) { putWord(c, 16, 2496); }},
        {"current program", [](auto& c) { putWord(c, 20, 354); }},
        {"learn slots", [](auto& c) { putWord(c, 24, 8); }},
        {"learned controller", [](auto& c) { c[28] = 128; }},
        {"learned channel", [](auto& c) { c[29] = 16; }},
        {"short length", [](auto& c) { c.pop_back(); }},
        {"header only", [](auto& c) { c.resize(kHeaderSize); }},
        {"empty", [](auto& c) { c.clear(); }},
        {"last record version", [lastRecord](auto& c) { c[lastRecord + 1] = 9; }},
        {"record magic", [](auto& c) { c[kHeaderSize + 100 * kPresetSize + 7] ^= 1; }},
        {"record sample rate", [](auto& c) { putWord(c, kHeaderSize + 12, 0); }},
    };
    for (const Damage& damage : damages) {
        std::vector<uint8_t> chunk = before;
        damage.apply(chunk);
        EXPECT_FALSE(host->restoreChunk(chunk, false)) << damage.what;
        EXPECT_EQ(host->dispatch(effGetProgram), 9) << damage.what;
        EXPECT_TRUE(host->chunk(false) == before) << damage.what;
    }
    EXPECT_FALSE(host->restoreChunk(before, true)) << "a bank offered as a program";
    EXPECT_FALSE(host->restoreChunk(program, false)) << "a program offered as a bank";
    EXPECT_EQ(host->dispatch(effSetChunk, 0, 0, nullptr), 0);
    EXPECT_TRUE(host->chunk(false) == before);
}

TEST(PluginHost, AccumulatingProcessAddsWhereReplacingReplaces)
{
    constexpr int kFrames = 256;
    std::vector<float> left(kFrames), right(kFrames);
    for (int frame = 0; frame < kFrames; ++frame) {
        left[size_t(frame)] = 0.2f * std::sin(0.05f * float(frame));
        right[size_t(frame)] = 0.1f * std::cos(0.03f * float(frame));
    }
    float* inputs[2] = {left.data(), right.data()};

    auto replacing = loadedHost();
    std::vector<float> replacedLeft(kFrames, 0.5f), replacedRight(kFrames, 0.5f);
    float* replaced[2] = {replacedLeft.data(), replacedRight.data()};
    replacing->processReplacing(inputs, replaced, kFrames);

    auto adding = loadedHost();
    std::vector<float> addedLeft(kFrames, 0.5f), addedRight(kFrames, 0.5f);
    float* added[2] = {addedLeft.data(), addedRight.data()};
    adding->process(inputs, added, kFrames);

    auto inPlace = loadedHost();
    std::vector<float> sharedLeft = left, sharedRight = right;
    float* shared[2] = {sharedLeft.data(), sharedRight.data()};
    inPlace->processReplacing(shared, shared, kFrames);

    double energy = 0.0;
    for (size_t frame = 0; frame < size_t(kFrames); ++frame) {
        energy += double(replacedLeft[frame]) * replacedLeft[frame];
        EXPECT_FLOAT_EQ(addedLeft[frame], 0.5f + replacedLeft[frame]) << frame;
        EXPECT_FLOAT_EQ(addedRight[frame], 0.5f + replacedRight[frame]) << frame;
        EXPECT_EQ(sharedLeft[frame], replacedLeft[frame]) << frame;
        EXPECT_EQ(sharedRight[frame], replacedRight[frame]) << frame;
    }
    EXPECT_GT(energy, 1.0) << "the default program passes its input on";
}

TEST(PluginHost, MidiSelectsProgramsAndDrivesLearnedSliders)
{
    auto host = loadedHost();
    loadShapedProgram(*host);
    setParameter(*host, 2, 0.0f);
    EXPECT_EQ(sendMidi(*host, 0xB3, 8, 127), 1);
    sendMidi(*host, 0xB4, 7, 127);
    EXPECT_EQ(parameter(*host, 2), 0.0f) << "another controller or channel drives nothing";
    sendMidi(*host, 0xB3, 7, 127);
    EXPECT_EQ(parameter(*host, 2), 1.0f);

    sendMidi(*host, 0xC0, 42, 0);
    processBlock(*host);
    EXPECT_EQ(host->dispatch(effGetProgram), 42) << "the block the program change arrives with selects it";
}

// MIDI events in one call follow the host's rule for setParameter and
// effSetProgram: a controller before a program change is the outgoing
// program's, one after it the incoming program's.
TEST(PluginHost, MidiEventsInOneCallTakeEffectInTheirOrder)
{
    auto host = loadedHost();
    auto reference = loadedHost();
    loadShapedProgram(*host);
    loadShapedProgram(*reference);
    const int incoming = host->findProgram("Auto-Wah");

    sendMidi(*host, {{0xB3, 7, 127}, {0xC0, uint8_t(incoming), 0}});
    processBlock(*host);
    setParameter(*reference, 2, 1.0f);
    reference->dispatch(effSetProgram, 0, incoming);
    processBlock(*reference);
    ASSERT_EQ(host->dispatch(effGetProgram), incoming);
    EXPECT_EQ(parameter(*host, 2), parameter(*reference, 2)) << "the incoming program keeps its value";

    // 107/127 would read back otherwise through the cutoff's slider: it is answered as sent.
    sendMidi(*host, {{0xC0, 0, 0}, {0xB3, 7, 107}});
    processBlock(*host);
    reference->dispatch(effSetProgram, 0, 0);
    setParameter(*reference, 2, 107 / 127.0f);
    processBlock(*reference);
    EXPECT_EQ(parameter(*host, 2), 107 / 127.0f) << "the incoming program takes the value";
    EXPECT_TRUE(host->chunk(false) == reference->chunk(false)) << "each value in the program it was sent to";

    // Sixteen program changes before a block, the last to program 0, and a
    // control call between them and the block: only the last change is
    // selected, by the block; of the values set before it, each slider's latest
    // stays with the program playing, and the value sent after it waits for the
    // incoming program. A control call answers as if the change had not come,
    // and getParameter answers the latest value set, also once program 0, which
    // uses no slider, plays.
    const auto valueOfSlider1 = [](VstHost& each) {
        const auto bytes = std::bit_cast<std::array<uint8_t, sizeof(float)>>(parameter(each, 1));
        return std::vector<uint8_t>(bytes.begin(), bytes.end());
    };
    const std::pair<const char*, std::function<std::vector<uint8_t>(VstHost&)>> calls[] = {
        {"no call", valueOfSlider1},
        {"a display poll",
         [](VstHost& each) {
             const std::string text = each.text(effGetParamDisplay, 1) + each.text(effGetParamDisplay, 2);
             return std::vector<uint8_t>(text.begin(), text.end());
         }},
        {"a program save", [](VstHost& each) { return each.chunk(true); }},
        {"a bank save", [](VstHost& each) { return each.chunk(false); }},
        {"a resume",
         [&](VstHost& each) {
             each.dispatch(effMainsChanged, 0, 0);
             each.dispatch(effMainsChanged, 0, 1);
             return valueOfSlider1(each);
         }},
    };
    for (const auto& [name, call] : calls) {
        host = loadedHost();
        reference = loadedHost();
        for (VstHost* each : {host.get(), reference.get()}) {
            each->dispatch(effSetProgram, 0, 5);
            loadShapedProgram(*each);
        }
        const auto shaped = host->dispatch(effGetProgram);
        setParameter(*host, 1, 0.25f);
        setParameter(*host, 2, 0.75f);
        for (int change = 0; change < 15; ++change)
            sendMidi(*host, 0xC0, uint8_t(change), 0);
        setParameter(*host, 2, 0.5f);
        sendMidi(*host, {{0xC0, 0, 0}, {0xB3, 7, 107}});
        const std::vector<uint8_t> answer = call(*host);
        EXPECT_EQ(parameter(*host, 2), 107 / 127.0f) << name << ": not the latest value set";
        EXPECT_EQ(host->dispatch(effGetProgram), shaped) << name << ": selected before the block";
        processBlock(*host);

        setParameter(*reference, 1, 0.25f);
        setParameter(*reference, 2, 0.5f);
        EXPECT_TRUE(call(*reference) == answer) << name << ": answered otherwise";
        reference->dispatch(effSetProgram, 0, 0);
        setParameter(*reference, 2, 107 / 127.0f);
        processBlock(*reference);
        EXPECT_EQ(host->dispatch(effGetProgram), 0) << name;
        EXPECT_EQ(parameter(*host, 2), parameter(*reference, 2)) << name;
        EXPECT_TRUE(host->chunk(false) == reference->chunk(false)) << name << ": a value lost, moved or applied twice";
    }
}

// Controller 123 is the learn table's "none" (and all notes off, which hosts
// send on stop), and a status byte's low nibble is one of 16 channels.
TEST(PluginHost, MidiControlsReachOnlyTheSliderThatLearnedThemOnTheirChannel)
{
    auto host = loadedHost();
    loadShapedProgram(*host);
    for (int slider = 0; slider < kNumSliders; ++slider)
        setParameter(*host, slider, 0.5f);
    sendMidi(*host, 0xB0, 123, 0);
    sendMidi(*host, 0xB3, 123, 127);
    sendMidi(*host, 0xBB, 7, 127); // channel 12 is not channel 4
    processBlock(*host);
    for (int slider = 0; slider < kNumSliders; ++slider)
        EXPECT_EQ(parameter(*host, slider), 0.5f) << slider;
}

// A program the host selects or restores wins over a MIDI program change that
// came before it and waits for the next block; one that comes after still selects.
TEST(PluginHost, TheHostsLaterChoiceOfProgramSupersedesAWaitingMidiProgramChange)
{
    auto host = loadedHost();
    auto other = loadedHost();
    other->dispatch(effSetProgram, 0, 82);
    const std::vector<uint8_t> bankOn82 = other->chunk(false);
    const std::vector<uint8_t> programOf82 = other->chunk(true);

    sendMidi(*host, 0xC0, 0, 0);
    host->dispatch(effSetProgram, 0, 78);
    processBlock(*host);
    EXPECT_EQ(host->dispatch(effGetProgram), 78);

    sendMidi(*host, 0xC0, 100, 0);
    ASSERT_TRUE(host->restoreChunk(bankOn82, false));
    processBlock(*host);
    EXPECT_EQ(host->dispatch(effGetProgram), 82);

    sendMidi(*host, 0xC0, 100, 0);
    ASSERT_TRUE(host->restoreChunk(programOf82, true));
    processBlock(*host);
    EXPECT_EQ(host->dispatch(effGetProgram), 82) << "a restored program is not replaced";

    sendMidi(*host, 0xC0, 100, 0);
    host->dispatch(effMainsChanged, 0, 0);
    host->dispatch(effSetProgram, 0, 83);
    host->dispatch(effMainsChanged, 0, 1);
    processBlock(*host);
    EXPECT_EQ(host->dispatch(effGetProgram), 83);

    host->dispatch(effSetProgram, 0, 5);
    sendMidi(*host, 0xC0, 0, 0);
    processBlock(*host);
    EXPECT_EQ(host->dispatch(effGetProgram), 0) << "a program change after the host's choice, to program 0";

    sendMidi(*host, 0xC0, 100, 0);
    EXPECT_FALSE(host->restoreChunk(std::vector<uint8_t>(kHeaderSize), false));
    host->dispatch(effMainsChanged, 0, 0);
    host->dispatch(effMainsChanged, 0, 1);
    processBlock(*host);
    EXPECT_EQ(host->dispatch(effGetProgram), 100) << "a refused chunk and a suspend and resume are no choice";
}

// A value set just before a program change or a bank save, with no block
// between, is the outgoing program's and is saved; it is applied once only.
TEST(PluginHost, AParameterValueBelongsToTheProgramItWasSetOnUntilAnyBlock)
{
    auto host = loadedHost();
    auto reference = loadedHost();
    auto untouched = loadedHost();
    const int flanger = host->findProgram("Flange 1");
    const int delay = host->findProgram("Simple Delay");
    for (VstHost* each : {host.get(), reference.get()}) {
        each->dispatch(effSetProgram, 0, flanger);
        setParameter(*each, 0, 0.125f);
    }
    processBlock(*reference);
    host->dispatch(effSetProgram, 0, delay);
    untouched->dispatch(effSetProgram, 0, delay);
    processBlock(*host);
    processBlock(*host);
    EXPECT_EQ(parameter(*host, 0), parameter(*untouched, 0)) << "the incoming program keeps its own value";
    EXPECT_EQ(host->text(effGetParamDisplay, 0), untouched->text(effGetParamDisplay, 0));
    host->dispatch(effSetProgram, 0, flanger);
    reference->dispatch(effSetProgram, 0, flanger);
    EXPECT_EQ(parameter(*host, 0), parameter(*reference, 0)) << "the outgoing program kept the value";
    EXPECT_EQ(host->text(effGetParamDisplay, 0), reference->text(effGetParamDisplay, 0));

    setParameter(*host, 3, 0.875f);
    setParameter(*reference, 3, 0.875f);
    processBlock(*reference);
    const std::vector<uint8_t> saved = host->chunk(false);
    auto restored = loadedHost();
    ASSERT_TRUE(restored->restoreChunk(saved, false));
    EXPECT_EQ(parameter(*restored, 3), parameter(*reference, 3)) << "a bank saved before the next block";
    EXPECT_EQ(restored->text(effGetParamDisplay, 3), reference->text(effGetParamDisplay, 3));
}

TEST(PluginHost, AskedOnlyAnAbletonHostToRefreshAfterAProgramChange)
{
    auto other = loadedHost("Orvane");
    other->dispatch(effSetProgram, 0, 3);
    EXPECT_EQ(other->displayRefreshes, 0);
    auto ableton = loadedHost("Ableton");
    ableton->dispatch(effSetProgram, 0, 3);
    sendMidi(*ableton, 0xC0, 4, 0);
    processBlock(*ableton);
    EXPECT_EQ(ableton->displayRefreshes, 2);
}

// A value set while the plug-in is suspended is where its program starts on
// resume, as from a program chunk holding the value: "PitchSweep DownUp"'s
// first slider sets the phase its LFO starts from.
TEST(PluginHost, AValueSetWhileSuspendedIsWhereTheProgramStartsOnResume)
{
    auto suspended = loadedHost();
    auto saved = loadedHost();
    auto restored = loadedHost();
    const int sweep = suspended->findProgram("PitchSweep DownUp");
    for (VstHost* each : {suspended.get(), saved.get()})
        each->dispatch(effSetProgram, 0, sweep);
    ASSERT_EQ(suspended->text(effGetParamName, 0), "LFO Init");
    setParameter(*saved, 0, 0.7f);
    processBlock(*saved);
    ASSERT_TRUE(restored->restoreChunk(saved->chunk(true), true));
    suspended->dispatch(effMainsChanged, 0, 0);
    setParameter(*suspended, 0, 0.7f);
    suspended->dispatch(effMainsChanged, 0, 1);

    const auto played = [](const VstHost& host) {
        std::vector<float> left(4096), right(4096);
        for (size_t frame = 0; frame < left.size(); ++frame)
            left[frame] = right[frame] = std::sin(0.05f * float(frame));
        float* channels[2] = {left.data(), right.data()};
        host.processReplacing(channels, channels, int(left.size()));
        return left;
    };
    EXPECT_TRUE(played(*suspended) == played(*restored));
}

TEST(PluginHost, HostRateTempoAndProgramSetTheTailAndFields)
{
    auto host = loadedHost();
    EXPECT_EQ(host->dispatch(effGetTailSize), 1) << "the default program has no tail";
    loadShapedProgram(*host);
    EXPECT_EQ(host->dispatch(effGetTailSize), 4410);
    auto echo = loadedHost();
    echo->dispatch(effSetProgram, 0, echo->findProgram("Simple Delay"));
    EXPECT_EQ(echo->dispatch(effGetTailSize), 88200);
    setParameter(*echo, 0, 1.0f); // "Delay Time" 4000 ms, before any block applies it
    EXPECT_EQ(echo->dispatch(effGetTailSize), 176400);
    echo->dispatch(effSetSampleRate, 0, 0, nullptr, 192000.0f);
    echo->dispatch(effSetBlockSize, 0, 4096);
    EXPECT_EQ(echo->dispatch(effGetTailSize), (1 << 19) - 4096) << "4 s at 192 kHz leave a block free in the line";

    const size_t tempoFrequency = kHeaderSize + offsetof(OrvPreset, oscFrequency) + 3 * sizeof(float);
    const size_t tempoTime = kHeaderSize + offsetof(OrvPreset, processTime) + 5 * sizeof(float);
    processBlock(*host);
    EXPECT_FLOAT_EQ(floatAt(host->chunk(true), tempoFrequency), 2.0f) << "1 beat at 120 BPM";
    EXPECT_FLOAT_EQ(floatAt(host->chunk(true), tempoTime), 2205.0f) << "50 ms at 120 BPM";
    host->tempo = 90.0;
    processBlock(*host);
    EXPECT_FLOAT_EQ(floatAt(host->chunk(true), tempoFrequency), 1.5f) << "the tempo is read at each block";
    host->tempo = 60.0;
    processBlock(*host);
    EXPECT_FLOAT_EQ(floatAt(host->chunk(true), tempoTime), 4410.0f) << "half the tempo, twice the time";

    host->dispatch(effSetSampleRate, 0, 0, nullptr, 48000.0f);
    const std::vector<uint8_t> program = host->chunk(true);
    EXPECT_EQ(wordAt(program, kHeaderSize + offsetof(OrvPreset, sampleRate)), 48000u);
    EXPECT_NEAR(floatAt(program, kHeaderSize + offsetof(OrvPreset, processTime) + 4 * sizeof(float)), 4800.0f, 0.01f);
}
