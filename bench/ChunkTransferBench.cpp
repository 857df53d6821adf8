// How long the audio thread waits while the host saves and restores the bank:
// one thread plays 64-frame blocks at the pace of a 44100 Hz stream, another
// restores and saves the whole bank in a loop, through the plug-in library.
#include <algorithm>
#include <pthread.h>
#include <sched.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "tools/VstHost.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBlockFrames = 64;
constexpr double kRate = 44100.0;
constexpr int kBlocks = 4000; // about 5.8 s of audio
constexpr double kGoalAboveMedianMs = 0.2;

double milliseconds(Clock::duration elapsed) { return std::chrono::duration<double, std::milli>(elapsed).count(); }

struct BlockTimes {
    std::vector<double> ms;
    int silent = 0; // blocks the plug-in gave up on rather than wait for the lock
    double percentile(double fraction) const
    {
        std::vector<double> sorted = ms;
        std::sort(sorted.begin(), sorted.end());
        return sorted[std::min(sorted.size() - 1, size_t(fraction * double(sorted.size())))];
    }
};

// Hosts run their audio thread at real-time priority; without the permission it runs as any thread.
bool makeThisThreadRealTime()
{
    sched_param priority {};
    priority.sched_priority = sched_get_priority_min(SCHED_FIFO) + 10;
    return pthread_setschedparam(pthread_self(), SCHED_FIFO, &priority) == 0;
}

BlockTimes playBlocks(const VstHost& host)
{
    std::vector<float> left(kBlockFrames), right(kBlockFrames);
    float* channels[2] = {left.data(), right.data()};
    const auto period = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(kBlockFrames / kRate));
    BlockTimes times;
    times.ms.reserve(kBlocks);
    auto due = Clock::now();
    for (int block = 0; block < kBlocks; ++block) {
        for (int n = 0; n < kBlockFrames; ++n)
            left[size_t(n)] = right[size_t(n)] = 0.1f * float((block * kBlockFrames + n) % 200 - 100) / 100.0f;
        const auto start = Clock::now();
        host.processReplacing(channels, channels, kBlockFrames);
        times.ms.push_back(milliseconds(Clock::now() - start));
        times.silent += std::all_of(left.begin(), left.end(), [](float sample) { return sample == 0.0f; });
        due += period;
        std::this_thread::sleep_until(due);
    }
    return times;
}

void report(const char* what, const BlockTimes& times, int transfers)
{
    const double median = times.percentile(0.5);
    const double worst = *std::max_element(times.ms.begin(), times.ms.end());
    const double deadline = kBlockFrames / kRate * 1000.0;
    const auto late = std::count_if(times.ms.begin(), times.ms.end(), [&](double ms) { return ms > deadline; });
    std::printf("%-34s median %.3f ms  99.9%% %.3f ms  worst %.3f ms  over %.2f ms: %ld  silent: %d  (%d bank "
                "transfers)\n",
                what, median, times.percentile(0.999), worst, deadline, long(late), times.silent, transfers);
}

} // namespace

int main(int argc, char** argv)
{
    const std::string path = argc > 1 ? argv[1] : ORVANE_PLUGIN_PATH;
    VstHost host;
    host.blockSize = kBlockFrames;
    std::string error;
    if (!host.load(path, error)) {
        std::fprintf(stderr, "chunk bench: %s\n", error.c_str());
        return 1;
    }
    host.start();
    host.dispatch(effSetProgram, 0, host.findProgram("Flange 1"));
    const std::vector<uint8_t> bank = host.chunk(false);

    std::printf("audio thread at real-time priority: %s\n", makeThisThreadRealTime() ? "yes" : "no (not permitted)");
    const BlockTimes quiet = playBlocks(host);
    report("blocks alone:", quiet, 0);

    std::atomic<bool> running {true};
    int transfers = 0;
    std::thread control([&] {
        while (running.load()) {
            host.restoreChunk(bank, false);
            host.chunk(false);
            transfers += 2;
        }
    });
    const BlockTimes busy = playBlocks(host);
    running = false;
    control.join();
    report("blocks while the bank travels:", busy, transfers);

    const double above = *std::max_element(busy.ms.begin(), busy.ms.end()) - busy.percentile(0.5);
    std::printf("goal: worst block under %.1f ms above the median: %.3f ms  %s\n", kGoalAboveMedianMs, above,
                above < kGoalAboveMedianMs ? "PASS" : "MISS");
    return 0;
}
