// vordalis-cli: headless inspection, rendering and conversion of object files.
#include "Commands.h"

#include "objects/RegisterObjects.h"
#include "rebound/TTorvDir.h"
#include "settings/qt/QSettingsBackend.h"

#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

void Usage() {
    std::fputs("usage: vordalis-cli type FILE...\n"
               "       vordalis-cli info FILE...\n"
               "       vordalis-cli render FILE -o OUT.pdf|OUT.svg|OUT.png [--options WORD] [--page N]\n"
               "       vordalis-cli convert FILE -o OUT.vdo\n"
               "       vordalis-cli summary --kind series|china-single|china-batch FILE... -o OUT.vdo\n",
               stderr);
}

} // namespace

int main(int argc, char** argv) {
    // A write beyond the file-size limit fails like any other write (and the half-written
    // temporary file is removed) instead of killing the process.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication::setOrganizationName(QStringLiteral("Morvex"));
    QCoreApplication::setApplicationName(QStringLiteral("Vordalis"));
    vordalis::UseQSettingsBackend();
    vordalis::RegisterAllObjectTypes();
    // A summary member left out is reported where the viewer shows a message box.
    vordalis::SetSummaryMessageHandler(
        [](const std::u16string& text) { vordalis::cli::PrintError(vordalis::U16ToUtf8(text)); });
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
    if (command == "summary") return vordalis::cli::RunSummary(args);
    Usage();
    return 2;
}
