#include "transfer/TransferEngine.h"

#include "transfer/Errors.h"
#include "transfer/Instruments.h"
#include "transfer/Messages.h"
#include "transfer/PortList.h"
#include "transfer/QBackEnd.h"
#include "transfer/QFrontEnd.h"
#include "transfer/SFrontEnd.h"
#include "transfer/TBackEnd.h"
#include "transfer/XBackEnd.h"

#include <algorithm>
#include <array>
#include <system_error>

namespace vordalis::transfer {

std::vector<std::string> TransferEngine::SystemDevices() {
    std::vector<std::string> devices;
    for (int i = 0; i < kPorts; ++i) devices.push_back(SerialDevice(i));
    return devices;
}

TransferEngine::TransferEngine(int wanted, int onlyPort, const std::vector<std::string>& devices)
    : pool_(std::make_unique<ObjectPool>()) {
    for (int i = 0; i < kPorts; ++i)
        frontEnds_[i] = std::make_unique<SFrontEnd>(i, DeviceAt(devices, i), *pool_);
    frontEnds_[kFolderFrontEnd] = std::make_unique<QFrontEnd>(*pool_);
    backEnds_[kSaveByName] = std::make_unique<XBackEnd>();
    backEnds_[kSaveByContent] = std::make_unique<QBackEnd>(*pool_);
    backEnds_[kLoaderResult] = std::make_unique<TBackEnd>();
    wanted_ = wanted;
    for (int i = 0; i < kPorts; ++i) {
        if (onlyPort >= 0 && onlyPort < kPorts && i != onlyPort) continue;
        if (frontEnds_[i]->Open({})) {
            if (openCount_++ == 0) firstOpen_ = i;
        }
    }
    IdentifyAll();
    current_ = firstOpen_;
}

TransferEngine::~TransferEngine() {
    // Ports whose link was changed are returned to 9600 baud by their destructors.
    for (auto& front : frontEnds_) front.reset();
    for (auto& back : backEnds_) back.reset();
}

void TransferEngine::Recount() {
    freeCount_ = wantedCount_ = 0;
    firstFree_ = firstWanted_ = -1;
    for (int i = 0; i < kPorts; ++i) {
        if (!frontEnds_[i]->IsOpen()) continue;
        const int type = frontEnds_[i]->InstrumentType();
        if (type == 0) {
            if (freeCount_++ == 0) firstFree_ = i;
        } else if (wanted_ != 0 && type == wanted_) {
            if (wantedCount_++ == 0) firstWanted_ = i;
        }
    }
}

int TransferEngine::IdentifyCurrent() {
    const int type = current_ >= 0 ? frontEnds_[current_]->Identify() : 0;
    Recount();
    return type;
}

int TransferEngine::IdentifyPort(int port) {
    const int type = port >= 0 && port < kPorts ? frontEnds_[port]->Identify() : 0;
    Recount();
    return type;
}

void TransferEngine::IdentifyAll() {
    for (int i = 0; i < kPorts; ++i)
        if (frontEnds_[i]->IsOpen()) frontEnds_[i]->Identify();
    Recount();
}

PortSnapshot TransferEngine::Snapshot() const {
    PortSnapshot s;
    s.anyPort = openCount_ >= 1;
    s.noPort = openCount_ <= 0;
    s.current = current_;
    s.wanted = wanted_;
    const FrontEnd* front = CurrentFront();
    s.mismatch = !locked_ && front && front->InstrumentType() != wanted_;
    for (int i = 0; i < kPorts; ++i) {
        const FrontEnd& f = *frontEnds_[i];
        s.types[i] = static_cast<int8_t>(f.IsOpen() ? f.InstrumentType() : -1);
        s.serialNumbers[i] = f.SerialNumber();
        s.versions[i] = f.Version();
    }
    return s;
}

void TransferEngine::Select(int type, int port, bool lock) {
    if (type < 1 || type > 63) type = 1;
    if (port < 0 || port >= kPorts) port = 0;
    if (openCount_ <= 0) throw IoSysError{SysErrorCode::NoPorts};
    const int pt = frontEnds_[port]->IsOpen() ? frontEnds_[port]->InstrumentType() : -1;
    const int pl = frontEnds_[port]->LastType();
    int newWanted = wanted_;
    int newCurrent = current_;
    if (lock || locked_) {
        if (locked_ && pt != wanted_ && pt != 0) throw IoSysError{SysErrorCode::NoInstrument};
        if (lock) newWanted = type;
        const int keep = wanted_;
        wanted_ = newWanted;
        Recount();
        wanted_ = keep;
        if (wantedCount_ > 0)
            newCurrent = pt == newWanted ? port : firstWanted_;
        else if (freeCount_ > 0)
            newCurrent = (pt == newWanted || pt == 0) ? port : firstFree_;
        else
            throw IoSysError{SysErrorCode::NoInstrument};
        locked_ = true;
    } else if (wanted_ == 0) {
        if (pt == type)
            newWanted = type, newCurrent = port;
        else if (wantedCount_ > 0)
            newWanted = type, newCurrent = firstWanted_;
        else if (pt == 0)
            newWanted = type, newCurrent = port;
        else if (pt == -1)
            newWanted = type, newCurrent = firstOpen_;
        else
            newWanted = pt, newCurrent = port;
    } else if (wanted_ != type && current_ == port) {
        if (pt == type)
            newWanted = type, newCurrent = port;
        else if (wantedCount_ > 0)
            newWanted = type, newCurrent = firstWanted_;
        else if (freeCount_ > 0)
            newWanted = type, newCurrent = (pt == type || pt == 0) ? port : firstFree_;
        else
            newWanted = pt > 0 ? pt : type, newCurrent = port;
    } else {
        if (pt == -1) throw IoSysError{SysErrorCode::PortUnavailable};
        if (pt > 0 && pt != type)
            newWanted = pt;
        else if (pl > 0)
            newWanted = pl;
        newCurrent = port;
    }
    wanted_ = newWanted;
    current_ = newCurrent;
    Recount();
    if (current_ >= 0)
        frontEnds_[current_]->SetLastType(
            !DisplayName(wanted_).empty() && wanted_ <= kInstrumentTypes ? wanted_ : 0);
}

bool TransferEngine::SelectBackEnd(int index, const std::string& folder) {
    if (index == currentBackEnd_ && backEnds_[index]->IsOpen() && backEnds_[index]->Folder() == folder)
        return true;
    if (index < 0 || index > 2) return false;
    BackEnd& old = *backEnds_[currentBackEnd_];
    if (old.IsFileOpen()) old.EndObject(false);
    old.Close();
    if (!backEnds_[index]->Open(folder)) return false;
    currentBackEnd_ = index;
    return true;
}

ObjectPool* TransferEngine::Directory(int index) {
    if (index < 0) index = current_;
    if (index < 0 || index > kFolderFrontEnd || !frontEnds_[index]->IsOpen()) return nullptr;
    return frontEnds_[index]->ReadDirectory();
}

bool TransferEngine::ChangeDirectory(const std::string& path, bool frontOnly) {
    FrontEnd* front = CurrentFront();
    BackEnd& back = *backEnds_[currentBackEnd_];
    bool ok = front && front->ChangeDirectory(path);
    if (!frontOnly) ok = back.ChangeDirectory(path) && ok;
    if (!ok) {
        if (front) front->ChangeDirectory("\\");
        if (!frontOnly) back.ChangeDirectory("\\");
    }
    return ok;
}

bool TransferEngine::StartTransfer(const std::string& name, bool isB) {
    nameRefused_ = false;
    FrontEnd* front = CurrentFront();
    if (!front) return false;
    BackEnd& back = *backEnds_[currentBackEnd_];
    try {
        std::string label = Code(front->LastType());
        if (!label.empty() && (!front->SerialNumber().empty() || !front->Version().empty()))
            label += "(" + front->SerialNumber() + ";" + front->Version() + ")";
        back.SetLabel(label);
        if (auto* byContent = dynamic_cast<QBackEnd*>(&back))
            byContent->SetFamily(DisplayName(front->LastType()));
        const bool r1 = back.BeginObject(name, isB ? 1 : 0);
        const bool r2 = front->StartObject(isB ? name + ".B" : name);
        return r1 && r2;
    } catch (const IoFileError& e) {
        front->AbortObject();
        nameRefused_ = e.code == FileErrorCode::UnsafeName;
        // A name that cannot be saved locally is said as such; other failures as a write error.
        if (sink_)
            sink_(e.code == FileErrorCode::UnsafeName ? MessageOf(e, language_)
                                                      : Format(Msg::WriteError, language_, name));
        return false;
    } catch (const std::system_error&) {
        // A path the system cannot form (on Windows a name that does not convert).
        front->AbortObject();
        if (sink_) sink_(Format(Msg::WriteError, language_, name));
        return false;
    }
}

int TransferEngine::BytesAvailable() {
    FrontEnd* front = CurrentFront();
    return front && front->IsOpen() ? front->BytesAvailable() : 0;
}

void TransferEngine::Pump() {
    FrontEnd* front = CurrentFront();
    if (!front) return;
    int n = BytesAvailable();
    std::array<uint8_t, 256> buffer;
    while (n > 0) {
        const int m = std::min(n, 256);
        if (front->Read(buffer.data(), m, 500) < m) throw IoSysError{SysErrorCode::ShortInput};
        backEnds_[currentBackEnd_]->Write(buffer.data(), m);
        n -= 256;
    }
}

bool TransferEngine::IsComplete() const {
    return backEnds_[currentBackEnd_]->IsComplete();
}

bool TransferEngine::EndReceived() const {
    return backEnds_[currentBackEnd_]->EndReceived();
}

WaitResult TransferEngine::WaitForData(int timeoutMs, int wakeFd) {
    FrontEnd* front = CurrentFront();
    return front && front->IsOpen() ? front->WaitForData(timeoutMs, wakeFd)
                                    : WaitForWakeup(wakeFd, timeoutMs);
}

int TransferEngine::BytesWritten() const {
    return backEnds_[currentBackEnd_]->Total();
}

bool TransferEngine::Finish() {
    FrontEnd* front = CurrentFront();
    const bool frontOk = front && front->EndObject();
    const bool backOk = backEnds_[currentBackEnd_]->EndObject(true);
    return frontOk && backOk;
}

void TransferEngine::AbortTransfer() {
    FrontEnd* front = CurrentFront();
    BackEnd& back = *backEnds_[currentBackEnd_];
    if (front && !back.IsComplete()) front->AbortObject();
    // The object is given up already: what its ends still fail at changes nothing.
    try {
        if (front) front->EndObject();
    } catch (const IoSysError&) {
    } catch (const IoFileError&) {
    }
    try {
        back.EndObject(false);
    } catch (const IoSysError&) {
    } catch (const IoFileError&) {
    }
}

std::string TransferEngine::StatusText() const {
    const FrontEnd* front = CurrentFront();
    return front && front->IsOpen() ? front->StatusText() : std::string{};
}

void TransferEngine::SetAskReplace(const BackEnd::AskReplace& ask) {
    for (auto& back : backEnds_) back->SetAskReplace(ask);
}

void TransferEngine::SetLanguage(int language) {
    language_ = language;
    for (auto& back : backEnds_) back->SetLanguage(language);
}

} // namespace vordalis::transfer
