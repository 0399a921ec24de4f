#include "transfer/QFrontEnd.h"

#include "io/FilePath.h"
#include "transfer/FolderAccess.h"
#include "transfer/SubPath.h"

#include <filesystem>

namespace vordalis::transfer {

bool QFrontEnd::Open(const std::string& folder) {
    if (file_) return false;
    subPath_.clear();
    if (folder.size() <= kMaxFolder && CanEnterFolder(PathFromUtf8(folder))) {
        folder_ = folder;
        isOpen_ = true;
        return true;
    }
    folder_.clear();
    isOpen_ = false;
    return false;
}

bool QFrontEnd::Close() {
    if (!isOpen_) return false;
    file_.reset();
    isOpen_ = false;
    return true;
}

bool QFrontEnd::StartObject(const std::string& name) {
    if (!isOpen_ || file_) return false;
    file_ = OpenFile(LocalPath(folder_, subPath_) / PathFromUtf8("{$}" + name), "rb");
    return file_ != nullptr;
}

bool QFrontEnd::EndObject() {
    return CloseFile(file_);
}

int QFrontEnd::BytesAvailable() {
    if (!isOpen_ || !file_) return 0;
    std::FILE* f = file_.get();
    const long position = std::ftell(f);
    if (position < 0 || std::fseek(f, 0, SEEK_END) != 0) return 0;
    const long size = std::ftell(f);
    std::fseek(f, position, SEEK_SET);
    return size > position ? static_cast<int>(size - position) : 0;
}

int QFrontEnd::Read(uint8_t* buffer, int count, int) {
    if (!file_ || count <= 0) return 0;
    return static_cast<int>(std::fread(buffer, 1, count, file_.get()));
}

bool QFrontEnd::ChangeDirectory(const std::string& path) {
    ApplyPath(subPath_, path);
    return CanEnterFolder(LocalPath(folder_, subPath_));
}

} // namespace vordalis::transfer
