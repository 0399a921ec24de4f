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
    Paint(*first);

    std::string saved;
    if (!doc.Serialize(saved)) return {}; // refusing to save keeps the old file: allowed
    doc.SetObject(Open(saved));
    TBasicObj* second = doc.Object();
    if (!second) return "the saved object does not open again";
    Paint(*second);
    std::string savedAgain;
    if (!doc.Serialize(savedAgain)) return "the reopened object refuses to save";
    if (savedAgain != saved) return "a second save writes other bytes";
    return {};
}

} // namespace vordalis::fuzz
