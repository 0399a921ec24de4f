#pragma once
// A channel to an instrument: opens, identifies the instrument behind it, lists its stored
// objects, selects a folder, starts the sending of one object and delivers its bytes.
#include "transfer/ObjectPool.h"
#include "transfer/Wakeup.h"

#include <cstdint>
#include <string>

namespace vordalis::transfer {

class FrontEnd {
public:
    static constexpr size_t kInfoLength = 10; // serial number and version

    virtual ~FrontEnd() = default;
    virtual bool Open(const std::string& argument);
    virtual bool Close();
    virtual bool StartObject(const std::string& name) = 0;
    virtual bool EndObject() = 0;
    virtual bool IsObjectOpen() const = 0;
    virtual int BytesAvailable() = 0;
    virtual int Read(uint8_t* buffer, int count, int timeoutMs) = 0;
    // Waits up to timeoutMs for bytes of the open object, or until wakeFd becomes readable.
    // Base: what BytesAvailable has is there at once; nothing more comes while waiting.
    virtual WaitResult WaitForData(int timeoutMs, int wakeFd) {
        return BytesAvailable() > 0 ? WaitResult::Data : WaitForWakeup(wakeFd, timeoutMs);
    }
    virtual ObjectPool* ReadDirectory() = 0; // nullptr: none
    virtual bool ChangeDirectory(const std::string& name) = 0;
    virtual void AbortObject() {}
    virtual std::string StatusText() const = 0;
    virtual int Identify() = 0; // the instrument type now found

    bool IsOpen() const { return isOpen_; }
    // -1 closed or not yet polled, 0 no recognised instrument, 1..6 an instrument type.
    int InstrumentType() const { return instrumentType_; }
    int LastType() const { return lastType_; }
    void SetLastType(int type) { lastType_ = type; }
    const std::string& SerialNumber() const { return serialNumber_; }
    const std::string& Version() const { return version_; }

protected:
    void Record(int type, const std::string& serial, const std::string& version) {
        instrumentType_ = type;
        serialNumber_ = serial.substr(0, kInfoLength);
        version_ = version.substr(0, kInfoLength);
    }

    bool isOpen_ = false;
    int instrumentType_ = -1;
    int lastType_ = 0;
    std::string serialNumber_;
    std::string version_;
};

} // namespace vordalis::transfer
