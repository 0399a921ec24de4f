#pragma once
// The window both transfer programs share: the tree of the instrument's objects, the port
// list, the instrument box, the busy indicator, link and status fields, Abort and Close, and
// the three timers. The behaviour lives in TransferDialogLogic, which runs with the engine on
// the link's thread (LinkWorker); the window posts it the user's requests and shows the
// updates it sends back, in order. Each program lays the controls out and adds its own.
#include "ondralink/common/DialogView.h"
#include "ondralink/common/LinkWorker.h"
#include "ondralink/common/TransferDialogLogic.h"

#include <QDialog>

#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace vordalis {

class BusyIndicator;
class QtTreeControl;

class TransferDialog : public QDialog, public transfer::DialogView {
    Q_OBJECT
public:
    using Program = transfer::TransferDialogLogic::Program;
    // The version both programs show in their window titles.
    static constexpr const char* kVersion = "V3.4.0";
    // Answers a message box instead of showing it (tests).
    using MessageHook = std::function<transfer::MessageAnswer(const std::string& text, transfer::MessageIcon,
                                                              transfer::MessageButtons)>;

    ~TransferDialog() override;

    // The dialog start: settings, ports, tree, timers. False when the program must end.
    virtual bool Initialise();

    transfer::TransferDialogLogic& Logic() { return logic_; }
    QTreeWidget* TreeWidget() const { return tree_; }
    QComboBox* PortList() const { return ports_; }
    QLabel* StatusField() const { return status_; }
    QLabel* LinkField() const { return link_; }
    QLabel* InstrumentName() const { return name_; }
    QPushButton* AbortButton() const { return abort_; }
    QPushButton* CloseButton() const { return close_; }

    // Set before Initialise; the messages then go to hook instead of a message box.
    void SetMessageHook(MessageHook hook);
    // How many times the dialog beeped (also the message boxes' beeps).
    int BeepCount() const { return beeps_; }

    // DialogView
    transfer::MessageAnswer ShowMessage(const std::string& text, transfer::MessageIcon icon,
                                        transfer::MessageButtons buttons) override;
    void Beep() override;
    transfer::TreeControl& Tree() override;
    void SetPortRows(const std::vector<std::string>& rows, int selected) override;
    void SetInstrument(const std::string& name, const std::string& serial,
                       const std::string& version) override;
    void SetStatus(const std::string& text) override;
    void SetLink(const std::string& text) override;
    void SetButtons(bool saveEnabled, bool abortEnabled) override;
    void AdvanceBusy() override;
    void ClearBusy() override;
    void StopTimer1() override;
    void StartTimer1() override;
    void StopAllTimers() override;
    void FocusAbort() override;
    void FocusClose() override;
    void EndDialog() override;
    void Publish(std::function<void()> apply) override;

public slots:
    void accept() override; // Enter does not end the dialog
    void reject() override; // Escape, Close and the window's close box

protected:
    TransferDialog(Program program, const QString& fontFamily, int pointSize, QWidget* parent);
    // Dialog units of the dialog's font to pixels.
    QRect Dlu(int x, int y, int w, int h) const;
    // Lays out the controls both programs place alike: the tree and the port box on the left,
    // the instrument box, then the busy, link and status fields below them. right is the
    // right edge (in dialog units) of the instrument box and the status field.
    void PlaceSharedControls(int right);
    // The folder field is being edited (the transfer tool); Escape then only resets it.
    virtual void ResetFolderField() {}
    virtual void SetSaveEnabled(bool) {}
    // Runs a user's request on the link's thread and returns when it is done; the window
    // keeps painting and showing the updates meanwhile.
    void Request(const std::function<void()>& request);

    QTreeWidget* tree_;
    QGroupBox* portGroup_;
    QComboBox* ports_;
    QGroupBox* instrumentGroup_;
    QLabel* name_;
    QLabel* serial_;
    QLabel* version_;
    BusyIndicator* busy_;
    QLabel* link_;
    QLabel* status_;
    QPushButton* abort_;
    QPushButton* close_;

private:
    class LinkTree;
    bool OnWindowThread() const;
    // Runs update on the window's thread after the ones given before it.
    void OnWindow(std::function<void()> update);
    // The same, waiting for the answer (at once when called on the window's thread).
    template <class T> T AskWindow(std::function<T()> question);
    void RunWindowUpdates();

    std::unique_ptr<QtTreeControl> treeControl_;
    std::unique_ptr<LinkTree> linkTree_;
    transfer::TransferDialogLogic logic_;
    transfer::LinkWorker worker_;
    std::mutex updatesLock_;
    std::deque<std::function<void()>> updates_;
    std::atomic<int> asking_ = 0;        // the link's thread waits for an answer
    std::atomic<bool> stopping_ = false; // the window is going: questions get no box
    double unitX_ = 1.5, unitY_ = 1.625;
    MessageHook messageHook_;
    std::atomic<int> beeps_ = 0;
};

// Takes the "OndralinkRunning" lock (another transfer program running: beep and end), sets
// up the settings store, runs the dialog made by makeDialog. The exit code is 0. With
// VORDALIS_SCREENSHOT=OUT.png the dialog's picture is saved once the instrument's tree is
// read and the program ends: 0 with the picture, 1 without, 2 for a name not ending in .png.
// programName starts the messages on stderr.
int RunTransferProgram(const char* programName,
                       const std::function<std::unique_ptr<TransferDialog>()>& makeDialog);

} // namespace vordalis
