#include "model/ByteSource.h"
#include "io/FilePath.h"

#include <cstring>

namespace vordalis {

size_t MemorySource::Read(void* buffer, size_t n) {
    if (pos_ >= static_cast<int64_t>(data_.size())) return 0;
    size_t avail = data_.size() - static_cast<size_t>(pos_);
    size_t k = n < avail ? n : avail;
    std::memcpy(buffer, data_.data() + pos_, k);
    pos_ += static_cast<int64_t>(k);
    return k;
}

bool MemorySource::Seek(int64_t offset) {
    if (offset < 0) return false;
    pos_ = offset;
    return true;
}

FileSource::FileSource(const std::string& path) : f_(OpenFile(PathFromUtf8(path), "rb")), path_(path) {}

size_t FileSource::Read(void* buffer, size_t n) {
    return f_ ? std::fread(buffer, 1, n, f_.get()) : 0;
}

bool FileSource::Seek(int64_t offset) {
    return f_ && offset >= 0 && fseeko(f_.get(), static_cast<off_t>(offset), SEEK_SET) == 0;
}

int64_t FileSource::Tell() const {
    return f_ ? static_cast<int64_t>(ftello(f_.get())) : 0;
}

int64_t FileSource::Size() const {
    if (!f_) return 0;
    off_t here = ftello(f_.get());
    fseeko(f_.get(), 0, SEEK_END);
    off_t size = ftello(f_.get());
    fseeko(f_.get(), here, SEEK_SET);
    return static_cast<int64_t>(size);
}

bool ReadWholeFile(const std::string& path, std::string& out) {
    FileHandle f = OpenFile(PathFromUtf8(path), "rb");
    if (!f) return false;
    out.clear();
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f.get())) > 0) out.append(buf, n);
    return !std::ferror(f.get());
}

} // namespace vordalis
