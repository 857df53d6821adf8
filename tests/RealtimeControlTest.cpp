// While a control thread holds the plug-in's lock, the calls a host makes on
// its audio thread return at once: parameter changes and MIDI wait for the
// next block, and a block that cannot get the lock in time plays silence. A
// control call that waits to print on the console holds no lock meanwhile.

#include <gtest/gtest.h>

#include <algorithm>

#include <chrono>
#include <cstring>
#include <future>
#include <optional>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "HostCalls.h"
#include "plugin/AOrv.h"
#include "plugin/OrvChunk.h"

class AOrvLockHolder {
public:
    explicit AOrvLockHolder(AOrv& plugIn) : lock_(plugIn.lock) { lock_.lock(); }
    ~AOrvLockHolder() { release(); }
    void release()
    {
        if (held_)
            lock_.unlock();
        held_ = false;
    }

private:
    RealtimeMutex& lock_;
    bool held_ = true;
};

namespace {

// The host's answers to the process-level question, numbered as the VST 2.4
// interface numbers them, not taken from the plug-in's own header.
constexpr VstInt32 kGetCurrentProcessLevel = 23;
constexpr VstIntPtr kRealtimeLevel = 2;
constexpr VstIntPtr kOfflineLevel = 4;

VstIntPtr silentHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
{
    return opcode == audioMasterVersion ? kVstVersion : 0;
}

VstIntPtr offlineHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
{
    if (opcode == kGetCurrentProcessLevel)
        return kOfflineLevel;
    return opcode == audioMasterVersion ? kVstVersion : 0;
}

VstIntPtr realtimeHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
{
    if (opcode == kGetCurrentProcessLevel)
        return kRealtimeLevel;
    return opcode == audioMasterVersion ? kVstVersion : 0;
}

std::string parameterDisplay(AEffect* effect, int index)
{
    char text[64] = {};
    effect->dispatcher(effect, effGetParamDisplay, index, 0, text, 0.0f);
    return text;
}

std::vector<float> playBlock(AEffect* effect)
{
    std::vector<float> left(64, 0.5f), right(64, 0.5f);
    float* channels[2] = {left.data(), right.data()};
    effect->processReplacing(effect, channels, channels, 64);
    return left;
}

// Standard output goes into a pipe for the object's life, read when the test asks.
class StandardOutputPipe {
public:
    StandardOutputPipe()
    {
        std::fflush(stdout);
        if (pipe(ends) != 0)
            ADD_FAILURE() << "no pipe";
        saved = dup(STDOUT_FILENO);
        dup2(ends[1], STDOUT_FILENO);
        fcntl(ends[0], F_SETFL, O_NONBLOCK);
    }
    ~StandardOutputPipe()
    {
        read();
        std::fflush(stdout);
        dup2(saved, STDOUT_FILENO);
        for (int descriptor : {saved, ends[0], ends[1]})
            close(descriptor);
    }
    // Fills the pipe, so that the next write to standard output waits for a reader.
    void fill()
    {
        fcntl(ends[1], F_SETFL, O_NONBLOCK);
        const char byte = '.';
        while (write(ends[1], &byte, 1) == 1) {
        }
        fcntl(ends[1], F_SETFL, 0);
    }
    // Whatever was written since the last read, without the bytes that filled the pipe.
    std::string read()
    {
        std::string text;
        char buffer[4096];
        for (ssize_t count; (count = ::read(ends[0], buffer, sizeof buffer)) > 0;)
            text.append(buffer, size_t(count));
        const size_t written = text.find_first_not_of('.');
        return written == std::string::npos ? std::string() : text.substr(written);
    }

private:
    int ends[2] = {-1, -1};
    int saved = -1;
};

// Sets the first `sliders` sliders of a chunk's record far above their maximum, or far below their minimum.
void putSlidersOutOfRange(std::vector<uint8_t>& chunk, int record, int sliders, bool above)
{
    const uint8_t farAbove[4] = {0x4E, 0x6E, 0x6B, 0x28}; // 1e9, big-endian
    const uint8_t farBelow[4] = {0xCE, 0x6E, 0x6B, 0x28}; // -1e9
    for (int slider = 0; slider < sliders; ++slider) {
        const size_t offset = kChunkHeaderSize + size_t(record) * kPresetSize + offsetof(OrvPreset, sliderCurrent) +
                              size_t(slider) * sizeof(float);
        std::memcpy(chunk.data() + offset, above ? farAbove : farBelow, sizeof farAbove);
    }
}

std::vector<uint8_t> savedChunk(AEffect* effect, bool isPreset)
{
    void* chunk = nullptr;
    const auto size = size_t(effect->dispatcher(effect, effGetChunk, isPreset, 0, &chunk, 0.0f));
    return std::vector<uint8_t>(static_cast<const uint8_t*>(chunk), static_cast<const uint8_t*>(chunk) + size);
}

// The first program a MIDI program change reaches whose first slider drives a field.
int programWithASlider(AEffect* effect)
{
    for (int program = 1; program < 128; ++program) {
        effect->dispatcher(effect, effSetProgram, 0, program, nullptr, 0.0f);
        if (!parameterDisplay(effect, 0).empty())
            return program;
    }
    return -1;
}

} // namespace

TEST(RealtimeControl, AudioThreadCallsReturnWhileTheLockIsHeldAndReachTheNextBlock)
{
    std::unique_ptr<AOrv> plugIn(static_cast<AOrv*>(createEffectInstance(silentHost)));
    std::unique_ptr<AOrv> reference(static_cast<AOrv*>(createEffectInstance(silentHost)));
    AEffect* effect = plugIn->getAeffect();
    AEffect* expected = reference->getAeffect();
    const int program = programWithASlider(expected);
    ASSERT_GT(program, 0);
    expected->setParameter(expected, 0, 0.75f);

    AOrvLockHolder holder(*plugIn);
    auto audioThreadCalls = std::async(std::launch::async, [&] {
        sendMidi(effect, 0xC0, uint8_t(program), 0);
        effect->setParameter(effect, 0, 0.75f);
        const float value = effect->getParameter(effect, 0);
        const std::vector<float> block = playBlock(effect);
        return std::make_pair(value, block);
    });
    const bool returned = audioThreadCalls.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    holder.release();
    ASSERT_TRUE(returned) << "a call on the audio thread waited for the lock";
    const auto [value, block] = audioThreadCalls.get();
    EXPECT_EQ(value, 0.75f);
    EXPECT_EQ(block, std::vector<float>(64, 0.0f)) << "a block that cannot get the lock plays silence";

    EXPECT_EQ(effect->dispatcher(effect, effGetProgram, 0, 0, nullptr, 0.0f), 0) << "selected by the next block";
    playBlock(effect);
    EXPECT_EQ(effect->dispatcher(effect, effGetProgram, 0, 0, nullptr, 0.0f), program);
    EXPECT_EQ(effect->getParameter(effect, 0), 0.75f);
    EXPECT_EQ(parameterDisplay(effect, 0), parameterDisplay(expected, 0));
    playBlock(expected);
    void* saved = nullptr;
    void* expectedSaved = nullptr;
    const auto size = effect->dispatcher(effect, effGetChunk, 1, 0, &saved, 0.0f);
    ASSERT_EQ(expected->dispatcher(expected, effGetChunk, 1, 0, &expectedSaved, 0.0f), size);
    EXPECT_EQ(std::memcmp(saved, expectedSaved, size_t(size)), 0) << "the same program with the same slider value";
}

// Offline, as in an export, no block is late: one waits for a lock held for
// milliseconds and then plays. In real time, a block waits at least its
// shortest wait before it gives up and plays silence.
TEST(RealtimeControl, OfflineBlocksWaitForTheLockAndRealTimeBlocksWaitTheirShortestWait)
{
    using namespace std::chrono;
    std::unique_ptr<AOrv> exporting(static_cast<AOrv*>(createEffectInstance(offlineHost)));
    AEffect* offline = exporting->getAeffect();
    AOrvLockHolder offlineHolder(*exporting);
    auto offlineBlock = std::async(std::launch::async, [&] { return playBlock(offline); });
    const bool waited = offlineBlock.wait_for(milliseconds(5)) == std::future_status::timeout;
    offlineHolder.release();
    EXPECT_TRUE(waited) << "an offline block gave up on the lock";
    const std::vector<float> played = offlineBlock.get();
    EXPECT_TRUE(std::any_of(played.begin(), played.end(), [](float sample) { return sample != 0.0f; }))
        << "the default program passes its input on";

    // 64 frames at 96 kHz last 667 microseconds: a real-time block waits half that.
    std::unique_ptr<AOrv> streaming(static_cast<AOrv*>(createEffectInstance(realtimeHost)));
    AEffect* realTime = streaming->getAeffect();
    realTime->dispatcher(realTime, effSetSampleRate, 0, 0, nullptr, 96000.0f);
    AOrvLockHolder realTimeHolder(*streaming);
    auto realTimeBlocks = std::async(std::launch::async, [&] {
        std::vector<float> blocks;
        steady_clock::duration shortest = hours(1);
        for (int block = 0; block < 5; ++block) {
            const auto start = steady_clock::now();
            const std::vector<float> samples = playBlock(realTime);
            shortest = std::min(shortest, steady_clock::now() - start);
            blocks.insert(blocks.end(), samples.begin(), samples.end());
        }
        return std::make_pair(blocks, shortest);
    });
    const bool gaveUp = realTimeBlocks.wait_for(seconds(5)) == std::future_status::ready;
    realTimeHolder.release();
    ASSERT_TRUE(gaveUp) << "a real-time block waited for the lock without limit";
    const auto [silent, shortest] = realTimeBlocks.get();
    EXPECT_EQ(silent, std::vector<float>(5 * 64, 0.0f));
    EXPECT_GE(shortest, microseconds(300)) << "half of 64 frames at 96 kHz";
    EXPECT_LT(shortest, microseconds(600)) << "the wait follows the host's rate";
}

// A program loaded with a slider out of range is reported on standard output.
// When no one reads it and the pipe is full, the control call that loaded the
// program waits to print, but offline blocks play on meanwhile. Reports from
// program changes on the audio thread wait for the next control call, which
// prints the first 16.
TEST(RealtimeControl, AConsoleMessageWaitingForAFullPipeStallsNoBlock)
{
    using namespace std::chrono;
    std::unique_ptr<AOrv> plugIn(static_cast<AOrv*>(createEffectInstance(offlineHost)));
    AEffect* effect = plugIn->getAeffect();
    effect->dispatcher(effect, effSetProgram, 0, 78, nullptr, 0.0f);
    std::vector<uint8_t> program = savedChunk(effect, true);
    putSlidersOutOfRange(program, 0, 1, true);
    std::vector<uint8_t> bank = savedChunk(effect, false);
    putSlidersOutOfRange(bank, 79, kNumSliders, true);
    putSlidersOutOfRange(bank, 80, kNumSliders, false);
    putSlidersOutOfRange(bank, 81, kNumSliders, true);
    ASSERT_NE(effect->getParameter(effect, 0), 1.0f);

    std::optional<bool> played;
    int soundingBlocks = 0;
    std::string printedByRestore, printedByBlock, printedByControlCall;
    {
        StandardOutputPipe output;
        output.fill();
        std::atomic<bool> restored {false};
        std::thread control([&] {
            effect->dispatcher(effect, effSetChunk, 1, VstIntPtr(program.size()), program.data(), 0.0f);
            restored = true;
        });
        // The restored program's slider stands at its maximum once the restore has made it current.
        const auto giveUp = steady_clock::now() + seconds(5);
        while (effect->getParameter(effect, 0) != 1.0f && steady_clock::now() < giveUp)
            std::this_thread::yield();
        auto blocks = std::async(std::launch::async, [&] {
            for (int block = 0; block < 20; ++block) {
                const std::vector<float> samples = playBlock(effect);
                soundingBlocks += std::any_of(samples.begin(), samples.end(), [](float s) { return s != 0.0f; });
            }
        });
        played = blocks.wait_for(seconds(5)) == std::future_status::ready;
        while (!restored)
            printedByRestore += output.read();
        control.join();
        blocks.wait();
        printedByRestore += output.read();

        effect->dispatcher(effect, effSetChunk, 0, VstIntPtr(bank.size()), bank.data(), 0.0f);
        output.read();
        for (const uint8_t outOfRange : {79, 80, 81}) {
            sendMidi(effect, 0xC0, outOfRange, 0);
            playBlock(effect);
        }
        printedByBlock = output.read();
        effect->dispatcher(effect, effGetProgram, 0, 0, nullptr, 0.0f);
        printedByControlCall = output.read();
    }
    EXPECT_TRUE(*played) << "a block waited while a control call printed";
    EXPECT_EQ(soundingBlocks, 20);
    EXPECT_EQ(printedByRestore, "Orvane: preset Auto-Wah has sliderCurrent > sliderMax\n");
    EXPECT_EQ(printedByBlock, "");
    std::string expected;
    for (int line = 0; line < 16; ++line) {
        char name[kVstMaxProgNameLen] {};
        effect->dispatcher(effect, effGetProgramNameIndexed, 79 + line / kNumSliders, 0, name, 0.0f);
        expected += std::string("Orvane: preset ") + name +
                    (line / kNumSliders == 1 ? " has sliderCurrent < sliderMin\n" : " has sliderCurrent > sliderMax\n");
    }
    EXPECT_EQ(printedByControlCall, expected);
}
