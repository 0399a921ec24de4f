#include "fuzz/ObjectCheck.h"

#include "model/ByteSource.h"
#include "model/NexoloDocument.h"
#include "model/ObjectFactory.h"
#include "model/ObjectRecognizer.h"
#include "objects/RegisterObjects.h"
#include "plot/RecordingCanvas.h"

#include <algorithm>

namespace vordalis::fuzz {
namespace {

std::unique_ptr<TBasicObj> Open(const std::string& bytes) {
    MemorySource source(bytes);
    return CreateObjectFromFile(source);
}

// What `vordalis-cli info` prints of the object, less the path.
std::string Info(const TBasicObj& obj) {
    Json j = Json::Object();
    obj.Describe(j);
    return j.Dump();
}

// Where two descriptions first part, with a little context, for the report.
std::string FirstDifference(const std::string& a, const std::string& b) {
    size_t at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
    const size_t from = at > 40 ? at - 40 : 0;
    return "\n  opened: ..." + a.substr(from, 100) + "\n  reopened: ..." + b.substr(from, 100);
}

// Every way the viewer paints: screen, copy, and each printed page on A4.
void Paint(TBasicObj& obj) {
    obj.GetExtent();
    obj.GetCopySize();
    RecordingCanvas screen;
    obj.Draw(screen);
    RecordingCanvas copy;
    obj.DrawCopy(copy);
    RecordingCanvas printer(true, {2100, 2970});
    const int pages = obj.GetPageCount(printer);
    for (int page = 1; page <= std::min(pages, 8); ++page) obj.PrintPage(printer, page);
}

} // namespace

std::string CheckObject(std::string_view input) {
    static const bool registered = (RegisterAllObjectTypes(), true);
    (void)registered;
    const std::string bytes(input);
    // A summary opens its members by path; outside a folder of our own that could be any
    // file (or a device) on the machine.
    if (bytes.find('/') != std::string::npos) {
        MemorySource source(bytes);
        if (DetectObjectType(source) == kTypeReboundSummary) return {};
    }

    NexoloDocument doc;
    doc.SetObject(Open(bytes));
    TBasicObj* first = doc.Object();
    if (!first) return {};
    const std::string info = Info(*first);
    Paint(*first);

    std::string saved;
    if (!doc.Serialize(saved)) return {}; // refusing to save keeps the old file: allowed
    doc.SetObject(Open(saved));
    TBasicObj* second = doc.Object();
    if (!second) return "the saved object does not open again";
    if (const std::string again = Info(*second); again != info)
        return "the saved object opens as another object" + FirstDifference(info, again);
    Paint(*second);
    std::string savedAgain;
    if (!doc.Serialize(savedAgain)) return "the reopened object refuses to save";
    if (savedAgain != saved) return "a second save writes other bytes";
    return {};
}

} // namespace vordalis::fuzz
