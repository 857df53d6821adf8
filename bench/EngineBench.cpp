// Renders every program over the same stereo test signal, prints the cost per stereo
// frame at two block sizes, and states the engine's speed and memory goals as ratios to
// sox's flanger and phaser on that signal, all measured in this one run.
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
constexpr int kSmallBlockFrames = 16;
constexpr int kSignalSeconds = 4;
// sox runs over the signal repeated, so its net cost stands well above its start-up jitter.
constexpr int kSoxRepeats = 8;
// Every program is timed once per sweep over the bank and its fastest sweep counts, as
// other work on the machine only ever slows a run down, often for seconds at a time;
// sox runs between the sweeps, so its best run comes from the same spell.
constexpr int kSweeps = 3;
constexpr int kSoxRunsPerSweep = 2;
// Memory is the resident growth from one more core that plays each program this long.
constexpr int kMemoryFrames = int(kRate) / 4;
// Today's figure by this measure: the bank's records and the delay pool. (The first core of
// a process also brings in the engine's code and the runtime's own, about 1 MB more.)
constexpr double kTodayInstanceMegabytes = 5.0;

// sox 14.4.2's default phaser, written out: gain-in 0.4, gain-out 0.74, delay 3 ms,
// decay 0.4, speed 0.5 Hz, sine modulation. The flanger runs at its defaults.
constexpr const char* kSoxFlanger = "flanger";
constexpr const char* kSoxPhaser = "phaser 0.4 0.74 3 0.4 0.5 -s";

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

// Plays the program over the first `frames` of the signal; nanoseconds per stereo frame.
double renderProgram(OrvCore& core, int index, int blockFrames, const Signal& signal, Signal& output, int frames)
{
    selectProgram(core, index);
    const auto start = Clock::now();
    for (int done = 0; done < frames; done += blockFrames) {
        const int count = std::min(blockFrames, frames - done);
        const float* inputs[2] = {signal.left.data() + done, signal.right.data() + done};
        float* outputs[2] = {output.left.data() + done, output.right.data() + done};
        processBlock(*core.engine, *core.current, inputs, outputs, count, core.sampleRate, true);
    }
    return nanosecondsPerFrame(Clock::now() - start, frames);
}

void writeFloatWave(const std::string& path, const Signal& signal, int repeats)
{
    const uint32_t frames = uint32_t(signal.left.size()) * uint32_t(repeats);
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
    for (int repeat = 0; repeat < repeats; ++repeat) {
        for (size_t n = 0; n < signal.left.size(); ++n) {
            file.write(reinterpret_cast<const char*>(&signal.left[n]), sizeof(float));
            file.write(reinterpret_cast<const char*>(&signal.right[n]), sizeof(float));
        }
    }
}

// Seconds one run of a shell command takes; negative when it failed.
double runSeconds(const std::string& command)
{
    const auto start = Clock::now();
    if (std::system(command.c_str()) != 0)
        return -1.0;
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// sox reading the signal plainly, with its flanger and with its phaser: the three take
// turns, so a busy spell slows them alike, and the fastest run of each counts.
class SoxTimer {
public:
    explicit SoxTimer(const Signal& signal) : frames_(double(signal.left.size()) * kSoxRepeats)
    {
        writeFloatWave(path_, signal, kSoxRepeats);
    }
    ~SoxTimer() { std::remove(path_.c_str()); }

    void run()
    {
        for (int command = 0; command < 3 && !failed_; ++command) {
            const double seconds = runSeconds(commands_[command]);
            failed_ = seconds < 0.0;
            best_[command] = std::min(best_[command], seconds);
        }
    }

    // ns per stereo frame net of the plain read; negative when sox failed.
    double flanger() const { return net(1); }
    double phaser() const { return net(2); }

private:
    double net(int command) const
    {
        return failed_ ? -1.0 : std::max(0.0, best_[command] - best_[0]) * 1e9 / frames_;
    }

    const std::string path_ = "/tmp/orvane_bench_signal.wav";
    const std::string commands_[3] = {"sox -q " + path_ + " -n 2>/dev/null",
                                      "sox -q " + path_ + " -n " + kSoxFlanger + " 2>/dev/null",
                                      "sox -q " + path_ + " -n " + kSoxPhaser + " 2>/dev/null"};
    double frames_;
    double best_[3] = {1e300, 1e300, 1e300};
    bool failed_ = false;
};

long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    }
    return -1;
}

// Resident megabytes one more core adds once it has played every program.
double instanceMegabytes(const Signal& signal, Signal& output)
{
    const long before = residentKilobytes();
    OrvCore core;
    initCore(core, kRate, kBlockFrames);
    for (int index = 0; index < kNumPrograms; ++index)
        renderProgram(core, index, kBlockFrames, signal, output, kMemoryFrames);
    return double(residentKilobytes() - before) / 1024.0;
}

// The factory programs: every slot but those the bank fills with the default record.
bool isFactoryProgram(const OrvPreset& preset)
{
    return std::strncmp(preset.programName, "Default", sizeof preset.programName) != 0;
}

int indexOf(const OrvCore& core, const char* name)
{
    for (int index = 0; index < kNumPrograms; ++index) {
        if (std::strncmp(core.bank[index].programName, name, sizeof core.bank[index].programName) == 0)
            return index;
    }
    return -1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

// One goal line: the measured ratio beside its goal; "n/a" when a figure is missing.
void printGoal(const std::string& what, double measured, double reference, double goal)
{
    if (measured < 0.0 || reference <= 0.0) {
        std::printf("  %-58s %22s   goal <= %.1f  n/a\n", what.c_str(), "n/a", goal);
        return;
    }
    const double ratio = measured / reference;
    std::printf("  %-58s %6.1f / %5.1f = %5.2f   goal <= %.1f  %s\n", what.c_str(), measured, reference, ratio, goal,
                ratio <= goal ? "PASS" : "MISS");
}

} // namespace

int main()
{
    OrvCore core;
    initCore(core, kRate, kBlockFrames);
    OrvCore smallBlockCore;
    initCore(smallBlockCore, kRate, kSmallBlockFrames);

    const int frames = int(kRate) * kSignalSeconds;
    const Signal signal = testSignal(frames);
    Signal output {std::vector<float>(size_t(frames)), std::vector<float>(size_t(frames))};
    const double realTimeNanoseconds = 1e9 / kRate;

    // A program's two block sizes are timed back to back, so a busy spell slows both alike.
    SoxTimer sox(signal);
    std::vector<double> costs(kNumPrograms, 1e300);
    std::vector<double> smallBlockCosts(kNumPrograms, 1e300);
    for (int sweep = 0; sweep < kSweeps; ++sweep) {
        for (int index = 0; index < kNumPrograms; ++index) {
            const size_t at = size_t(index);
            costs[at] = std::min(costs[at], renderProgram(core, index, kBlockFrames, signal, output, frames));
            smallBlockCosts[at] = std::min(smallBlockCosts[at],
                                           renderProgram(smallBlockCore, index, kSmallBlockFrames, signal, output, frames));
        }
        for (int run = 0; run < kSoxRunsPerSweep; ++run)
            sox.run();
    }

    std::printf("ns per stereo frame in %d-frame blocks and in %d-frame blocks (at %d), best of %d sweeps:\n",
                kBlockFrames, kSmallBlockFrames, kSmallBlockFrames, kSweeps);
    std::printf("%4s  %-32s %10s %10s %10s %8s\n", "#", "program", "ns/frame", "x realtime", "at 16", "16/512");
    std::vector<double> factoryCosts;
    std::vector<double> factoryBlockRatios;
    int slowest = -1;
    for (int index = 0; index < kNumPrograms; ++index) {
        const OrvPreset& preset = core.bank[index];
        const size_t at = size_t(index);
        const double blockRatio = smallBlockCosts[at] / costs[at];
        std::printf("%4d  %-32.32s %10.1f %10.0f %10.1f %8.2f\n", index, preset.programName, costs[at],
                    realTimeNanoseconds / costs[at], smallBlockCosts[at], blockRatio);
        if (!isFactoryProgram(preset))
            continue;
        factoryCosts.push_back(costs[at]);
        factoryBlockRatios.push_back(blockRatio);
        if (slowest < 0 || costs[at] > costs[size_t(slowest)])
            slowest = index;
    }

    const auto [fastest, mostCostly] = std::minmax_element(costs.begin(), costs.end());
    const double medianFactory = median(factoryCosts);
    const OrvPreset& slowestPreset = core.bank[slowest];
    const std::string slowestName(slowestPreset.programName, strnlen(slowestPreset.programName, sizeof slowestPreset.programName));
    std::printf("\nns per stereo frame, %d s at %.0f Hz in %d-frame blocks, best of %d sweeps:\n", kSignalSeconds,
                double(kRate), kBlockFrames, kSweeps);
    std::printf("  all %d programs: min %.1f  max %.1f   (x realtime %.0f / %.0f)\n", kNumPrograms, *fastest,
                *mostCostly, realTimeNanoseconds / *fastest, realTimeNanoseconds / *mostCostly);
    std::printf("  the %zu factory programs: median %.1f, slowest %.1f (\"%s\")\n", factoryCosts.size(), medianFactory,
                costs[size_t(slowest)], slowestName.c_str());

    const double soxFlanger = sox.flanger();
    const double soxPhaser = sox.phaser();
    if (soxFlanger >= 0.0)
        std::printf("  sox %s on the same signal: %.1f; sox %s: %.1f (net of a plain read, best of %d runs)\n",
                    kSoxFlanger, soxFlanger, kSoxPhaser, soxPhaser, kSweeps * kSoxRunsPerSweep);
    else
        std::printf("  sox is not available\n");

    const double memory = instanceMegabytes(signal, output);

    const auto costOf = [&](const char* name) {
        const int index = indexOf(core, name);
        return index < 0 ? -1.0 : costs[size_t(index)];
    };
    std::printf("\nGoals (ns per stereo frame at %.0f Hz in %d-frame blocks; sox net of a plain read):\n",
                double(kRate), kBlockFrames);
    printGoal("\"Flange 1\" / sox flanger", costOf("Flange 1"), soxFlanger, 1.0);
    printGoal("\"Allpass PseudoPhaser\" / sox phaser", costOf("Allpass PseudoPhaser"), soxPhaser, 2.0);
    printGoal("slowest factory program (\"" + slowestName + "\") / sox flanger",
              costs[size_t(slowest)], soxFlanger, 4.0);
    printGoal("median factory program / sox flanger", medianFactory, soxFlanger, 1.0);
    const double blockRatio = median(factoryBlockRatios);
    std::printf("  %-58s %22.2f   goal <= 1.5  %s\n", "16-frame / 512-frame blocks, median factory program's ratio",
                blockRatio, blockRatio <= 1.5 ? "PASS" : "MISS");
    std::printf("  %-58s %19.2f MB   goal <= %.1f MB, today's  %s\n", "memory per instance (resident growth of one more core)",
                memory, kTodayInstanceMegabytes, memory <= kTodayInstanceMegabytes ? "PASS" : "MISS");
    return 0;
}
