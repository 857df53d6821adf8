// While a control thread holds the plug-in's lock, the calls a host makes on
// its audio thread return at once: parameter changes and MIDI wait for the
// next block, and a block that cannot get the lock in time plays silence.

#include <gtest/gtest.h>

#include <algorithm>

#include <chrono>
#include <cstring>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "HostCalls.h"
#include "plugin/AOrv.h"

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

VstIntPtr silentHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
{
    return opcode == audioMasterVersion ? kVstVersion : 0;
}

VstIntPtr offlineHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
{
    if (opcode == audioMasterGetCurrentProcessLevel)
        return kVstProcessLevelOffline;
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

    std::unique_ptr<AOrv> streaming(static_cast<AOrv*>(createEffectInstance(silentHost)));
    AEffect* realTime = streaming->getAeffect();
    AOrvLockHolder realTimeHolder(*streaming);
    const auto [silent, blockTime] = std::async(std::launch::async, [&] {
        const auto start = steady_clock::now();
        const std::vector<float> block = playBlock(realTime);
        return std::make_pair(block, steady_clock::now() - start);
    }).get();
    EXPECT_EQ(silent, std::vector<float>(64, 0.0f));
    EXPECT_GE(blockTime, microseconds(150)) << "64 frames at 44100 Hz wait the shortest wait, 150 microseconds";
}
