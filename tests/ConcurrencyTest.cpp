// The plug-in library driven from several threads at once, as hosts drive it:
// an audio thread plays blocks while control threads change parameters and
// programs, poll texts, save and restore chunks and change the sample rate and
// block size. Run under ThreadSanitizer by make tsan, which fails on any race.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <latch>
#include <map>
#include <memory>
#include <mutex>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "HostCalls.h"
#include "plugin/OrvChunk.h"
#include "tools/VstHost.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBlockFrames = 64;
constexpr auto kPlayTime = std::chrono::seconds(2);
constexpr size_t kMostBanksKept = 40;
constexpr uint8_t kMidiControlChange = 0xB0;
constexpr uint8_t kMidiProgramChange = 0xC0;
constexpr uint8_t kLearnedController = 1; // learned by parameter 0 on channel 1
constexpr size_t kLearnTableOffset = offsetof(OrvChunkHeader, learnTable);

// A host that says it plays in real time, or offline when each block must take effect.
std::unique_ptr<VstHost> startedHost(VstInt32 processLevel = kVstProcessLevelRealtime)
{
    auto host = std::make_unique<VstHost>();
    host->blockSize = kBlockFrames;
    host->processLevel = processLevel;
    std::string error;
    EXPECT_TRUE(host->load(ORVANE_PLUGIN_PATH, error)) << error;
    host->start();
    return host;
}

void playBlock(const VstHost& host)
{
    std::vector<float> left(kBlockFrames, 0.25f), right(kBlockFrames, -0.25f);
    float* channels[2] = {left.data(), right.data()};
    host.processReplacing(channels, channels, kBlockFrames);
}

// A record carries its version twice, in its name and at the other end of its
// description, so that a record copied while it was replaced shows two.
std::string recordText(const uint8_t* record, size_t offset, size_t size)
{
    const char* text = reinterpret_cast<const char*>(record + offset);
    return std::string(text, strnlen(text, size));
}

// Writes "<kind><version>", and " <slot>" for a slot, into the record's name and description.
void stampRecord(uint8_t* record, char kind, int version, int slot = -1)
{
    char stamp[sizeof OrvPreset::programName] {};
    if (slot < 0)
        std::snprintf(stamp, sizeof stamp, "%c%d", kind, version);
    else
        std::snprintf(stamp, sizeof stamp, "%c%d %d", kind, version, slot);
    std::memset(record + offsetof(OrvPreset, description), 0, sizeof OrvPreset::description);
    std::memcpy(record + offsetof(OrvPreset, programName), stamp, sizeof stamp);
    std::memcpy(record + offsetof(OrvPreset, description), stamp, sizeof stamp);
}

uint8_t* recordOf(std::vector<uint8_t>& chunk, int slot)
{
    return chunk.data() + kChunkHeaderSize + size_t(slot) * kPresetSize;
}

// Version `version` of a bank: every record stamped "B<version> <slot>", and
// parameter 0 learned to the controller the audio thread sends.
std::vector<uint8_t> stampedBank(std::vector<uint8_t> bank, int version)
{
    for (int slot = 0; slot < kNumPrograms; ++slot)
        stampRecord(recordOf(bank, slot), 'B', version, slot);
    bank[kLearnTableOffset] = kLearnedController;
    bank[kLearnTableOffset + 1] = 0;
    return bank;
}

// Runs each loop on its own thread until `duration` has passed and every loop has
// gone round a few times (a slow build, such as the thread sanitizer's, takes longer).
void runTogether(std::vector<std::function<void()>> loops, Clock::duration duration)
{
    constexpr int kLeastRounds = 4;
    std::atomic<bool> stopping {false};
    std::vector<std::atomic<int>> rounds(loops.size());
    std::vector<std::thread> threads;
    for (size_t index = 0; index < loops.size(); ++index)
        threads.emplace_back([&stopping, &loop = loops[index], &done = rounds[index]] {
            while (!stopping.load(std::memory_order_relaxed)) {
                loop();
                ++done;
            }
        });
    std::this_thread::sleep_for(duration);
    while (std::any_of(rounds.begin(), rounds.end(), [](const std::atomic<int>& done) { return done < kLeastRounds; }))
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    stopping = true;
    for (std::thread& thread : threads)
        thread.join();
}

// A saved bank is one the plug-in held: each record whole (its two stamps
// agree), every record from a bank restore from the same restore, in its own
// slot; records a program restore wrote may stand in any slot.
void expectWholeBank(std::vector<uint8_t> bank)
{
    int bankVersion = -1;
    for (int slot = 0; slot < kNumPrograms; ++slot) {
        const uint8_t* record = recordOf(bank, slot);
        const std::string name = recordText(record, offsetof(OrvPreset, programName), sizeof OrvPreset::programName);
        ASSERT_EQ(name, recordText(record, offsetof(OrvPreset, description), sizeof OrvPreset::description))
            << "record " << slot << " copied while it was replaced";
        ASSERT_TRUE(name.starts_with('B') || name.starts_with('P')) << "record " << slot << ": " << name;
        if (name[0] == 'P')
            continue;
        int version = -1, stampedSlot = -1;
        ASSERT_EQ(std::sscanf(name.c_str(), "B%d %d", &version, &stampedSlot), 2) << name;
        EXPECT_EQ(stampedSlot, slot);
        if (bankVersion < 0)
            bankVersion = version;
        ASSERT_EQ(version, bankVersion) << "slot " << slot << ": records of two bank restores in one save";
    }
}

// The saved bank restores into a fresh instance, which saves it again as it
// was: the header and every record but the current one, which is prepared
// again for the fresh instance's sample rate and block size.
void expectBankRestores(VstHost& fresh, const std::vector<uint8_t>& bank)
{
    ASSERT_TRUE(fresh.restoreChunk(bank, false));
    const std::vector<uint8_t> again = fresh.chunk(false);
    ASSERT_EQ(again.size(), bank.size());
    EXPECT_TRUE(std::equal(bank.begin(), bank.begin() + long(kChunkHeaderSize), again.begin()));
    const int current = int(fresh.dispatch(effGetProgram));
    for (int slot = 0; slot < kNumPrograms; ++slot) {
        const size_t start = kChunkHeaderSize + size_t(slot) * kPresetSize;
        if (slot != current) {
            ASSERT_EQ(std::memcmp(bank.data() + start, again.data() + start, kPresetSize), 0) << "record " << slot;
        }
    }
}

} // namespace

TEST(Concurrency, EveryControlCallDuringPlayLeavesSavedBanksWhole)
{
    auto host = startedHost();
    const std::vector<uint8_t> reference = host->chunk(false);
    ASSERT_TRUE(host->restoreChunk(stampedBank(reference, 0), false));
    const int parameters = host->effect()->numParams;

    std::mutex savedLock;
    std::vector<std::vector<uint8_t>> savedBanks;
    std::atomic<int> bankVersion {0}, programVersion {0};
    long blocks = 0;
    std::mt19937 audioRandom(1), automationRandom(2), programRandom(3);
    bool highRate = false;

    runTogether(
        {
            [&] {
                if (blocks % 4 == 0)
                    setParameter(*host, int(blocks) % parameters, float(audioRandom() % 101) / 100.0f);
                if (blocks % 4 == 1)
                    sendMidi(*host, kMidiControlChange, kLearnedController, uint8_t(audioRandom() % 128));
                if (blocks % 16 == 2)
                    sendMidi(*host, kMidiProgramChange, uint8_t(audioRandom() % 128), 0);
                playBlock(*host);
                ++blocks;
            },
            [&] {
                const int index = int(automationRandom() % unsigned(parameters));
                setParameter(*host, index, float(automationRandom() % 101) / 100.0f);
                parameter(*host, index);
            },
            [&] {
                for (int index = 0; index < parameters; ++index) {
                    host->text(effGetParamName, index);
                    host->text(effGetParamLabel, index);
                    host->text(effGetParamDisplay, index);
                }
                host->text(effGetProgramName);
                host->programName(int(host->dispatch(effGetProgram)));
                host->dispatch(effGetTailSize);
            },
            [&] {
                host->dispatch(effSetProgram, 0, VstIntPtr(programRandom() % unsigned(kNumPrograms)));
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            },
            [&] { host->restoreChunk(stampedBank(reference, ++bankVersion), false); },
            [&] {
                std::vector<uint8_t> saved = host->chunk(false);
                const std::lock_guard guard(savedLock);
                if (savedBanks.size() < kMostBanksKept)
                    savedBanks.push_back(std::move(saved));
            },
            [&] {
                std::vector<uint8_t> program = host->chunk(true);
                stampRecord(recordOf(program, 0), 'P', ++programVersion);
                host->restoreChunk(program, true);
            },
            [&] {
                highRate = !highRate;
                host->dispatch(effMainsChanged, 0, 0);
                host->dispatch(effSetSampleRate, 0, 0, nullptr, highRate ? 48000.0f : 44100.0f);
                host->dispatch(effSetBlockSize, 0, highRate ? 512 : kBlockFrames);
                host->dispatch(effMainsChanged, 0, 1);
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            },
        },
        kPlayTime);

    EXPECT_GT(blocks, 100);
    EXPECT_GT(bankVersion.load(), 2);
    EXPECT_GT(programVersion.load(), 2);
    ASSERT_GT(savedBanks.size(), 2u);
    auto fresh = startedHost();
    for (const std::vector<uint8_t>& bank : savedBanks) {
        ASSERT_EQ(bank.size(), kBankChunkSize);
        expectWholeBank(bank);
        expectBankRestores(*fresh, bank);
    }
}

// Each change, made while other threads save chunks and poll texts, shows in
// what the plug-in reports after the next block: the same as a plug-in that
// was given the same change alone. The host plays offline, so that no block
// gives up on the lock.
TEST(Concurrency, ControlChangesTakeEffectAtTheNextBlock)
{
    auto host = startedHost(kVstProcessLevelOffline);
    auto alone = startedHost(kVstProcessLevelOffline);
    for (VstHost* each : {host.get(), alone.get()}) {
        std::vector<uint8_t> bank = each->chunk(false);
        bank[kLearnTableOffset] = kLearnedController;
        bank[kLearnTableOffset + 1] = 0;
        ASSERT_TRUE(each->restoreChunk(bank, false));
        each->dispatch(effSetProgram, 0, each->findProgram("Flange 1"));
    }
    std::atomic<bool> stopping {false};
    std::vector<std::thread> readers;
    readers.emplace_back([&] {
        while (!stopping)
            host->chunk(false);
    });
    readers.emplace_back([&] {
        while (!stopping) {
            host->text(effGetParamDisplay, 0);
            host->text(effGetProgramName);
        }
    });

    struct Change {
        int parameter;
        float value;
    };
    for (const Change& change : {Change {0, 0.3f}, Change {1, 0.9f}, Change {3, 0.1f}, Change {5, 0.6f}}) {
        std::thread([&] { setParameter(*host, change.parameter, change.value); }).join();
        playBlock(*host);
        setParameter(*alone, change.parameter, change.value);
        playBlock(*alone);
        EXPECT_EQ(host->text(effGetParamDisplay, change.parameter), alone->text(effGetParamDisplay, change.parameter))
            << change.parameter;
        EXPECT_EQ(parameter(*host, change.parameter), parameter(*alone, change.parameter)) << change.parameter;
    }
    for (int value : {20, 110}) {
        sendMidi(*host, kMidiControlChange, kLearnedController, uint8_t(value));
        playBlock(*host);
        sendMidi(*alone, kMidiControlChange, kLearnedController, uint8_t(value));
        playBlock(*alone);
        EXPECT_EQ(host->text(effGetParamDisplay, 0), alone->text(effGetParamDisplay, 0)) << value;
    }
    for (int program : {7, 99, 7}) {
        sendMidi(*host, kMidiProgramChange, uint8_t(program), 0);
        playBlock(*host);
        EXPECT_EQ(host->dispatch(effGetProgram), program);
    }
    stopping = true;
    for (std::thread& reader : readers)
        reader.join();
}

// Threads saving the unchanging bank and program at once each get a whole
// copy: no call rewrites the chunk another call returned.
TEST(Concurrency, ChunksSavedAtOnceAreIntact)
{
    auto host = startedHost();
    host->dispatch(effSetProgram, 0, 42);
    const std::vector<uint8_t> bank = host->chunk(false);
    const std::vector<uint8_t> program = host->chunk(true);
    std::atomic<int> copies {0}, torn {0};
    const auto saveBank = [&] {
        torn += host->chunk(false) != bank;
        ++copies;
    };
    const auto saveProgram = [&] {
        torn += host->chunk(true) != program;
        ++copies;
    };
    runTogether({saveBank, saveBank, saveProgram}, std::chrono::seconds(1));
    EXPECT_GT(copies.load(), 10);
    EXPECT_EQ(torn.load(), 0) << "of " << copies.load() << " copies";
}

// However many threads save chunks, the plug-in keeps a few buffers: threads
// alive at once (so each has its own id) in waves, each saving the bank once,
// are given at most eight buffers, as a buffer is reused where it lies. A chunk
// stays as returned while threads that saved after it have not taken every
// buffer.
TEST(Concurrency, ChunkBuffersStayFewWhateverTheNumberOfSavingThreads)
{
    constexpr int kWaves = 6;
    constexpr int kThreadsAtOnce = 50;
    auto host = startedHost();
    AEffect* effect = host->effect();
    std::set<void*> buffers;
    std::mutex buffersLock;
    for (int wave = 0; wave < kWaves; ++wave) {
        std::latch allSaved(kThreadsAtOnce);
        std::vector<std::thread> savers;
        for (int saver = 0; saver < kThreadsAtOnce; ++saver)
            savers.emplace_back([&] {
                void* chunk = nullptr;
                effect->dispatcher(effect, effGetChunk, 0, 0, &chunk, 0.0f);
                {
                    const std::lock_guard guard(buffersLock);
                    buffers.insert(chunk);
                }
                allSaved.arrive_and_wait();
            });
        for (std::thread& saver : savers)
            saver.join();
    }
    EXPECT_LE(buffers.size(), 8u) << "buffers given out to " << kWaves * kThreadsAtOnce << " threads";

    // On an instance whose buffers no thread has used, seven threads alive at
    // once save after a program chunk and leave it intact. Its thread saves again
    // and is the latest to save: an eighth thread takes the buffer of the one of
    // the seven that saved first.
    host = startedHost();
    const auto keptProgram = [&host] {
        void* kept = nullptr;
        const auto size = size_t(host->dispatch(effGetChunk, 1, 0, &kept));
        return std::make_pair(static_cast<const uint8_t*>(kept), size);
    };
    const std::vector<uint8_t> program = host->chunk(true);
    const auto [kept, size] = keptProgram();
    host->dispatch(effSetProgram, 0, 42);
    std::latch othersSaved(7), othersMayEnd(1);
    std::vector<std::thread> others;
    for (int other = 0; other < 7; ++other)
        others.emplace_back([&, other] {
            host->chunk(other % 2 != 0);
            othersSaved.count_down();
            othersMayEnd.wait();
        });
    othersSaved.wait();
    ASSERT_EQ(size, program.size());
    EXPECT_EQ(std::memcmp(kept, program.data(), size), 0) << "seven other threads saved since";
    const std::vector<uint8_t> programOf42 = host->chunk(true);
    const auto [keptAgain, sizeAgain] = keptProgram();
    std::thread([&] { host->chunk(false); }).join();
    othersMayEnd.count_down();
    for (std::thread& other : others)
        other.join();
    ASSERT_EQ(sizeAgain, programOf42.size());
    EXPECT_EQ(std::memcmp(keptAgain, programOf42.data(), sizeAgain), 0) << "an eighth thread saved after the seven";
}

// A bank saved while automation sets a value and switches on through three
// programs holds them as they stood at one moment. Each program takes the value
// set as it is left, so their values are three steps in a row: the current
// program's is the oldest, or the newest once the save has applied a value
// that waits for the next switch. The three sit in the first slots, which a
// save copies first, and the switches come at a random pace, so that many a
// save sees one or two switches.
TEST(Concurrency, BankSavedWhileAutomationSwitchesProgramsHoldsThemAsAtOneMoment)
{
    constexpr int kSteps = 64;
    constexpr int kPrograms = 3;
    const auto stepValue = [](int step) { return float(step) / float(kSteps - 1); };
    const auto wordAt = [](const uint8_t* bytes) {
        return uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 | bytes[3];
    };
    const auto sliderWord = [&](const uint8_t* record) { return wordAt(record + offsetof(OrvPreset, sliderCurrent)); };
    auto source = startedHost();
    source->dispatch(effSetProgram, 0, source->findProgram("Auto-Wah"));
    const std::vector<uint8_t> wah = source->chunk(true);
    std::map<uint32_t, int> stepOfWord;
    for (int step = 0; step < kSteps; ++step) {
        setParameter(*source, 0, stepValue(step));
        std::vector<uint8_t> program = source->chunk(true);
        stepOfWord[sliderWord(recordOf(program, 0))] = step;
    }
    ASSERT_EQ(stepOfWord.size(), size_t(kSteps));

    auto host = startedHost();
    for (int slot = 0; slot < kPrograms; ++slot) {
        host->dispatch(effSetProgram, 0, slot);
        ASSERT_TRUE(host->restoreChunk(wah, true));
    }
    int step = 0;
    int current = kPrograms - 1;
    const auto stepAndSwitch = [&] {
        step = (step + 1) % kSteps;
        setParameter(*host, 0, stepValue(step));
        current = (current + 1) % kPrograms;
        host->dispatch(effSetProgram, 0, current);
    };
    for (int slot = 0; slot < kPrograms; ++slot)
        stepAndSwitch();
    // True when the saved programs' steps run oldest, middle, newest from some
    // program on, and the current program's is the oldest or the newest.
    const auto asAtOneMoment = [&](std::vector<uint8_t>& bank) {
        int steps[kPrograms];
        for (int slot = 0; slot < kPrograms; ++slot) {
            const auto found = stepOfWord.find(sliderWord(recordOf(bank, slot)));
            if (found == stepOfWord.end())
                return false;
            steps[slot] = found->second;
        }
        const auto savedCurrent = int(wordAt(bank.data() + offsetof(OrvChunkHeader, currentProgram)));
        for (int oldest = 0; oldest < kPrograms; ++oldest) {
            const auto stepOf = [&](int slot) { return steps[slot % kPrograms]; };
            if (stepOf(oldest + 1) == (stepOf(oldest) + 1) % kSteps &&
                stepOf(oldest + 2) == (stepOf(oldest) + 2) % kSteps)
                return savedCurrent == oldest || savedCurrent == (oldest + 2) % kPrograms;
        }
        return false;
    };
    std::mt19937 pace(6);
    std::atomic<int> saves {0}, torn {0};
    runTogether(
        {
            [&] {
                stepAndSwitch();
                std::this_thread::sleep_for(std::chrono::microseconds(pace() % 400));
            },
            [&] {
                std::vector<uint8_t> bank = host->chunk(false);
                torn += !asAtOneMoment(bank);
                ++saves;
            },
        },
        std::chrono::seconds(1));
    EXPECT_GT(saves.load(), 10);
    EXPECT_EQ(torn.load(), 0) << "of " << saves.load() << " saved banks";
}

// A value set on one thread while a MIDI program change arrives on the audio
// thread, and a display poll overlapping a [program change, learned
// controller] batch, end as some order of the calls would: each value in the
// one program it was set on. Program A plays with slider 0 at 0.1, B holds
// 0.2, and 0.5 waits for A before each race.
TEST(Concurrency, ValuesRacingAMidiProgramChangeLandAsSomeOrderOfTheCallsGives)
{
    constexpr int kRounds = 50000;
    auto host = startedHost(kVstProcessLevelOffline);
    std::vector<uint8_t> bank = host->chunk(false);
    bank[kLearnTableOffset] = kLearnedController;
    bank[kLearnTableOffset + 1] = 0;
    ASSERT_TRUE(host->restoreChunk(bank, false));
    const int programA = host->findProgram("Auto-Wah");
    const int programB = host->findProgram("Boo Hoo Wah");
    ASSERT_LT(programB, 128);

    const auto valuesOfAAndB = [&] {
        playBlock(*host);
        const float valueOfB = parameter(*host, 0);
        host->dispatch(effSetProgram, 0, programA);
        return std::pair(parameter(*host, 0), valueOfB);
    };
    std::atomic<int> started {0}, finished {0};
    std::function<void()> race;
    std::thread racer([&] {
        for (int round = 1; round <= 2 * kRounds; ++round) {
            while (started.load() != round)
                std::this_thread::yield();
            race();
            finished.store(round);
        }
    });
    std::mt19937 pace(9);
    int round = 0;
    // Runs `audioThread` here while the racer runs `race`, each after a few random spins.
    const auto raceOnce = [&](const std::function<void()>& audioThread) {
        host->dispatch(effSetProgram, 0, programB);
        setParameter(*host, 0, 0.2f);
        host->dispatch(effSetProgram, 0, programA);
        setParameter(*host, 0, 0.1f);
        playBlock(*host);
        setParameter(*host, 0, 0.5f);
        started.store(++round);
        for (std::atomic<unsigned> spins {unsigned(pace() % 64)}; spins > 0; --spins) {
        }
        audioThread();
        while (finished.load() != round)
            std::this_thread::yield();
        return valuesOfAAndB();
    };

    std::map<std::pair<float, float>, int> outcomes;
    race = [&] { setParameter(*host, 0, 0.8f); };
    for (int index = 0; index < kRounds; ++index)
        ++outcomes[raceOnce([&] { sendMidi(*host, kMidiProgramChange, uint8_t(programB), 0); })];
    race = [&] { host->text(effGetParamDisplay, 0); };
    for (int index = 0; index < kRounds; ++index)
        ++outcomes[raceOnce([&] {
            sendMidi(*host, {{kMidiProgramChange, uint8_t(programB), 0}, {kMidiControlChange, kLearnedController, 20}});
        })];
    racer.join();

    // Before the program change, after it; and the poll's order makes no difference. Compared
    // exactly: 0.2, 0.5 and 0.8 read back through A's and B's sliders as set, and the
    // controller's 20/127, which B's slider would round, is answered as sent.
    const std::set<std::pair<float, float>> orders {{0.8f, 0.2f}, {0.5f, 0.8f}, {0.5f, 20 / 127.0f}};
    for (const auto& [values, count] : outcomes) {
        EXPECT_TRUE(orders.contains(values))
            << count << " rounds gave A " << values.first << " and B " << values.second;
    }
}

// The sample rate and block size set from two threads at once, while blocks
// play: no race, and the last settings hold.
TEST(Concurrency, SampleRateAndBlockSizeSetFromTwoThreadsAtOnce)
{
    auto host = startedHost();
    host->dispatch(effSetProgram, 0, host->findProgram("Simple Delay"));
    std::mt19937 rates(4), sizes(5);
    runTogether(
        {
            [&] { playBlock(*host); },
            [&] {
                host->dispatch(effSetSampleRate, 0, 0, nullptr, rates() % 2 ? 48000.0f : 44100.0f);
                host->dispatch(effSetBlockSize, 0, rates() % 2 ? 256 : kBlockFrames);
            },
            [&] {
                host->dispatch(effSetBlockSize, 0, sizes() % 2 ? 128 : kBlockFrames);
                host->dispatch(effSetSampleRate, 0, 0, nullptr, sizes() % 2 ? 96000.0f : 44100.0f);
            },
        },
        std::chrono::milliseconds(200));
    host->dispatch(effSetSampleRate, 0, 0, nullptr, 48000.0f);
    host->dispatch(effSetBlockSize, 0, 256);
    auto settled = startedHost();
    settled->dispatch(effSetProgram, 0, settled->findProgram("Simple Delay"));
    settled->dispatch(effSetSampleRate, 0, 0, nullptr, 48000.0f);
    settled->dispatch(effSetBlockSize, 0, 256);
    EXPECT_EQ(host->dispatch(effGetTailSize), settled->dispatch(effGetTailSize));
    EXPECT_EQ(host->chunk(true), settled->chunk(true));
}
