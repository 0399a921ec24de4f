#pragma once
// Names each received file after the object number found in its content ("{$}123456",
// "{$}123456.B" for a raster file, "{$}F0001" when none is found) and adds new files to the
// pool's current folder. Bytes are stored as received.
#include "transfer/FileBackEnd.h"

namespace vordalis::transfer {

class QBackEnd : public FileBackEnd {
public:
    bool Open(const std::string& folder) override;
    bool BeginObject(const std::string& name, int mode) override;
    bool EndObject(bool ok) override;
    bool IsComplete() const override { return true; }
    int Write(const uint8_t* data, int n) override;

    // The display name of the instrument family the content is checked against.
    void SetFamily(const std::string& family) { family_ = family; }

private:
    std::string family_;
};

} // namespace vordalis::transfer
