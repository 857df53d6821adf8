// Command-line host: loads a VST 2.4 plug-in library by path, lists its
// programs, renders audio through a program block by block from file to file,
// and saves and loads chunks.

#include <sndfile.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cmath>
#include <csignal>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iterator>
#include <memory>
#include <numbers>
#include <optional>
#include <random>
#include <string>
#include <string_view>
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
    "usage: orvane-render PLUGIN [options]   (--option VALUE or --option=VALUE)\n"
    "  --list                   list the programs (index and name) as loaded and stop\n"
    "  --version                print the plug-in's name and version and stop\n"
    "  --program INDEX|NAME     program to render through (default: the current one);\n"
    "                           a name longer than the 23 characters a host is given\n"
    "                           is found by its first 23\n"
    "  --param INDEX|NAME=VALUE set a parameter, VALUE 0..1 (repeatable)\n"
    "  --input FILE             mono or stereo input in any format libsndfile reads,\n"
    "                           rendered at its own rate; mono feeds both inputs;\n"
    "                           - reads standard input\n"
    "  --output FILE            output, its format from the extension: .wav (RF64\n"
    "                           past 4 GiB) .aif .aiff (at most 4 GiB) .caf .w64\n"
    "                           (32-bit float), .flac (24-bit), .ogg (Vorbis, up to\n"
    "                           192000 Hz)\n"
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
    "The options act in this order, wherever they stand: load the bank, select the\n"
    "program, load the program chunk into it, set the parameters, render, save.\n"
    "Every output is a file (- is refused), written in full or not at all: an\n"
    "existing file is replaced only once the work succeeds, keeping its permissions,\n"
    "its owner where permitted and any symbolic link to it. A FIFO or device named\n"
    "as an output is written into, not replaced (a name without a format's\n"
    "extension as .wav), and before any file is. A run that fails or is stopped\n"
    "by a signal leaves no file behind and every file as it was; but where the\n"
    "file system cannot exchange two names (renameat2's RENAME_EXCHANGE; NFS is\n"
    "one), a file that cannot be replaced leaves those replaced before it new. A\n"
    "run killed outright leaves no file behind where the file system makes files\n"
    "without names.\n"
    "Exit status: 0 done, 1 failed, 2 wrong usage, 128+N stopped by signal N.\n";

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

// Whether the progress line is on stderr with its line not yet ended.
bool progressLineOpen = false;

// A message on stderr, on a line of its own even while the progress shows.
__attribute__((format(printf, 1, 2))) void printMessage(const char* format, ...)
{
    if (progressLineOpen)
        std::fputc('\n', stderr);
    progressLineOpen = false;
    std::va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
}

std::string cannotWrite(const std::string& path)
{
    return "cannot write " + path + ": " + std::strerror(errno);
}

// Writes all `count` bytes; false, errno saying why, when it cannot.
bool writeAll(int descriptor, const void* bytes, size_t count)
{
    for (size_t written = 0; written < count;) {
        const ssize_t put = ::write(descriptor, static_cast<const char*>(bytes) + written, count - written);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            if (put == 0)
                errno = ENOSPC;
            return false;
        }
        written += size_t(put);
    }
    return true;
}

// Reads `descriptor` (the input `path` names) to its end, handing each piece read to `take(bytes, count)`.
template <typename Take>
void readAll(int descriptor, const std::string& path, Take take)
{
    char buffer[65536];
    for (;;) {
        const ssize_t got = read(descriptor, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            fail("cannot read " + path + ": " + std::strerror(errno));
        if (got == 0)
            return;
        take(buffer, size_t(got));
    }
}

// A file opened to be read, refused with the reason when it cannot be.
int openForReading(const std::string& path)
{
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    if (descriptor < 0 || fstat(descriptor, &status) != 0)
        fail("cannot read " + path + ": " + std::strerror(errno));
    if (S_ISDIR(status.st_mode)) {
        close(descriptor);
        fail("cannot read " + path + ": it is a folder");
    }
    return descriptor;
}

struct OutputFormat {
    const char* extension;
    int format;
    int maxRate;
    uint64_t mostFrames;
};

constexpr uint64_t kUnbounded = UINT64_MAX;
// AIFF keeps its sizes in 32 bits: 4 GiB of stereo 32-bit float, less room
// for the header.
constexpr uint64_t kAiffMostFrames = (UINT32_MAX - 4096) / 8;

// Each container with the sample format it holds best. The Vorbis encoder
// refuses high rates only once the first block comes, too late to refuse
// before rendering, so its limit is known here. A .wav is written as RF64,
// which libsndfile turns back into plain RIFF when it ends under 4 GiB.
constexpr OutputFormat kOutputFormats[] = {
    {"wav", SF_FORMAT_RF64 | SF_FORMAT_FLOAT, kMaxRate, kUnbounded},
    {"aif", SF_FORMAT_AIFF | SF_FORMAT_FLOAT, kMaxRate, kAiffMostFrames},
    {"aiff", SF_FORMAT_AIFF | SF_FORMAT_FLOAT, kMaxRate, kAiffMostFrames},
    {"caf", SF_FORMAT_CAF | SF_FORMAT_FLOAT, kMaxRate, kUnbounded},
    {"w64", SF_FORMAT_W64 | SF_FORMAT_FLOAT, kMaxRate, kUnbounded},
    {"flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_24, kMaxRate, kUnbounded},
    {"ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 192000, kUnbounded},
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
    // A device or FIFO named otherwise, as /dev/null, is written as a .wav.
    struct stat status {};
    if (stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode))
        return &kOutputFormats[0];
    badUsage("cannot tell a format from the name " + path +
             ": end it in .wav, .aif, .aiff, .caf, .w64, .flac or .ogg");
}

struct Options {
    bool help = false;
    bool version = false;
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
        printMessage("orvane-render: warning: --param %s is outside 0..1; %g is used\n", text.c_str(), clamped);
    return {text.substr(0, equals), float(clamped)};
}

// An output's file name; standard output is not written, as the audio file's
// header is completed only once the render ends.
std::string outputArgument(const std::string& option, const std::string& path)
{
    if (path == "-")
        badUsage(option + " -: outputs are written to files only, not to standard output; name a file");
    return path;
}

bool isFlag(const std::string& option, Options& options)
{
    if (option == "--help" || option == "-h")
        options.help = true;
    else if (option == "--list")
        options.list = true;
    else if (option == "--version")
        options.version = true;
    else
        return false;
    return true;
}

struct ValueOption {
    const char* name;
    void (*set)(Options& options, const std::string& option, const std::string& value);
};

constexpr ValueOption kValueOptions[] = {
    {"--program", [](Options& options, const std::string&, const std::string& value) { options.program = value; }},
    {"--param",
     [](Options& options, const std::string&, const std::string& value) {
         options.parameters.push_back(parameterArgument(value));
     }},
    {"--input", [](Options& options, const std::string&, const std::string& value) { options.input = value; }},
    {"--output",
     [](Options& options, const std::string& option, const std::string& value) {
         options.output = outputArgument(option, value);
         options.outputFormat = outputFormat(value);
     }},
    {"--seconds",
     [](Options& options, const std::string& option, const std::string& value) {
         options.seconds = boundedArgument(option, value, 0.0, kMaxSeconds);
     }},
    {"--rate",
     [](Options& options, const std::string& option, const std::string& value) {
         options.rate = wholeArgument(option, value, kMinRate, kMaxRate);
     }},
    {"--tail",
     [](Options& options, const std::string& option, const std::string& value) {
         options.tail = boundedArgument(option, value, 0.0, kMaxSeconds);
     }},
    {"--block",
     [](Options& options, const std::string& option, const std::string& value) {
         options.block = wholeArgument(option, value, 1, kMaxBlock);
     }},
    {"--load-bank", [](Options& options, const std::string&, const std::string& value) { options.loadBank = value; }},
    {"--load-program",
     [](Options& options, const std::string&, const std::string& value) { options.loadProgram = value; }},
    {"--save-bank",
     [](Options& options, const std::string& option, const std::string& value) {
         options.saveBank = outputArgument(option, value);
     }},
    {"--save-program",
     [](Options& options, const std::string& option, const std::string& value) {
         options.saveProgram = outputArgument(option, value);
     }},
};

Options parseOptions(int argc, char** argv)
{
    Options options;
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument.size() < 2 || argument[0] != '-') {
            if (!options.plugin.empty())
                badUsage("unknown argument " + argument + " (the plug-in is " + options.plugin + ")");
            options.plugin = argument;
            continue;
        }
        const size_t equals = argument.find('=');
        const std::string option = argument.substr(0, equals);
        if (isFlag(option, options)) {
            if (equals != std::string::npos)
                badUsage(option + " takes no value");
            if (options.help)
                return options;
            continue;
        }
        const auto known = std::ranges::find_if(
            kValueOptions, [&](const ValueOption& candidate) { return option == candidate.name; });
        if (known == std::end(kValueOptions))
            badUsage("unknown option " + option);
        if (equals == std::string::npos && index + 1 >= argc)
            badUsage(option + " needs a value");
        known->set(options, option, equals != std::string::npos ? argument.substr(equals + 1) : argv[++index]);
    }
    if (options.plugin.empty())
        badUsage("no plug-in library given");
    if (!options.input.empty() && options.output.empty())
        badUsage("--input " + options.input + " needs an --output to render into");
    if (!options.list && !options.version && options.output.empty() && options.saveBank.empty() &&
        options.saveProgram.empty())
        badUsage("nothing to do: give --list, --version, --output, --save-bank or --save-program");
    return options;
}

// The temporary names of the outputs not yet in place, for the signal handler
// to remove: a fixed table, as a handler may only unlink and exit.
struct TemporarySlot {
    int folder;
    char name[NAME_MAX + 1];
    volatile sig_atomic_t used;
};
// One for each output: --output, --save-bank and --save-program.
TemporarySlot temporarySlots[3];

// Every signal that ends the process by default and can be caught.
sigset_t stopSignals()
{
    sigset_t signals;
    sigemptyset(&signals);
    for (const int signal : {SIGHUP, SIGINT, SIGQUIT, SIGILL, SIGTRAP, SIGABRT, SIGBUS, SIGFPE, SIGUSR1, SIGSEGV,
                             SIGUSR2, SIGPIPE, SIGALRM, SIGTERM, SIGSTKFLT, SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF,
                             SIGPOLL, SIGPWR, SIGSYS})
        sigaddset(&signals, signal);
    for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal)
        sigaddset(&signals, signal);
    return signals;
}

// What each signal did before the renderer took it over.
struct sigaction previousActions[_NSIG];

bool isFault(int signal)
{
    return signal == SIGILL || signal == SIGTRAP || signal == SIGBUS || signal == SIGFPE || signal == SIGSEGV ||
           signal == SIGSYS;
}

extern "C" void removeTemporariesAndExit(int signal, siginfo_t* info, void*)
{
    // The kernel raises SIGPIPE and SIGXFSZ in the process whose write met a
    // closed pipe or the file-size limit; that write then fails with EPIPE or
    // EFBIG and is reported as any failed write.
    const bool ownWrite = info->si_code == SI_USER && info->si_pid == getpid();
    if ((signal == SIGPIPE || signal == SIGXFSZ) && ownWrite)
        return;
    for (const TemporarySlot& slot : temporarySlots) {
        if (slot.used)
            unlinkat(slot.folder, slot.name, 0);
    }
    // A fault of the process's own recurs once the handler returns, and ends
    // the process as it would have: with a core dump or a sanitizer's report.
    if (isFault(signal) && info->si_code > 0) {
        sigaction(signal, &previousActions[signal], nullptr);
        return;
    }
    // Any other ends the process as it would have, so that its parent sees
    // it die of the signal (a shell stops a loop on Ctrl-C only then): by
    // default, once this handler unblocks it.
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    sigaction(signal, &byDefault, nullptr);
    raise(signal);
    sigset_t raised;
    sigemptyset(&raised);
    sigaddset(&raised, signal);
    sigprocmask(SIG_UNBLOCK, &raised, nullptr);
    _exit(128 + signal);
}

// Signals that were not ignored when the renderer started remove the
// temporaries and end it; an ignored one (as nohup ignores SIGHUP) stays so.
void handleStopSignals()
{
    const sigset_t signals = stopSignals();
    for (int signal = 1; signal < _NSIG; ++signal) {
        if (sigismember(&signals, signal) != 1)
            continue;
        sigaction(signal, nullptr, &previousActions[signal]);
        if (previousActions[signal].sa_handler == SIG_IGN)
            continue;
        struct sigaction action {};
        action.sa_sigaction = removeTemporariesAndExit;
        action.sa_mask = signals;
        action.sa_flags = SA_SIGINFO;
        sigaction(signal, &action, nullptr);
    }
}

// Holds the stop signals back while it lives, so that a temporary name is
// never unrecorded and the outputs are renamed into place all or none.
class StopSignalsHeld {
public:
    StopSignalsHeld()
    {
        const sigset_t held = stopSignals();
        sigprocmask(SIG_BLOCK, &held, &previous);
    }
    ~StopSignalsHeld() { sigprocmask(SIG_SETMASK, &previous, nullptr); }
    StopSignalsHeld(const StopSignalsHeld&) = delete;
    StopSignalsHeld& operator=(const StopSignalsHeld&) = delete;

private:
    sigset_t previous;
};

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

// The bytes waiting in a pipe, left in it: once at least `least` have come,
// or fewer once the input ends or its writer may be waiting for the renderer
// to take some; none when the input is no pipe.
//
// A writer waits once each page of the pipe holds some bytes, however few.
// What it writes goes into the last page where it fits, so two neighbouring
// pages hold more than a page between them, and the pipe is full only once
// it holds more than half its capacity. A writer that splices pages in can
// fill it with less: it is taken to wait once nothing has come for a second.
std::string peek(int descriptor, size_t least)
{
    constexpr int kLookMilliseconds = 10;
    constexpr int kQuietLooks = 1000 / kLookMilliseconds;
    int copy[2];
    if (pipe2(copy, O_CLOEXEC) != 0)
        return {};
    const long room = std::min(fcntl(descriptor, F_GETPIPE_SZ), fcntl(copy[1], F_GETPIPE_SZ));
    std::string bytes;
    int quietLooks = 0;
    for (bool ended = false; room > 0;) {
        const size_t before = bytes.size();
        ssize_t teed;
        do
            teed = tee(descriptor, copy[1], size_t(room), 0);
        while (teed < 0 && errno == EINTR);
        bytes.resize(size_t(std::max<ssize_t>(teed, 0)));
        if (teed <= 0 || ::read(copy[0], bytes.data(), bytes.size()) != teed) {
            bytes.clear();
            break;
        }
        quietLooks = bytes.size() > before ? 0 : quietLooks + 1;
        if (ended || bytes.size() >= least || 2 * teed > room || quietLooks == kQuietLooks)
            break;
        // A pipe tells when its writer has gone, not when more has come: the
        // bytes are looked at again after a short wait, and once more at the end.
        pollfd input {descriptor, 0, 0};
        ended = poll(&input, 1, kLookMilliseconds) > 0 && (input.revents & POLLHUP) != 0;
    }
    close(copy[0]);
    close(copy[1]);
    return bytes;
}

// A file in memory, for libsndfile to read a header from.
struct MemoryFile {
    static sf_count_t length(void* file) { return sf_count_t(self(file).bytes.size()); }
    static sf_count_t seek(sf_count_t offset, int whence, void* file)
    {
        MemoryFile& memory = self(file);
        const sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? memory.position : length(file);
        memory.position = std::clamp<sf_count_t>(base + offset, 0, length(file));
        return memory.position;
    }
    static sf_count_t read(void* bytes, sf_count_t count, void* file)
    {
        MemoryFile& memory = self(file);
        const sf_count_t got = std::min(count, length(file) - memory.position);
        std::memcpy(bytes, memory.bytes.data() + memory.position, size_t(got));
        memory.position += got;
        return got;
    }
    static sf_count_t write(const void*, sf_count_t, void*) { return 0; }
    static sf_count_t tell(void* file) { return self(file).position; }
    static MemoryFile& self(void* file) { return *static_cast<MemoryFile*>(file); }

    std::string_view bytes;
    sf_count_t position = 0;
};

// The bytes of each sample of a PCM or float encoding; 0 for other codecs.
int sampleBytes(int format)
{
    switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
        return 1;
    case SF_FORMAT_PCM_16:
        return 2;
    case SF_FORMAT_PCM_24:
        return 3;
    case SF_FORMAT_PCM_32:
    case SF_FORMAT_FLOAT:
        return 4;
    case SF_FORMAT_DOUBLE:
        return 8;
    default:
        return 0;
    }
}

// Whether the input is PCM or float in WAV, AIFF or AU: these libsndfile
// decodes from a pipe as from a file, and their headers keep the length in a
// 32-bit field.
bool isPlainAudio(const SF_INFO& info)
{
    const int container = info.format & SF_FORMAT_TYPEMASK;
    return (container == SF_FORMAT_WAV || container == SF_FORMAT_WAVEX || container == SF_FORMAT_AIFF ||
            container == SF_FORMAT_AU) &&
           sampleBytes(info.format) > 0;
}

// How the files start that libsndfile decodes as they stream: WAV, AIFF and AU.
constexpr std::string_view kStreamedStarts[] = {"RIFF", "FORM", ".snd"};

// Whether the input waiting in a pipe is plain audio, which libsndfile
// decodes from a pipe as from a file. Other codecs and containers it decodes
// otherwise or not at all from a pipe, so they are read from a copy. The
// header is looked at, not taken, waiting while it comes.
bool streams(int descriptor)
{
    std::string start = peek(descriptor, 4);
    while (start.size() >= 4 && std::ranges::find(kStreamedStarts, std::string_view(start).substr(0, 4)) !=
                                    std::end(kStreamedStarts)) {
        MemoryFile header {start};
        SF_VIRTUAL_IO io {MemoryFile::length, MemoryFile::seek, MemoryFile::read, MemoryFile::write,
                          MemoryFile::tell};
        SF_INFO info {};
        if (const SoundFile file {sf_open_virtual(&io, SFM_READ, &info, &header)})
            return isPlainAudio(info);
        std::string more = peek(descriptor, start.size() + 1);
        if (more.size() <= start.size())
            return false;
        start = std::move(more);
    }
    return false;
}

// The folder for temporary files: TMPDIR, or /tmp.
std::string temporaryFolder()
{
    const char* variable = std::getenv("TMPDIR");
    return variable && *variable ? variable : "/tmp";
}

// A file in the temporary folder that no name leads to, gone once closed;
// `use` says what it was for when it cannot be made.
int unnamedTemporaryFile(const std::string& use)
{
    const std::string folder = temporaryFolder();
    std::string name = folder + "/orvane-render.XXXXXX";
    int file;
    {
        const StopSignalsHeld held;
        file = mkstemp(name.data());
        if (file >= 0)
            unlink(name.c_str());
    }
    if (file < 0)
        fail("cannot make a temporary file in " + folder + " to " + use + ": " + std::strerror(errno));
    return file;
}

// The rest of the input `path` names copied into a file that no name leads
// to, which goes once it is closed, read from its start.
int copyToTemporaryFile(int input, const std::string& path)
{
    const int copy = unnamedTemporaryFile("decode " + path + " from");
    readAll(input, path, [&](const char* bytes, size_t count) {
        if (!writeAll(copy, bytes, count))
            fail("cannot copy " + path + " into a temporary file in " + temporaryFolder() + ": " +
                 std::strerror(errno));
    });
    lseek(copy, 0, SEEK_SET);
    return copy;
}

// A descriptor as libsndfile's file, from `start` on, keeping the cause of
// the first write that failed: the Vorbis writer carries on past one and
// reports none.
struct DescriptorFile {
    static sf_count_t length(void* file)
    {
        struct stat status {};
        return fstat(descriptor(file), &status) == 0 ? status.st_size - start(file) : -1;
    }
    static sf_count_t seek(sf_count_t offset, int whence, void* file)
    {
        return fromStart(file, lseek(descriptor(file), whence == SEEK_SET ? start(file) + offset : offset, whence));
    }
    static sf_count_t read(void* bytes, sf_count_t count, void* file)
    {
        const ssize_t got = ::read(descriptor(file), bytes, size_t(count));
        return got < 0 ? 0 : got;
    }
    static sf_count_t write(const void* bytes, sf_count_t count, void* file)
    {
        DescriptorFile& self = *static_cast<DescriptorFile*>(file);
        if (writeAll(descriptor(file), bytes, size_t(count)))
            return count;
        if (self.error == 0)
            self.error = errno;
        return 0;
    }
    static sf_count_t tell(void* file) { return fromStart(file, lseek(descriptor(file), 0, SEEK_CUR)); }
    static int descriptor(void* file) { return static_cast<DescriptorFile*>(file)->fd; }
    static sf_count_t start(void* file) { return static_cast<DescriptorFile*>(file)->offset; }
    static sf_count_t fromStart(void* file, off_t position) { return position < 0 ? -1 : position - start(file); }

    int fd;
    int error = 0;
    sf_count_t offset = 0;
};

// Whether a header's size field holds the placeholder its writer leaves when
// it cannot seek back to fill in the length, rounded down to whole frames: as
// much as a 32-bit size field holds, or sox's 0x7ffff000 (WAV) and 0x7f000000
// (AIFF), or within a frame under them.
bool isPlaceholderSize(double bytes)
{
    constexpr double kMostFrameBytes = 16;
    return (bytes >= double(0x7F000000) - kMostFrameBytes && bytes < double(0x80000000)) ||
           bytes >= double(UINT32_MAX) - kMostFrameBytes;
}

// What libsndfile's log says of the header's size fields that overstate what
// the file holds: it clips each to what the file holds and logs "NAME : SIZE
// (should be HELD)". A placeholder in the audio's size leaves the length
// unknown; one in the container's says nothing of where the audio ends, as
// chunks may follow it. Any other size means that the file is cut short.
struct OverstatedSizes {
    bool cut = false;
    bool placeholder = false;
};

OverstatedSizes overstatedSizes(SNDFILE* file)
{
    constexpr std::string_view kContainerSizes[] = {"RIFF", "RIFX", "riff", "Riff size", "FORM"};
    constexpr std::string_view kAudioSizes[] = {"data", "SSND", "BODY", "Data Size"};
    std::string log(16384, '\0');
    sf_command(file, SFC_GET_LOG_INFO, log.data(), int(log.size()));
    OverstatedSizes sizes;
    std::string_view rest(log.c_str());
    while (!rest.empty()) {
        const std::string_view line = rest.substr(0, rest.find('\n'));
        rest.remove_prefix(std::min(rest.size(), line.size() + 1));
        const size_t colon = line.find(" : ");
        if (colon == std::string_view::npos || line.find("(should be") == std::string_view::npos)
            continue;
        const size_t name = line.find_first_not_of(' ');
        const std::string_view field = line.substr(name, colon - name);
        const bool container = std::ranges::find(kContainerSizes, field) != std::end(kContainerSizes);
        if (!container && std::ranges::find(kAudioSizes, field) == std::end(kAudioSizes))
            continue;
        uint64_t size = 0;
        std::from_chars(line.data() + colon + 3, line.data() + line.size(), size);
        if (!isPlaceholderSize(double(size)))
            sizes.cut = true;
        else if (!container)
            sizes.placeholder = true;
    }
    return sizes;
}

// The input's descriptor, closed when it goes; standard input stays open.
class InputDescriptor {
public:
    explicit InputDescriptor(int descriptor = -1) : fd(descriptor) {}
    ~InputDescriptor() { replace(-1); }
    InputDescriptor(const InputDescriptor&) = delete;
    InputDescriptor& operator=(const InputDescriptor&) = delete;

    int get() const { return fd; }
    void replace(int descriptor)
    {
        if (fd > STDIN_FILENO)
            close(fd);
        fd = descriptor;
    }

private:
    int fd;
};

// Standard input, made blocking: a parent may hand it over non-blocking (as
// event loops keep their descriptors), and a momentarily empty pipe would
// then end the input.
int blockingStandardInput()
{
    fcntl(STDIN_FILENO, F_SETFL, fcntl(STDIN_FILENO, F_GETFL) & ~O_NONBLOCK);
    return STDIN_FILENO;
}

// The render's input, read a block at a time: a sound file, or the test signal.
class Source {
public:
    Source(int rate, double seconds) : sampleRate(rate), signalFrames(size_t(seconds * rate)) {}

    // Opens the input and reads its header, but for one that libsndfile reads
    // only from a file (a pipe in most codecs): that one is copied into a file
    // by finishOpening(), once everything else is checked.
    Source(const std::string& filePath, std::optional<int> rate)
        : path(filePath), requestedRate(rate), input(path == "-" ? blockingStandardInput() : openForReading(path))
    {
        awaitsCopy = lseek(input.get(), 0, SEEK_CUR) < 0 && !streams(input.get());
        if (!awaitsCopy)
            openFile();
    }

    Source(const Source&) = delete;
    Source& operator=(const Source&) = delete;

    // The rate, once the header is read.
    std::optional<int> knownRate() const { return awaitsCopy ? std::nullopt : std::optional<int>(sampleRate); }

    void finishOpening()
    {
        if (!awaitsCopy)
            return;
        input.replace(copyToTemporaryFile(input.get(), path));
        awaitsCopy = false;
        openFile();
    }

    int rate() const { return sampleRate; }
    // The frames to come, when known before reading them.
    std::optional<size_t> frames() const { return file ? announcedFrames : signalFrames; }

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
        if (ended)
            return 0;
        // Plain audio ends at the length its header gives: libsndfile would
        // fill a read past it from the bytes after, and so wait on a stream
        // for its writer to close it.
        if (endsAtLength)
            frames = std::min(frames, *announcedFrames - position);
        interleaved.resize(frames * size_t(channels));
        const sf_count_t count = frames ? sf_readf_float(file.get(), interleaved.data(), sf_count_t(frames)) : 0;
        // A decoder that fails partway (as FLAC's does on a file cut short)
        // ends the input where it failed.
        const bool failed = count < 0 || sf_error(file.get()) != SF_ERR_NO_ERROR;
        const size_t got = size_t(std::max<sf_count_t>(count, 0));
        if (failed && position + got == 0)
            fail("cannot read " + path + ": " + sf_strerror(file.get()));
        for (size_t frame = 0; frame < got; ++frame) {
            left[frame] = interleaved[frame * size_t(channels)];
            right[frame] = interleaved[frame * size_t(channels) + size_t(channels) - 1];
        }
        position += got;
        if (got == 0 || failed) {
            ended = true;
            if (failed && !readToItsEnd())
                printMessage("orvane-render: warning: %s cannot be decoded past its first %zu frames, "
                     "which are rendered: %s\n", path.c_str(), position, sf_strerror(file.get()));
            else if (headerOverstates || position < announcedFrames.value_or(0))
                printMessage("orvane-render: warning: %s ends before the length its header announces; the "
                     "%zu frames it holds are rendered\n", path.c_str(), position);
        }
        return got;
    }

private:
    // Reads the header and checks what it says.
    void openFile()
    {
        SF_INFO info {};
        file.reset(sf_open_fd(input.get(), SFM_READ, &info, SF_FALSE));
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
        const bool plain = isPlainAudio(info);
        bool placeholder = plain && isPlaceholderSize(double(info.frames) * info.channels * sampleBytes(info.format));
        if (info.seekable) {
            const OverstatedSizes sizes = overstatedSizes(file.get());
            headerOverstates = sizes.cut;
            placeholder = placeholder || sizes.placeholder;
        }
        // libsndfile gives an unknown length (a FLAC's written to a pipe) as
        // the most frames, and only estimates an MP3's.
        if (!placeholder && info.frames != SF_COUNT_MAX && (info.format & SF_FORMAT_TYPEMASK) != SF_FORMAT_MPEG)
            announcedFrames = size_t(info.frames);
        endsAtLength = plain && announcedFrames;
        // Past a placeholder length the audio runs on to the input's end,
        // where libsndfile would stop at the length.
        if (placeholder && plain)
            readOnAsHeaderless(info);
    }

    // Reads the audio from where the header ends to the input's end as
    // headerless audio in the input's encoding.
    void readOnAsHeaderless(const SF_INFO& info)
    {
        constexpr int kForeignEndian = std::endian::native == std::endian::little ? SF_ENDIAN_BIG : SF_ENDIAN_LITTLE;
        const bool swapped = sf_command(file.get(), SFC_RAW_DATA_NEEDS_ENDSWAP, nullptr, 0) == SF_TRUE;
        SF_INFO headerless {};
        headerless.samplerate = info.samplerate;
        headerless.channels = info.channels;
        headerless.format = SF_FORMAT_RAW | (info.format & SF_FORMAT_SUBMASK) | (swapped ? kForeignEndian : 0);
        // libsndfile reads a file from an offset only through its own calls.
        if (info.seekable) {
            audio.fd = input.get();
            audio.offset = lseek(input.get(), 0, SEEK_CUR);
            SF_VIRTUAL_IO io {DescriptorFile::length, DescriptorFile::seek, DescriptorFile::read,
                              DescriptorFile::write, DescriptorFile::tell};
            file.reset(sf_open_virtual(&io, SFM_READ, &headerless, &audio));
        } else {
            file.reset(sf_open_fd(input.get(), SFM_READ, &headerless, SF_FALSE));
        }
        if (!file)
            fail("cannot read " + path + ": " + sf_strerror(nullptr));
    }

    // Whether the decoder has read the input to its end: one that fails there
    // met an input cut short, not damaged.
    bool readToItsEnd() const
    {
        struct stat status {};
        return fstat(input.get(), &status) == 0 && S_ISREG(status.st_mode) &&
               lseek(input.get(), 0, SEEK_CUR) >= status.st_size;
    }

    std::string path;
    std::optional<int> requestedRate;
    InputDescriptor input;
    bool awaitsCopy = false;
    DescriptorFile audio {-1};
    SoundFile file;
    int channels = 2;
    int sampleRate = 44100;
    size_t signalFrames = 0;
    std::optional<size_t> announcedFrames;
    bool endsAtLength = false;
    bool headerOverstates = false;
    size_t position = 0;
    bool ended = false;
    std::vector<float> interleaved;
};

std::string folderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    return path.substr(path.rfind('/') + 1);
}

// The file a path names once symbolic links are followed, so that replacing
// an output through a link replaces what it points to and keeps the link.
std::string followLinks(std::string path)
{
    for (int depth = 0; depth < 40; ++depth) {
        char target[PATH_MAX];
        const ssize_t length = readlink(path.c_str(), target, sizeof target - 1);
        if (length < 0)
            return path;
        const std::string next(target, size_t(length));
        path = next[0] == '/' || path.find('/') == std::string::npos ? next : folderOf(path) + "/" + next;
    }
    return path;
}

// A file as cp tells files apart, whatever path leads to it: an existing one
// by its device and inode, one yet to be made by its folder's and its name.
struct FileIdentity {
    dev_t device;
    ino_t inode;
    std::string name;

    bool operator==(const FileIdentity&) const = default;
};

// The file an output's path names; none where its folder is missing, as
// nothing can be written there.
std::optional<FileIdentity> outputIdentity(const std::string& path)
{
    struct stat status {};
    if (stat(path.c_str(), &status) == 0)
        return FileIdentity {status.st_dev, status.st_ino, ""};
    const std::string target = followLinks(path);
    if (stat(folderOf(target).c_str(), &status) != 0)
        return std::nullopt;
    return FileIdentity {status.st_dev, status.st_ino, nameOf(target)};
}

// A file written out of sight and put in place of its target only once every
// output is ready, so that a failed or interrupted run leaves any file there
// untouched: a file without a name in the target's folder, linked in beside
// the target under a temporary name when finished, where the file system
// makes one; elsewhere one under a temporary name from the start. Either is
// then renamed onto the target. An existing target that is not a regular file
// holds nothing to keep and is never replaced: a device is written in place,
// and a FIFO gets the file when finished, as an audio file's header is
// completed only at its end.
class PendingFile {
public:
    explicit PendingFile(const std::string& name) : path(name), target(followLinks(name))
    {
        struct stat status {};
        const bool exists = stat(target.c_str(), &status) == 0;
        if (exists) {
            if (S_ISDIR(status.st_mode))
                fail("cannot write " + path + ": it is a folder");
            if (!S_ISREG(status.st_mode)) {
                stream = open(target.c_str(), O_WRONLY | O_CLOEXEC);
                if (stream < 0)
                    fail(cannotWrite(path));
                if (lseek(stream, 0, SEEK_CUR) >= 0)
                    std::swap(descriptor, stream);
                else
                    descriptor = unnamedTemporaryFile("write " + path + " from");
                return;
            }
            // A write-protected file is left alone, as writing it in place would.
            if (access(target.c_str(), W_OK) != 0)
                fail(cannotWrite(path));
        }
        // The folder is held from now on, so that the file goes where it was
        // named even if the folder is moved meanwhile.
        const std::string folder = folderOf(target);
        folderDescriptor = open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (folderDescriptor >= 0)
            descriptor = openUnnamed(folderDescriptor);
        if (folderDescriptor >= 0 && descriptor < 0 && errno != EACCES && errno != EPERM) {
            std::string named = target + ".XXXXXX";
            const StopSignalsHeld held;
            descriptor = mkstemp(named.data());
            if (descriptor >= 0)
                recordTemporary(nameOf(named));
        }
        if (descriptor < 0 && exists && (errno == EACCES || errno == EPERM))
            fail("cannot replace " + path + ": its folder " + folder + " is not writable, and an output is written " +
                 "beside its file first, then renamed onto it");
        if (descriptor < 0)
            fail(cannotWrite(path));
        // An existing file keeps its owner and group, where the renderer may
        // give them (as root, or as its owner to a group of its own), and its
        // permissions; a new one gets the usual ones, where mkstemp gives its
        // owner alone.
        if (exists && fchown(descriptor, status.st_uid, status.st_gid) != 0 && errno != EPERM)
            fail(cannotWrite(path));
        mode_t mode = status.st_mode & 0777;
        if (!exists) {
            const mode_t mask = umask(0);
            umask(mask);
            mode = 0666 & ~mask;
        }
        fchmod(descriptor, mode);
    }

    ~PendingFile()
    {
        if (descriptor >= 0)
            close(descriptor);
        if (stream >= 0)
            close(stream);
        // The temporary name holds a file not put in place, or the one its
        // target held before, or no longer names anything.
        if (slot) {
            unlinkat(folderDescriptor, temporary.c_str(), 0);
            slot->used = 0;
        }
        if (folderDescriptor >= 0)
            close(folderDescriptor);
    }

    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    int fd() const { return descriptor; }
    const std::string& name() const { return path; }

    void write(const std::vector<uint8_t>& bytes) const
    {
        if (!writeAll(descriptor, bytes.data(), bytes.size()))
            fail(cannotWrite(path));
    }

    // Whether the target is a FIFO or a device, written into, not replaced.
    bool writtenInto() const { return folderDescriptor < 0; }

    // Takes every step that can fail while leaving the target as it was, but
    // for a FIFO or device, which gets the file: a file without a name is
    // linked in beside its target under a temporary one.
    void finish()
    {
        if (stream >= 0)
            copyToStream();
        else if (!writtenInto() && !slot)
            linkBeside();
        const int closed = close(descriptor);
        descriptor = -1;
        if (closed != 0)
            fail(cannotWrite(path));
    }

    // Puts the finished file in place of its target, keeping a file it
    // replaces under the temporary name until the run ends, so that
    // putBack() can restore it; to be called with the stop signals held.
    // Where the file system cannot exchange two names, the target is
    // renamed over and cannot be put back.
    void replace()
    {
        if (!slot)
            return;
        if (renameOntoTarget(RENAME_EXCHANGE))
            placed = Placement::exchanged;
        else if (errno == ENOENT && renameOntoTarget(RENAME_NOREPLACE))
            placed = Placement::created;
        else if ((errno != EINVAL && errno != ENOSYS) || !renameOntoTarget(0))
            fail(cannotWrite(path));
    }

    // Undoes replace() once a later output has failed: the target gets back
    // the file it held, or loses its name if it had none. A file that cannot
    // be put back stays under its temporary name, which is named on stderr.
    void putBack()
    {
        bool restored = true;
        if (placed == Placement::exchanged)
            restored = renameOntoTarget(RENAME_EXCHANGE);
        else if (placed == Placement::created)
            unlinkat(folderDescriptor, nameOf(target).c_str(), 0);
        if (!restored) {
            printMessage("orvane-render: cannot put back the file %s named: %s; it is kept as %s/%s\n",
                         path.c_str(), std::strerror(errno), folderOf(target).c_str(), temporary.c_str());
            slot->used = 0;
            slot = nullptr;
        }
    }

private:
    // Renames the temporary name onto the target's with renameat2's `flags`;
    // false, errno saying why, when it cannot.
    bool renameOntoTarget(unsigned flags) const
    {
        return renameat2(folderDescriptor, temporary.c_str(), folderDescriptor, nameOf(target).c_str(), flags) == 0;
    }

    // A file with no name in `folder`, gone with its last descriptor unless
    // linked in; -1 where the file system makes none, or /proc, through which
    // it is linked, is missing.
    static int openUnnamed(int folder)
    {
        const int unnamed = openat(folder, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
        if (unnamed >= 0 && access(linkSource(unnamed).c_str(), F_OK) != 0) {
            close(unnamed);
            errno = EOPNOTSUPP;
            return -1;
        }
        return unnamed;
    }

    static std::string linkSource(int unnamed) { return "/proc/self/fd/" + std::to_string(unnamed); }

    void copyToStream()
    {
        lseek(descriptor, 0, SEEK_SET);
        readAll(descriptor, path, [&](const char* bytes, size_t count) {
            if (!writeAll(stream, bytes, count))
                fail(cannotWrite(path));
        });
        const int closed = close(stream);
        stream = -1;
        if (closed != 0)
            fail(cannotWrite(path));
    }

    // Links the unnamed file in beside the target under a free name: a link
    // cannot replace a name, so the file is renamed onto the target later.
    void linkBeside()
    {
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            char linked[32];
            std::snprintf(linked, sizeof linked, ".orvane-render.%08x", random());
            const StopSignalsHeld held;
            if (linkat(AT_FDCWD, linkSource(descriptor).c_str(), folderDescriptor, linked, AT_SYMLINK_FOLLOW) == 0) {
                recordTemporary(linked);
                return;
            }
            if (errno != EEXIST)
                break;
        }
        fail(cannotWrite(path));
    }

    // Records the file's temporary name in its folder for the signal handler
    // to remove; to be called with the stop signals held.
    void recordTemporary(const std::string& name)
    {
        temporary = name;
        for (TemporarySlot& free : temporarySlots) {
            if (!free.used) {
                free.folder = folderDescriptor;
                std::snprintf(free.name, sizeof free.name, "%s", name.c_str());
                free.used = 1;
                slot = &free;
                return;
            }
        }
        std::abort();
    }

    std::string path;
    std::string target;
    std::string temporary;
    int descriptor = -1;
    int folderDescriptor = -1;
    int stream = -1;
    TemporarySlot* slot = nullptr;
    // How replace() put the file in place, and so how putBack() undoes it.
    enum class Placement { renamedOver, exchanged, created } placed = Placement::renamedOver;
};

// The rendered audio's file, ready before the render starts: opened first,
// and started as a sound file once the rate is known.
struct AudioOutput {
    AudioOutput(const std::string& path, const OutputFormat& outputFormat)
        : pending(path), format(outputFormat), file {pending.fd()}
    {
    }

    void start(int rate)
    {
        const std::string& path = pending.name();
        SF_INFO info {};
        info.samplerate = rate;
        info.channels = 2;
        info.format = format.format;
        if (rate > format.maxRate || !sf_format_check(&info))
            fail("cannot write " + path + ": its format does not hold stereo at " + std::to_string(rate) + " Hz");
        SF_VIRTUAL_IO io {DescriptorFile::length, DescriptorFile::seek, DescriptorFile::read, DescriptorFile::write,
                          DescriptorFile::tell};
        sound.reset(sf_open_virtual(&io, SFM_WRITE, &info, &file));
        if (!sound)
            fail("cannot write " + path + " at " + std::to_string(rate) + " Hz: " +
                 (file.error ? std::strerror(file.error) : sf_strerror(nullptr)));
        sf_command(sound.get(), SFC_RF64_AUTO_DOWNGRADE, nullptr, SF_TRUE);
        // Integer formats clip what lies beyond full scale rather than wrap it.
        sf_command(sound.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);
    }

    // Refuses a render of `frames` that the format cannot hold.
    void checkLength(uint64_t frames) const
    {
        if (frames > format.mostFrames)
            fail("cannot write " + pending.name() + ": the render runs past the 4 GiB a ." + format.extension +
                 " file holds; use .wav, .caf or .w64");
    }

    void write(const float* interleaved, size_t frames)
    {
        written += frames;
        checkLength(written);
        const bool whole = sf_writef_float(sound.get(), interleaved, sf_count_t(frames)) == sf_count_t(frames);
        checkWritten(whole, sf_strerror(sound.get()));
    }

    // Ends the sound file, completing its header.
    void end()
    {
        const int closed = sf_close(sound.release());
        checkWritten(closed == 0, sf_error_number(closed));
    }

    PendingFile pending;
    const OutputFormat& format;
    DescriptorFile file;
    SoundFile sound;
    uint64_t written = 0;

private:
    // Fails with the cause of a failed write, in the system's words where it
    // has them.
    void checkWritten(bool succeeded, const char* libraryError) const
    {
        if (file.error != 0)
            fail("cannot write " + pending.name() + ": " + std::strerror(file.error));
        if (!succeeded)
            fail("cannot write " + pending.name() + ": " + libraryError);
    }
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

// The render's progress on one line of stderr, redrawn in place, once it has
// run a few seconds and only when stderr is a terminal.
class Progress {
public:
    Progress(std::optional<uint64_t> totalFrames, int rate)
        : total(totalFrames), sampleRate(rate), shown(isatty(STDERR_FILENO) == 1), start(Clock::now())
    {
    }

    void update(uint64_t frames)
    {
        const Clock::time_point now = Clock::now();
        if (!shown || now - start < kQuietTime || now - drawn < kRedrawTime)
            return;
        draw(frames);
        drawn = now;
    }

    void finish(uint64_t frames)
    {
        if (drawn == Clock::time_point {})
            return;
        draw(frames);
        std::fputc('\n', stderr);
        progressLineOpen = false;
    }

private:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::seconds kQuietTime {2};
    static constexpr std::chrono::milliseconds kRedrawTime {250};

    void draw(uint64_t frames) const
    {
        const double seconds = double(frames) / sampleRate;
        if (total && *total > 0)
            std::fprintf(stderr, "\rorvane-render: %5.1f%%, %.1f of %.1f s", 100.0 * double(frames) / double(*total),
                         seconds, double(*total) / sampleRate);
        else
            std::fprintf(stderr, "\rorvane-render: %.1f s", seconds);
        progressLineOpen = true;
    }

    std::optional<uint64_t> total;
    int sampleRate;
    bool shown;
    Clock::time_point start;
    Clock::time_point drawn {};
};

// Renders the source and then `tailFrames` of silence through the plug-in into
// the output, a block at a time.
Levels render(const VstHost& host, Source& source, size_t tailFrames, int block, AudioOutput& output,
              Progress& progress)
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
        if (frames == 0) {
            progress.finish(levels.frames);
            return levels;
        }
        host.processReplacing(inputs, outputs, int(frames));
        for (size_t frame = 0; frame < frames; ++frame) {
            interleaved[2 * frame] = outLeft[frame];
            interleaved[2 * frame + 1] = outRight[frame];
        }
        output.write(interleaved.data(), frames);
        levels.add(interleaved.data(), frames);
        progress.update(levels.frames);
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

// The bytes of the chunk file `path` names, refused unread past `mostBytes`:
// a file that never ends (a device, a pipe) is no chunk.
std::vector<uint8_t> readChunkFile(const std::string& path, size_t mostBytes)
{
    const int descriptor = openForReading(path);
    std::vector<uint8_t> bytes;
    readAll(descriptor, path, [&](const char* piece, size_t count) {
        if (bytes.size() + count > mostBytes) {
            close(descriptor);
            fail("cannot load " + path + ": it is larger than a bank chunk, " + std::to_string(mostBytes) + " bytes");
        }
        bytes.insert(bytes.end(), piece, piece + count);
    });
    close(descriptor);
    return bytes;
}

void loadChunk(const VstHost& host, const std::string& path, bool isProgram)
{
    if (path.empty())
        return;
    const size_t bankBytes = host.chunk(false).size();
    if (!host.restoreChunk(readChunkFile(path, bankBytes), isProgram))
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

std::string programLine(const VstHost& host, int index)
{
    char number[16];
    std::snprintf(number, sizeof number, "%3d ", index);
    return number + host.programName(index);
}

void selectProgram(const VstHost& host, const std::string& key)
{
    if (key.empty())
        return;
    const std::vector<int> found = host.findPrograms(key);
    if (found.empty())
        badUsage("no program \"" + key + "\"; --list lists them");
    if (found.size() > 1) {
        std::string candidates;
        for (const int index : found)
            candidates += "\n  " + programLine(host, index);
        badUsage("the program name \"" + key + "\" is ambiguous; give one of these indexes:" + candidates);
    }
    host.dispatch(effSetProgram, 0, found.front());
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
            badUsage("no parameter \"" + key + "\"; this program's parameters:" + known);
        }
        host.effect()->setParameter(host.effect(), parameter, value);
    }
}

// Puts every output in place, or none. Bytes handed to a FIFO's reader
// cannot be taken back, so FIFOs and devices are written first: a reader may
// keep that waiting as long as it likes, and meanwhile a stop signal ends the
// run with no temporary name in any folder and every file as it was. Then
// each regular file is linked in beside its target; once all of them are,
// they take their targets' places with the stop signals held, and a place
// that cannot be taken (a target another user owns in a sticky folder, one
// mounted over or immutable) gives the earlier targets back their files.
void commit(const std::vector<PendingFile*>& files)
{
    for (PendingFile* file : files) {
        if (file->writtenInto())
            file->finish();
    }
    for (PendingFile* file : files) {
        if (!file->writtenInto())
            file->finish();
    }
    const StopSignalsHeld held;
    size_t placed = 0;
    try {
        for (; placed < files.size(); ++placed)
            files[placed]->replace();
    } catch (const Failure&) {
        while (placed > 0)
            files[--placed]->putBack();
        throw;
    }
}

// Refuses, before any file is opened, two outputs that are one file, and a
// FIFO input that is also an output, which would wait on itself.
void checkDistinct(const Options& options)
{
    struct NamedFile {
        const char* option;
        const std::string& path;
        std::optional<FileIdentity> identity;
    };
    std::vector<NamedFile> files;
    struct stat input {};
    if (!options.input.empty() &&
        (options.input == "-" ? fstat(STDIN_FILENO, &input) : stat(options.input.c_str(), &input)) == 0 &&
        S_ISFIFO(input.st_mode))
        files.push_back({"--input", options.input, FileIdentity {input.st_dev, input.st_ino, ""}});
    for (const auto& [option, path] : {std::pair<const char*, const std::string&> {"--output", options.output},
                                       {"--save-bank", options.saveBank}, {"--save-program", options.saveProgram}}) {
        if (!path.empty())
            files.push_back({option, path, outputIdentity(path)});
    }
    for (size_t first = 0; first < files.size(); ++first) {
        for (size_t second = first + 1; second < files.size(); ++second) {
            if (files[first].identity && files[first].identity == files[second].identity)
                badUsage(std::string(files[first].option) + " " + files[first].path + " and " + files[second].option +
                         " " + files[second].path + " name the same file");
        }
    }
}

// Whether standard output is a pipe whose reader has gone.
bool readerHasGone()
{
    pollfd output {STDOUT_FILENO, POLLOUT, 0};
    return poll(&output, 1, 0) == 1 && (output.revents & POLLERR) != 0;
}

// Whether descriptor 0 was closed when the renderer started.
bool standardInputClosed = false;

// Opens /dev/null on each of descriptors 0-2 that is closed, so that no file
// the renderer opens later takes its number and receives what is printed.
// False when that fails.
bool openClosedStandardDescriptors()
{
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) >= 0)
            continue;
        if (descriptor == STDIN_FILENO)
            standardInputClosed = true;
        // The lower descriptors are open, so the lowest free one is this.
        if (open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY) != descriptor)
            return false;
    }
    return true;
}

// Standard output's lines reach it in full, or the run fails saying why. A
// reader that has gone (as head or grep -q leave) wanted no more: the run
// ends as it would have, had everything been read.
void flushStandardOutput()
{
    if ((std::fflush(stdout) != 0 || std::ferror(stdout)) && !readerHasGone())
        fail(std::string("cannot write standard output: ") + std::strerror(errno));
}

void printVersion(const VstHost& host)
{
    const VstIntPtr version = host.dispatch(effGetVendorVersion);
    // The version packs a byte each for major, minor and patch.
    std::printf("%s %d.%d.%d (%s)\n", host.text(effGetEffectName).c_str(), int(version >> 16 & 0xFF),
                int(version >> 8 & 0xFF), int(version & 0xFF), host.text(effGetVendorString).c_str());
}

int run(int argc, char** argv)
{
    const Options options = parseOptions(argc, argv);
    handleStopSignals();
    if (options.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (options.input == "-" && standardInputClosed)
        fail("cannot read standard input (--input -): it is closed");
    checkDistinct(options);

    // The input's header is read first, where that takes no copy of it, so that
    // the plug-in starts at the rate it renders at.
    std::optional<Source> source;
    if (!options.list && !options.version && !options.input.empty())
        source.emplace(options.input, options.rate);
    int rate = source && source->knownRate() ? *source->knownRate() : options.rate.value_or(44100);
    VstHost host;
    host.sampleRate = float(rate);
    host.blockSize = options.block;
    host.processLevel = kVstProcessLevelOffline; // a render never has to keep pace
    std::string error;
    if (!host.load(options.plugin, error))
        fail(error);
    if (options.version) {
        printVersion(host);
        return 0;
    }
    // The plug-in is configured suspended and resumed once, before it renders.
    host.open();

    loadChunk(host, options.loadBank, false);
    selectProgram(host, options.program);
    loadChunk(host, options.loadProgram, true);
    applyParameters(host, options.parameters);

    if (options.list) {
        for (int index = 0; index < host.effect()->numPrograms; ++index)
            std::printf("%s\n", programLine(host, index).c_str());
        return 0;
    }

    // Everything that can be refused is refused before the plug-in renders,
    // and all that does not depend on the input before the input is read.
    std::optional<AudioOutput> output;
    std::optional<PendingFile> bank, program;
    if (!options.output.empty())
        output.emplace(options.output, *options.outputFormat);
    if (!options.saveBank.empty())
        bank.emplace(options.saveBank);
    if (!options.saveProgram.empty())
        program.emplace(options.saveProgram);
    if (source)
        source->finishOpening();
    else if (output)
        source.emplace(rate, options.seconds);
    if (source)
        rate = source->rate();
    host.sampleRate = float(rate);
    // Resumed at the input's rate once the options are applied, the plug-in
    // starts from them as it would from a program chunk holding them (each LFO
    // from the phase its slider sets), whatever the input's source.
    host.resume();
    if (output)
        output->start(rate);

    const size_t tail = output ? tailFrames(host, options.tail, rate) : 0;
    const std::optional<size_t> inputFrames = source ? source->frames() : std::nullopt;
    if (output && inputFrames)
        output->checkLength(uint64_t(*inputFrames) + tail);

    const int current = int(host.dispatch(effGetProgram));
    std::printf("program %d: %s\n", current, host.programName(current).c_str());
    std::optional<Levels> levels;
    if (output) {
        Progress progress(inputFrames ? std::optional<uint64_t>(*inputFrames + tail) : std::nullopt, rate);
        levels = render(host, *source, tail, options.block, *output, progress);
    }
    const size_t bankBytes = saveChunk(host, bank, false);
    const size_t programBytes = saveChunk(host, program, true);

    flushStandardOutput();
    std::vector<PendingFile*> files;
    if (output) {
        output->end();
        files.push_back(&output->pending);
    }
    if (bank)
        files.push_back(&*bank);
    if (program)
        files.push_back(&*program);
    commit(files);
    if (output) {
        std::printf("rendered %zu frames at %d Hz to %s, %zu of them the tail\n", levels->frames, rate,
                    options.output.c_str(), tail);
        levels->print();
    }
    if (bank)
        std::printf("saved bank chunk (%zu bytes) to %s\n", bankBytes, options.saveBank.c_str());
    if (program)
        std::printf("saved program chunk (%zu bytes) to %s\n", programBytes, options.saveProgram.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (!openClosedStandardDescriptors())
        return 1;
    try {
        const int status = run(argc, argv);
        flushStandardOutput();
        return status;
    } catch (const Failure& failure) {
        printMessage("orvane-render: %s\n", failure.message.c_str());
        if (failure.status == 2)
            std::fputs("Try 'orvane-render --help' for the options.\n", stderr);
        return failure.status;
    } catch (const std::exception& exception) {
        printMessage("orvane-render: %s\n", exception.what());
        return 1;
    }
}
