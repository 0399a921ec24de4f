// vordalis-cli: headless inspection, rendering and conversion of object files.
#include "tools/cli/Commands.h"

#include "program/ByteOutput.h"
#include "program/StandardOptions.h"

#include "objects/RegisterObjects.h"
#include "settings/ProgramSettings.h"

#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

const char* kHelp =
    "Usage: vordalis-cli COMMAND [ARGUMENTS]\n"
    "Inspects, renders and converts measurement object files (.vdo) without a window.\n"
    "\n"
    "  type FILE...            print each path, a TAB and the recognised object type (0: none)\n"
    "  info FILE...            print one JSON object per file and line\n"
#ifdef VORDALIS_CLI_PAGES
    "  render FILE -o OUT.pdf|OUT.svg|OUT.png [--options WORD] [--page N]\n"
    "                          paint the page as the viewer does (PDF: every printed page)\n"
#endif
    "  convert FILE -o OUT.vdo read an object and write it back with its own writer\n"
    "  summary --kind series|china-single|china-batch FILE... -o OUT.vdo\n"
    "                          write a summary over rebound files as Create Summary does\n"
    "  acceptance --design MM [--member beam|slab|custom --minus MM --plus MM] FILE... [--second FILE...]\n"
    "                          judge the covers against the design cover (exit 0 pass, 1 fail or\n"
    "                          second sample required)\n"
    "  export FILE... [-o OUT.csv] [--statistics] [--excel]\n"
    "                          readings (or statistics) as CSV for spreadsheets\n"
#ifdef VORDALIS_CLI_PAGES
    "  report FILE... -o OUT.pdf [--title TEXT]\n"
    "                          one PDF over many objects, a table of contents first\n"
#endif
    "\n"
    "  --help                  show this help and exit\n"
    "  --version               show the version and exit\n"
    "\n"
    "Exit status: 0 success, 1 a file could not be read or written, 2 wrong arguments.\n"
    "See vordalis-cli(1).\n";

} // namespace

int main(int argc, char** argv) {
    vordalis::program::KeepOutputBytes();
    if (auto status = vordalis::program::AnswerStandardOptions("vordalis-cli", kHelp, argc, argv))
        return *status;
        // A write beyond the file-size limit fails like any other write (and the half-written
        // temporary file is removed) instead of killing the process.
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    vordalis::UseProgramSettings();
    vordalis::RegisterAllObjectTypes();
    if (argc < 2) return vordalis::cli::UsageError("missing command");
    std::string command = argv[1];
    vordalis::cli::Args args(argv + 2, argv + argc);
    if (command == "type") return vordalis::cli::RunType(args);
    if (command == "info") return vordalis::cli::RunInfo(args);
#ifdef VORDALIS_CLI_PAGES
    if (command == "render") return vordalis::cli::RunRender(args);
    if (command == "report") return vordalis::cli::RunReport(args);
#else
    if (command == "render" || command == "report")
        return vordalis::cli::UsageError(command + " paints pages and needs the build with Qt");
#endif
    if (command == "convert") return vordalis::cli::RunConvert(args);
    if (command == "summary") return vordalis::cli::RunSummary(args);
    if (command == "acceptance") return vordalis::cli::RunAcceptance(args);
    if (command == "export") return vordalis::cli::RunExport(args);
    return vordalis::cli::UsageError(
        (command.size() > 1 && command[0] == '-' ? "unknown option " : "unknown command ") + command);
}
