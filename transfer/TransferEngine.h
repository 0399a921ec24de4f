#pragma once
// Owns every front end (one per serial port COM1..COM256 and one for a folder) and the back
// ends, keeps track of which port holds which instrument, chooses the current port and back
// end, and moves one object at a time from the front end into the back end. It owns the pool
// of the instrument's objects its ends share. The dialogs (or a command-line program) drive
// it from their timers:
//   Select(type, port, false); SelectBackEnd(kSaveByName, folder);
//   ObjectPool* pool = Directory(); pool->FillTree(&tree, DisplayName(Wanted()), true);
//   for each pool->NextTicked(name, ext, path, markDone): ChangeDirectory(path, false);
//     StartTransfer(name, ext == "B"); ReceivePhases::Step and Wait until Complete;
//     Finish() (or AbortTransfer() on an error or the Abort button).
#include "transfer/BackEnd.h"
#include "transfer/FrontEnd.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vordalis::transfer {

// What the dialogs read to fill their port list and instrument box.
struct PortSnapshot {
    bool anyPort = false;  // at least one port opened
    bool mismatch = false; // not locked and the current port's type differs from wanted
    bool noPort = true;
    int current = -1;
    int wanted = 0;
    std::array<int8_t, 256> types{}; // -1 not available, 0 no instrument, 1..6
    std::array<std::string, 256> serialNumbers;
    std::array<std::string, 256> versions;
};

class TransferEngine {
public:
    static constexpr int kPorts = 256;
    static constexpr int kFolderFrontEnd = 256;
    enum BackEndIndex { kSaveByName = 0, kSaveByContent = 1, kLoaderResult = 2 };

    // Opens and identifies every port, or only onlyPort (0-based) when it is 0..255. Port k is
    // devices[k] (none past the list's end): the system's ports unless told otherwise.
    explicit TransferEngine(int wanted, int onlyPort = -1,
                            const std::vector<std::string>& devices = SystemDevices());
    // The device of each port as the system and VORDALIS_SERIAL_PORTS name them.
    static std::vector<std::string> SystemDevices();
    ~TransferEngine();
    TransferEngine(const TransferEngine&) = delete;
    TransferEngine& operator=(const TransferEngine&) = delete;

    PortSnapshot Snapshot() const;
    int IdentifyCurrent();
    int IdentifyPort(int port);
    void IdentifyAll();
    void Select(int type, int port, bool lock); // raises IoSysError 1, 2 or 3
    bool SelectBackEnd(int index, const std::string& folder);
    ObjectPool* Directory(int index = -1);
    // The pool Directory fills; Valid() while it holds the current instrument's listing.
    ObjectPool& Pool() { return *pool_; }
    bool ChangeDirectory(const std::string& path, bool frontOnly);
    bool StartTransfer(const std::string& name, bool isB);
    // Whether the last StartTransfer failed because a name from the instrument (the object's
    // or a folder's) cannot be used locally: that object alone is skipped, the others can
    // follow.
    bool NameRefused() const { return nameRefused_; }
    int BytesAvailable();
    void Pump();
    bool IsComplete() const;
    bool EndReceived() const;
    // Waits up to timeoutMs for bytes on the current front end, or until wakeFd is readable.
    WaitResult WaitForData(int timeoutMs, int wakeFd = -1);
    int BytesWritten() const;
    bool Finish();
    void AbortTransfer();
    std::string StatusText() const;

    int Current() const { return current_; }
    int Wanted() const { return wanted_; }
    bool Locked() const { return locked_; }
    int OpenCount() const { return openCount_; }
    int FirstOpen() const { return firstOpen_; }
    FrontEnd& Front(int index) { return *frontEnds_.at(index); }
    BackEnd& Back(int index) { return *backEnds_.at(index); }
    int CurrentBackEnd() const { return currentBackEnd_; }
    // Every back end asks this before it replaces an existing file.
    void SetAskReplace(const BackEnd::AskReplace& ask);
    // Shows a message the engine reports itself (a transfer that could not start).
    void SetMessageSink(std::function<void(const std::string&)> sink) { sink_ = std::move(sink); }
    // The language of the engine's messages and of the back ends' questions (see Messages.h).
    void SetLanguage(int language);
    int Language() const { return language_; }

private:
    void Recount();
    FrontEnd* CurrentFront() { return current_ >= 0 ? frontEnds_[current_].get() : nullptr; }
    const FrontEnd* CurrentFront() const { return current_ >= 0 ? frontEnds_[current_].get() : nullptr; }

    std::unique_ptr<ObjectPool> pool_; // before the ends, which keep a reference to it
    std::array<std::unique_ptr<FrontEnd>, kPorts + 1> frontEnds_;
    std::array<std::unique_ptr<BackEnd>, 3> backEnds_;
    int current_ = -1;
    int wanted_ = 0;
    bool locked_ = false;
    int openCount_ = 0;
    int freeCount_ = 0, firstFree_ = -1;
    int wantedCount_ = 0, firstWanted_ = -1;
    int firstOpen_ = -1;
    int currentBackEnd_ = 0;
    std::function<void(const std::string&)> sink_;
    int language_ = 0;
    bool nameRefused_ = false;
};

} // namespace vordalis::transfer
