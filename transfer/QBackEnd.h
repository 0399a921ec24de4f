#pragma once
// Names each received file after the object number found in its content ("{$}123456",
// "{$}123456.B" for a raster file, "{$}F0001" when none is found) and adds new files to the
// pool's current folder. Bytes are stored as received.
#include "transfer/FileBackEnd.h"
#include "transfer/ObjectPool.h"

namespace vordalis::transfer {

class QBackEnd : public FileBackEnd {
public:
    // A file saved while the pool is valid is added to it and shown in its tree.
    explicit QBackEnd(ObjectPool& pool) : pool_(pool) {}

    bool Open(const std::string& folder) override;
    bool BeginObject(const std::string& name, int mode) override;
    bool EndObject(bool ok) override;
    bool IsComplete() const override { return true; }
    int Write(const uint8_t* data, int n) override;

    // The display name of the instrument family the content is checked against.
    void SetFamily(const std::string& family) { family_ = family; }

private:
    ObjectPool& pool_;
    std::string family_;
    int unnamedCounter_ = 0; // numbers the files whose content names no object
};

} // namespace vordalis::transfer
