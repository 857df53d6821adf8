// Renders every program over the same stereo test signal and prints the cost per
// stereo frame, with sox's flanger on that signal as a reference.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "plugin/OrvCore.h"

namespace {

constexpr float kRate = 44100.0f;
constexpr int kBlockFrames = 512;
constexpr int kSignalSeconds = 4;
constexpr int kSoxRuns = 3;
// Every program is timed once per sweep over the bank and its fastest sweep counts, as
// other work on the machine only ever slows a run down, often for seconds at a time.
constexpr int kSweeps = 3;

using Clock = std::chrono::steady_clock;

struct Signal {
    std::vector<float> left;
    std::vector<float> right;
};

// Two detuned tones, a slow chirp and a little noise, at about -10 dBFS.
Signal testSignal(int frames)
{
    Signal signal {std::vector<float>(size_t(frames)), std::vector<float>(size_t(frames))};
    uint32_t noise = 12345;
    for (int n = 0; n < frames; ++n) {
        const double t = n / double(kRate);
        noise = noise * 1664525u + 1013904223u;
        const double hiss = (double(noise >> 8) / double(1u << 24) - 0.5) * 0.05;
        const double chirp = std::sin(2.0 * std::numbers::pi * (100.0 * t + 150.0 * t * t / kSignalSeconds));
        signal.left[size_t(n)] = float(0.15 * std::sin(2.0 * std::numbers::pi * 220.0 * t) + 0.1 * chirp + hiss);
        signal.right[size_t(n)] = float(0.15 * std::sin(2.0 * std::numbers::pi * 331.0 * t) + 0.1 * chirp - hiss);
    }
    return signal;
}

double nanosecondsPerFrame(Clock::duration elapsed, int frames)
{
    return std::chrono::duration<double, std::nano>(elapsed).count() / frames;
}

double renderProgram(OrvCore& core, int index, const Signal& signal, Signal& output)
{
    selectProgram(core, index);
    const int frames = int(signal.left.size());
    const auto start = Clock::now();
    for (int done = 0; done < frames; done += kBlockFrames) {
        const int count = std::min(kBlockFrames, frames - done);
        const float* inputs[2] = {signal.left.data() + done, signal.right.data() + done};
        float* outputs[2] = {output.left.data() + done, output.right.data() + done};
        processBlock(*core.engine, *core.current, inputs, outputs, count, core.sampleRate, true);
    }
    return nanosecondsPerFrame(Clock::now() - start, frames);
}

void writeFloatWave(const std::string& path, const Signal& signal)
{
    const uint32_t frames = uint32_t(signal.left.size());
    const uint32_t dataBytes = frames * 2 * sizeof(float);
    std::ofstream file(path, std::ios::binary);
    const auto put32 = [&](uint32_t value) { file.write(reinterpret_cast<const char*>(&value), 4); };
    const auto put16 = [&](uint16_t value) { file.write(reinterpret_cast<const char*>(&value), 2); };
    file.write("RIFF", 4);
    put32(36 + dataBytes);
    file.write("WAVEfmt ", 8);
    put32(16);
    put16(3); // IEEE float
    put16(2);
    put32(uint32_t(kRate));
    put32(uint32_t(kRate) * 2 * sizeof(float));
    put16(2 * sizeof(float));
    put16(32);
    file.write("data", 4);
    put32(dataBytes);
    for (uint32_t n = 0; n < frames; ++n) {
        file.write(reinterpret_cast<const char*>(&signal.left[n]), sizeof(float));
        file.write(reinterpret_cast<const char*>(&signal.right[n]), sizeof(float));
    }
}

// Best of a few runs of a shell command, in seconds; negative when it failed.
double bestRunSeconds(const std::string& command)
{
    double best = -1.0;
    for (int run = 0; run < kSoxRuns; ++run) {
        const auto start = Clock::now();
        if (std::system(command.c_str()) != 0)
            return -1.0;
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        best = best < 0.0 ? seconds : std::min(best, seconds);
    }
    return best;
}

// sox's flanger cost per frame: a run with the effect less a plain read of the same file.
double soxFlangerNanoseconds(const Signal& signal)
{
    const std::string path = "/tmp/orvane_bench_signal.wav";
    writeFloatWave(path, signal);
    const double plain = bestRunSeconds("sox -q " + path + " -n 2>/dev/null");
    const double flanged = bestRunSeconds("sox -q " + path + " -n flanger 2>/dev/null");
    std::remove(path.c_str());
    if (plain < 0.0 || flanged < 0.0)
        return -1.0;
    return std::max(0.0, flanged - plain) * 1e9 / double(signal.left.size());
}

long residentKilobytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0)
            return std::atol(line.c_str() + std::strlen(field));
    }
    return -1;
}

} // namespace

int main()
{
    const long residentBefore = residentKilobytes("VmRSS:");
    OrvCore core;
    initCore(core, kRate, kBlockFrames);
    const long residentAfter = residentKilobytes("VmRSS:");

    const int frames = int(kRate) * kSignalSeconds;
    const Signal signal = testSignal(frames);
    Signal output {std::vector<float>(size_t(frames)), std::vector<float>(size_t(frames))};
    const double realTimeNanoseconds = 1e9 / kRate;

    std::vector<double> costs(kNumPrograms, 1e300);
    for (int sweep = 0; sweep < kSweeps; ++sweep) {
        for (int index = 0; index < kNumPrograms; ++index)
            costs[size_t(index)] = std::min(costs[size_t(index)], renderProgram(core, index, signal, output));
    }

    double flangeCost = -1.0;
    std::printf("%4s  %-32s %10s %10s\n", "#", "program", "ns/frame", "x realtime");
    for (int index = 0; index < kNumPrograms; ++index) {
        const OrvPreset& preset = core.bank[index];
        std::printf("%4d  %-32.32s %10.1f %10.0f\n", index, preset.programName, costs[size_t(index)],
                    realTimeNanoseconds / costs[size_t(index)]);
        if (std::strncmp(preset.programName, "Flange 1", sizeof preset.programName) == 0)
            flangeCost = costs[size_t(index)];
    }

    std::vector<double> sorted = costs;
    std::sort(sorted.begin(), sorted.end());
    const double median = (sorted[kNumPrograms / 2 - 1] + sorted[kNumPrograms / 2]) / 2.0;
    std::printf("\nns per stereo frame over %d programs, %d s at %.0f Hz in %d-frame blocks, best of %d sweeps:\n",
                kNumPrograms, kSignalSeconds, double(kRate), kBlockFrames, kSweeps);
    std::printf("  min %.1f  median %.1f  max %.1f   (x realtime: %.0f / %.0f / %.0f)\n", sorted.front(), median,
                sorted.back(), realTimeNanoseconds / sorted.front(), realTimeNanoseconds / median,
                realTimeNanoseconds / sorted.back());
    if (flangeCost >= 0.0)
        std::printf("  \"Flange 1\": %.1f ns per frame\n", flangeCost);
    else
        std::printf("  \"Flange 1\" is not in the bank yet\n");

    const double sox = soxFlangerNanoseconds(signal);
    if (sox >= 0.0)
        std::printf("  sox flanger on the same signal: %.1f ns per frame (x realtime %.0f)\n", sox,
                    realTimeNanoseconds / std::max(sox, 1e-9));
    else
        std::printf("  sox is not available\n");
    std::printf("resident memory: %ld kB before the plug-in core, %ld kB with it (peak %ld kB)\n", residentBefore,
                residentAfter, residentKilobytes("VmHWM:"));
    return 0;
}
