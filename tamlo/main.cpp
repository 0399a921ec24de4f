// Tamlo, the loader the viewer starts for its Load command. Apart from --help and --version it
// reads no command line, and it always ends with exit code 0; a loaded object is left in
// "Tamlo.vdo" in the temporary folder.
#include "program/StandardOptions.h"
#include "tamlo/CTamloDlg.h"

#include <QApplication>

namespace {

const char* kHelp =
    "Usage: tamlo\n"
    "The viewer's loader (File > Load): finds the instrument on the serial ports, lists its\n"
    "stored objects, fetches the first one ticked into Tamlo.vdo in the temporary folder\n"
    "($TMPDIR, else /tmp) and closes; the viewer then opens that file.\n"
    "\n"
    "  --help      show this help and exit\n"
    "  --version   show the version and exit\n"
    "\n"
    "Other arguments are ignored. Serial ports: VORDALIS_SERIAL_PORTS (device paths separated by\n"
    "':') or else the system's serial devices. See tamlo(1).\n";

} // namespace

int main(int argc, char** argv) {
    if (auto status = vordalis::program::AnswerStandardOptions("tamlo", kHelp, argc, argv)) return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tamlo"));
    return vordalis::RunTransferProgram([] { return std::make_unique<vordalis::CTamloDlg>(); });
}
