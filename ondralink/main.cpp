// Ondralink, the transfer tool: saves objects from an instrument into a folder. It reads no
// command line and always ends with exit code 0.
#include "ondralink/CTransferDlg.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ondralink"));
    return vordalis::RunTransferProgram([] { return std::make_unique<vordalis::CTransferDlg>(); });
}
