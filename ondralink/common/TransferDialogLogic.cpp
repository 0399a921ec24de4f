#include "ondralink/common/TransferDialogLogic.h"

#include "settings/Settings.h"
#include "text/Utf16.h"
#include "transfer/Errors.h"
#include "transfer/Instruments.h"
#include "transfer/Messages.h"
#include "transfer/ObjectNumber.h"
#include "transfer/ObjectPool.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace vordalis::transfer {
namespace {

std::string WorkingDirectory() {
    std::error_code ec;
    return std::filesystem::current_path(ec).string();
}

// Every component of the folder can be entered.
bool CanEnter(const std::string& folder) {
    std::error_code ec;
    return !folder.empty() && std::filesystem::is_directory(folder, ec) &&
           ::access(folder.c_str(), X_OK) == 0;
}

bool EndsWithDash(const std::string& text) {
    return !text.empty() && text.back() == '-';
}

} // namespace

TransferDialogLogic::TransferDialogLogic(Program program, DialogView& view, std::string tempFolder)
    : program_(program), view_(view), tempFolder_(std::move(tempFolder)) {}

TransferDialogLogic::~TransferDialogLogic() = default;

void TransferDialogLogic::SetFirstByteTicks(int ticks) {
    firstByteTicks_ = ticks > 0 ? ticks : kFirstByteTicks;
}

std::string TransferDialogLogic::DataFolder() const {
    std::lock_guard<std::mutex> lock(folderLock_);
    return dataFolder_;
}

void TransferDialogLogic::SetDataFolder(const std::string& folder) {
    std::lock_guard<std::mutex> lock(folderLock_);
    dataFolder_ = folder;
}

WaitResult TransferDialogLogic::WaitOnLine(int wakeFd) const {
    return phases_.Wait(*engine_, wakeFd);
}

void TransferDialogLogic::PublishMode() {
    const int mode = mode_;
    if (mode == publishedMode_) return;
    publishedMode_ = mode;
    view_.Publish([this, mode] { shownMode_ = mode; });
}

std::string TransferDialogLogic::ResultPath() const {
    return (std::filesystem::path(tempFolder_) / kResultFile).string();
}

bool TransferDialogLogic::Initialise() {
    language_ = LanguageFromSettings();
    SetDataFolder(U16ToUtf8(settings::ReadString(settings::kDataFolder, Utf8ToU16(WorkingDirectory()))));
    try {
        engine_ = std::make_unique<TransferEngine>(0);
        engine_->SetLanguage(language_);
        engine_->SetAskReplace([this](const std::string& question) {
            return view_.ShowMessage(question, MessageIcon::Question, MessageButtons::YesNo) ==
                   MessageAnswer::Yes;
        });
        engine_->SetMessageSink([this](const std::string& message) {
            view_.ShowMessage(message, MessageIcon::Error, MessageButtons::Ok);
        });
        if (IsLoader()) {
            engine_->Select(wantedType_, currentPort_, false);
            engine_->SelectBackEnd(TransferEngine::kLoaderResult, tempFolder_);
        }
        // The transfer tool makes no selection: the first port that opened is current.
        if (!Refresh(true)) {
            Close();
            return false;
        }
    } catch (const IoSysError& e) {
        view_.ShowMessage(e.code == SysErrorCode::NoPorts ? Text(Msg::NoPorts, language_)
                                                          : Text(Msg::GeneralError, language_),
                          MessageIcon::Error, MessageButtons::Ok);
        Close();
        return false;
    } catch (const IoFileError& e) {
        view_.ShowMessage(e.code == FileErrorCode::FolderNotCreated ? MessageOf(e, language_)
                                                                    : Text(Msg::GeneralError, language_),
                          MessageIcon::Error, MessageButtons::Ok);
        Close();
        return false;
    }
    return true;
}

bool TransferDialogLogic::Refresh(bool forced) {
    const PortSnapshot s = engine_->Snapshot();
    const int previousPort = currentPort_;
    const int previousWanted = wantedType_;
    const bool wasPresent = present_;
    wantedType_ = s.wanted;
    wantedName_ = DisplayName(wantedType_);
    currentPort_ = s.current;

    for (int port = 0; port < TransferEngine::kPorts; ++port) {
        const int type = s.types[port];
        char text[64] = "";
        if (type > 0)
            std::snprintf(text, sizeof text, "COM%d: %s", port + 1, DisplayName(type).c_str());
        else if (type == 0)
            std::snprintf(text, sizeof text, "COM%d: -", port + 1);
        portText_[port] = text;
    }
    if (currentPort_ < 0 || s.types[currentPort_] <= 0) {
        instrumentName_.clear();
        view_.SetInstrument({}, "-", {});
    } else {
        instrumentName_ = DisplayName(s.types[currentPort_]);
        view_.SetInstrument(instrumentName_, "SN " + s.serialNumbers[currentPort_],
                            "Vers. " + s.versions[currentPort_]);
    }
    present_ = currentPort_ >= 0 && !portText_[currentPort_].empty();

    if (!IsLoader() && currentPort_ < 0) {
        view_.ShowMessage(kNoComPort, MessageIcon::None, MessageButtons::Ok);
        return false;
    }
    const bool changed =
        forced || currentPort_ != previousPort || wantedType_ != previousWanted || present_ != wasPresent;
    if (IsLoader() && !changed) return true;
    if (changed) {
        FillTree();
        if ((present_ && !wasPresent) || forced) {
            if (!IsLoader()) {
                // The previous instrument's last object ends quietly: the new one starts afresh.
                try {
                    engine_->Finish();
                } catch (const IoSysError&) {
                } catch (const IoFileError&) {
                }
                engine_->SelectBackEnd(TransferEngine::kSaveByName, DataFolder());
            }
            GoIdle();
        }
    }
    FillPortList();
    return true;
}

void TransferDialogLogic::FillTree() {
    // The loader starts with nothing ticked, the transfer tool with everything.
    if (ObjectPool* pool = engine_->Directory()) pool->FillTree(&view_.Tree(), instrumentName_, !IsLoader());
}

void TransferDialogLogic::FillPortList() {
    const int previous = selectedPort_;
    std::vector<std::string> rows;
    rowPort_.clear();
    for (int port = 0; port < TransferEngine::kPorts; ++port) {
        if (portText_[port].empty()) continue;
        rows.push_back(portText_[port]);
        rowPort_.push_back(port);
    }
    int selected = -1;
    for (size_t row = 0; row < rows.size() && selected < 0; ++row) {
        if (previous < 0 ? !EndsWithDash(rows[row]) : rowPort_[row] == previous)
            selected = static_cast<int>(row);
    }
    view_.SetPortRows(rows, selected);
    selectedPort_ = selected >= 0 ? rowPort_[selected] : -1;
    if (selectedPort_ != previous && selectedPort_ >= 0) ChangePort(selectedPort_);
}

void TransferDialogLogic::OnPortChosen(int row) {
    // Another port while an object is on its way would leave the transfer half done.
    if (mode_ == kLoading || row < 0 || row >= static_cast<int>(rowPort_.size())) return;
    selectedPort_ = rowPort_[row];
    ChangePort(selectedPort_);
}

void TransferDialogLogic::ChangePort(int port) {
    try {
        engine_->IdentifyPort(port);
        engine_->Select(wantedType_, port, false);
        Refresh(false);
        view_.SetStatus(IdleStatus());
        if (!IsLoader()) view_.SetLink({});
        view_.FocusClose();
    } catch (const IoSysError& e) {
        view_.FocusClose();
        std::string message;
        if (e.code == SysErrorCode::PortUnavailable)
            message = Format(Msg::PortUnavailable, language_, {}, port + 1);
        else if (e.code == SysErrorCode::NoInstrument)
            message = Format(Msg::NoInstrument, language_, wantedName_, port + 1);
        else
            message = Text(Msg::GeneralError, language_);
        view_.ShowMessage(message, MessageIcon::Exclamation, MessageButtons::Ok);
    }
}

std::string TransferDialogLogic::IdleStatus() const {
    if (instrumentName_.empty()) return {};
    return Text(IsLoader() ? Msg::SelectAnObject : Msg::Ready, language_);
}

void TransferDialogLogic::GoIdle() {
    mode_ = kIdle;
    phases_.Clear();
    UpdateButtons();
    if (!IsLoader()) view_.SetLink({});
    view_.SetStatus(IdleStatus());
    view_.FocusAbort();
}

void TransferDialogLogic::UpdateButtons() {
    if (IsLoader())
        view_.SetButtons(false, mode_ == kLoading);
    else
        view_.SetButtons(tickedCount_ > 0 && mode_ != kLoading, tickedCount_ > 0 && mode_ == kLoading);
}

void TransferDialogLogic::OnTimer2() {
    if (closed_ || mode_ == kLoading || !engine_ || !engine_->Pool().Valid()) return;
    ObjectPool& pool = engine_->Pool();
    pool.Sync();
    const int n = pool.CountTicked();
    if (mode_ == kFinished || n == tickedCount_) return;
    tickedCount_ = n;
    if (!IsLoader()) {
        UpdateButtons();
        return;
    }
    if (n <= 0) return;
    // Ticking an object starts its load at once. The walk starts again at the root so an
    // object above one that failed before is found as well.
    pool.RestartIteration();
    engine_->ChangeDirectory("\\", true);
    mode_ = kLoading;
    UpdateButtons();
    RequestNext(true, false, false);
}

void TransferDialogLogic::OnSaveSelected() {
    if (IsLoader() || closed_ || mode_ == kLoading) return;
    try {
        engine_->Pool().RestartIteration();
        engine_->SelectBackEnd(TransferEngine::kSaveByName, DataFolder());
        engine_->ChangeDirectory("\\", false);
    } catch (const IoFileError& e) {
        view_.ShowMessage(MessageOf(e, language_), MessageIcon::Error, MessageButtons::Ok);
        return;
    }
    mode_ = kLoading;
    UpdateButtons();
    RequestNext(true, false, false);
}

bool TransferDialogLogic::RequestNext(bool markDone, bool finished, bool retry) {
    lastKB_ = -1;
    if (mode_ != kLoading) return false;
    ObjectPool& pool = engine_->Pool();
    if (finished) {
        if (IsLoader()) {
            std::string name, extension, path;
            pool.NextTicked(name, extension, path, true);
        } else {
            view_.Beep();
        }
        GoIdle();
        return true;
    }
    std::string name, extension, path;
    for (;;) {
        bool found = false;
        if (retry) {
            found = pool.CurrentObject(name, extension);
        } else {
            found = pool.NextTicked(name, extension, path, markDone);
            // The instrument (and for the transfer tool the output folder) follows the walk.
            if (!path.empty()) engine_->ChangeDirectory(path, IsLoader());
        }
        if (!found) {
            if (!IsLoader()) view_.Beep();
            break;
        }
        const bool isB = extension == "B" || extension == "b";
        ReceiveWaits waits;
        waits.firstByte = std::chrono::milliseconds(firstByteTicks_ * kTimer1Ms);
        phases_ = ReceivePhases(waits);
        phases_.Start();
        if (!IsLoader()) view_.SetLink(engine_->StatusText());
        if (engine_->StartTransfer(name, isB)) {
            view_.SetStatus(Text(Msg::PleaseWait, language_));
            return true;
        }
        // An object whose name cannot be saved here was named in a message; the other ticked
        // objects follow, and it stays ticked.
        if (retry || !engine_->NameRefused()) break;
        markDone = false;
    }
    GoIdle();
    return false;
}

void TransferDialogLogic::OnTimer1() {
    if (closed_) return;
    if (IsLoader() && mode_ == kFinished) {
        if (--closeTicks_ <= 0) Close();
        return;
    }
    if (!IsLoader() && editing_) return;
    if (mode_ != kLoading || phases_.Current() == ReceivePhases::None) return;
    try {
        StepTransfer();
    } catch (const IoFileError& e) {
        view_.StartTimer1();
        view_.ShowMessage(MessageOf(e, language_), MessageIcon::Error, MessageButtons::Ok);
        Close();
    } catch (const IoSysError& e) {
        view_.StartTimer1();
        if (e.code == SysErrorCode::DataInvalid) {
            TransferFailed();
        } else if (e.code == SysErrorCode::ShortInput) {
            view_.ShowMessage(Format(Msg::InputError, language_, {}, currentPort_ + 1), MessageIcon::Error,
                              MessageButtons::Ok);
            Close();
        } else {
            Close();
        }
    }
}

void TransferDialogLogic::StepTransfer() {
    const int phase = phases_.Step(*engine_);
    if (phases_.Pumped() || phase == ReceivePhases::Complete || phase == ReceivePhases::AbortRequested) {
        const int kb = engine_->BytesWritten() / 1024;
        if (kb > lastKB_) {
            lastKB_ = kb;
            char text[32];
            std::snprintf(text, sizeof text, " %d KB", kb);
            view_.SetStatus(text);
        }
    }
    // The block swings at the pace it always had while data arrive.
    const auto now = std::chrono::steady_clock::now();
    if (phases_.Pumped() && now - lastBusy_ >= std::chrono::milliseconds(kBusyStepMs)) {
        lastBusy_ = now;
        view_.AdvanceBusy();
    }

    if (phase == ReceivePhases::Complete) {
        view_.ClearBusy();
        view_.StopTimer1();
        if (IsLoader()) {
            engine_->Finish();
            const std::string result = ResultPath();
            const bool valid = ObjectNumber(result, wantedName_).kind >= 0;
            if (!valid)
                view_.ShowMessage(Text(Msg::DataInvalid, language_), MessageIcon::Exclamation,
                                  MessageButtons::Ok);
            view_.StartTimer1();
            RequestNext(true, true, false);
            if (valid) {
                Success();
            } else {
                std::error_code ec;
                std::filesystem::remove(result, ec);
            }
        } else {
            const bool ok = engine_->Finish();
            view_.StartTimer1();
            // The next ticked object follows at once.
            RequestNext(ok, false, false);
        }
    } else if (phase == ReceivePhases::AbortRequested) {
        view_.ClearBusy();
        engine_->AbortTransfer();
        RequestNext(false, true, false);
    }
}

void TransferDialogLogic::TransferFailed() {
    engine_->AbortTransfer();
    view_.ClearBusy();
    const MessageAnswer answer = view_.ShowMessage(Text(Msg::DataInvalid, language_),
                                                   MessageIcon::Exclamation, MessageButtons::RetryCancel);
    if (answer == MessageAnswer::Retry)
        RequestNext(false, false, true);
    else
        RequestNext(false, true, false);
}

void TransferDialogLogic::Success() {
    view_.Beep();
    closeTicks_ = kCloseTicks;
    mode_ = kFinished;
    view_.SetStatus(Text(Msg::Ok, language_));
}

void TransferDialogLogic::OnTimer3() {
    if (closed_ || mode_ != kIdle || (!IsLoader() && editing_) || !engine_) return;
    try {
        engine_->IdentifyCurrent();
        engine_->Select(wantedType_, currentPort_, false);
        Refresh(false);
    } catch (const IoSysError&) {
        // The next look in 3.5 s tries again.
    }
}

void TransferDialogLogic::OnAbort() {
    phases_.RequestAbort();
}

void TransferDialogLogic::OnFolderEditStart() {
    editing_ = true;
    view_.StopTimer1();
}

std::string TransferDialogLogic::OnFolderEditEnd(const std::string& text) {
    editing_ = false;
    std::string folder = text;
    if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    if (CanEnter(folder)) {
        SetDataFolder(folder);
    } else {
        view_.ShowMessage(Format(Msg::FolderMissing, language_, folder), MessageIcon::Exclamation,
                          MessageButtons::Ok);
    }
    if (!closed_) view_.StartTimer1();
    return DataFolder();
}

void TransferDialogLogic::OnFolderChosen(const std::string& folder) {
    if (!folder.empty()) SetDataFolder(folder);
}

bool TransferDialogLogic::OnClose() {
    if (editing_) return false;
    Close();
    return true;
}

void TransferDialogLogic::Close() {
    if (closed_) return;
    closed_ = true;
    view_.StopAllTimers();
    if (engine_ && mode_ != kFinished) engine_->AbortTransfer();
    settings::WriteString(settings::kDataFolder, Utf8ToU16(DataFolder()));
    view_.EndDialog();
}

} // namespace vordalis::transfer
