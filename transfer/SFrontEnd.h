#pragma once
// The front end of one serial port (port index 0 is COM1).
#include "transfer/FrontEnd.h"
#include "transfer/SerialPort.h"

namespace vordalis::transfer {

class SFrontEnd : public FrontEnd {
public:
    // The port of index portIndex on device (empty: no device, it never opens). A directory
    // read from the instrument goes into pool (the engine's, shared by its ends).
    SFrontEnd(int portIndex, std::string device, ObjectPool& pool);
    ~SFrontEnd() override;

    bool Open(const std::string& argument = {}) override;
    bool Close() override;
    bool StartObject(const std::string& name) override;
    bool EndObject() override;
    bool IsObjectOpen() const override { return isOpen_ && objectOpen_; }
    int BytesAvailable() override;
    int Read(uint8_t* buffer, int count, int timeoutMs) override;
    WaitResult WaitForData(int timeoutMs, int wakeFd) override;
    ObjectPool* ReadDirectory() override;
    bool ChangeDirectory(const std::string& name) override;
    void AbortObject() override;
    std::string StatusText() const override;
    int Identify() override;

    int PortIndex() const { return portIndex_; }
    int CpMode() const { return cpMode_; }
    const SerialPort& Port() const { return port_; }

private:
    void ResetAndClose();

    int portIndex_;
    std::string device_;
    ObjectPool& pool_;
    bool objectOpen_ = false;
    int cpMode_ = 0;
    SerialPort port_;
};

} // namespace vordalis::transfer
