#include "ondralink/common/TransferDialog.h"

#include "ondralink/common/BusyIndicator.h"
#include "ondralink/common/QtTreeControl.h"
#include "ondralink/common/RunningLock.h"
#include "ondralink/common/TransferIcons.h"
#include "settings/qt/QSettingsBackend.h"
#include "transfer/Messages.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

namespace vordalis {

using transfer::Msg;
using transfer::Text;

namespace {

TransferDialog::MessageHook g_messageHook;
int g_beeps = 0;

QString Q(const std::string& text) { return QString::fromStdString(text); }

QLabel* SunkenField(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

} // namespace

TransferDialog::TransferDialog(Program program, const QString& fontFamily, int pointSize, QWidget* parent)
    : QDialog(parent), logic_(program, *this, QDir::tempPath().toStdString()) {
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

    connect(ports_, &QComboBox::activated, this, [this](int row) { logic_.OnPortChosen(row); });
    connect(abort_, &QPushButton::clicked, this, [this] { logic_.OnAbort(); });
    connect(close_, &QPushButton::clicked, this, &TransferDialog::reject);
    timer1_.setInterval(transfer::TransferDialogLogic::kTimer1Ms);
    timer2_.setInterval(transfer::TransferDialogLogic::kTimer2Ms);
    timer3_.setInterval(transfer::TransferDialogLogic::kTimer3Ms);
    connect(&timer1_, &QTimer::timeout, this, [this] { logic_.OnTimer1(); });
    connect(&timer2_, &QTimer::timeout, this, [this] { logic_.OnTimer2(); });
    connect(&timer3_, &QTimer::timeout, this, [this] { logic_.OnTimer3(); });
}

TransferDialog::~TransferDialog() = default;

QRect TransferDialog::Dlu(int x, int y, int w, int h) const {
    return QRect(qRound(x * unitX_), qRound(y * unitY_), qRound(w * unitX_), qRound(h * unitY_));
}

bool TransferDialog::Initialise() {
    transfer::SetLanguage(transfer::LanguageFromSettings());
    portGroup_->setTitle(Q(Text(Msg::PortLabel)));
    instrumentGroup_->setTitle(Q(Text(Msg::InstrumentLabel)));
    close_->setText(Q(Text(Msg::CloseLabel)));
    abort_->setText(Q(Text(Msg::AbortLabel)));
    tree_->setEnabled(true);
    if (!logic_.Initialise()) return false;
    timer1_.start();
    timer2_.start();
    timer3_.start();
    return true;
}

void TransferDialog::SetMessageHook(MessageHook hook) { g_messageHook = std::move(hook); }
int TransferDialog::BeepCount() { return g_beeps; }

transfer::MessageAnswer TransferDialog::ShowMessage(const std::string& text, transfer::MessageIcon icon,
                                                    transfer::MessageButtons buttons) {
    using transfer::MessageAnswer;
    using transfer::MessageButtons;
    const bool timerWasRunning = timer1_.isActive();
    timer1_.stop();
    Beep();
    MessageAnswer answer;
    if (g_messageHook) {
        answer = g_messageHook(text, icon, buttons);
    } else {
        QMessageBox box(this);
        box.setWindowTitle(windowTitle());
        box.setText(Q(text));
        switch (icon) {
        case transfer::MessageIcon::Error: box.setIcon(QMessageBox::Critical); break;
        case transfer::MessageIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case transfer::MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
        case transfer::MessageIcon::None: break;
        }
        if (buttons == MessageButtons::RetryCancel) box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        else if (buttons == MessageButtons::YesNo) box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        else box.setStandardButtons(QMessageBox::Ok);
        const int result = box.exec();
        answer = result == QMessageBox::Retry  ? MessageAnswer::Retry
                 : result == QMessageBox::Yes  ? MessageAnswer::Yes
                 : result == QMessageBox::No   ? MessageAnswer::No
                 : result == QMessageBox::Ok   ? MessageAnswer::Ok
                                               : MessageAnswer::Cancel;
    }
    if (timerWasRunning && !logic_.Closed()) timer1_.start();
    return answer;
}

void TransferDialog::Beep() {
    ++g_beeps;
    QApplication::beep();
}

transfer::TreeControl& TransferDialog::Tree() { return *treeControl_; }

void TransferDialog::SetPortRows(const std::vector<std::string>& rows, int selected) {
    ports_->clear();
    for (const std::string& row : rows) ports_->addItem(Q(row));
    ports_->setCurrentIndex(selected);
}

void TransferDialog::SetInstrument(const std::string& name, const std::string& serial, const std::string& version) {
    name_->setText(Q(name));
    serial_->setText(Q(serial));
    version_->setText(Q(version));
}

void TransferDialog::SetStatus(const std::string& text) { status_->setText(Q(text)); }
void TransferDialog::SetLink(const std::string& text) { link_->setText(Q(text)); }

void TransferDialog::SetButtons(bool saveEnabled, bool abortEnabled) {
    // A button disabled while it has the focus would pass it on along the tab chain, maybe to
    // the folder field, whose focus holds the transfer timer; Abort or Close takes it instead.
    if (abortEnabled) abort_->setEnabled(true);
    SetSaveEnabled(saveEnabled);
    if (!abortEnabled) {
        if (abort_->hasFocus()) close_->setFocus();
        abort_->setEnabled(false);
    }
}

void TransferDialog::AdvanceBusy() { busy_->Advance(); }
void TransferDialog::ClearBusy() { busy_->Clear(); }

void TransferDialog::StopTimer1() { timer1_.stop(); }
void TransferDialog::StartTimer1() {
    if (!timer1_.isActive() && !logic_.Closed()) timer1_.start();
}
void TransferDialog::StopAllTimers() {
    timer1_.stop();
    timer2_.stop();
    timer3_.stop();
}

void TransferDialog::FocusAbort() {
    // A disabled Abort cannot hold the focus; Close takes it rather than the folder field,
    // whose focus would hold the transfer timer.
    if (abort_->isEnabled()) abort_->setFocus();
    else close_->setFocus();
}
void TransferDialog::FocusClose() { close_->setFocus(); }
void TransferDialog::EndDialog() { done(0); }

void TransferDialog::accept() {}

void TransferDialog::reject() {
    if (logic_.Closed()) {
        QDialog::reject();
        return;
    }
    if (!logic_.OnClose()) ResetFolderField();
}

int RunTransferProgram(const std::function<std::unique_ptr<TransferDialog>()>& makeDialog) {
    RunningLock lock;
    if (!lock.TryAcquire()) {
        // Another transfer program runs.
        QApplication::beep();
        return 0;
    }
    UseQSettingsBackend();
    std::unique_ptr<TransferDialog> dialog = makeDialog();
    if (dialog->Initialise()) dialog->exec();
    return 0;
}

} // namespace vordalis
