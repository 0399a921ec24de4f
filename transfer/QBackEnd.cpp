#include "transfer/QBackEnd.h"

#include "io/FilePath.h"

#include "transfer/Errors.h"
#include "transfer/ObjectNumber.h"
#include "transfer/ObjectPool.h"

#include <cstdio>
#include <filesystem>

namespace vordalis::transfer {
bool QBackEnd::Open(const std::string& folder) {
    unnamedCounter_ = 0;
    return FileBackEnd::Open(folder);
}

bool QBackEnd::BeginObject(const std::string&, int mode) {
    ++unnamedCounter_;
    return FileBackEnd::BeginObject({}, mode);
}

int QBackEnd::Write(const uint8_t* data, int n) {
    if (!isOpen_ || !file_ || n <= 0) return 0;
    WriteBlock(data, n);
    return n;
}

bool QBackEnd::EndObject(bool ok) {
    if (!FileBackEnd::EndObject(ok)) return false;
    const ObjectNumberResult found = ObjectNumber(Utf8FromPath(tempPath_), family_);
    std::string finalName;
    if (found.kind < 0) {
        char text[16];
        std::snprintf(text, sizeof text, "{$}F%04d", unnamedCounter_);
        finalName = text;
    } else {
        finalName = "{$}" + found.number + (found.kind == 1 ? ".B" : "");
    }
    try {
        EnterOutputFolder();
    } catch (const IoFileError&) {
        DropTemp();
        throw;
    }
    std::error_code ec;
    const bool existed = std::filesystem::exists(OutputFolder() / finalName, ec);
    if (!GiveFinalName(finalName, true)) return false;
    if (!existed && pool_.Valid()) {
        pool_.SetInstrumentCode(label_.substr(0, 2));
        pool_.AddObjectShown(finalName.substr(3));
    }
    return true;
}

} // namespace vordalis::transfer
