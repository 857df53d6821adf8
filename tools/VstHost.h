#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vst/VstInterface.h"

// A minimal VST 2.4 host: loads a plug-in library by path, creates its effect
// through the exported entry and drives it only through the AEffect record.
class VstHost {
public:
    VstHost();
    ~VstHost();
    VstHost(const VstHost&) = delete;
    VstHost& operator=(const VstHost&) = delete;

    // False with `error` set when the library cannot be loaded, has no entry
    // or gives no effect. A path without a slash names a file in the current
    // folder, as any file path does.
    bool load(const std::string& path, std::string& error);
    // Opens the effect at the host's rate and block size, suspended.
    void open();
    // Gives the suspended effect the host's rate and block size again, as a
    // host does before it plays, and resumes it.
    void resume();
    // Opens the effect at the host's rate and block size and resumes it.
    void start();

    AEffect* effect() const { return plugin; }
    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                       float opt = 0.0f) const;

    std::string text(VstInt32 opcode, VstInt32 index = 0) const;
    std::string programName(int index) const;
    // The parameter index whose name (leading and trailing spaces ignored,
    // any case) or number is `key`; -1 when there is none.
    int findParameter(const std::string& key) const;
    // The programs `key` names: the one at an index given as digits, or each
    // whose name (spaces around ignored, any case) is the key or, cut to the
    // 23 characters a host is given, begins it.
    std::vector<int> findPrograms(const std::string& key) const;
    // The first program `key` names; -1 when there is none.
    int findProgram(const std::string& key) const;

    std::vector<uint8_t> chunk(bool isProgram) const;
    bool restoreChunk(std::vector<uint8_t> data, bool isProgram) const;

    void processReplacing(float* const inputs[2], float* const outputs[2], int frames) const;
    void process(float* const inputs[2], float* const outputs[2], int frames) const;

    // What the host answers the plug-in.
    VstInt32 vstVersion = kVstVersion;
    float sampleRate = 44100.0f;
    VstInt32 blockSize = 512;
    double tempo = 120.0;
    std::string vendor = "Orvane";
    VstInt32 processLevel = kVstProcessLevelUnknown;
    // What the plug-in asked of the host.
    int displayRefreshes = 0;
    int eventRequests = 0;

private:
    static VstIntPtr answer(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                            float opt);
    VstIntPtr answerOpcode(VstInt32 opcode, VstIntPtr value, void* ptr);
    void giveAudioSettings() const;

    void* library = nullptr;
    AEffect* plugin = nullptr;
    VstTimeInfo timeInfo {};
};
