// The plug-in under the load a host puts on it in real time, through the
// plug-in library: an audio thread plays 64-frame blocks at the pace of a
// 44100 Hz stream while other threads automate parameters, poll texts, change
// programs and save and restore chunks. Prints the blocks' times beside a
// quiet run's, the longest time each kind of control call holds the plug-in's
// lock, and what a program change costs the audio thread with cold caches.
//
// Usage: orvane_realtime_bench [--blocks N] [--load] [plug-in library]
//   --blocks N  blocks per run (default 100,000, about 145 s; fewer for a quick look)
//   --load      a busy loop on every core at normal priority during both runs
#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "tests/HostCalls.h"
#include "tools/VstHost.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBlockFrames = 64;
constexpr double kRate = 44100.0;
constexpr double kDeadlineMs = kBlockFrames / kRate * 1000.0;
constexpr int kFullRunBlocks = 100'000;

// How often each control thread calls, as hosts do.
constexpr double kAutomationHz = 10'000.0;
constexpr double kTextPollHz = 30.0;
constexpr double kProgramChangeHz = 2.0;
constexpr double kChunkTransferHz = 1.0;
// What the audio thread sends before its blocks, in both runs: a parameter every
// few blocks, a learned MIDI control change less often, a MIDI program change
// about once a second, so that both runs play a like mix of programs.
constexpr int kBlocksPerAudioParameter = 8;
constexpr int kBlocksPerMidiControl = 32;
constexpr int kBlocksPerMidiProgram = 512;
constexpr uint8_t kMidiControlChange = 0xB0;
constexpr uint8_t kMidiProgramChange = 0xC0;
constexpr uint8_t kLearnedController = 1; // learned by parameter 0 on channel 1
// Automated values stay in the upper part of each range, so that no program is
// turned down to true silence, which would count as a dropped block.
constexpr float kLowestAutomatedValue = 0.2f;
// A program plays this many blocks after its selection, its parameters moving,
// before it counts as one that never outputs a silent block of its own.
constexpr int kSoundingCheckBlocks = 150;

constexpr int kHoldBursts = 5;
constexpr auto kHoldBurst = std::chrono::milliseconds(200);
constexpr auto kHoldRest = std::chrono::milliseconds(300);

constexpr int kProgramChangeSamples = 300;
constexpr size_t kEvictionBytes = size_t(64) << 20;
constexpr size_t kDelayPoolBytes = size_t(4) << 20;

constexpr double kGoalSilentBlocks = 0;
constexpr double kGoalLongestHoldUs = 50.0;
constexpr double kGoalBusyOverQuiet99 = 3.0;
constexpr double kGoalChangeOverClear = 0.2;

double milliseconds(Clock::duration elapsed) { return std::chrono::duration<double, std::milli>(elapsed).count(); }
double microseconds(Clock::duration elapsed) { return std::chrono::duration<double, std::micro>(elapsed).count(); }

Clock::duration periodOf(double hertz)
{
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(1.0 / hertz));
}

double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + long(values.size() / 2), values.end());
    return values[values.size() / 2];
}

// Hosts run their audio thread at real-time priority; without the permission it runs as any thread.
bool makeThisThreadRealTime()
{
    sched_param priority {};
    priority.sched_priority = sched_get_priority_min(SCHED_FIFO) + 10;
    return pthread_setschedparam(pthread_self(), SCHED_FIFO, &priority) == 0;
}

struct Options {
    int blocks = kFullRunBlocks;
    bool loadEveryCore = false;
    std::string pluginPath = ORVANE_PLUGIN_PATH;
};

bool parseOptions(int argc, char** argv, Options& options)
{
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument == "--blocks" && index + 1 < argc)
            options.blocks = std::atoi(argv[++index]);
        else if (argument == "--load")
            options.loadEveryCore = true;
        else if (argument.rfind("--", 0) != 0)
            options.pluginPath = argument;
        else
            return false;
    }
    return options.blocks > 0;
}

std::unique_ptr<VstHost> startedHost(const std::string& path)
{
    auto host = std::make_unique<VstHost>();
    host->blockSize = kBlockFrames;
    host->processLevel = kVstProcessLevelRealtime;
    std::string error;
    if (!host->load(path, error)) {
        std::fprintf(stderr, "realtime bench: %s\n", error.c_str());
        std::exit(1);
    }
    host->start();
    return host;
}

void pollTexts(const VstHost& host)
{
    for (int parameter = 0; parameter < host.effect()->numParams; ++parameter) {
        host.text(effGetParamName, parameter);
        host.text(effGetParamLabel, parameter);
        host.text(effGetParamDisplay, parameter);
    }
    host.text(effGetProgramName);
}

// A block of input that is never all zero, and a block of output that is: the
// plug-in plays silence when it gives up waiting for its lock.
class Block {
public:
    Block() : left(kBlockFrames), right(kBlockFrames) {}

    // Plays one block; true when its output is silent.
    bool play(const VstHost& host, int number)
    {
        for (int n = 0; n < kBlockFrames; ++n)
            left[size_t(n)] = right[size_t(n)] = 0.1f * float((number * kBlockFrames + n) % 200 - 100) / 100.0f;
        float* channels[2] = {left.data(), right.data()};
        host.processReplacing(channels, channels, kBlockFrames);
        const auto isZero = [](float sample) { return sample == 0.0f; };
        return std::all_of(left.begin(), left.end(), isZero) && std::all_of(right.begin(), right.end(), isZero);
    }

private:
    std::vector<float> left, right;
};

// Runs `call` at `hertz` on its own thread until stopped.
class PeriodicThread {
public:
    PeriodicThread(double hertz, std::function<void()> call)
        : worker([this, hertz, call = std::move(call)] {
              const auto period = periodOf(hertz);
              auto due = Clock::now();
              while (!stopping.load(std::memory_order_relaxed)) {
                  call();
                  ++calls;
                  due += period;
                  std::this_thread::sleep_until(due);
              }
          })
    {
    }
    ~PeriodicThread()
    {
        stopping = true;
        worker.join();
    }
    long count() const { return calls.load(); }

private:
    std::atomic<bool> stopping {false};
    std::atomic<long> calls {0};
    std::thread worker;
};

// A busy loop on every core at normal priority.
class CoreLoad {
public:
    explicit CoreLoad(bool enabled)
    {
        for (unsigned core = 0; enabled && core < std::thread::hardware_concurrency(); ++core)
            spinners.emplace_back([this] {
                while (!stopping.load(std::memory_order_relaxed)) {
                }
            });
    }
    ~CoreLoad()
    {
        stopping = true;
        for (std::thread& spinner : spinners)
            spinner.join();
    }

private:
    std::atomic<bool> stopping {false};
    std::vector<std::thread> spinners;
};

// The plug-in gives up on its lock, and plays a silent block, only after waiting
// at least this long; a quicker silent block is the program's own (a filter or a
// gate may silence a whole block).
constexpr double kShortestGiveUpMs = 0.15;

struct BlockTimes {
    std::vector<double> ms; // each block with the calls the audio thread made before it
    int silent = 0;         // blocks the plug-in gave up on
    int programSilent = 0;  // blocks the program itself left silent

    double percentile(double fraction) const
    {
        std::vector<double> sorted = ms;
        std::sort(sorted.begin(), sorted.end());
        return sorted[std::min(sorted.size() - 1, size_t(fraction * double(sorted.size())))];
    }
    long late() const { return long(std::count_if(ms.begin(), ms.end(), [](double t) { return t > kDeadlineMs; })); }
};

// Plays `blocks` blocks at real-time pace on a real-time thread; `beforeBlock`
// makes the calls a host makes on its audio thread before a block.
BlockTimes playInRealTime(const VstHost& host, int blocks, const std::function<void(int)>& beforeBlock)
{
    BlockTimes times;
    times.ms.reserve(size_t(blocks));
    std::thread audio([&] {
        makeThisThreadRealTime();
        Block block;
        const auto period = periodOf(kRate / kBlockFrames);
        auto due = Clock::now();
        for (int number = 0; number < blocks; ++number) {
            const auto start = Clock::now();
            beforeBlock(number);
            const bool silent = block.play(host, number);
            const double ms = milliseconds(Clock::now() - start);
            times.silent += silent && ms >= kShortestGiveUpMs;
            times.programSilent += silent && ms < kShortestGiveUpMs;
            times.ms.push_back(ms);
            due += period;
            std::this_thread::sleep_until(due);
        }
    });
    audio.join();
    return times;
}

// Programs that output sound from their first block on, over the bench's
// input and with their parameters automated: a silent block from one of
// them is a block the plug-in dropped.
std::vector<int> soundingPrograms(const std::string& path, std::mt19937& random)
{
    auto host = startedHost(path);
    std::uniform_real_distribution<float> value(kLowestAutomatedValue, 1.0f);
    Block block;
    std::vector<int> programs;
    for (int program = 0; program < host->effect()->numPrograms; ++program) {
        host->dispatch(effSetProgram, 0, program);
        bool sounding = true;
        for (int number = 0; number < kSoundingCheckBlocks && sounding; ++number) {
            setParameter(*host, number % host->effect()->numParams, value(random));
            sounding = !block.play(*host, number);
        }
        if (sounding)
            programs.push_back(program);
    }
    return programs;
}

// The bank every run starts from and the chunk thread restores: a sounding
// program current and parameter 0 learned to the control the audio thread sends.
std::vector<uint8_t> benchBank(const VstHost& host, int currentProgram)
{
    constexpr size_t kLearnTableOffset = 28;
    host.dispatch(effSetProgram, 0, currentProgram);
    std::vector<uint8_t> bank = host.chunk(false);
    bank[kLearnTableOffset] = kLearnedController;
    bank[kLearnTableOffset + 1] = 0;
    host.restoreChunk(bank, false);
    return bank;
}

struct ControlCounts {
    long automation = 0, textPolls = 0, programChanges = 0, chunkTransfers = 0;
};

// The calls a host makes on its audio thread before a block, the same in every run.
class AudioThreadCalls {
public:
    AudioThreadCalls(const VstHost& host, const std::vector<int>& programs) : host_(host)
    {
        std::copy_if(programs.begin(), programs.end(), std::back_inserter(midiPrograms_),
                     [](int program) { return program < 128; });
    }

    void operator()(int number)
    {
        if (number % kBlocksPerAudioParameter == 0)
            setParameter(host_, parameter_(random_), value_(random_));
        if (number % kBlocksPerMidiControl == 0)
            sendMidi(host_, kMidiControlChange, kLearnedController, uint8_t(127.0f * value_(random_)));
        if (number % kBlocksPerMidiProgram == kBlocksPerMidiProgram - 1 && !midiPrograms_.empty())
            sendMidi(host_, kMidiProgramChange, uint8_t(midiPrograms_[random_() % midiPrograms_.size()]), 0);
    }

private:
    const VstHost& host_;
    std::vector<int> midiPrograms_; // the sounding programs a MIDI program change reaches
    std::mt19937 random_ {1};
    std::uniform_real_distribution<float> value_ {kLowestAutomatedValue, 1.0f};
    std::uniform_int_distribution<int> parameter_ {0, host_.effect()->numParams - 1};
};

BlockTimes playUnderControlLoad(const VstHost& host, int blocks, const std::vector<uint8_t>& bank,
                                const std::vector<int>& programs, ControlCounts& counts)
{
    std::mt19937 controlRandom(2), automationRandom(3);
    std::uniform_real_distribution<float> value(kLowestAutomatedValue, 1.0f);
    std::uniform_int_distribution<size_t> pick(0, programs.size() - 1);
    const int parameters = host.effect()->numParams;
    std::uniform_int_distribution<int> parameter(0, parameters - 1);

    PeriodicThread automation(kAutomationHz, [&] { setParameter(host, parameter(automationRandom), value(automationRandom)); });
    PeriodicThread texts(kTextPollHz, [&] { pollTexts(host); });
    PeriodicThread programChanges(kProgramChangeHz, [&] { host.dispatch(effSetProgram, 0, programs[pick(controlRandom)]); });
    PeriodicThread chunks(kChunkTransferHz, [&] {
        host.chunk(false);
        host.restoreChunk(bank, false);
        host.restoreChunk(host.chunk(true), true);
    });
    const BlockTimes times = playInRealTime(host, blocks, AudioThreadCalls(host, programs));
    counts = {automation.count(), texts.count(), programChanges.count(), chunks.count()};
    return times;
}

void printBlockTimes(const char* run, const BlockTimes& times)
{
    std::printf("  %-26s %7d %9ld %10.3f %10.3f %10.3f   %d\n", run, times.silent, times.late(),
                times.percentile(0.99), times.percentile(0.999), *std::max_element(times.ms.begin(), times.ms.end()),
                times.programSilent);
}

// The longest wait of a probe call in any burst, and the longest it met in
// every burst: a hold that recurs shows in both, while the machine's own
// spikes (a wait that blocks also costs the wake-up of the waiting thread,
// which can take hundreds of microseconds) show in few bursts.
struct ProbeWaits {
    double anyBurstUs = 0.0;
    double everyBurstUs = 0.0;
};

struct LockHold {
    const char* kind;
    ProbeWaits waits;
};

// Beside the control calls, the probe alone and against a second probe (the
// shortest hold there is): the floors of a wait that does not and that does block.
struct LockHolds {
    ProbeWaits alone;
    ProbeWaits besideProbe;
    std::vector<LockHold> kinds;
};

// The longest time a cheap call that takes the lock (the current program's
// name) waits while `call` runs in a loop on another thread: an upper bound of
// the longest time `call` holds the lock. With no call, the probe's own noise.
// Both threads run at real-time priority where permitted, so that other work
// on the machine does not stretch a hold, in short bursts with rests between,
// as the system stops real-time threads that run for most of a second.
ProbeWaits longestProbeWhile(const VstHost& host, const std::function<void()>& call)
{
    ProbeWaits waits {0.0, std::numeric_limits<double>::infinity()};
    for (int burst = 0; burst < kHoldBursts; ++burst) {
        std::atomic<bool> stopping {false};
        std::thread caller;
        if (call)
            caller = std::thread([&] {
                makeThisThreadRealTime();
                while (!stopping.load(std::memory_order_relaxed))
                    call();
            });
        double longest = 0.0;
        std::thread probe([&] {
            makeThisThreadRealTime();
            char name[kVstMaxProgNameLen];
            const auto end = Clock::now() + kHoldBurst;
            while (Clock::now() < end) {
                const auto start = Clock::now();
                host.dispatch(effGetProgramName, 0, 0, name);
                longest = std::max(longest, microseconds(Clock::now() - start));
            }
        });
        probe.join();
        stopping = true;
        if (caller.joinable())
            caller.join();
        waits.anyBurstUs = std::max(waits.anyBurstUs, longest);
        waits.everyBurstUs = std::min(waits.everyBurstUs, longest);
        std::this_thread::sleep_for(kHoldRest);
    }
    return waits;
}

LockHolds longestLockHolds(const VstHost& host, const std::vector<uint8_t>& bank, const std::vector<int>& programs)
{
    std::mt19937 random(4);
    std::uniform_int_distribution<size_t> pick(0, programs.size() - 1);
    const std::vector<uint8_t> program = host.chunk(true);
    bool alternate = false;
    const std::vector<std::pair<const char*, std::function<void()>>> kinds = {
        {"program change", [&] { host.dispatch(effSetProgram, 0, programs[pick(random)]); }},
        {"bank save", [&] { host.chunk(false); }},
        {"bank restore", [&] { host.restoreChunk(bank, false); }},
        {"program save", [&] { host.chunk(true); }},
        {"program restore", [&] { host.restoreChunk(program, true); }},
        {"parameter texts", [&] { pollTexts(host); }},
        {"sample rate and block size",
         [&] {
             alternate = !alternate;
             host.dispatch(effMainsChanged, 0, 0);
             host.dispatch(effSetSampleRate, 0, 0, nullptr, alternate ? 48000.0f : float(kRate));
             host.dispatch(effSetBlockSize, 0, alternate ? 512 : kBlockFrames);
             host.dispatch(effMainsChanged, 0, 1);
         }},
    };
    LockHolds holds {longestProbeWhile(host, nullptr), longestProbeWhile(host, [&] { host.text(effGetProgramName); }), {}};
    for (const auto& [kind, call] : kinds)
        holds.kinds.push_back({kind, longestProbeWhile(host, call)});
    host.dispatch(effSetSampleRate, 0, 0, nullptr, float(kRate));
    host.dispatch(effSetBlockSize, 0, kBlockFrames);
    return holds;
}

// Writes every cache line of a buffer larger than the caches.
void evictCaches(std::vector<uint8_t>& evictor)
{
    for (size_t byte = 0; byte < evictor.size(); byte += 64)
        ++evictor[byte];
}

struct ProgramChangeCost {
    double extraMs; // median over random programs
    double clearMs; // median time to clear the size of the delay pool
};

// What a program change adds to the audio thread with cold caches: the time
// of effSetProgram and the first block after it, less an ordinary block's,
// each measured right after the caches were evicted; beside it the time of
// clearing 4 MB after the same eviction.
ProgramChangeCost programChangeCost(const VstHost& host, const std::vector<int>& programs)
{
    std::mt19937 random(5);
    std::uniform_int_distribution<size_t> pick(0, programs.size() - 1);
    std::vector<uint8_t> evictor(kEvictionBytes), cleared(kDelayPoolBytes, 1);
    Block block;
    std::vector<double> extra, clear;
    for (int sample = 0; sample < kProgramChangeSamples; ++sample) {
        const int from = programs[pick(random)];
        int to = programs[pick(random)];
        while (to == from)
            to = programs[pick(random)];
        host.dispatch(effSetProgram, 0, from);
        for (int number = 0; number < 8; ++number)
            block.play(host, number);

        evictCaches(evictor);
        auto start = Clock::now();
        block.play(host, 8);
        const double ordinary = milliseconds(Clock::now() - start);

        evictCaches(evictor);
        start = Clock::now();
        host.dispatch(effSetProgram, 0, to);
        block.play(host, 9);
        extra.push_back(milliseconds(Clock::now() - start) - ordinary);

        evictCaches(evictor);
        start = Clock::now();
        std::memset(cleared.data(), 0, cleared.size());
        asm volatile("" : : "r"(cleared.data()) : "memory"); // the cleared bytes count as used
        clear.push_back(milliseconds(Clock::now() - start));
    }
    return {median(extra), median(clear)};
}

void printGoal(const char* goal, bool met, const char* format, double measured, double limit)
{
    std::printf("goal: %-62s ", goal);
    std::printf(format, measured, limit);
    std::printf("  %s\n", met ? "PASS" : "MISS");
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s [--blocks N] [--load] [plug-in library]\n", argv[0]);
        return 2;
    }
    std::mt19937 random(0);
    const std::vector<int> programs = soundingPrograms(options.pluginPath, random);
    auto host = startedHost(options.pluginPath);
    const std::vector<uint8_t> bank = benchBank(*host, programs.front());

    bool realTime = false;
    std::thread([&] { realTime = makeThisThreadRealTime(); }).join();
    std::printf("%d blocks of %d frames per run at %.0f Hz (deadline %.2f ms); audio thread at real-time priority: "
                "%s; other cores: %s\n",
                options.blocks, kBlockFrames, kRate, kDeadlineMs, realTime ? "yes" : "no (not permitted)",
                options.loadEveryCore ? "a busy loop on each at normal priority" : "idle");
    std::printf("%zu of %d programs sound from their first block; program changes pick among them\n",
                programs.size(), host->effect()->numPrograms);

    BlockTimes quiet, busy;
    ControlCounts counts;
    {
        const CoreLoad load(options.loadEveryCore);
        {
            const PeriodicThread texts(kTextPollHz, [&] { pollTexts(*host); });
            quiet = playInRealTime(*host, options.blocks, AudioThreadCalls(*host, programs));
        }
        host->restoreChunk(bank, false);
        busy = playUnderControlLoad(*host, options.blocks, bank, programs, counts);
    }
    std::printf("\nblock times in ms (with the calls the audio thread makes before a block)\n");
    std::printf("  %-26s %7s %9s %10s %10s %10s   %s\n", "run", "silent", "late", "99 %", "99.9 %", "worst",
                "silent by the program");
    printBlockTimes("quiet (texts polled)", quiet);
    printBlockTimes("under control load", busy);
    std::printf("  control load: %ld parameter changes, %ld text polls, %ld program changes, %ld chunk rounds\n"
                "  (bank save, bank restore, program save and restore); in both runs, on the audio thread, a\n"
                "  parameter every %d blocks, a learned MIDI control every %d, a MIDI program change every %d\n",
                counts.automation, counts.textPolls, counts.programChanges, counts.chunkTransfers,
                kBlocksPerAudioParameter, kBlocksPerMidiControl, kBlocksPerMidiProgram);

    host->restoreChunk(bank, false);
    const LockHolds holds = longestLockHolds(*host, bank, programs);
    std::printf("\nlongest lock hold per kind of control call, as the longest wait of a program-name probe,\n"
                "in %d bursts of %lld ms\n  %-30s %14s %14s\n",
                kHoldBursts, (long long)kHoldBurst.count(), "", "in any burst", "in every burst");
    const auto printHold = [](const char* kind, const ProbeWaits& waits) {
        std::printf("  %-30s %11.1f us %11.1f us\n", kind, waits.anyBurstUs, waits.everyBurstUs);
    };
    printHold("nothing else (probe noise)", holds.alone);
    printHold("a second probe (blocking)", holds.besideProbe);
    for (const LockHold& hold : holds.kinds)
        printHold(hold.kind, hold.waits);
    const LockHold longest = *std::max_element(holds.kinds.begin(), holds.kinds.end(), [](const auto& a, const auto& b) {
        return a.waits.everyBurstUs < b.waits.everyBurstUs;
    });

    const ProgramChangeCost change = programChangeCost(*host, programs);
    std::printf("\nprogram change, caches cold, median of %d: extra cost %.3f ms; clearing 4 MB %.3f ms; ratio %.2f\n\n",
                kProgramChangeSamples, change.extraMs, change.clearMs, change.extraMs / change.clearMs);

    const double quiet99 = quiet.percentile(0.99), busy99 = busy.percentile(0.99);
    printGoal("silent blocks under control load", busy.silent <= kGoalSilentBlocks, "%.0f (at most %.0f)",
              busy.silent, kGoalSilentBlocks);
    printGoal((std::string("longest lock hold, met in every burst (") + longest.kind + ")").c_str(),
              longest.waits.everyBurstUs <= kGoalLongestHoldUs, "%.1f us (at most %.0f)", longest.waits.everyBurstUs,
              kGoalLongestHoldUs);
    printGoal("99 % block time under control load over the quiet run's", busy99 <= kGoalBusyOverQuiet99 * quiet99,
              "%.2f x (at most %.0f)", busy99 / quiet99, kGoalBusyOverQuiet99);
    printGoal("program change extra cost over clearing 4 MB", change.extraMs <= kGoalChangeOverClear * change.clearMs,
              "%.2f x (at most %.1f)", change.extraMs / change.clearMs, kGoalChangeOverClear);
    return 0;
}
