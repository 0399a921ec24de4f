#pragma once
// A front end that reads objects from a folder instead of an instrument: the object NAME is
// the file "{$}NAME" in the current folder below the root.
#include "io/FileHandle.h"
#include "transfer/FrontEnd.h"

namespace vordalis::transfer {

class QFrontEnd : public FrontEnd {
public:
    static constexpr size_t kMaxFolder = 128;

    // Its directory is the pool the serial front ends last filled.
    explicit QFrontEnd(ObjectPool& pool) : pool_(pool) {}

    bool Open(const std::string& folder) override;
    bool Close() override;
    bool StartObject(const std::string& name) override;
    bool EndObject() override;
    bool IsObjectOpen() const override { return file_ != nullptr; }
    int BytesAvailable() override;
    int Read(uint8_t* buffer, int count, int timeoutMs) override;
    ObjectPool* ReadDirectory() override { return &pool_; }
    bool ChangeDirectory(const std::string& path) override;
    std::string StatusText() const override { return {}; }
    int Identify() override { return 0; }

    const std::string& Folder() const { return folder_; }
    const std::string& SubPath() const { return subPath_; }

private:
    ObjectPool& pool_;
    std::string folder_;
    std::string subPath_;
    FileHandle file_;
};

} // namespace vordalis::transfer
