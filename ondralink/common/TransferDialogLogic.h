#pragma once
// The behaviour of the two transfer dialogs, event by event: the loader (fetch the first
// ticked object into "Tamlo.vdo", check it, close) and the transfer tool (save every ticked
// object into the "Save in" folder). Both find instruments on all ports, show the chosen
// instrument's folder tree and drive one TransferEngine from the link's thread (LinkWorker):
// the receive step whenever the line has news (else every 120 ms), 400 ms (follow the ticks),
// 3500 ms (look for instruments). Only the folder field's handlers run on the window's thread.
#include "ondralink/common/DialogView.h"
#include "transfer/ReceivePhases.h"
#include "transfer/TransferEngine.h"

#include <array>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace vordalis::transfer {

class TransferDialogLogic {
public:
    enum class Program { Loader, Tool };
    // mode: 0 idle, 3 loading or saving, 4 finished (the loader closes).
    enum Mode { kIdle = 0, kLoading = 3, kFinished = 4 };
    // phase: 0 none, 1 requested, 2 receiving, 3 waiting for more data or the end,
    // 4 complete, 5 abort requested.
    static constexpr int kTimer1Ms = 120;
    static constexpr int kTimer2Ms = 400;
    static constexpr int kTimer3Ms = 3500;
    static constexpr int kFirstByteTicks = 125;   // 15 s for the first byte of an object
    static constexpr int kBusyStepMs = kTimer1Ms; // the busy indicator's pace while data arrive
    static constexpr int kCloseTicks = 4;
    static constexpr const char* kResultFile = "Tamlo.vdo";
    static constexpr const char* kNoComPort = "No COM port found!";

    TransferDialogLogic(Program program, DialogView& view, std::string tempFolder);
    ~TransferDialogLogic();
    TransferDialogLogic(const TransferDialogLogic&) = delete;
    TransferDialogLogic& operator=(const TransferDialogLogic&) = delete;

    // Reads the settings, creates the engine (opening and polling every port) and fills the
    // tree. False when the dialog must close; the reason was shown.
    bool Initialise();

    void OnTimer1();
    void OnTimer2();
    void OnTimer3();
    void OnPortChosen(int row);
    void OnAbort();
    void OnSaveSelected();
    void OnFolderEditStart();
    // The folder field lost the focus; returns the text the field shows afterwards.
    std::string OnFolderEditEnd(const std::string& text);
    void OnFolderChosen(const std::string& folder);
    // Close button, Escape or the window's close box. False while the folder field is being
    // edited: then only the field returns to DataFolder() and the dialog stays open.
    bool OnClose();

    // An object is on its way: the link's thread waits on the line (WaitOnLine) and calls
    // OnTimer1 whenever it returns, instead of every 120 ms.
    bool Receiving() const { return mode_ == kLoading && phases_.Current() != ReceivePhases::None; }
    WaitResult WaitOnLine(int wakeFd) const;
    // Makes the mode the window's thread reads follow the updates the view was given so far.
    void PublishMode();

    Program Kind() const { return program_; }
    // The mode as far as the window shows it (the link's thread may be a step ahead).
    int Mode() const { return shownMode_; }
    int Phase() const { return phases_.Current(); }
    bool Editing() const { return editing_; }
    bool Closed() const { return closed_; }
    int TickedCount() const { return tickedCount_; }
    std::string DataFolder() const;
    std::string ResultPath() const;
    TransferEngine* Engine() { return engine_.get(); }

    // How many 120 ms ticks to wait for the first byte of an object (kFirstByteTicks unless
    // set; tests shorten it). Set before Initialise: the link's thread reads it.
    void SetFirstByteTicks(int ticks);

private:
    bool IsLoader() const { return program_ == Program::Loader; }
    bool Refresh(bool forced);
    void FillTree();
    void FillPortList();
    void ChangePort(int port);
    void GoIdle();
    void UpdateButtons();
    bool RequestNext(bool markDone, bool finished, bool retry);
    void StepTransfer();
    void SetDataFolder(const std::string& folder);
    void TransferFailed(); // data invalid or missing: Retry or Cancel
    void Success();
    void Close();
    std::string IdleStatus() const;

    Program program_;
    DialogView& view_;
    std::string tempFolder_;
    mutable std::mutex folderLock_; // the folder field writes, the link's thread reads
    std::string dataFolder_;
    std::unique_ptr<TransferEngine> engine_;
    std::atomic<int> mode_ = kIdle;
    std::atomic<int> shownMode_ = kIdle;
    int publishedMode_ = kIdle;
    ReceivePhases phases_;
    std::chrono::steady_clock::time_point lastBusy_{};
    int lastKB_ = -1;
    int tickedCount_ = 0;
    int closeTicks_ = 0;
    int wantedType_ = -1;
    int currentPort_ = -1;
    std::string wantedName_;
    int language_ = 0; // of the messages, from the settings at Initialise
    bool present_ = false;
    std::atomic<bool> editing_ = false;
    std::atomic<bool> closed_ = false;
    std::array<std::string, TransferEngine::kPorts> portText_;
    std::vector<int> rowPort_;
    int selectedPort_ = -1; // the port of the selected row of the port list
    std::string instrumentName_;
    int firstByteTicks_ = kFirstByteTicks;
};

} // namespace vordalis::transfer
