#include "transfer/SFrontEnd.h"

#include "transfer/Instruments.h"
#include "transfer/Protocol.h"

#include <cstdio>
#include <utility>

namespace vordalis::transfer {

SFrontEnd::SFrontEnd(int portIndex, std::string device, ObjectPool& pool)
    : portIndex_(portIndex), device_(std::move(device)), pool_(pool) {}

SFrontEnd::~SFrontEnd() {
    ResetAndClose();
}

bool SFrontEnd::Open(const std::string&) {
    if (isOpen_ || portIndex_ < 0 || portIndex_ > 255) return false;
    isOpen_ = true;
    if (port_.Open(portIndex_, device_)) {
        Record(0, {}, {});
        cpMode_ = 0;
        return true;
    }
    isOpen_ = false;
    Record(-1, {}, {});
    return false;
}

void SFrontEnd::ResetAndClose() {
    if (isOpen_ && instrumentType_ > 0 && (port_.Baud() > 9600 || cpMode_ != 0))
        protocol::ResetLink(port_, false);
    port_.CloseHandle();
    objectOpen_ = false;
    Record(-1, {}, {});
    cpMode_ = 0;
    isOpen_ = false;
}

bool SFrontEnd::Close() {
    ResetAndClose();
    return true;
}

bool SFrontEnd::StartObject(const std::string& name) {
    if (!isOpen_) return false;
    if (instrumentType_ < 1) { // nothing will arrive
        port_.PurgeInput();
        objectOpen_ = true;
        return true;
    }
    if (objectOpen_) {
        protocol::AbortSequence(port_);
        objectOpen_ = false;
    }
    objectOpen_ = protocol::LoadObject(port_, name);
    return objectOpen_;
}

bool SFrontEnd::EndObject() {
    if (!isOpen_ || !objectOpen_) return false;
    port_.PurgeInput();
    objectOpen_ = false;
    return true;
}

int SFrontEnd::BytesAvailable() {
    if (!isOpen_ || !objectOpen_ || !port_.IsOpen()) return 0;
    return port_.BytesWaiting();
}

int SFrontEnd::Read(uint8_t* buffer, int count, int timeoutMs) {
    return isOpen_ && objectOpen_ ? port_.ReadBlock(buffer, count, timeoutMs) : 0;
}

WaitResult SFrontEnd::WaitForData(int timeoutMs, int wakeFd) {
    if (!isOpen_ || !objectOpen_) return WaitForWakeup(wakeFd, timeoutMs);
    return port_.WaitForInput(timeoutMs, wakeFd);
}

ObjectPool* SFrontEnd::ReadDirectory() {
    if (!isOpen_) {
        pool_.SetValid(false);
        return nullptr;
    }
    protocol::ReadDirectory(port_, pool_, instrumentType_ <= 0, Code(instrumentType_));
    pool_.SetValid(true);
    return &pool_;
}

bool SFrontEnd::ChangeDirectory(const std::string& name) {
    return isOpen_ && !objectOpen_ && protocol::ChangeDir(port_, name);
}

void SFrontEnd::AbortObject() {
    if (isOpen_) protocol::AbortSequence(port_);
}

std::string SFrontEnd::StatusText() const {
    if (!isOpen_) return {};
    char text[32];
    std::snprintf(text, sizeof text, " %d C%d", port_.Baud(), cpMode_);
    return text;
}

int SFrontEnd::Identify() {
    const int old = instrumentType_;
    if (!isOpen_) {
        Record(-1, {}, {});
        return 0;
    }
    int found = 0;
    std::string identifier, serial, version;
    if (protocol::QueryId(port_, identifier, serial, version, 1000, true)) found = TypeOf(identifier);
    if (found == old) return found;
    if (found > 0 && old == 0) { // an instrument appeared on an idle port
        int cp = protocol::Negotiate(port_);
        if (cp < 0) cp = protocol::ResetLink(port_, true);
        if (cp < 0) {
            found = 0;
            cp = 0;
        }
        Record(found, serial, version);
        cpMode_ = cp;
        return found;
    }
    if (found == 0 && old > 0) { // the instrument no longer answers
        if (port_.Baud() <= 9600 && cpMode_ == 0) {
            Record(0, {}, {});
            cpMode_ = 0;
            return 0;
        }
        cpMode_ = 0;
        port_.SetBaud(9600);
        if (protocol::QueryId(port_, identifier, serial, version, 1000, true)) found = TypeOf(identifier);
        if (found == 0) {
            Record(0, {}, {});
            return 0;
        }
        Record(found, serial, version);
        return found;
    }
    Record(found, serial, version);
    return found;
}

} // namespace vordalis::transfer
