// A host that answers the plug-in's questions by calling back into it, as some
// real hosts' scanners do: every callback the plug-in makes on a live effect
// dispatches opcodes on that effect before it answers.

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cmath>
#include <vector>

#include "vst/VstInterface.h"

namespace {

struct ReentrantHost {
    static inline int reentries = 0;
    static inline bool inside = false;
    static inline VstTimeInfo time {};

    static void reenter(AEffect* effect)
    {
        inside = true;
        ++reentries;
        char text[64] = {};
        void* chunk = nullptr;
        effect->dispatcher(effect, effSetSampleRate, 0, 0, nullptr, 48000.0f);
        effect->dispatcher(effect, effSetBlockSize, 0, 64, nullptr, 0.0f);
        effect->dispatcher(effect, effGetProgramName, 0, 0, text, 0.0f);
        effect->dispatcher(effect, effGetParamDisplay, 0, 0, text, 0.0f);
        effect->dispatcher(effect, effGetTailSize, 0, 0, nullptr, 0.0f);
        effect->dispatcher(effect, effGetChunk, 1, 0, &chunk, 0.0f);
        effect->setParameter(effect, 0, effect->getParameter(effect, 0));
        inside = false;
    }

    static VstIntPtr answer(AEffect* effect, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
    {
        if (effect && !inside)
            reenter(effect);
        switch (opcode) {
        case audioMasterVersion:
            return kVstVersion;
        case audioMasterGetSampleRate:
            return 48000;
        case audioMasterGetBlockSize:
            return 64;
        case audioMasterGetTime:
            time.sampleRate = 48000.0;
            time.tempo = 100.0;
            time.flags = kVstTempoValid;
            return reinterpret_cast<VstIntPtr>(&time);
        default:
            return 0;
        }
    }
};

TEST(ReentrantHost, EveryCallbackMayCallBackIntoThePlugIn)
{
    void* library = dlopen(ORVANE_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    const auto entry = reinterpret_cast<AEffect* (*)(audioMasterCallback)>(dlsym(library, "VSTPluginMain"));
    ASSERT_NE(entry, nullptr);
    AEffect* effect = entry(ReentrantHost::answer);
    ASSERT_NE(effect, nullptr);

    const auto dispatch = [effect](VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                                   float opt = 0.0f) { return effect->dispatcher(effect, opcode, index, value, ptr, opt); };
    dispatch(effOpen);
    dispatch(effSetSampleRate, 0, 0, nullptr, 48000.0f);
    dispatch(effSetBlockSize, 0, 64);
    dispatch(effMainsChanged, 0, 1);
    dispatch(effSetProgram, 0, 78);
    void* chunk = nullptr;
    const VstIntPtr size = dispatch(effGetChunk, 1, 0, &chunk);
    const std::vector<char> program(static_cast<char*>(chunk), static_cast<char*>(chunk) + size);
    EXPECT_EQ(dispatch(effSetChunk, 1, VstIntPtr(program.size()), const_cast<char*>(program.data())), 1);

    std::vector<float> left(64, 0.25f), right(64, -0.25f);
    float* channels[2] = {left.data(), right.data()};
    for (int block = 0; block < 20; ++block)
        effect->processReplacing(effect, channels, channels, 64);
    for (float sample : left)
        ASSERT_TRUE(std::isfinite(sample));
    EXPECT_EQ(dispatch(effGetProgram), 78);
    EXPECT_GT(ReentrantHost::reentries, 20) << "every block asks the host for its time";
    dispatch(effMainsChanged, 0, 0);
    dispatch(effClose);
    dlclose(library);
}

} // namespace
