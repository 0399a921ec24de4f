#pragma once
// The sub-commands of vordalis-cli. Each returns the process exit status.
#include <cstdint>
#include <string>
#include <vector>

namespace vordalis {
class TBasicObj;
}

namespace vordalis::cli {

using Args = std::vector<std::string>;

int RunType(const Args& files);
int RunInfo(const Args& files);
// render FILE -o OUT.pdf|.svg|.png [--options WORD] [--page N]
int RunRender(const Args& args);
// convert FILE -o OUT.vdo
int RunConvert(const Args& args);
// summary --kind series|china-single|china-batch FILE... -o OUT.vdo
int RunSummary(const Args& args);
// export FILE... [-o OUT.csv] [--statistics] [--excel]
int RunExport(const Args& args);

// acceptance --design MM [--member beam|slab|custom --minus MM --plus MM] FILE... [--second FILE...]
int RunAcceptance(const Args& args);

// report FILE... -o OUT.pdf [--title TEXT]
int RunReport(const Args& args);

// Commands that paint pages: a GUI application (offscreen without a display), and the viewer's
// default options word for an object that stores none.
void EnsureGuiApplication();
int32_t CategoryDefault(const TBasicObj& obj);
// The mm scale of the settings and the object's options as the viewer first shows it.
void PrepareForPages(TBasicObj& obj);

// Prints an error on stderr in UTF-8.
void PrintError(const std::string& text);
// What a reader says while an object opens (a summary names a member it leaves out), printed
// on stderr where the viewer shows a message box.
void PrintReadNotice(const std::u16string& text);
// A usage error: "vordalis-cli: PROBLEM" and "Try 'vordalis-cli --help'." on stderr; returns 2.
int UsageError(const std::string& problem);
// The first argument that looks like an option ("-x", "--x"), or null when there is none.
const std::string* FirstOption(const Args& args);

} // namespace vordalis::cli
