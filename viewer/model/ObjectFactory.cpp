#include "model/ObjectFactory.h"

#include "model/ObjectRecognizer.h"
#include "settings/Settings.h"

#include <array>
#include <utility>

namespace vordalis {
namespace {
std::array<ObjectConstructor, 9>& Constructors() {
    static std::array<ObjectConstructor, 9> table{};
    return table;
}
// The account and the notice of the read in progress; readers run on the caller's thread.
thread_local std::u16string failure;
thread_local const ReadNotice* notice = nullptr;
} // namespace

void ReportReadFailure(const std::u16string& text) {
    failure = text;
}

void ReportReadNotice(const std::u16string& text) {
    if (notice && *notice) (*notice)(text);
}

void RegisterObjectType(int type, ObjectConstructor constructor) {
    if (type >= 0 && type < 9) Constructors()[static_cast<size_t>(type)] = constructor;
}

bool IsObjectTypeRegistered(int type) {
    return type > 0 && type < 9 && Constructors()[static_cast<size_t>(type)] != nullptr;
}

std::unique_ptr<TBasicObj> CreateObjectFromFile(ByteSource& file, std::u16string* why,
                                                const ReadNotice& readNotice) {
    if (why) why->clear();
    if (file.Size() > kMaxObjectFileSize) return nullptr;
    file.Seek(0);
    int type = DetectObjectType(file);
    if (type == 4 || type == 5 || !IsObjectTypeRegistered(type)) return nullptr;
    bool mmScale = false;
    if (type == kTypeCoverBars || type == kTypeCoverRaster)
        mmScale = settings::ReadDword(settings::kMmScale, settings::kDefaultMmScale) != 0;
    file.Seek(0);
    failure.clear();
    const ReadNotice* outer = std::exchange(notice, &readNotice);
    std::unique_ptr<TBasicObj> obj = Constructors()[static_cast<size_t>(type)](file, mmScale);
    notice = outer;
    std::u16string reported = std::move(failure);
    failure.clear();
    if (obj) obj->type = type;
    if (obj && obj->valid) return obj;
    if (why) *why = std::move(reported);
    return nullptr;
}

} // namespace vordalis
