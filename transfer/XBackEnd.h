#pragma once
// Saves each object under its own name (with the extension of the instrument family) in the
// output folder; the received stream goes through the unpacker.
#include "transfer/FileBackEnd.h"
#include "transfer/Unpacker.h"

namespace vordalis::transfer {

class XBackEnd : public FileBackEnd {
public:
    static constexpr int kBlock = 512;

    bool BeginObject(const std::string& name, int mode) override;
    bool EndObject(bool ok) override;
    bool IsComplete() const override;
    bool EndReceived() const override;
    int Write(const uint8_t* data, int n) override;

    const Unpacker& GetUnpacker() const { return unpacker_; }

protected:
    // The first stage, the completeness check and entering the output folder; false when
    // the object is not to be named.
    bool FinishReceived(bool ok);
    // Whether the file takes the object's name (the loader's has a fixed one).
    virtual bool NamedAfterObject() const { return true; }

    Unpacker unpacker_;
};

} // namespace vordalis::transfer
