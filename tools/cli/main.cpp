// vordalis-cli: headless inspection, rendering and conversion of object files.
#include "Commands.h"

#include "objects/RegisterObjects.h"
#include "settings/qt/QSettingsBackend.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>

namespace {

void Usage() {
    std::fputs("usage: vordalis-cli type FILE...\n"
               "       vordalis-cli info FILE...\n"
               "       vordalis-cli render FILE -o OUT.pdf|OUT.svg|OUT.png [--options WORD] [--page N]\n"
               "       vordalis-cli convert FILE -o OUT.vdo\n",
               stderr);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setOrganizationName(QStringLiteral("Morvex"));
    QCoreApplication::setApplicationName(QStringLiteral("Vordalis"));
    vordalis::UseQSettingsBackend();
    vordalis::RegisterAllObjectTypes();
    if (argc < 2) {
        Usage();
        return 2;
    }
    std::string command = argv[1];
    vordalis::cli::Args args(argv + 2, argv + argc);
    if (command == "type") return vordalis::cli::RunType(args);
    if (command == "info") return vordalis::cli::RunInfo(args);
    if (command == "render") return vordalis::cli::RunRender(args);
    if (command == "convert") return vordalis::cli::RunConvert(args);
    Usage();
    return 2;
}
