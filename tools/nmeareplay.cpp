// Replays an NMEA file into a pseudo-terminal, so the station can be connected to it as to a receiver.
//
//   nmeareplay --file FILE [--rate N] [--per fix|line|byte] [--loop] [--hold] [--link PATH]
//
// --rate N     N units per second (default 1); fractions such as 0.5 are allowed
// --per fix    a unit is one fix: an RMC sentence and the lines that follow it up to the next RMC (default)
// --per line   a unit is one line
// --per byte   a unit is one byte, as a serial line at N / 10 baud would bring them
// --loop       start again at the end of the file
// --hold       keep the terminal open after the end until stopped
// --link PATH  make PATH a symbolic link to the terminal, removed on exit; refused when PATH exists already
//
// Lines that begin with "#" are skipped; every other byte goes out as it is in the file, line ends included.
// When nobody reads the terminal its buffer fills; what is waiting then is thrown away, so a reader that comes
// later starts with current sentences and this program never blocks.

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

struct Options {
    std::string file;
    double rate = 1;
    std::string per = "fix";
    bool loop = false;
    bool hold = false;
    std::string link;
};

[[noreturn]] void Usage(const char* message) {
    std::fprintf(stderr,
                 "nmeareplay: %s\nusage: nmeareplay --file FILE [--rate N] [--per fix|line|byte] [--loop] [--hold] "
                 "[--link PATH]\n",
                 message);
    std::exit(2);
}

Options ParseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc) Usage(("missing value after " + arg).c_str());
            return argv[++i];
        };
        if (arg == "--file") {
            o.file = value();
        } else if (arg == "--rate") {
            const std::string text = value();
            char* end = nullptr;
            o.rate = std::strtod(text.c_str(), &end);
            if (end == text.c_str() || *end != '\0' || !(o.rate > 0)) Usage("--rate needs a positive number");
        } else if (arg == "--per") {
            o.per = value();
            if (o.per != "fix" && o.per != "line" && o.per != "byte") Usage("--per takes fix, line or byte");
        } else if (arg == "--loop") {
            o.loop = true;
        } else if (arg == "--hold") {
            o.hold = true;
        } else if (arg == "--link") {
            o.link = value();
        } else {
            Usage(("unknown option " + arg).c_str());
        }
    }
    if (o.file.empty()) Usage("--file is required");
    return o;
}

// Splits the file into lines that keep their own line ends. A line ends at LF, or at a CR that is followed by
// neither CR nor LF, so CR LF, CR CR LF, LF-only and CR-only files all split where a reader would expect.
std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (std::string::size_type i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        const bool last = i + 1 == bytes.size();
        const bool ends = c == '\n' || (c == '\r' && !last && bytes[i + 1] != '\r' && bytes[i + 1] != '\n');
        if (ends) {
            lines.push_back(bytes.substr(start, i + 1 - start));
            start = i + 1;
        }
    }
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

bool IsRmc(const std::string& line) { return line.size() >= 6 && line[0] == '$' && line.compare(3, 3, "RMC") == 0; }

// The units to send, in order: fixes, lines or single bytes.
std::vector<std::string> Units(const std::string& bytes, const std::string& per) {
    std::vector<std::string> lines;
    for (std::string& line : SplitLines(bytes)) {
        if (!line.empty() && line[0] == '#') continue;
        lines.push_back(std::move(line));
    }
    std::vector<std::string> units;
    if (per == "byte") {
        for (const std::string& line : lines) {
            for (char c : line) units.emplace_back(1, c);
        }
        return units;
    }
    const bool anyRmc = per == "fix" && std::any_of(lines.begin(), lines.end(), IsRmc);
    for (std::string& line : lines) {
        if (!anyRmc || units.empty() || IsRmc(line)) {
            units.push_back(std::move(line));
        } else {
            units.back() += line;
        }
    }
    return units;
}

class Terminal {
public:
    Terminal() {
        if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) {
            std::perror("nmeareplay: openpty");
            std::exit(1);
        }
        // Raw and without echo: an echo that nobody reads back would stall the terminal.
        termios raw{};
        tcgetattr(slave_, &raw);
        cfmakeraw(&raw);
        tcsetattr(slave_, TCSANOW, &raw);
        fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
        // The slave stays open here too, so the terminal lives between readers.
        name_ = ptsname(master_);
    }
    ~Terminal() {
        close(master_);
        close(slave_);
    }
    const std::string& Name() const { return name_; }

    // Writes the unit; when the terminal is full because nobody reads, what waits is thrown away and the unit is
    // tried once more. Returns false when it had to be dropped.
    bool Send(const std::string& unit) {
        Drain();
        for (int attempt = 0; attempt < 2; ++attempt) {
            std::string::size_type done = 0;
            while (done < unit.size()) {
                const ssize_t n = write(master_, unit.data() + done, unit.size() - done);
                if (n > 0) {
                    done += static_cast<std::string::size_type>(n);
                } else if (n < 0 && errno == EINTR) {
                    continue;
                } else {
                    break;
                }
            }
            if (done == unit.size()) return true;
            if (done > 0) return false;  // part of it went out; the reader sees a cut line, as from a real port
            tcflush(slave_, TCIFLUSH);
        }
        return false;
    }

private:
    // Whatever the other side writes back is of no interest; read it so it never fills up.
    void Drain() {
        char sink[256];
        while (read(master_, sink, sizeof sink) > 0) {
        }
    }

    int master_ = -1;
    int slave_ = -1;
    std::string name_;
};

// The link exists only while the replay runs. Whatever is at the path already (the user's own receiver link, even
// one that dangles while the receiver is unplugged) is theirs: it is never replaced, and only a link made here is
// removed at the end.
class Link {
public:
    Link(const std::string& path, const std::string& target) : path_(path), target_(target) {
        if (path_.empty()) return;
        namespace fs = std::filesystem;
        std::error_code ec;
        const fs::path parent = fs::path(path_).parent_path();
        if (!parent.empty()) fs::create_directories(parent, ec);
        ec.clear();
        fs::create_symlink(target_, path_, ec);  // fails when anything is there, a dangling link included
        if (ec == std::errc::file_exists) {
            std::fprintf(stderr, "nmeareplay: %s already exists; leaving it alone\n", path_.c_str());
            std::exit(1);
        }
        if (ec) {
            std::fprintf(stderr, "nmeareplay: cannot link %s: %s\n", path_.c_str(), ec.message().c_str());
            std::exit(1);
        }
        made_ = true;
    }
    ~Link() {
        if (!made_) return;
        // Only while it is still our own: the user may have put a link of theirs there since.
        std::error_code ec;
        if (std::filesystem::read_symlink(path_, ec) == target_) std::filesystem::remove(path_, ec);
    }

private:
    std::string path_;
    std::string target_;
    bool made_ = false;
};

// Sleeps until the given moment or until a stop is requested.
void SleepUntil(std::chrono::steady_clock::time_point when) {
    while (!stopRequested && std::chrono::steady_clock::now() < when) {
        const auto left = when - std::chrono::steady_clock::now();
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(left, std::chrono::milliseconds(50)));
    }
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);

    std::ifstream in(options.file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "nmeareplay: cannot read %s\n", options.file.c_str());
        return 1;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::vector<std::string> units = Units(bytes, options.per);
    if (units.empty()) {
        std::fprintf(stderr, "nmeareplay: %s holds no sentences\n", options.file.c_str());
        return 1;
    }

    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    Terminal terminal;
    const Link link(options.link, terminal.Name());
    std::fprintf(stderr, "nmeareplay: %s%s%s, %zu units at %g per second\n", terminal.Name().c_str(),
                 options.link.empty() ? "" : " linked as ", options.link.c_str(), units.size(), options.rate);

    // Bytes go out in bursts of a tenth of a second rather than one write per byte.
    const bool bytewise = options.per == "byte";
    const double burstsPerSecond = bytewise ? std::min(options.rate, 10.0) : options.rate;
    const auto period = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(1.0 / burstsPerSecond));
    const std::size_t perBurst = bytewise ? static_cast<std::size_t>(std::max(1.0, options.rate / burstsPerSecond)) : 1;

    auto next = std::chrono::steady_clock::now();
    std::size_t dropped = 0;
    std::size_t index = 0;
    while (!stopRequested) {
        if (index == units.size()) {
            if (!options.loop) break;
            index = 0;
        }
        std::string burst;
        for (std::size_t k = 0; k < perBurst && index < units.size(); ++k) burst += units[index++];
        if (!terminal.Send(burst) && ++dropped % 100 == 1) {
            std::fprintf(stderr, "nmeareplay: nobody reads %s; dropping (%zu so far)\n", terminal.Name().c_str(),
                         dropped);
        }
        next += period;
        SleepUntil(next);
    }
    while (options.hold && !stopRequested) SleepUntil(std::chrono::steady_clock::now() + std::chrono::seconds(1));
    return 0;
}
