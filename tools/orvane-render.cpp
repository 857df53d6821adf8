// Command-line host: loads a VST 2.4 plug-in library by path, lists its
// programs, renders audio through a program block by block from file to file,
// and saves and loads chunks.

#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fstream>
#include <iterator>
#include <memory>
#include <numbers>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "VstHost.h"

namespace {

constexpr int kMinRate = 8000;
constexpr int kMaxRate = 384000;
constexpr int kMaxBlock = 8192;
constexpr double kMaxSeconds = 3600.0;
constexpr double kMaxReportedTailSeconds = 30.0;

constexpr char kUsage[] =
    "usage: orvane-render PLUGIN [options]\n"
    "  --list                   list the programs (index and name) and stop\n"
    "  --program INDEX|NAME     program to render through (default: the current one)\n"
    "  --param INDEX|NAME=VALUE set a parameter, VALUE 0..1 (repeatable)\n"
    "  --input FILE             mono or stereo input in any format libsndfile reads,\n"
    "                           rendered at its own rate; mono feeds both inputs\n"
    "  --output FILE            output, its format from the extension: .wav .aif .aiff\n"
    "                           .caf .w64 (32-bit float), .flac (24-bit), .ogg (Vorbis,\n"
    "                           up to 192000 Hz)\n"
    "  --seconds S              length of the built-in test signal, 0..3600 (default 4)\n"
    "  --rate HZ                rate of the built-in test signal, 8000..384000 (default\n"
    "                           44100); an input is not resampled, so a --rate other\n"
    "                           than its own is refused\n"
    "  --tail S                 seconds of silence rendered after the input, 0..3600\n"
    "                           (default: the tail the program reports, at most 30)\n"
    "  --block FRAMES           block size, 1..8192 (default 512)\n"
    "  --load-bank FILE, --load-program FILE    restore a chunk before rendering\n"
    "  --save-bank FILE, --save-program FILE    save a chunk after rendering\n"
    "  -h, --help               print this and stop\n"
    "Every output is written in full or not at all: an existing file is replaced\n"
    "only once the work succeeds. Exit status: 0 done, 1 failed, 2 wrong usage.\n";

struct Failure {
    std::string message;
    int status;
};

[[noreturn]] void fail(const std::string& message)
{
    throw Failure {message, 1};
}

[[noreturn]] void badUsage(const std::string& message)
{
    throw Failure {message, 2};
}

std::string cannotWrite(const std::string& path)
{
    return "cannot write " + path + ": " + std::strerror(errno);
}

struct OutputFormat {
    const char* extension;
    int format;
    int maxRate;
};

// Each container with the sample format it holds best. The Vorbis encoder
// refuses high rates only once the first block comes, too late to refuse
// before rendering, so its limit is known here.
constexpr OutputFormat kOutputFormats[] = {
    {"wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, kMaxRate},    {"aif", SF_FORMAT_AIFF | SF_FORMAT_FLOAT, kMaxRate},
    {"aiff", SF_FORMAT_AIFF | SF_FORMAT_FLOAT, kMaxRate},  {"caf", SF_FORMAT_CAF | SF_FORMAT_FLOAT, kMaxRate},
    {"w64", SF_FORMAT_W64 | SF_FORMAT_FLOAT, kMaxRate},    {"flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_24, kMaxRate},
    {"ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 192000},
};

const OutputFormat* outputFormat(const std::string& path)
{
    const size_t dot = path.find_last_of("./");
    std::string extension = dot != std::string::npos && path[dot] == '.' ? path.substr(dot + 1) : "";
    for (char& letter : extension)
        letter = char(std::tolower(uint8_t(letter)));
    for (const OutputFormat& format : kOutputFormats) {
        if (extension == format.extension)
            return &format;
    }
    badUsage("cannot tell a format from the name " + path +
             ": end it in .wav, .aif, .aiff, .caf, .w64, .flac or .ogg");
}

struct Options {
    bool help = false;
    std::string plugin;
    bool list = false;
    std::string program;
    std::vector<std::pair<std::string, float>> parameters;
    std::string input;
    std::string output;
    const OutputFormat* outputFormat = nullptr;
    double seconds = 4.0;
    std::optional<int> rate;
    std::optional<double> tail;
    int block = 512;
    std::string loadBank, loadProgram, saveBank, saveProgram;
};

double numberArgument(const std::string& option, const std::string& text)
{
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != 0 || !std::isfinite(value))
        badUsage(option + " needs a number, not \"" + text + "\"");
    return value;
}

double boundedArgument(const std::string& option, const std::string& text, double low, double high)
{
    const double value = numberArgument(option, text);
    if (value < low || value > high) {
        char range[64];
        std::snprintf(range, sizeof range, "%g..%g", low, high);
        badUsage(option + " " + text + " is outside " + range);
    }
    return value;
}

int wholeArgument(const std::string& option, const std::string& text, int low, int high)
{
    const double value = boundedArgument(option, text, low, high);
    if (value != std::floor(value))
        badUsage(option + " needs a whole number, not \"" + text + "\"");
    return int(value);
}

std::pair<std::string, float> parameterArgument(const std::string& text)
{
    const size_t equals = text.rfind('=');
    if (equals == std::string::npos)
        badUsage("--param needs INDEX|NAME=VALUE, not \"" + text + "\"");
    const double value = numberArgument("--param", text.substr(equals + 1));
    const double clamped = std::clamp(value, 0.0, 1.0);
    if (clamped != value)
        std::fprintf(stderr, "orvane-render: warning: --param %s is outside 0..1; %g is used\n", text.c_str(),
                     clamped);
    return {text.substr(0, equals), float(clamped)};
}

Options parseOptions(int argc, char** argv)
{
    Options options;
    for (int index = 1; index < argc; ++index) {
        const std::string option = argv[index];
        if (option == "--help" || option == "-h") {
            options.help = true;
            return options;
        }
        if (index == 1 && option[0] != '-') {
            options.plugin = option;
            continue;
        }
        if (option == "--list") {
            options.list = true;
            continue;
        }
        if (index + 1 >= argc)
            badUsage(option + " needs a value\n" + kUsage);
        const std::string value = argv[++index];
        if (option == "--program") {
            options.program = value;
        } else if (option == "--param") {
            options.parameters.push_back(parameterArgument(value));
        } else if (option == "--input") {
            options.input = value;
        } else if (option == "--output") {
            options.output = value;
            options.outputFormat = outputFormat(value);
        } else if (option == "--seconds") {
            options.seconds = boundedArgument(option, value, 0.0, kMaxSeconds);
        } else if (option == "--rate") {
            options.rate = wholeArgument(option, value, kMinRate, kMaxRate);
        } else if (option == "--tail") {
            options.tail = boundedArgument(option, value, 0.0, kMaxSeconds);
        } else if (option == "--block") {
            options.block = wholeArgument(option, value, 1, kMaxBlock);
        } else if (option == "--load-bank") {
            options.loadBank = value;
        } else if (option == "--load-program") {
            options.loadProgram = value;
        } else if (option == "--save-bank") {
            options.saveBank = value;
        } else if (option == "--save-program") {
            options.saveProgram = value;
        } else {
            badUsage("unknown option " + option + "\n" + kUsage);
        }
    }
    if (options.plugin.empty())
        badUsage(std::string("no plug-in library given\n") + kUsage);
    if (!options.input.empty() && options.output.empty())
        badUsage("--input " + options.input + " needs an --output to render into");
    if (!options.list && options.output.empty() && options.saveBank.empty() && options.saveProgram.empty())
        badUsage(std::string("nothing to do: give --list, --output, --save-bank or --save-program\n") + kUsage);
    return options;
}

struct CloseSoundFile {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SoundFile = std::unique_ptr<SNDFILE, CloseSoundFile>;

// A plucked harmonic tone every half second, alternating two pitches, with
// the second voice panned right, so filters, delays and pans all show.
void testSignalFrame(int rate, size_t frame, float& left, float& right)
{
    const size_t noteFrames = size_t(rate / 2);
    const size_t note = frame / noteFrames;
    const double time = double(frame % noteFrames) / rate;
    const double pitch = note % 2 == 0 ? 220.0 : 329.63;
    double tone = 0.0;
    for (int harmonic = 1; harmonic <= 8; ++harmonic)
        tone += std::sin(2.0 * std::numbers::pi * pitch * harmonic * time) / harmonic;
    const float sample = float(0.3 * tone * std::exp(-6.0 * time));
    left = note % 2 == 0 ? sample : 0.5f * sample;
    right = sample;
}

// The render's input, read a block at a time: a sound file, or the test signal.
class Source {
public:
    Source(int rate, double seconds) : sampleRate(rate), signalFrames(size_t(seconds * rate)) {}

    Source(const std::string& filePath, std::optional<int> requestedRate) : path(filePath)
    {
        SF_INFO info {};
        file.reset(sf_open(path.c_str(), SFM_READ, &info));
        if (!file)
            fail("cannot read " + path + ": " + sf_strerror(nullptr));
        if (info.channels > 2)
            fail(path + " has " + std::to_string(info.channels) +
                 " channels; the plug-in takes mono or stereo (mix it down first, e.g. with sox)");
        if (info.samplerate < kMinRate || info.samplerate > kMaxRate)
            fail(path + " is at " + std::to_string(info.samplerate) + " Hz; rates from " + std::to_string(kMinRate) +
                 " to " + std::to_string(kMaxRate) + " Hz are rendered");
        if (requestedRate && *requestedRate != info.samplerate)
            badUsage("--rate " + std::to_string(*requestedRate) + " contradicts " + path + ", which is at " +
                     std::to_string(info.samplerate) + " Hz: an input is rendered at its own rate (resample it " +
                     "first, e.g. sox IN -r " + std::to_string(*requestedRate) + " OUT)");
        channels = info.channels;
        sampleRate = info.samplerate;
    }

    int rate() const { return sampleRate; }

    // Fills up to `frames` frames of both channels and says how many; fewer
    // once the input has ended.
    size_t read(float* left, float* right, size_t frames)
    {
        if (!file) {
            const size_t count = std::min(frames, signalFrames - position);
            for (size_t frame = 0; frame < count; ++frame)
                testSignalFrame(sampleRate, position + frame, left[frame], right[frame]);
            position += count;
            return count;
        }
        interleaved.resize(frames * size_t(channels));
        const sf_count_t count = sf_readf_float(file.get(), interleaved.data(), sf_count_t(frames));
        if (count < 0 || sf_error(file.get()) != SF_ERR_NO_ERROR)
            fail("cannot read " + path + ": " + sf_strerror(file.get()));
        for (size_t frame = 0; frame < size_t(count); ++frame) {
            left[frame] = interleaved[frame * size_t(channels)];
            right[frame] = interleaved[frame * size_t(channels) + size_t(channels) - 1];
        }
        return size_t(count);
    }

private:
    std::string path;
    SoundFile file;
    int channels = 2;
    int sampleRate = 44100;
    size_t signalFrames = 0;
    size_t position = 0;
    std::vector<float> interleaved;
};

// A file written under a temporary name beside its path and renamed onto it
// only when committed, so that a failed run leaves any file there untouched.
class PendingFile {
public:
    explicit PendingFile(const std::string& target) : path(target), temporary(target + ".XXXXXX")
    {
        struct stat status {};
        if (stat(path.c_str(), &status) == 0) {
            if (S_ISDIR(status.st_mode))
                fail("cannot write " + path + ": it is a folder");
            // A write-protected file is left alone, as writing it in place would.
            if (access(path.c_str(), W_OK) != 0)
                fail(cannotWrite(path));
        }
        descriptor = mkstemp(temporary.data());
        if (descriptor < 0)
            fail(cannotWrite(path));
        // mkstemp creates the file for its owner alone; a finished output gets the usual permissions.
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(descriptor, 0666 & ~mask);
    }

    ~PendingFile()
    {
        if (descriptor >= 0)
            close(descriptor);
        if (!temporary.empty())
            unlink(temporary.c_str());
    }

    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    int fd() const { return descriptor; }
    const std::string& name() const { return path; }

    void write(const std::vector<uint8_t>& bytes) const
    {
        for (size_t written = 0; written < bytes.size();) {
            const ssize_t count = ::write(descriptor, bytes.data() + written, bytes.size() - written);
            if (count < 0 && errno == EINTR)
                continue;
            if (count <= 0)
                fail(cannotWrite(path));
            written += size_t(count);
        }
    }

    void commit()
    {
        const int closed = close(descriptor);
        descriptor = -1;
        if (closed != 0 || std::rename(temporary.c_str(), path.c_str()) != 0)
            fail(cannotWrite(path));
        temporary.clear();
    }

private:
    std::string path;
    std::string temporary;
    int descriptor = -1;
};

// The rendered audio's file, ready before the render starts.
struct AudioOutput {
    AudioOutput(const std::string& path, const OutputFormat& format, int rate) : pending(path)
    {
        SF_INFO info {};
        info.samplerate = rate;
        info.channels = 2;
        info.format = format.format;
        if (rate > format.maxRate || !sf_format_check(&info))
            fail("cannot write " + path + ": its format does not hold stereo at " + std::to_string(rate) + " Hz");
        sound.reset(sf_open_fd(pending.fd(), SFM_WRITE, &info, SF_FALSE));
        if (!sound)
            fail("cannot write " + path + " at " + std::to_string(rate) + " Hz: " + sf_strerror(nullptr));
        // Integer formats clip what lies beyond full scale rather than wrap it.
        sf_command(sound.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);
    }

    void write(const float* interleaved, size_t frames) const
    {
        if (sf_writef_float(sound.get(), interleaved, sf_count_t(frames)) != sf_count_t(frames))
            fail("cannot write " + pending.name() + ": " + sf_strerror(sound.get()));
    }

    void commit()
    {
        const int closed = sf_close(sound.release());
        if (closed != 0)
            fail("cannot write " + pending.name() + ": " + sf_error_number(closed));
        pending.commit();
    }

    PendingFile pending;
    SoundFile sound;
};

struct Levels {
    double peak[2] {};
    double energy[2] {};
    size_t frames = 0;

    void add(const float* interleaved, size_t count)
    {
        for (size_t sample = 0; sample < 2 * count; ++sample) {
            const double value = interleaved[sample];
            peak[sample % 2] = std::max(peak[sample % 2], std::fabs(value));
            energy[sample % 2] += value * value;
        }
        frames += count;
    }

    void print() const
    {
        for (int c = 0; c < 2; ++c) {
            const double rms = frames ? std::sqrt(energy[c] / double(frames)) : 0.0;
            std::printf("%s: peak %.6f, RMS %.6f\n", c == 0 ? "left" : "right", peak[c], rms);
        }
    }
};

// Renders the source and then `tailFrames` of silence through the plug-in into
// the output, a block at a time.
Levels render(const VstHost& host, Source& source, size_t tailFrames, int block, const AudioOutput& output)
{
    const size_t blockFrames = size_t(block);
    std::vector<float> inLeft(blockFrames), inRight(blockFrames), outLeft(blockFrames), outRight(blockFrames);
    std::vector<float> interleaved(2 * blockFrames);
    float* inputs[2] = {inLeft.data(), inRight.data()};
    float* outputs[2] = {outLeft.data(), outRight.data()};
    Levels levels;
    for (;;) {
        size_t frames = source.read(inLeft.data(), inRight.data(), blockFrames);
        const size_t silence = std::min(blockFrames - frames, tailFrames);
        std::fill_n(inLeft.begin() + long(frames), silence, 0.0f);
        std::fill_n(inRight.begin() + long(frames), silence, 0.0f);
        tailFrames -= silence;
        frames += silence;
        if (frames == 0)
            return levels;
        host.processReplacing(inputs, outputs, int(frames));
        for (size_t frame = 0; frame < frames; ++frame) {
            interleaved[2 * frame] = outLeft[frame];
            interleaved[2 * frame + 1] = outRight[frame];
        }
        output.write(interleaved.data(), frames);
        levels.add(interleaved.data(), frames);
    }
}

// The frames rendered after the input: as asked, or the tail the plug-in
// reports in frames (1 means none, 0 that it does not say), within a cap.
size_t tailFrames(const VstHost& host, std::optional<double> seconds, int rate)
{
    if (seconds)
        return size_t(*seconds * rate);
    const VstIntPtr reported = host.dispatch(effGetTailSize);
    if (reported <= 1)
        return 0;
    return size_t(std::min(double(reported), kMaxReportedTailSeconds * rate));
}

std::vector<uint8_t> readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        fail("cannot read " + path);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void loadChunk(const VstHost& host, const std::string& path, bool isProgram)
{
    if (path.empty())
        return;
    if (!host.restoreChunk(readFile(path), isProgram))
        fail("the plug-in refused the " + std::string(isProgram ? "program" : "bank") + " chunk in " + path);
}

// The chunk's bytes, written into its pending file.
size_t saveChunk(const VstHost& host, const std::optional<PendingFile>& file, bool isProgram)
{
    if (!file)
        return 0;
    const std::vector<uint8_t> bytes = host.chunk(isProgram);
    if (bytes.empty())
        fail("the plug-in gave no chunk");
    file->write(bytes);
    return bytes.size();
}

void applyParameters(const VstHost& host, const std::vector<std::pair<std::string, float>>& parameters)
{
    for (const auto& [key, value] : parameters) {
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
}

int run(int argc, char** argv)
{
    const Options options = parseOptions(argc, argv);
    if (options.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }

    // Everything that can be refused is refused before the plug-in renders.
    std::optional<Source> source;
    std::optional<AudioOutput> output;
    std::optional<PendingFile> bank, program;
    int rate = options.rate.value_or(44100);
    if (!options.list) {
        if (!options.input.empty())
            source.emplace(options.input, options.rate);
        else if (!options.output.empty())
            source.emplace(rate, options.seconds);
        if (source)
            rate = source->rate();
        if (!options.output.empty())
            output.emplace(options.output, *options.outputFormat, rate);
        if (!options.saveBank.empty())
            bank.emplace(options.saveBank);
        if (!options.saveProgram.empty())
            program.emplace(options.saveProgram);
    }

    VstHost host;
    host.sampleRate = float(rate);
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
        const int index = host.findProgram(options.program);
        if (index < 0)
            fail("no program \"" + options.program + "\"");
        host.dispatch(effSetProgram, 0, index);
    }
    applyParameters(host, options.parameters);

    const int current = int(host.dispatch(effGetProgram));
    std::printf("program %d: %s\n", current, host.programName(current).c_str());
    std::optional<Levels> levels;
    size_t tail = 0;
    if (output) {
        tail = tailFrames(host, options.tail, rate);
        levels = render(host, *source, tail, options.block, *output);
    }
    const size_t bankBytes = saveChunk(host, bank, false);
    const size_t programBytes = saveChunk(host, program, true);

    if (output) {
        output->commit();
        std::printf("rendered %zu frames at %d Hz to %s, %zu of them the tail\n", levels->frames, rate,
                    options.output.c_str(), tail);
        levels->print();
    }
    if (bank) {
        bank->commit();
        std::printf("saved bank chunk (%zu bytes) to %s\n", bankBytes, options.saveBank.c_str());
    }
    if (program) {
        program->commit();
        std::printf("saved program chunk (%zu bytes) to %s\n", programBytes, options.saveProgram.c_str());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return run(argc, argv);
    } catch (const Failure& failure) {
        std::fprintf(stderr, "orvane-render: %s\n", failure.message.c_str());
        return failure.status;
    } catch (const std::exception& exception) {
        std::fprintf(stderr, "orvane-render: %s\n", exception.what());
        return 1;
    }
}
