// vordalis-cli type / info: what the recogniser and the object classes make of files.
#include "Commands.h"

#include "model/ByteSource.h"
#include "model/NexoloDocument.h"
#include "model/ObjectFactory.h"
#include "model/ObjectRecognizer.h"

#include <cstdio>

namespace vordalis::cli {

void PrintError(const std::string& text) {
    std::fputs(text.c_str(), stderr);
    std::fputc('\n', stderr);
}

int RunType(const Args& files) {
    int status = 0;
    for (const auto& path : files) {
        FileSource file(path);
        int type = 0;
        if (file.IsOpen())
            type = DetectObjectType(file);
        else
            status = 1;
        std::printf("%s\t%d\n", path.c_str(), type);
    }
    return status;
}

int RunInfo(const Args& files) {
    int status = files.empty() ? 2 : 0;
    for (const auto& path : files) {
        FileSource file(path);
        std::unique_ptr<TBasicObj> obj;
        if (file.IsOpen()) obj = CreateObjectFromFile(file);
        if (!obj) {
            PrintError(U16ToUtf8(InvalidObjectMessage(path)));
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
