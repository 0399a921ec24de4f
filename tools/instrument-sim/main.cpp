// instrument-sim: a simulated instrument on a pseudo-terminal. Prints the device path to use
// as its first line, then serves the object files below --store until it is stopped; then it
// prints the bytes it sent and received and how long they take on the line.
#include "program/StandardOptions.h"
#include "tools/instrument-sim/Simulator.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

std::atomic<bool> g_stop{false};
void OnSignal(int) {
    g_stop = true;
}

const char* kHelp =
    "Usage: instrument-sim --store FOLDER [options]\n"
    "Plays an instrument on a pseudo-terminal: prints the device to use on its first line and\n"
    "serves the files below FOLDER as the instrument's stored objects until it is stopped.\n"
    "\n"
    "  --store FOLDER      folder tree whose files are the instrument's stored objects\n"
    "  --id TEXT           identifier answered to ID (default \"VERNOSKANT 5\")\n"
    "  --serial TEXT       serial number (default 12-7702)\n"
    "  --firmware TEXT     firmware version (default 1.5); also --version TEXT\n"
    "  --id-answer TEXT    the whole answer to ID, as it stands (overrides the three above)\n"
    "  --no-cp             refuse the packed mode (CP1); --cp 1 accepts it (the default)\n"
    "  --rates LIST        baud rates accepted by BR, comma separated, or none (default 38400)\n"
    "                      (also --br LIST)\n"
    "  --lower-echo        echo command characters in lower case\n"
    "  --pace              send objects no faster than the agreed baud rate\n"
    "  --send auto|plain|packed   how objects are sent (auto: packed once CP1 is agreed)\n"
    "  --fault KIND        silent, garbage, wrong-echo, bad-checksum, corrupt, truncate, hangup\n"
    "  --list-as STORED=LISTED   list the stored file or folder STORED as LISTED (repeatable)\n"
    "  --verbose           log the dialogue on stderr\n"
    "  --help              show this help and exit\n"
    "  --version           (without TEXT) show the program's version and exit\n"
    "\n"
    "Stopped (Ctrl+C), it prints a last line with the bytes it sent and received and their time\n"
    "on the line at the rates in effect.\n"
    "Exit status: 0 stopped by a signal, 1 no pseudo-terminal, 2 wrong arguments.\n"
    "See instrument-sim(1).\n";

[[noreturn]] void Usage(const std::string& problem) {
    std::exit(vordalis::program::UsageError("instrument-sim", problem));
}

bool ParseFault(const std::string& text, instrument_sim::Fault& fault) {
    using instrument_sim::Fault;
    static const std::pair<const char*, Fault> kFaults[] = {{"silent", Fault::Silent},
                                                            {"silence", Fault::Silent},
                                                            {"garbage", Fault::Garbage},
                                                            {"wrong-echo", Fault::WrongEcho},
                                                            {"bad-checksum", Fault::BadChecksum},
                                                            {"corrupt-checksum", Fault::BadChecksum},
                                                            {"corrupt", Fault::Corrupt},
                                                            {"truncate", Fault::Truncate},
                                                            {"hangup", Fault::Hangup},
                                                            {"unplug", Fault::Hangup}};
    for (const auto& [name, value] : kFaults)
        if (text == name) {
            fault = value;
            return true;
        }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    instrument_sim::SimOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) Usage("missing value after " + arg);
            return argv[++i];
        };
        if (arg == "--store" || arg == "--folder") {
            options.store = value();
        } else if (arg == "--id" || arg == "--identifier") {
            options.identifier = value();
        } else if (arg == "--serial" || arg == "--serial-number") {
            options.serial = value();
        } else if (arg == "--version" && (i + 1 == argc || argv[i + 1][0] == '-')) {
            // Alone, --version asks for the program's version; with a value it is the
            // firmware version the simulated instrument reports, as it always was.
            return vordalis::program::PrintVersion("instrument-sim");
        } else if (arg == "--firmware" || arg == "--version") {
            options.version = value();
        } else if (arg == "--id-answer") {
            options.idAnswer = value();
        } else if (arg == "--no-cp") {
            options.acceptCp = false;
        } else if (arg == "--cp") {
            options.acceptCp = value().find('1') != std::string::npos; // the CP modes it accepts
        } else if (arg == "--lower-echo" || arg == "--lowercase-echo") {
            options.lowerCaseEcho = true;
        } else if (arg == "--pace") {
            options.pace = true;
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else if (arg == "--rates" || arg == "--br") {
            options.rates.clear();
            std::stringstream list(value());
            std::string rate;
            while (std::getline(list, rate, ',')) {
                if (rate == "none" || rate.empty()) continue;
                char* end = nullptr;
                const long n = std::strtol(rate.c_str(), &end, 10);
                if (*end != '\0' || n <= 0 || n > 1000000)
                    Usage("--rates takes baud rates such as 38400,19200, not " + rate);
                options.rates.insert(static_cast<int>(n));
            }
        } else if (arg == "--send") {
            const std::string form = value();
            if (form == "auto")
                options.form = instrument_sim::SendForm::Auto;
            else if (form == "plain")
                options.form = instrument_sim::SendForm::Plain;
            else if (form == "packed")
                options.form = instrument_sim::SendForm::Packed;
            else
                Usage("--send takes auto, plain or packed, not " + form);
        } else if (arg == "--fault") {
            const std::string fault = value();
            if (!ParseFault(fault, options.fault)) Usage("unknown fault " + fault);
        } else if (arg == "--list-as") {
            const std::string pair = value();
            const size_t eq = pair.find('=');
            if (eq == std::string::npos || eq == 0) Usage("--list-as takes STORED=LISTED");
            options.listAs[pair.substr(0, eq)] = pair.substr(eq + 1);
        } else if (arg == "--help" || arg == "-h") {
            return vordalis::program::PrintHelp(kHelp);
        } else if (options.store.empty() && !arg.empty() && arg[0] != '-') {
            options.store = arg; // the folder may also be given on its own
        } else {
            Usage("unknown argument " + arg);
        }
    }
    if (options.store.empty()) Usage("--store is required");

    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        std::perror("instrument-sim: pseudo-terminal");
        return 1;
    }
    const char* slaveName = ::ptsname(master);
    // Holding the other side open keeps the terminal alive between the programs that use it.
    const int slave = slaveName ? ::open(slaveName, O_RDWR | O_NOCTTY) : -1;
    if (slave < 0) {
        std::perror("instrument-sim: pseudo-terminal");
        return 1;
    }
    termios tio{};
    ::tcgetattr(slave, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(slave, TCSANOW, &tio);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);

    std::signal(SIGTERM, OnSignal);
    std::signal(SIGINT, OnSignal);
    std::signal(SIGPIPE, SIG_IGN);
    std::printf("%s\n", slaveName);
    std::fflush(stdout);

    instrument_sim::Simulator simulator(master, options);
    simulator.Run(g_stop);
    const instrument_sim::LineStats& stats = simulator.Stats();
    std::printf("sent %llu bytes, received %llu bytes, line time %.3f s\n",
                static_cast<unsigned long long>(stats.sent), static_cast<unsigned long long>(stats.received),
                stats.lineSeconds);
    std::fflush(stdout);
    ::close(slave);
    ::close(master);
    return 0;
}
