// vordalis-cli type / info: what the recogniser and the object classes make of files.
#include "text/Utf16.h"
#include "tools/cli/Commands.h"

#include "model/ByteSource.h"
#include "model/FileProblem.h"
#include "model/NexoloDocument.h"
#include "model/ObjectFactory.h"
#include "model/ObjectRecognizer.h"
#include "program/StandardOptions.h"

#include <cstdio>

namespace vordalis::cli {

void PrintError(const std::string& text) {
    std::fputs(text.c_str(), stderr);
    std::fputc('\n', stderr);
}

void PrintReadNotice(const std::u16string& text) {
    PrintError(U16ToUtf8(text));
}

int UsageError(const std::string& problem) {
    return program::UsageError("vordalis-cli", problem);
}

const std::string* FirstOption(const Args& args) {
    for (const auto& a : args)
        if (a.size() > 1 && a[0] == '-') return &a;
    return nullptr;
}

namespace {
// type and info take file names only; a name that starts with '-' is given as ./-name.
int CheckFileList(const char* command, const Args& files) {
    if (const std::string* option = FirstOption(files))
        return UsageError(std::string(command) + ": unknown option " + *option);
    if (files.empty()) return UsageError(std::string(command) + ": missing FILE");
    return 0;
}
} // namespace

int RunType(const Args& files) {
    if (int usage = CheckFileList("type", files)) return usage;
    int status = 0;
    for (const auto& path : files) {
        int type = 0;
        // A folder would open and merely read as nothing: say why instead of printing type 0.
        std::string problem = FileReadProblem(path);
        if (problem.empty()) {
            FileSource file(path);
            if (file.IsOpen()) type = DetectObjectType(file);
        } else {
            PrintError(path + ": " + problem);
            status = 1;
        }
        std::printf("%s\t%d\n", path.c_str(), type);
    }
    return status;
}

int RunInfo(const Args& files) {
    if (int usage = CheckFileList("info", files)) return usage;
    int status = 0;
    for (const auto& path : files) {
        FileSource file(path);
        std::unique_ptr<TBasicObj> obj;
        if (file.IsOpen()) obj = CreateObjectFromFile(file, nullptr, PrintReadNotice);
        if (!obj) {
            PrintError(U16ToUtf8(OpenFailureMessage(path)));
            status = 1;
            continue;
        }
        Json j = Json::Object();
        j.Set("path", Json::Text(path));
        obj->Describe(j);
        std::printf("%s\n", j.Dump().c_str());
    }
    std::fflush(stdout);
    return status;
}

} // namespace vordalis::cli
