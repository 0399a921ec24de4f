#include "transfer/XBackEnd.h"

#include "transfer/Errors.h"
#include "transfer/LocalName.h"

#include <array>

namespace vordalis::transfer {

bool XBackEnd::BeginObject(const std::string& name, int mode) {
    // The file is named after the object: refuse before anything is asked of the instrument.
    if (isOpen_ && NamedAfterObject()) RequireSafeLocalName(name);
    if (!FileBackEnd::BeginObject(name, mode)) return false;
    unpacker_.Arm(mode == 1);
    return true;
}

bool XBackEnd::IsComplete() const {
    return mode_ == 1 ? total_ > 6 : unpacker_.State() == Unpacker::Complete;
}

bool XBackEnd::EndReceived() const {
    return mode_ != 1 && unpacker_.State() == Unpacker::Complete;
}

int XBackEnd::Write(const uint8_t* data, int n) {
    if (!isOpen_ || !file_ || n <= 0) return 0;
    std::array<uint8_t, kBlock> block;
    int written = 0;
    bool newInput = true;
    for (;;) {
        int produced = 0;
        const bool done = unpacker_.Decode(block.data(), kBlock, data, n, produced, newInput);
        newInput = false;
        if (produced > 0) {
            WriteBlock(block.data(), produced);
            written += produced;
        }
        if (unpacker_.State() == Unpacker::Error) {
            DropTemp();
            throw IoSysError{SysErrorCode::DataInvalid};
        }
        if (done) return written;
    }
}

bool XBackEnd::FinishReceived(bool ok) {
    const bool complete = IsComplete();
    if (!FileBackEnd::EndObject(ok)) return false;
    if (!complete) {
        DropTemp();
        throw IoSysError{SysErrorCode::DataInvalid};
    }
    try {
        EnterOutputFolder();
    } catch (const IoFileError&) {
        DropTemp();
        throw;
    }
    return true;
}

bool XBackEnd::EndObject(bool ok) {
    if (!FinishReceived(ok)) return false;
    return GiveFinalName(name_, true);
}

} // namespace vordalis::transfer
