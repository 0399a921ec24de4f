#include "ondralink/common/TransferDialog.h"

#include "ondralink/common/BusyIndicator.h"
#include "ondralink/common/QtTreeControl.h"
#include "ondralink/common/TransferIcons.h"
#include "program/qt/Screenshot.h"
#include "runninglock/RunningLock.h"
#include "settings/qt/QSettingsBackend.h"
#include "transfer/Messages.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>

#include <chrono>
#include <cstdio>
#include <thread>

namespace vordalis {

using transfer::Msg;
using transfer::Text;

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QLabel* SunkenField(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

// How long the picture waits at least (the first paint) and at most (for an instrument that
// does not answer at once: the search for instruments runs every 3.5 s).
constexpr int kScreenshotFirstPaintMs = 400;
constexpr int kScreenshotLongestWaitMs = 8000;

// The dialog's picture once the instrument's tree is read: the logic idle and the tree's root
// named after the instrument (without one it has a root with no name), or, when no instrument
// answers in time, the dialog as it stands (its port list and status say why). Messages go
// to stderr instead of a box that would wait for a user. 0 with the picture written, 1 without.
int TakeTransferScreenshot(TransferDialog& dialog, const QString& path, const char* programName) {
    using transfer::MessageAnswer;
    using transfer::MessageButtons;
    dialog.SetMessageHook(
        [programName](const std::string& text, transfer::MessageIcon, MessageButtons buttons) {
            std::fprintf(stderr, "%s: %s\n", programName, text.c_str());
            return buttons == MessageButtons::RetryCancel ? MessageAnswer::Cancel
                   : buttons == MessageButtons::YesNo     ? MessageAnswer::No
                                                          : MessageAnswer::Ok;
        });
    if (!dialog.Initialise()) {
        std::fprintf(stderr, "%s: the dialog ended at its start, no picture is taken\n", programName);
        return 1;
    }
    int status = -1;
    QElapsedTimer waited;
    waited.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &dialog, [&] {
        const QTreeWidgetItem* root = dialog.TreeWidget()->topLevelItem(0);
        const bool treeRead =
            dialog.Logic().Mode() == transfer::TransferDialogLogic::kIdle && root && !root->text(0).isEmpty();
        if (waited.elapsed() < kScreenshotFirstPaintMs ||
            (!treeRead && waited.elapsed() < kScreenshotLongestWaitMs))
            return;
        poll.stop();
        status = program::SaveScreenshot(dialog, path, programName);
        dialog.done(0);
    });
    poll.start(100);
    dialog.exec();
    if (status < 0) {
        std::fprintf(stderr, "%s: the dialog closed before its picture was taken\n", programName);
        return 1;
    }
    return status;
}

} // namespace

// The object pool's tree as the link's thread sees it: every call reaches the tree widget on
// the window's thread, in order; those that answer wait for it.
class TransferDialog::LinkTree : public transfer::TreeControl {
public:
    explicit LinkTree(TransferDialog& dialog) : dialog_(dialog) {}
    void DeleteAllItems() override {
        dialog_.OnWindow([this] { Tree().DeleteAllItems(); });
    }
    transfer::TreeItem InsertItem(transfer::TreeItem parent, const std::string& text, int image) override {
        return dialog_.AskWindow<transfer::TreeItem>(
            [=, this] { return Tree().InsertItem(parent, text, image); });
    }
    void SetCheck(transfer::TreeItem item, bool checked) override {
        dialog_.OnWindow([=, this] { Tree().SetCheck(item, checked); });
    }
    bool GetCheck(transfer::TreeItem item) const override {
        return dialog_.AskWindow<bool>([=, this] { return Tree().GetCheck(item); });
    }
    void SetImage(transfer::TreeItem item, int image) override {
        dialog_.OnWindow([=, this] { Tree().SetImage(item, image); });
    }
    void Expand(transfer::TreeItem item) override {
        dialog_.OnWindow([=, this] { Tree().Expand(item); });
    }
    void EnsureVisibleAndSelect(transfer::TreeItem item) override {
        dialog_.OnWindow([=, this] { Tree().EnsureVisibleAndSelect(item); });
    }

private:
    QtTreeControl& Tree() const { return *dialog_.treeControl_; }
    TransferDialog& dialog_;
};

TransferDialog::TransferDialog(Program program, const QString& fontFamily, int pointSize, QWidget* parent)
    : QDialog(parent), logic_(program, *this, QDir::tempPath().toStdString()), worker_(logic_) {
    QFont font(fontFamily, pointSize);
    setFont(font);
    // Dialog units: a quarter of the average character width, an eighth of the line height.
    const QFontMetrics fm(font);
    const QString alphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    unitX_ = fm.horizontalAdvance(alphabet) / 52.0 / 4.0;
    unitY_ = fm.height() / 8.0;
    setWindowIcon(ProgramIcon(program));

    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("objectTree"));
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(true);
    tree_->setColumnCount(1);
    portGroup_ = new QGroupBox(this);
    ports_ = new QComboBox(this);
    ports_->setObjectName(QStringLiteral("portList"));
    instrumentGroup_ = new QGroupBox(this);
    name_ = new QLabel(QStringLiteral("Vernoskant 5"), this);
    name_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    serial_ = new QLabel(QStringLiteral("SN 12-7702"), this);
    version_ = new QLabel(QStringLiteral("Vers. 1.5"), this);
    busy_ = new BusyIndicator(this);
    link_ = SunkenField(this);
    link_->setText(QStringLiteral(" 9600-C0"));
    status_ = SunkenField(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setText(QStringLiteral(" Ready"));
    abort_ = new QPushButton(QStringLiteral("&Abord"), this);
    abort_->setObjectName(QStringLiteral("abort"));
    close_ = new QPushButton(QStringLiteral("&Close"), this);
    close_->setObjectName(QStringLiteral("close"));
    for (QPushButton* b : {abort_, close_}) b->setAutoDefault(false);

    treeControl_ = std::make_unique<QtTreeControl>(tree_, TreeImages(program));
    linkTree_ = std::make_unique<LinkTree>(*this);

    connect(ports_, &QComboBox::activated, this,
            [this](int row) { Request([this, row] { logic_.OnPortChosen(row); }); });
    connect(abort_, &QPushButton::clicked, this, [this] { Request([this] { logic_.OnAbort(); }); });
    connect(close_, &QPushButton::clicked, this, &TransferDialog::reject);
}

TransferDialog::~TransferDialog() {
    // The link's thread may be waiting for an answer of the window: keep answering (without
    // message boxes) until it has ended. Its engine is closed with the logic afterwards.
    stopping_ = true;
    worker_.RequestStop();
    while (!worker_.Finished()) {
        RunWindowUpdates();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    worker_.Join();
    RunWindowUpdates();
}

bool TransferDialog::OnWindowThread() const {
    return QThread::currentThread() == thread();
}

void TransferDialog::OnWindow(std::function<void()> update) {
    if (OnWindowThread()) {
        update();
        return;
    }
    bool first;
    {
        std::lock_guard<std::mutex> guard(updatesLock_);
        first = updates_.empty();
        updates_.push_back(std::move(update));
    }
    if (first)
        QMetaObject::invokeMethod(
            this, [this] { RunWindowUpdates(); }, Qt::QueuedConnection);
}

template <class T> T TransferDialog::AskWindow(std::function<T()> question) {
    if (OnWindowThread()) return question();
    std::promise<T> answer;
    std::future<T> result = answer.get_future();
    ++asking_;
    OnWindow([&] { answer.set_value(question()); });
    T value = result.get();
    --asking_;
    return value;
}

void TransferDialog::RunWindowUpdates() {
    for (;;) {
        std::function<void()> update;
        {
            std::lock_guard<std::mutex> guard(updatesLock_);
            if (updates_.empty()) return;
            update = std::move(updates_.front());
            updates_.pop_front();
        }
        update();
    }
}

void TransferDialog::Request(const std::function<void()>& request) {
    // While the link's thread waits for this window (a question is open), it cannot take a
    // request; it finds it when it goes on.
    if (asking_ > 0 || worker_.Finished()) {
        worker_.Post(request);
        return;
    }
    QEventLoop loop;
    auto done = std::make_shared<std::atomic<bool>>(false);
    worker_.Post([this, request, done, &loop] {
        request();
        logic_.PublishMode();
        OnWindow([done, &loop] {
            *done = true;
            loop.quit();
        });
    });
    if (!*done) loop.exec();
}

void TransferDialog::Publish(std::function<void()> apply) {
    OnWindow(std::move(apply));
}

QRect TransferDialog::Dlu(int x, int y, int w, int h) const {
    return QRect(qRound(x * unitX_), qRound(y * unitY_), qRound(w * unitX_), qRound(h * unitY_));
}

void TransferDialog::PlaceSharedControls(int right) {
    tree_->setGeometry(Dlu(5, 10, 115, 130));
    portGroup_->setGeometry(Dlu(135, 5, 95, 55));
    ports_->setGeometry(Dlu(139, 20, 88, 13));
    instrumentGroup_->setGeometry(Dlu(right - 110, 5, 110, 55));
    name_->setGeometry(Dlu(250, 15, 100, 10));
    serial_->setGeometry(Dlu(250, 30, 100, 10));
    version_->setGeometry(Dlu(250, 40, 100, 10));
    busy_->setGeometry(Dlu(135, 70, 70, 10));
    link_->setGeometry(Dlu(205, 70, 40, 10));
    status_->setGeometry(Dlu(245, 70, right - 245, 10));
}

bool TransferDialog::Initialise() {
    const int language = transfer::LanguageFromSettings();
    portGroup_->setTitle(Q(Text(Msg::PortLabel, language)));
    instrumentGroup_->setTitle(Q(Text(Msg::InstrumentLabel, language)));
    close_->setText(Q(Text(Msg::CloseLabel, language)));
    abort_->setText(Q(Text(Msg::AbortLabel, language)));
    tree_->setEnabled(true);
    worker_.Start();
    bool ok = false;
    Request([this, &ok] { ok = logic_.Initialise(); });
    if (!ok) return false;
    worker_.StartTimers();
    return true;
}

void TransferDialog::SetMessageHook(MessageHook hook) {
    messageHook_ = std::move(hook);
}

transfer::MessageAnswer TransferDialog::ShowMessage(const std::string& text, transfer::MessageIcon icon,
                                                    transfer::MessageButtons buttons) {
    using transfer::MessageAnswer;
    using transfer::MessageButtons;
    // The link's thread waits for the answer: its timers stand still meanwhile.
    if (!OnWindowThread())
        return AskWindow<MessageAnswer>([=, this] { return ShowMessage(text, icon, buttons); });
    Beep();
    MessageAnswer answer;
    if (stopping_) {
        answer = buttons == MessageButtons::RetryCancel ? MessageAnswer::Cancel
                 : buttons == MessageButtons::YesNo     ? MessageAnswer::No
                                                        : MessageAnswer::Ok;
    } else if (messageHook_) {
        answer = messageHook_(text, icon, buttons);
    } else {
        QMessageBox box(this);
        box.setWindowTitle(windowTitle());
        box.setText(Q(text));
        switch (icon) {
        case transfer::MessageIcon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case transfer::MessageIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case transfer::MessageIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case transfer::MessageIcon::None:
            break;
        }
        if (buttons == MessageButtons::RetryCancel)
            box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        else if (buttons == MessageButtons::YesNo)
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        else
            box.setStandardButtons(QMessageBox::Ok);
        const int result = box.exec();
        answer = result == QMessageBox::Retry ? MessageAnswer::Retry
                 : result == QMessageBox::Yes ? MessageAnswer::Yes
                 : result == QMessageBox::No  ? MessageAnswer::No
                 : result == QMessageBox::Ok  ? MessageAnswer::Ok
                                              : MessageAnswer::Cancel;
    }
    return answer;
}

void TransferDialog::Beep() {
    ++beeps_;
    OnWindow([] { QApplication::beep(); });
}

transfer::TreeControl& TransferDialog::Tree() {
    if (OnWindowThread()) return *treeControl_;
    return *linkTree_;
}

void TransferDialog::SetPortRows(const std::vector<std::string>& rows, int selected) {
    OnWindow([=, this] {
        ports_->clear();
        for (const std::string& row : rows) ports_->addItem(Q(row));
        ports_->setCurrentIndex(selected);
    });
}

void TransferDialog::SetInstrument(const std::string& name, const std::string& serial,
                                   const std::string& version) {
    OnWindow([=, this] {
        name_->setText(Q(name));
        serial_->setText(Q(serial));
        version_->setText(Q(version));
    });
}

void TransferDialog::SetStatus(const std::string& text) {
    OnWindow([=, this] { status_->setText(Q(text)); });
}
void TransferDialog::SetLink(const std::string& text) {
    OnWindow([=, this] { link_->setText(Q(text)); });
}

void TransferDialog::SetButtons(bool saveEnabled, bool abortEnabled) {
    OnWindow([=, this] {
        // A button disabled while it has the focus would pass it on along the tab chain, maybe
        // to the folder field, whose focus holds the transfer timer; Abort or Close takes it.
        if (abortEnabled) abort_->setEnabled(true);
        SetSaveEnabled(saveEnabled);
        if (!abortEnabled) {
            if (abort_->hasFocus()) close_->setFocus();
            abort_->setEnabled(false);
        }
    });
}

void TransferDialog::AdvanceBusy() {
    OnWindow([this] { busy_->Advance(); });
}
void TransferDialog::ClearBusy() {
    OnWindow([this] { busy_->Clear(); });
}

void TransferDialog::StopTimer1() {
    worker_.SetTimer1(false);
}
void TransferDialog::StartTimer1() {
    if (!logic_.Closed()) worker_.SetTimer1(true);
}
void TransferDialog::StopAllTimers() {
    worker_.StopTimers();
}

void TransferDialog::FocusAbort() {
    OnWindow([this] {
        // A disabled Abort cannot hold the focus; Close takes it rather than the folder field,
        // whose focus would hold the transfer timer.
        if (abort_->isEnabled())
            abort_->setFocus();
        else
            close_->setFocus();
    });
}
void TransferDialog::FocusClose() {
    OnWindow([this] { close_->setFocus(); });
}
void TransferDialog::EndDialog() {
    OnWindow([this] { done(0); });
}

void TransferDialog::accept() {}

void TransferDialog::reject() {
    if (logic_.Closed()) {
        QDialog::reject();
        return;
    }
    if (logic_.Editing()) {
        ResetFolderField();
        return;
    }
    bool closed = true;
    Request([this, &closed] { closed = logic_.OnClose(); });
    if (!closed) ResetFolderField();
}

int RunTransferProgram(const char* programName,
                       const std::function<std::unique_ptr<TransferDialog>()>& makeDialog) {
    const QString shot = qEnvironmentVariable(program::kScreenshotVariable);
    if (!shot.isEmpty()) {
        if (const QString problem = program::ScreenshotNameProblem(shot); !problem.isEmpty()) {
            std::fprintf(stderr, "%s: %s\n", programName, qPrintable(problem));
            return 2;
        }
    }
    RunningLock lock;
    if (!lock.TryAcquire()) {
        // Another transfer program runs.
        QApplication::beep();
        if (shot.isEmpty()) return 0;
        std::fprintf(stderr, "%s: another transfer program is running, no picture is taken\n", programName);
        return 1;
    }
    UseQSettingsBackend();
    std::unique_ptr<TransferDialog> dialog = makeDialog();
    if (!shot.isEmpty()) return TakeTransferScreenshot(*dialog, shot, programName);
    if (dialog->Initialise()) dialog->exec();
    return 0;
}

} // namespace vordalis
