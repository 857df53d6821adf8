#include "VstHost.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <sys/stat.h>

#include <cerrno>
#endif

namespace {

using EntryProc = AEffect* (*)(audioMasterCallback);

// The host whose plug-in is being created: the entry and the constructor call
// back before the host has seen the effect record.
thread_local VstHost* hostBeingLoaded = nullptr;

void* openLibrary(const std::string& path, std::string& error)
{
#if defined(_WIN32)
    void* handle = reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
    if (!handle)
        error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
#else
    // dlopen searches the library path for a name without a slash.
    const std::string file = path.find('/') == std::string::npos ? "./" + path : path;
    struct stat status {};
    if (stat(file.c_str(), &status) != 0) {
        error = "cannot read " + path + ": " + std::strerror(errno);
        return nullptr;
    }
    if (S_ISDIR(status.st_mode)) {
        error = path + " is a folder, not a VST 2.4 plug-in";
        return nullptr;
    }
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        error = path + " is not a VST 2.4 plug-in: " + dlerror();
#endif
    return handle;
}

EntryProc findEntry(void* library, const char* name)
{
#if defined(_WIN32)
    return reinterpret_cast<EntryProc>(
        reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name)));
#else
    return reinterpret_cast<EntryProc>(dlsym(library, name));
#endif
}

void closeLibrary(void* library)
{
#if defined(_WIN32)
    FreeLibrary(static_cast<HMODULE>(library));
#else
    dlclose(library);
#endif
}

std::string trimmedLower(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return "";
    std::string result = text.substr(first, text.find_last_not_of(' ') - first + 1);
    for (char& letter : result)
        letter = char(std::tolower(uint8_t(letter)));
    return result;
}

// An index given as digits, or -1.
int indexFromDigits(const std::string& key)
{
    if (key.empty() || key.find_first_not_of("0123456789") != std::string::npos || key.size() > 6)
        return -1;
    return std::atoi(key.c_str());
}

} // namespace

VstHost::VstHost()
{
    timeInfo.flags = kVstTempoValid;
}

VstHost::~VstHost()
{
    if (plugin)
        dispatch(effClose);
    if (library)
        closeLibrary(library);
}

bool VstHost::load(const std::string& path, std::string& error)
{
    library = openLibrary(path, error);
    if (!library)
        return false;
    EntryProc entry = findEntry(library, "VSTPluginMain");
    if (!entry)
        entry = findEntry(library, "main");
    if (!entry) {
        error = path + " is not a VST 2.4 plug-in: it exports no VSTPluginMain";
        return false;
    }
    hostBeingLoaded = this;
    plugin = entry(answer);
    hostBeingLoaded = nullptr;
    if (!plugin || plugin->magic != kEffectMagic) {
        plugin = nullptr;
        error = path + " gave no VST effect";
        return false;
    }
    plugin->resvd1 = reinterpret_cast<VstIntPtr>(this);
    return true;
}

void VstHost::open()
{
    dispatch(effOpen);
    giveAudioSettings();
}

void VstHost::resume()
{
    giveAudioSettings();
    dispatch(effMainsChanged, 0, 1);
}

void VstHost::start()
{
    dispatch(effOpen);
    resume();
}

void VstHost::giveAudioSettings() const
{
    dispatch(effSetSampleRate, 0, 0, nullptr, sampleRate);
    dispatch(effSetBlockSize, 0, blockSize);
}

VstIntPtr VstHost::dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) const
{
    return plugin->dispatcher(plugin, opcode, index, value, ptr, opt);
}

VstIntPtr VstHost::answer(AEffect* effect, VstInt32 opcode, VstInt32, VstIntPtr value, void* ptr, float)
{
    VstHost* host = effect && effect->resvd1 ? reinterpret_cast<VstHost*>(effect->resvd1) : hostBeingLoaded;
    return host ? host->answerOpcode(opcode, value, ptr) : 0;
}

VstIntPtr VstHost::answerOpcode(VstInt32 opcode, VstIntPtr, void* ptr)
{
    switch (opcode) {
    case audioMasterVersion:
        return vstVersion;
    case audioMasterGetSampleRate:
        return VstIntPtr(sampleRate);
    case audioMasterGetBlockSize:
        return blockSize;
    case audioMasterGetCurrentProcessLevel:
        return processLevel;
    case audioMasterGetTime:
        timeInfo.sampleRate = sampleRate;
        timeInfo.tempo = tempo;
        return reinterpret_cast<VstIntPtr>(&timeInfo);
    case audioMasterWantMidi:
        ++eventRequests;
        return 1;
    case audioMasterUpdateDisplay:
        ++displayRefreshes;
        return 1;
    case audioMasterGetVendorString:
        std::strncpy(static_cast<char*>(ptr), vendor.c_str(), kVstMaxVendorStrLen - 1);
        return 1;
    default:
        return 0;
    }
}

std::string VstHost::text(VstInt32 opcode, VstInt32 index) const
{
    char buffer[256] {};
    dispatch(opcode, index, 0, buffer);
    return buffer;
}

std::string VstHost::programName(int index) const
{
    char buffer[256] {};
    dispatch(effGetProgramNameIndexed, index, 0, buffer);
    return buffer;
}

int VstHost::findParameter(const std::string& key) const
{
    const int number = indexFromDigits(key);
    if (number >= 0)
        return number < plugin->numParams ? number : -1;
    // By its name, or by the name and unit as the plug-in's caption reads ("Freq Hz").
    const std::string wanted = trimmedLower(key);
    for (int index = 0; index < plugin->numParams; ++index) {
        const std::string name = trimmedLower(text(effGetParamName, index));
        const std::string label = trimmedLower(text(effGetParamLabel, index));
        if (wanted == name || (!label.empty() && wanted == name + " " + label))
            return index;
    }
    return -1;
}

std::vector<int> VstHost::findPrograms(const std::string& key) const
{
    const int number = indexFromDigits(key);
    if (number >= 0)
        return number < plugin->numPrograms ? std::vector<int> {number} : std::vector<int> {};
    const std::string wanted = trimmedLower(key);
    std::vector<int> found;
    for (int index = 0; index < plugin->numPrograms; ++index) {
        const std::string name = programName(index);
        const bool cut = name.size() == kVstMaxProgNameLen - 1;
        if (trimmedLower(name) == wanted || (cut && wanted.starts_with(trimmedLower(name))))
            found.push_back(index);
    }
    return found;
}

int VstHost::findProgram(const std::string& key) const
{
    const std::vector<int> found = findPrograms(key);
    return found.empty() ? -1 : found.front();
}

std::vector<uint8_t> VstHost::chunk(bool isProgram) const
{
    void* data = nullptr;
    const VstIntPtr size = dispatch(effGetChunk, isProgram ? 1 : 0, 0, &data);
    if (size <= 0 || !data)
        return {};
    const auto* bytes = static_cast<const uint8_t*>(data);
    return std::vector<uint8_t>(bytes, bytes + size);
}

bool VstHost::restoreChunk(std::vector<uint8_t> data, bool isProgram) const
{
    return dispatch(effSetChunk, isProgram ? 1 : 0, VstIntPtr(data.size()), data.data()) == 1;
}

void VstHost::processReplacing(float* const inputs[2], float* const outputs[2], int frames) const
{
    plugin->processReplacing(plugin, const_cast<float**>(inputs), const_cast<float**>(outputs), frames);
}

void VstHost::process(float* const inputs[2], float* const outputs[2], int frames) const
{
    plugin->process(plugin, const_cast<float**>(inputs), const_cast<float**>(outputs), frames);
}
