// vordalis-transfer: identifies the instrument on a serial port, lists its stored objects
// and saves them as the transfer tool does, without a window.
//   vordalis-transfer --port N|--device PATH list
//   vordalis-transfer --port N|--device PATH get [--all | NAME...] -o FOLDER [--overwrite]
#include "tools/transfer/Commands.h"
#include "tools/transfer/PortProblem.h"

#include "program/ByteOutput.h"
#include "program/StandardOptions.h"
#include "settings/ProgramSettings.h"
#include "transfer/Errors.h"
#include "transfer/Instruments.h"
#include "transfer/Messages.h"
#include "transfer/PortList.h"
#include "transfer/Wakeup.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace transfer_tool {
namespace {
volatile std::sig_atomic_t g_interrupted = 0;
vordalis::transfer::Wakeup* g_wakeup = nullptr;
void OnSignal(int) {
    g_interrupted = 1;
    if (g_wakeup) g_wakeup->Signal();
}
} // namespace
bool Interrupted() {
    return g_interrupted != 0;
}
int InterruptFd() {
    return g_wakeup ? g_wakeup->Fd() : -1;
}
} // namespace transfer_tool

namespace {

using namespace vordalis::transfer;

const char* kHelp =
    "Usage: vordalis-transfer --port N|--device PATH list\n"
    "       vordalis-transfer --port N|--device PATH get [--all | NAME...] -o FOLDER [--overwrite]\n"
    "Identifies the instrument on a serial port, lists its stored objects (list) or saves them\n"
    "as the transfer tool does (get).\n"
    "\n"
    "  --port N        COM number N: the N-th serial device (1 is the first)\n"
    "  --device PATH   the serial device to use, e.g. /dev/ttyUSB0\n"
    "  --all           get every stored object\n"
    "  NAME            an object's name as list shows it, without extension, with its folder\n"
    "                  in front (MEAS\\000123)\n"
    "  -o FOLDER       where get saves the objects (in folders that mirror the instrument's)\n"
    "  --overwrite     replace files that exist\n"
    "  --help          show this help and exit\n"
    "  --version       show the version and exit\n"
    "\n"
    "On a terminal, get shows its progress on stderr: objects done of objects requested and the\n"
    "bytes of the one arriving.\n"
    "Exit status: 0 every requested object was saved, 1 a failure, 2 wrong arguments.\n"
    "See vordalis-transfer(1).\n";

int Usage(const std::string& problem) {
    return vordalis::program::UsageError("vordalis-transfer", problem);
}

} // namespace

int main(int argc, char** argv) {
    vordalis::program::KeepOutputBytes();
    if (auto status = vordalis::program::AnswerStandardOptions("vordalis-transfer", kHelp, argc, argv))
        return *status;
    int port = -1;
    std::string device, command;
    transfer_tool::GetRequest request;
    bool haveFolder = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--port" || arg == "--device" || arg == "-o") {
            if (i + 1 >= argc) return Usage("missing value after " + arg);
            const std::string value = argv[++i];
            if (arg == "--port") {
                char* end = nullptr;
                const long n = std::strtol(value.c_str(), &end, 10);
                if (*end != '\0' || n < 1 || n > 256)
                    return Usage("--port takes a COM number from 1 to 256, not " + value);
                port = static_cast<int>(n) - 1;
            } else if (arg == "--device") {
                device = value;
            } else {
                request.folder = value;
                haveFolder = true;
            }
        } else if (arg == "--all") {
            request.all = true;
        } else if (arg == "--overwrite") {
            request.overwrite = true;
        } else if (arg == "-h") {
            return vordalis::program::PrintHelp(kHelp);
        } else if (command.empty() && (arg == "list" || arg == "get")) {
            command = arg;
        } else if (command == "get" && !arg.empty() && arg[0] != '-') {
            request.names.push_back(arg);
        } else {
            return Usage("unexpected argument " + arg);
        }
    }
    if (command.empty()) return Usage("list or get is required");
    if ((port >= 0) == !device.empty()) return Usage("give either --port or --device");
    if (command == "get") {
        if (!haveFolder || request.folder.empty()) return Usage("get needs -o FOLDER");
        if (request.all == !request.names.empty()) return Usage("get needs either --all or object names");
    }
    // A device given by its path is the one port there is.
    std::vector<std::string> devices = TransferEngine::SystemDevices();
    if (!device.empty()) {
        devices = {device};
        port = 0;
    }

    vordalis::UseProgramSettings();
    const int language = LanguageFromSettings();
    static Wakeup interrupt;
    transfer_tool::g_wakeup = &interrupt;
    std::signal(SIGINT, transfer_tool::OnSignal);
    std::signal(SIGTERM, transfer_tool::OnSignal);

    try {
        TransferEngine engine(0, port, devices);
        engine.SetLanguage(language);
        PortSnapshot s = engine.Snapshot();
        if (s.types[port] < 0) {
            std::fprintf(stderr, "vordalis-transfer: %s\n",
                         MessageOf(IoSysError{SysErrorCode::PortUnavailable}, language, port + 1).c_str());
            for (const std::string& line : transfer_tool::PortOpenProblem(devices, port))
                std::fprintf(stderr, "vordalis-transfer: %s\n", line.c_str());
            return 1;
        }
        engine.Select(-1, port, false);
        s = engine.Snapshot();
        if (s.types[port] <= 0) {
            std::fprintf(stderr, "vordalis-transfer: %s\n",
                         transfer_tool::WithDevice(MessageOf(IoSysError{SysErrorCode::NoInstrument}, language,
                                                             port + 1, DisplayName(engine.Wanted())),
                                                   devices[port])
                             .c_str());
            return 1;
        }
        const int type = s.types[port];
        std::printf("COM%d: %s (%s), SN %s, Vers. %s, link%s\n", port + 1, DisplayName(type).c_str(),
                    Code(type).c_str(), s.serialNumbers[port].c_str(), s.versions[port].c_str(),
                    engine.StatusText().c_str());
        std::fflush(stdout);
        return command == "list" ? transfer_tool::List(engine) : transfer_tool::Get(engine, request);
    } catch (const IoSysError& e) {
        std::fprintf(stderr, "vordalis-transfer: %s\n", MessageOf(e, language, port + 1).c_str());
    } catch (const IoFileError& e) {
        std::fprintf(stderr, "vordalis-transfer: %s\n", MessageOf(e, language).c_str());
    }
    return 1;
}
