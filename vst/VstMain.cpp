#include "AudioEffectX.h"

// The library's only exported names (everything else is hidden).
#if defined(_WIN32)
#define ORV_EXPORT __attribute__((dllexport))
#else
#define ORV_EXPORT __attribute__((visibility("default")))
#endif

// The host's entry: a host that answers no VST version gets no effect.
extern "C" ORV_EXPORT AEffect* VSTPluginMain(audioMasterCallback audioMaster)
{
    if (!audioMaster || audioMaster(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0)
        return nullptr;
    return createEffectInstance(audioMaster)->getAeffect();
}

// Older hosts look the entry up as "main"; a C++ function cannot carry that name.
extern "C" ORV_EXPORT AEffect* legacyEntry(audioMasterCallback audioMaster) __asm__("main");

AEffect* legacyEntry(audioMasterCallback audioMaster) { return VSTPluginMain(audioMaster); }
