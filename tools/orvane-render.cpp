// Command-line host: loads a VST 2.4 plug-in library by path, lists its
// programs, renders audio through a program, and saves and loads chunks.

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "VstHost.h"

namespace {

constexpr char kUsage[] =
    "usage: orvane-render PLUGIN [options]\n"
    "  --list                   list the programs (index and name) and stop\n"
    "  --program INDEX|NAME     program to render through (default: the current one)\n"
    "  --param INDEX|NAME=VALUE set a parameter, VALUE 0..1 (repeatable)\n"
    "  --input FILE             WAV/FLAC/AIFF input; a mono file feeds both inputs\n"
    "  --output FILE            32-bit float output, WAV (or AIFF for .aif/.aiff)\n"
    "  --seconds S              length of the built-in test signal (default 4)\n"
    "  --rate HZ                sample rate (default: the input's, else 44100)\n"
    "  --block FRAMES           block size (default 512)\n"
    "  --load-bank FILE, --load-program FILE    restore a chunk before rendering\n"
    "  --save-bank FILE, --save-program FILE    save a chunk after rendering\n";

struct Options {
    std::string plugin;
    bool list = false;
    std::string program;
    std::vector<std::pair<std::string, float>> parameters;
    std::string input;
    std::string output;
    double seconds = 4.0;
    int rate = 0;
    int block = 512;
    std::string loadBank, loadProgram, saveBank, saveProgram;
};

// Stereo audio, one vector per channel.
struct Audio {
    std::vector<float> channel[2];
    int rate = 44100;
    size_t frames() const { return channel[0].size(); }
};

[[noreturn]] void fail(const std::string& message)
{
    std::fprintf(stderr, "orvane-render: %s\n", message.c_str());
    std::exit(1);
}

double numberArgument(const std::string& option, const std::string& text)
{
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != 0 || !std::isfinite(value))
        fail(option + " needs a number, not \"" + text + "\"");
    return value;
}

Options parseOptions(int argc, char** argv)
{
    if (argc < 2 || std::string(argv[1]) == "--help")
        fail(std::string("no plug-in library given\n") + kUsage);
    Options options;
    options.plugin = argv[1];
    for (int index = 2; index < argc; ++index) {
        const std::string option = argv[index];
        if (option == "--list") {
            options.list = true;
            continue;
        }
        if (index + 1 >= argc)
            fail(option + " needs a value\n" + kUsage);
        const std::string value = argv[++index];
        if (option == "--program") {
            options.program = value;
        } else if (option == "--param") {
            const size_t equals = value.rfind('=');
            if (equals == std::string::npos)
                fail("--param needs INDEX|NAME=VALUE, not \"" + value + "\"");
            options.parameters.emplace_back(value.substr(0, equals),
                                            float(numberArgument(option, value.substr(equals + 1))));
        } else if (option == "--input") {
            options.input = value;
        } else if (option == "--output") {
            options.output = value;
        } else if (option == "--seconds") {
            options.seconds = numberArgument(option, value);
        } else if (option == "--rate") {
            options.rate = int(numberArgument(option, value));
        } else if (option == "--block") {
            options.block = int(numberArgument(option, value));
        } else if (option == "--load-bank") {
            options.loadBank = value;
        } else if (option == "--load-program") {
            options.loadProgram = value;
        } else if (option == "--save-bank") {
            options.saveBank = value;
        } else if (option == "--save-program") {
            options.saveProgram = value;
        } else {
            fail("unknown option " + option + "\n" + kUsage);
        }
    }
    if (options.block <= 0 || options.seconds <= 0.0 || options.rate < 0)
        fail("block size, length and rate must be positive");
    return options;
}

Audio readAudio(const std::string& path)
{
    SF_INFO info {};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
        fail("cannot read " + path + ": " + sf_strerror(nullptr));
    std::vector<float> interleaved(size_t(info.frames) * size_t(info.channels));
    const sf_count_t frames = sf_readf_float(file, interleaved.data(), info.frames);
    sf_close(file);
    Audio audio;
    audio.rate = info.samplerate;
    for (int c = 0; c < 2; ++c) {
        const int source = std::min(c, info.channels - 1);
        audio.channel[c].resize(size_t(frames));
        for (sf_count_t frame = 0; frame < frames; ++frame)
            audio.channel[c][size_t(frame)] = interleaved[size_t(frame) * size_t(info.channels) + size_t(source)];
    }
    return audio;
}

// A plucked harmonic tone every half second, alternating two pitches, with
// the second voice panned right, so filters, delays and pans all show.
Audio testSignal(int rate, double seconds)
{
    Audio audio;
    audio.rate = rate;
    const size_t frames = size_t(seconds * rate);
    const size_t noteFrames = size_t(rate / 2);
    for (std::vector<float>& channel : audio.channel)
        channel.resize(frames);
    for (size_t frame = 0; frame < frames; ++frame) {
        const size_t note = frame / noteFrames;
        const double time = double(frame % noteFrames) / rate;
        const double pitch = note % 2 == 0 ? 220.0 : 329.63;
        double tone = 0.0;
        for (int harmonic = 1; harmonic <= 8; ++harmonic)
            tone += std::sin(2.0 * std::numbers::pi * pitch * harmonic * time) / harmonic;
        const float sample = float(0.3 * tone * std::exp(-6.0 * time));
        audio.channel[0][frame] = note % 2 == 0 ? sample : 0.5f * sample;
        audio.channel[1][frame] = sample;
    }
    return audio;
}

void writeAudio(const std::string& path, const Audio& audio)
{
    SF_INFO info {};
    info.samplerate = audio.rate;
    info.channels = 2;
    const std::string extension = path.substr(path.find_last_of('.') + 1);
    if (extension == "flac")
        fail("FLAC holds no 32-bit float samples: write " + path + " as .wav or .aiff");
    if (extension == "aiff" || extension == "aif")
        info.format = SF_FORMAT_AIFF | SF_FORMAT_FLOAT;
    else
        info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file)
        fail("cannot write " + path + ": " + sf_strerror(nullptr));
    std::vector<float> interleaved(audio.frames() * 2);
    for (size_t frame = 0; frame < audio.frames(); ++frame) {
        interleaved[2 * frame] = audio.channel[0][frame];
        interleaved[2 * frame + 1] = audio.channel[1][frame];
    }
    sf_writef_float(file, interleaved.data(), sf_count_t(audio.frames()));
    sf_close(file);
}

Audio render(const VstHost& host, const Audio& input, int block)
{
    Audio output;
    output.rate = input.rate;
    for (std::vector<float>& channel : output.channel)
        channel.resize(input.frames());
    const size_t blockFrames = static_cast<size_t>(block);
    std::vector<float> inLeft(blockFrames), inRight(blockFrames);
    for (size_t start = 0; start < input.frames(); start += blockFrames) {
        const size_t frames = std::min(blockFrames, input.frames() - start);
        std::copy_n(input.channel[0].begin() + long(start), frames, inLeft.begin());
        std::copy_n(input.channel[1].begin() + long(start), frames, inRight.begin());
        float* inputs[2] = {inLeft.data(), inRight.data()};
        float* outputs[2] = {output.channel[0].data() + start, output.channel[1].data() + start};
        host.processReplacing(inputs, outputs, int(frames));
    }
    return output;
}

std::vector<uint8_t> readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        fail("cannot read " + path);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file)
        fail("cannot write " + path);
}

void loadChunk(const VstHost& host, const std::string& path, bool isProgram)
{
    if (path.empty())
        return;
    if (!host.restoreChunk(readFile(path), isProgram))
        fail("the plug-in refused the " + std::string(isProgram ? "program" : "bank") + " chunk in " + path);
}

void saveChunk(const VstHost& host, const std::string& path, bool isProgram)
{
    if (path.empty())
        return;
    const std::vector<uint8_t> bytes = host.chunk(isProgram);
    if (bytes.empty())
        fail("the plug-in gave no chunk");
    writeFile(path, bytes);
    std::printf("saved %s chunk (%zu bytes) to %s\n", isProgram ? "program" : "bank", bytes.size(), path.c_str());
}

void printLevels(const Audio& audio)
{
    for (int c = 0; c < 2; ++c) {
        double peak = 0.0;
        double energy = 0.0;
        for (float sample : audio.channel[c]) {
            peak = std::max(peak, double(std::fabs(sample)));
            energy += double(sample) * sample;
        }
        const double rms = audio.frames() ? std::sqrt(energy / double(audio.frames())) : 0.0;
        std::printf("%s: peak %.6f, RMS %.6f\n", c == 0 ? "left" : "right", peak, rms);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = parseOptions(argc, argv);
    Audio input;
    if (!options.input.empty())
        input = readAudio(options.input);

    VstHost host;
    host.sampleRate = float(options.rate ? options.rate : options.input.empty() ? 44100 : input.rate);
    host.blockSize = options.block;
    std::string error;
    if (!host.load(options.plugin, error))
        fail(error);
    host.start();

    if (options.list) {
        for (int index = 0; index < host.effect()->numPrograms; ++index)
            std::printf("%3d %s\n", index, host.programName(index).c_str());
        return 0;
    }

    loadChunk(host, options.loadBank, false);
    loadChunk(host, options.loadProgram, true);
    if (!options.program.empty()) {
        const int program = host.findProgram(options.program);
        if (program < 0)
            fail("no program \"" + options.program + "\"");
        host.dispatch(effSetProgram, 0, program);
    }
    for (const auto& [key, value] : options.parameters) {
        const int parameter = host.findParameter(key);
        if (parameter < 0) {
            std::string known;
            for (int index = 0; index < host.effect()->numParams; ++index)
                known += "\n  " + std::to_string(index) + " \"" + host.text(effGetParamName, index) + "\" " +
                         host.text(effGetParamLabel, index);
            fail("no parameter \"" + key + "\"; this program's parameters:" + known);
        }
        host.effect()->setParameter(host.effect(), parameter, value);
    }

    const int program = int(host.dispatch(effGetProgram));
    std::printf("program %d: %s\n", program, host.programName(program).c_str());
    if (!options.output.empty()) {
        if (options.input.empty())
            input = testSignal(int(host.sampleRate), options.seconds);
        input.rate = int(host.sampleRate);
        const Audio output = render(host, input, options.block);
        writeAudio(options.output, output);
        std::printf("rendered %zu frames at %d Hz to %s\n", output.frames(), output.rate, options.output.c_str());
        printLevels(output);
    }
    saveChunk(host, options.saveBank, false);
    saveChunk(host, options.saveProgram, true);
    return 0;
}
