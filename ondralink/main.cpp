// Ondralink, the transfer tool: saves objects from an instrument into a folder. Apart from
// --help and --version it reads no command line, and it ends with exit code 0 (unless it was
// asked for its picture).
#include "ondralink/CTransferDlg.h"
#include "program/StandardOptions.h"

#include <QApplication>

namespace {

const char* kHelp =
    "Usage: ondralink\n"
    "Finds the instrument on the serial ports, shows its stored objects as a tree with check\n"
    "boxes and saves the ticked ones as object files into the folder in \"Save in\".\n"
    "\n"
    "  --help      show this help and exit\n"
    "  --version   show the version and exit\n"
    "\n"
    "Other arguments are ignored. Serial ports: VORDALIS_SERIAL_PORTS (device paths separated by\n"
    "':') or else the system's serial devices. With VORDALIS_SCREENSHOT=OUT.png it saves the\n"
    "dialog as OUT.png once the instrument's tree is read, prints \"OUT WxH\" and ends (1 when\n"
    "no picture was written). See ondralink(1).\n";

} // namespace

int main(int argc, char** argv) {
    if (auto status = vordalis::program::AnswerStandardOptions("ondralink", kHelp, argc, argv))
        return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ondralink"));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.morvex.Ondralink"));
    return vordalis::RunTransferProgram("ondralink",
                                        [] { return std::make_unique<vordalis::CTransferDlg>(); });
}
