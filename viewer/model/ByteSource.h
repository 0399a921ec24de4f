#pragma once
// Seekable input for the object readers: a file or a memory buffer, so tests and fuzzers
// need no files. Reads past the end simply return fewer bytes.
#include "io/FileHandle.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vordalis {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to n bytes; returns how many were read (0 at the end).
    virtual size_t Read(void* buffer, size_t n) = 0;
    virtual bool Seek(int64_t offset) = 0; // absolute position
    virtual int64_t Tell() const = 0;
    virtual int64_t Size() const = 0;
    // Path for messages; empty for memory buffers.
    virtual std::string Path() const { return {}; }
};

class MemorySource : public ByteSource {
public:
    explicit MemorySource(std::string data) : data_(std::move(data)) {}
    size_t Read(void* buffer, size_t n) override;
    bool Seek(int64_t offset) override;
    int64_t Tell() const override { return pos_; }
    int64_t Size() const override { return static_cast<int64_t>(data_.size()); }

private:
    std::string data_;
    int64_t pos_ = 0;
};

class FileSource : public ByteSource {
public:
    explicit FileSource(const std::string& path);
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;
    bool IsOpen() const { return f_ != nullptr; }
    size_t Read(void* buffer, size_t n) override;
    bool Seek(int64_t offset) override;
    int64_t Tell() const override;
    int64_t Size() const override;
    std::string Path() const override { return path_; }

private:
    FileHandle f_;
    std::string path_;
};

// Reads a whole file into memory; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& out);

} // namespace vordalis
