// Renders every program over one fixed stereo signal at two block sizes into one file,
// and compares two such files, so an engine can be checked against an earlier one.
// It uses only the core calls a host's glue makes, so it builds against older cores too.
//
//   orvane_render_all render FILE
//   orvane_render_all compare REFERENCE CURRENT [--block-spread] [--allow PROGRAM BOUND]...
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include "plugin/OrvCore.h"
#include "plugin/Sliders.h"

namespace {

constexpr float kRate = 44100.0f;
constexpr int kFrames = 3 * 44100;
// The sliders move here, and every block size splits its block at this frame so both hear it at once.
constexpr int kSliderChangeFrame = kFrames / 2;
constexpr std::array<int, 2> kBlockSizes = {512, 37};
constexpr char kMagic[8] = {'O', 'R', 'V', 'R', 'E', 'N', 'D', '1'};
constexpr double kPeakBound = 1e-5;
// Programs that play noise are held to their mean level per channel over several runs:
// within 5 %, or four standard errors where their level is itself random (noise that
// triggers drips or steps a pan varies by a factor of two). Each run seeds the noise the
// same way in both renders, so the check gives the same answer every time.
constexpr int kNoiseRuns = 8;
constexpr double kNoiseLevelTolerance = 0.05;
constexpr double kNoiseStandardErrors = 4.0;
constexpr double kSilentLevel = 1e-6;

struct Header {
    char magic[8];
    uint32_t frames;
    uint32_t programs;
    uint32_t blockSizes[kBlockSizes.size()];
};

struct ProgramHeader {
    char name[32];
    uint32_t playsNoise;
};

// A noise program's RMS per run, block size and channel, after its samples.
using NoiseLevels = std::array<std::array<std::array<double, 2>, kBlockSizes.size()>, kNoiseRuns>;

// Per channel: stretches of tones, a chirp, deterministic noise, silence and a burst
// loud enough to engage the limiter, before and after the sliders move.
std::vector<float> testSignal(int channel)
{
    std::vector<float> samples(static_cast<size_t>(kFrames));
    uint32_t noise = channel == 0 ? 12345u : 67890u;
    const double tone = channel == 0 ? 220.0 : 331.0;
    double chirpPhase = 0.0;
    for (int n = 0; n < kFrames; ++n) {
        const double t = n / double(kRate);
        const double part = std::fmod(t, 1.5); // the same stretches in each half
        noise = noise * 1664525u + 1013904223u;
        const double hiss = double(noise >> 8) / double(1u << 24) - 0.5;
        const double chirpFrequency = 50.0 * std::pow(100.0, std::clamp((part - 0.4) / 0.5, 0.0, 1.0)); // to 5 kHz
        chirpPhase += 2.0 * std::numbers::pi * chirpFrequency / kRate;
        double value = 0.0;
        if (part < 0.4)
            value = 0.2 * std::sin(2.0 * std::numbers::pi * tone * t) + 0.1 * std::sin(2.0 * std::numbers::pi * 3.0 * tone * t);
        else if (part < 0.9)
            value = 0.25 * std::sin(chirpPhase) + 0.05 * hiss;
        else if (part < 1.0)
            value = 0.5 * hiss;
        else if (part < 1.1)
            value = 0.0;
        else if (part < 1.2)
            value = 0.95 * std::sin(2.0 * std::numbers::pi * 0.5 * tone * t) + 0.3 * hiss;
        samples[size_t(n)] = float(value);
    }
    return samples;
}

uint32_t noiseSeed(int program, int run) { return 0x9E3779B9u * uint32_t(program * kNoiseRuns + run + 1); }

bool playsNoise(const OrvPreset& preset)
{
    for (int m = 0; m < kNumModules; ++m) {
        if (preset.inUse[m] == 1 && preset.oscKind[m] == OscKind::Noise)
            return true;
    }
    return false;
}

double rms(const std::vector<float>& samples)
{
    double sum = 0.0;
    for (float sample : samples)
        sum += double(sample) * sample;
    return std::sqrt(sum / double(samples.size()));
}

// Plays the selected program over the signal as the plug-in object does, the sliders
// written before each block; every slider moves to its own fixed value halfway.
void renderProgram(OrvCore& core, int blockSize, const float* const signal[2], std::vector<float> output[2])
{
    for (int done = 0; done < kFrames;) {
        if (done == kSliderChangeFrame) {
            for (int slider = 0; slider < kNumSliders; ++slider)
                setSliderParameter(core, slider, 0.2f + 0.1f * float(slider));
        }
        const int end = done < kSliderChangeFrame ? kSliderChangeFrame : kFrames;
        const int count = std::min(blockSize, end - done);
        const float* inputs[2] = {signal[0] + done, signal[1] + done};
        float* outputs[2] = {output[0].data() + done, output[1].data() + done};
        applyChangedSliders(core);
        processBlock(*core.engine, *core.current, inputs, outputs, count, core.sampleRate, true);
        done += count;
    }
}

int render(const char* path)
{
    const std::vector<float> left = testSignal(0);
    const std::vector<float> right = testSignal(1);
    const float* const signal[2] = {left.data(), right.data()};

    // One core per block size plays the programs in bank order, as a host switching programs would.
    std::vector<OrvCore> cores(kBlockSizes.size());
    for (size_t size = 0; size < kBlockSizes.size(); ++size)
        initCore(cores[size], kRate, kBlockSizes[size]);

    std::ofstream file(path, std::ios::binary);
    Header header {};
    std::memcpy(header.magic, kMagic, sizeof kMagic);
    header.frames = kFrames;
    header.programs = kNumPrograms;
    std::copy(kBlockSizes.begin(), kBlockSizes.end(), header.blockSizes);
    file.write(reinterpret_cast<const char*>(&header), sizeof header);

    std::vector<float> output[2] = {std::vector<float>(size_t(kFrames)), std::vector<float>(size_t(kFrames))};
    for (int index = 0; index < kNumPrograms; ++index) {
        const OrvPreset factory = cores[0].bank[index];
        ProgramHeader program {};
        std::memcpy(program.name, factory.programName, sizeof program.name);
        program.playsNoise = playsNoise(factory) ? 1 : 0;
        file.write(reinterpret_cast<const char*>(&program), sizeof program);
        NoiseLevels levels {};
        for (size_t size = 0; size < kBlockSizes.size(); ++size) {
            OrvCore& core = cores[size];
            selectProgram(core, index);
            core.engine->noiseState = noiseSeed(index, 0);
            renderProgram(core, kBlockSizes[size], signal, output);
            for (const std::vector<float>& channel : output)
                file.write(reinterpret_cast<const char*>(channel.data()), std::streamsize(channel.size() * sizeof(float)));
            for (int run = 0; program.playsNoise && run < kNoiseRuns; ++run) {
                if (run > 0) {
                    // The sliders moved the record: start again from the factory program, prepared afresh.
                    core.bank[index] = factory;
                    selectProgram(core, (index + 1) % kNumPrograms);
                    selectProgram(core, index);
                    core.engine->noiseState = noiseSeed(index, run);
                    renderProgram(core, kBlockSizes[size], signal, output);
                }
                for (int c = 0; c < 2; ++c)
                    levels[size_t(run)][size][size_t(c)] = rms(output[c]);
            }
        }
        if (program.playsNoise)
            file.write(reinterpret_cast<const char*>(&levels), sizeof levels);
    }
    file.close();
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return 2;
    }
    return 0;
}

// One program's samples from a renders file: [block size][channel][frame].
struct ProgramRenders {
    ProgramHeader header {};
    std::vector<float> samples[kBlockSizes.size()][2];
    NoiseLevels levels {};
};

bool readProgram(std::ifstream& file, ProgramRenders& program)
{
    file.read(reinterpret_cast<char*>(&program.header), sizeof program.header);
    for (auto& block : program.samples) {
        for (std::vector<float>& channel : block) {
            channel.resize(size_t(kFrames));
            file.read(reinterpret_cast<char*>(channel.data()), std::streamsize(channel.size() * sizeof(float)));
        }
    }
    if (program.header.playsNoise)
        file.read(reinterpret_cast<char*>(&program.levels), sizeof program.levels);
    return bool(file);
}

bool openRenders(std::ifstream& file, const char* path)
{
    file.open(path, std::ios::binary);
    Header header {};
    file.read(reinterpret_cast<char*>(&header), sizeof header);
    const bool matches = file && std::memcmp(header.magic, kMagic, sizeof kMagic) == 0 && header.frames == kFrames
                         && header.programs == kNumPrograms
                         && std::equal(kBlockSizes.begin(), kBlockSizes.end(), header.blockSizes);
    if (!matches)
        std::fprintf(stderr, "%s is not a renders file of this signal\n", path);
    return matches;
}

// The largest absolute difference of two channels; infinite where only one is a number.
double peakDifference(const std::vector<float>& a, const std::vector<float>& b)
{
    double largest = 0.0;
    for (size_t n = 0; n < a.size(); ++n) {
        if (a[n] == b[n] || (std::isnan(a[n]) && std::isnan(b[n])))
            continue;
        const double difference = std::fabs(double(a[n]) - double(b[n]));
        if (std::isnan(difference))
            return INFINITY;
        largest = std::max(largest, difference);
    }
    return largest;
}

struct Level {
    double mean = 0.0;
    double variance = 0.0; // of one run
};

Level levelOf(const NoiseLevels& levels, size_t size, int channel)
{
    Level level;
    for (const auto& run : levels)
        level.mean += run[size][size_t(channel)] / kNoiseRuns;
    for (const auto& run : levels)
        level.variance += std::pow(run[size][size_t(channel)] - level.mean, 2.0) / (kNoiseRuns - 1);
    return level;
}

// How far a noise program's mean level moved, beyond what its runs' own spread explains: above 1 fails.
double noiseLevelExcess(const ProgramRenders& reference, const ProgramRenders& current, size_t size)
{
    double worst = 0.0;
    for (int c = 0; c < 2; ++c) {
        const Level before = levelOf(reference.levels, size, c);
        const Level after = levelOf(current.levels, size, c);
        const double allowed = std::max({kNoiseLevelTolerance * before.mean, kSilentLevel,
            kNoiseStandardErrors * std::sqrt((before.variance + after.variance) / kNoiseRuns)});
        worst = std::max(worst, std::fabs(after.mean - before.mean) / allowed);
    }
    return worst;
}

std::string nameOf(const ProgramHeader& header) { return std::string(header.name, strnlen(header.name, sizeof header.name)); }

int compare(const char* referencePath, const char* currentPath, bool blockSpread, const std::map<std::string, double>& allowed)
{
    std::ifstream referenceFile;
    std::ifstream currentFile;
    if (!openRenders(referenceFile, referencePath) || !openRenders(currentFile, currentPath))
        return 2;

    int identical = 0, withinBound = 0, noiseLevelsKept = 0, explained = 0, failures = 0;
    ProgramRenders reference;
    ProgramRenders current;
    for (int index = 0; index < kNumPrograms; ++index) {
        if (!readProgram(referenceFile, reference) || !readProgram(currentFile, current)) {
            std::fprintf(stderr, "a renders file ends early\n");
            return 2;
        }
        const std::string name = nameOf(current.header);
        const bool noise = reference.header.playsNoise && current.header.playsNoise;
        if (reference.header.playsNoise != current.header.playsNoise) {
            ++failures;
            std::printf("FAIL %3d %-32s plays noise in one render only\n", index, name.c_str());
            continue;
        }
        const auto exception = allowed.find(name);
        const double bound = exception != allowed.end() ? exception->second : kPeakBound;
        for (size_t size = 0; size < kBlockSizes.size(); ++size) {
            const auto& before = reference.samples[size];
            const auto& after = current.samples[size];
            if (noise) {
                const double excess = noiseLevelExcess(reference, current, size);
                if (excess <= 1.0) {
                    ++noiseLevelsKept;
                } else {
                    ++failures;
                    std::printf("FAIL %3d %-32s block %3d  noise level moved %.1f times its allowance\n", index,
                                name.c_str(), kBlockSizes[size], excess);
                }
                continue;
            }
            const double difference = std::max(peakDifference(before[0], after[0]), peakDifference(before[1], after[1]));
            if (difference == 0.0) {
                ++identical;
            } else if (difference <= kPeakBound) {
                ++withinBound;
            } else if (difference <= bound) {
                ++explained;
            } else {
                ++failures;
                std::printf("FAIL %3d %-32s block %3d  peak difference %.3g\n", index, name.c_str(), kBlockSizes[size],
                            difference);
            }
        }
        if (blockSpread && !noise) {
            const auto& small = reference.samples[kBlockSizes.size() - 1];
            const auto& large = reference.samples[0];
            const double spread = std::max(peakDifference(large[0], small[0]), peakDifference(large[1], small[1]));
            if (spread > 0.0)
                std::printf("spread %3d %-32s reference block %d vs %d  %.3g\n", index, name.c_str(), kBlockSizes[0],
                            kBlockSizes.back(), spread);
        }
    }
    std::printf("%d programs at block sizes %d and %d: %d renders identical, %d within %g, %d noise levels kept, "
                "%d within their listed bound, %d failing\n",
                kNumPrograms, kBlockSizes[0], kBlockSizes[1], identical, withinBound, kPeakBound, noiseLevelsKept,
                explained, failures);
    return failures == 0 ? 0 : 1;
}

int usage()
{
    std::fprintf(stderr, "usage: orvane_render_all render FILE\n"
                         "       orvane_render_all compare REFERENCE CURRENT [--block-spread] [--allow PROGRAM BOUND]...\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "render") == 0)
        return render(argv[2]);
    if (argc < 4 || std::strcmp(argv[1], "compare") != 0)
        return usage();
    bool blockSpread = false;
    std::map<std::string, double> allowed;
    for (int arg = 4; arg < argc; ++arg) {
        if (std::strcmp(argv[arg], "--block-spread") == 0) {
            blockSpread = true;
        } else if (std::strcmp(argv[arg], "--allow") == 0 && arg + 2 < argc) {
            allowed[argv[arg + 1]] = std::atof(argv[arg + 2]);
            arg += 2;
        } else {
            return usage();
        }
    }
    return compare(argv[2], argv[3], blockSpread, allowed);
}
