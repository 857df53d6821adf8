// Drives the Windows plug-in DLL through its exported entry, as a Windows
// host would: identity, programs, a chunk round trip and a rendered block.

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/VstHost.h"

namespace {

int passed = 0;
int failed = 0;

void check(bool condition, const char* what)
{
    std::printf("%s: %s\n", condition ? "ok" : "FAILED", what);
    (condition ? passed : failed) += 1;
}

bool loadInto(VstHost& host, const char* path)
{
    std::string error;
    if (!host.load(path, error)) {
        std::printf("FAILED: %s\n", error.c_str());
        return false;
    }
    host.start();
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::printf("usage: orvane-host-check OrvanePro.dll\n");
        return 2;
    }
    VstHost host;
    VstHost fresh;
    if (!loadInto(host, argv[1]) || !loadInto(fresh, argv[1]))
        return 1;

    const AEffect& effect = *host.effect();
    check(effect.numPrograms == 354 && effect.numParams == 7, "354 programs and 7 parameters");
    check(effect.numInputs == 2 && effect.numOutputs == 2, "two inputs and two outputs");
    check(effect.uniqueID == fourCharCode('O', 'R', 'V', 'p'), "unique id ORVp");
    check(host.text(effGetEffectName) == "Orvane Pro", "effect name");
    check(host.text(effGetVendorString) == "Brenlow, Inc.", "vendor");
    check(host.dispatch(effGetVendorVersion) == 0x10500, "vendor version");

    host.dispatch(effSetProgram, 0, 120);
    check(host.dispatch(effGetProgram) == 120, "program selected");
    host.dispatch(effSetProgram, 0, 354);
    check(host.dispatch(effGetProgram) == 120, "program 354 refused");
    check(!host.programName(353).empty(), "program names");

    host.dispatch(effSetProgramName, 0, 0, const_cast<char*>("Windows"));
    const std::vector<uint8_t> bank = host.chunk(false);
    check(bank.size() == 44 + 354 * 2500, "bank chunk size");
    check(fresh.restoreChunk(bank, false), "bank chunk restored");
    check(fresh.dispatch(effGetProgram) == 120 && fresh.programName(120) == "Windows", "current program restored");
    check(fresh.chunk(false) == bank, "bank chunk round trip is bit for bit");
    std::vector<uint8_t> damaged = bank;
    damaged[0] = 'X';
    check(!fresh.restoreChunk(damaged, false) && fresh.chunk(false) == bank, "damaged chunk refused");

    constexpr int kFrames = 512;
    std::vector<float> left(kFrames), right(kFrames), outLeft(kFrames), outRight(kFrames);
    for (int frame = 0; frame < kFrames; ++frame)
        left[size_t(frame)] = right[size_t(frame)] = 0.25f * std::sin(0.03f * float(frame));
    float* inputs[2] = {left.data(), right.data()};
    float* outputs[2] = {outLeft.data(), outRight.data()};
    host.dispatch(effSetProgram, 0, 0);
    host.processReplacing(inputs, outputs, kFrames);
    double energy = 0.0;
    bool finite = true;
    for (int frame = 0; frame < kFrames; ++frame) {
        finite = finite && std::isfinite(outLeft[size_t(frame)]) && std::isfinite(outRight[size_t(frame)]);
        energy += double(outLeft[size_t(frame)]) * outLeft[size_t(frame)];
    }
    check(finite && energy > 1.0, "a rendered block carries the signal");

    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
