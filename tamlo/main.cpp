// Tamlo, the loader the viewer starts for its Load command. Apart from --help, --version and
// --tick it reads no command line, and it ends with exit code 0 (unless it was asked for its
// picture); a loaded object is left in "Tamlo.vdo" in the temporary folder.
#include "program/StandardOptions.h"
#include "tamlo/CTamloDlg.h"

#include <QApplication>

#include <string>
#include <string_view>

namespace {

const char* kHelp =
    "Usage: tamlo [--tick PATH]\n"
    "The viewer's loader (File > Load): finds the instrument on the serial ports, lists its\n"
    "stored objects, fetches the first one ticked into Tamlo.vdo in the temporary folder\n"
    "($TMPDIR, else /tmp) and closes; the viewer then opens that file.\n"
    "\n"
    "  --tick PATH tick the object at PATH below the instrument's root (e.g. MEAS\\000123)\n"
    "              as the user would, for scripted runs\n"
    "  --help      show this help and exit\n"
    "  --version   show the version and exit\n"
    "\n"
    "Other arguments are ignored. Serial ports: VORDALIS_SERIAL_PORTS (device paths separated by\n"
    "':') or else the system's serial devices. With VORDALIS_SCREENSHOT=OUT.png it saves the\n"
    "dialog as OUT.png once the instrument's tree is read, prints \"OUT WxH\" and ends (1 when\n"
    "no picture was written). See tamlo(1).\n";

// The value of "--tick PATH" or "--tick=PATH"; empty without one.
std::string TickArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--tick" && i + 1 < argc) return argv[i + 1];
        if (argument.starts_with("--tick=")) return std::string(argument.substr(7));
    }
    return {};
}

} // namespace

int main(int argc, char** argv) {
    if (auto status = vordalis::program::AnswerStandardOptions("tamlo", kHelp, argc, argv)) return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tamlo"));
    const std::string tick = TickArgument(argc, argv);
    return vordalis::RunTransferProgram("tamlo",
                                        [&tick] { return std::make_unique<vordalis::CTamloDlg>(tick); });
}
