// Tamlo, the loader the viewer starts for its Load command. It reads no command line and
// always ends with exit code 0; a loaded object is left in "Tamlo.vdo" in the temporary folder.
#include "tamlo/CTamloDlg.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tamlo"));
    return vordalis::RunTransferProgram([] { return std::make_unique<vordalis::CTamloDlg>(); });
}
