#include "update/qt/CAutoUpdate.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "update/qt/CPageDownload.h"
#include "update/qt/CPageSearch.h"
#include "update/qt/UpdateChecker.h"
#include "update/qt/UpdateTexts.h"

namespace vordalis {

CAutoUpdate::CAutoUpdate(UpdateConfig config, QWidget* parent)
    : QDialog(parent), config_(std::move(config)), downloadFolder_(QCoreApplication::applicationDirPath()),
      keyring_(
          QString::fromStdString(UpdateKeyringPath(QCoreApplication::applicationDirPath().toStdString()))) {
    setWindowTitle(UpdateText(Str::UpdateWizardTitle));
    ftp_.SetCancelFlag(&stop_);
    opener_ = [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };

    search_ = new CPageSearch(this);
    download_ = new CPageDownload(this);
    pages_ = new QStackedWidget(this);
    pages_->addWidget(search_);
    pages_->addWidget(download_);

    back_ = new QPushButton(UpdateText(Str::Back), this);
    next_ = new QPushButton(UpdateText(Str::Next), this);
    finish_ = new QPushButton(UpdateText(Str::Finish), this);
    cancel_ = new QPushButton(UpdateText(Str::Cancel), this);
    back_->setObjectName(QStringLiteral("back"));
    next_->setObjectName(QStringLiteral("next"));
    finish_->setObjectName(QStringLiteral("finish"));
    cancel_->setObjectName(QStringLiteral("cancel"));
    for (QPushButton* b : {back_, next_, finish_, cancel_}) b->setAutoDefault(false);
    EnableButtons(false, false, false);

    connect(next_, &QPushButton::clicked, this, [this] {
        if (pages_->currentWidget() == search_) ActivateDownload();
    });
    connect(finish_, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(back_);
    buttons->addWidget(next_);
    buttons->addSpacing(8);
    buttons->addWidget(finish_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addWidget(line);
    layout->addLayout(buttons);
    resize(480, 300);
}

CAutoUpdate::~CAutoUpdate() {
    stop_ = true;
    JoinWorker();
    DiscardLocalFile();
}

bool CAutoUpdate::RunWizard(UpdateChecker* checker) {
    if (checker) checker->finish(3000);
    exec();
    return installerStarted_;
}

void CAutoUpdate::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (started_) return;
    started_ = true;
    ActivateSearch();
}

void CAutoUpdate::done(int result) {
    closing_ = true;
    stop_ = true;
    JoinWorker();
    ftp_.Close();
    DiscardLocalFile();
    QDialog::done(result);
}

void CAutoUpdate::Background(std::function<std::function<void()>()> work) {
    JoinWorker();
    worker_ = std::thread([this, work = std::move(work)] {
        std::function<void()> then = work();
        QMetaObject::invokeMethod(
            this,
            [this, then] {
                if (!closing_) then();
            },
            Qt::QueuedConnection);
    });
}

void CAutoUpdate::JoinWorker() {
    if (worker_.joinable()) worker_.join();
}

void CAutoUpdate::EnableButtons(bool back, bool next, bool finish) {
    back_->setEnabled(back);
    next_->setEnabled(next);
    finish_->setEnabled(finish);
}

QString CAutoUpdate::ConnectionErrorText() const {
    QString detail = QString::fromStdString(ftp_.LastErrorDetail());
    if (ftp_.LastError() == FtpError::Folder)
        return tr("The folder %1 cannot be opened on the server.")
                   .arg(QStringLiteral("./") + QString::fromStdString(config_.location.folder)) +
               QLatin1Char('\n') + detail;
    return detail;
}

// --- search page ---

void CAutoUpdate::ActivateSearch() {
    pages_->setCurrentWidget(search_);
    search_->first()->setText(UpdateText(Str::SearchingUpdate, {QString::fromStdString(config_.product)}));
    search_->first()->show();
    search_->second()->setText(UpdateText(Str::Connecting));
    search_->third()->hide();
    QTimer::singleShot(0, this, [this] { ConnectStep(); });
}

void CAutoUpdate::ConnectStep() {
    Background([this]() -> std::function<void()> {
        bool ok = ftp_.Connect(config_.location);
        return [this, ok] {
            if (!ok) {
                search_->first()->hide();
                search_->second()->setText(ConnectionErrorText());
                EnableButtons(false, false, true);
                // A connection that could not be opened is also announced in a message box;
                // a missing folder only shows on the page.
                FtpError e = ftp_.LastError();
                if (messageBoxes_ && (e == FtpError::Connect || e == FtpError::Login))
                    QMessageBox::warning(this, windowTitle(), ConnectionErrorText());
                return;
            }
            QTimer::singleShot(0, this, [this] { EvaluateStep(); });
        };
    });
}

void CAutoUpdate::EvaluateStep() {
    search_->second()->setText(UpdateText(Str::ReceivingUpdateInfo));
    Background([this]() -> std::function<void()> {
        auto names = ftp_.ListNames();
        InstallerChoice choice;
        bool ok = names.has_value();
        if (ok) {
            choice = NewestInstaller(*names, config_.own);
            if (!choice.name.empty()) {
                auto size = ftp_.FileSize(choice.name);
                ok = size.has_value();
                if (ok) choice.size = *size;
            }
        }
        return [this, ok, choice] {
            const QString product = QString::fromStdString(config_.product);
            if (!ok) {
                search_->first()->hide();
                search_->second()->setText(ConnectionErrorText());
                ftp_.Close();
                EnableButtons(false, false, true);
                return;
            }
            found_ = choice;
            if (choice.name.empty()) {
                search_->second()->setText(UpdateText(Str::NoUpdateAvailable, {product}));
                EnableButtons(false, false, true);
            } else {
                search_->second()->setText(UpdateText(
                    Str::NewerVersionFound, {product, QString::fromStdString(choice.version.ToString(3)),
                                             QString::fromStdString(config_.own.ToString(3))}));
                EnableButtons(false, true, false);
            }
        };
    });
}

// --- download page ---

void CAutoUpdate::ActivateDownload() {
    pages_->setCurrentWidget(download_);
    EnableButtons(false, false, false);
    download_->status()->setText(UpdateText(Str::Downloading, {QString::fromStdString(found_.name)}));
    download_->progress()->show();
    download_->size()->show();
    QTimer::singleShot(0, this, [this] { StartStep(); });
}

void CAutoUpdate::StartStep() {
    Background([this]() -> std::function<void()> {
        bool ok = ftp_.Connect(config_.location);
        return [this, ok] {
            if (!ok) return DownloadFailed(UpdateText(Str::DownloadError));
            if (!OpenLocalFile()) return;
            download_->progress()->setValue(0);
            download_->size()->setText(QStringLiteral("0"));
            QTimer::singleShot(0, this, [this] { TransferStep(); });
        };
    });
}

bool CAutoUpdate::OpenLocalFile() {
    const QString name = QString::fromStdString(found_.name);
    localPath_ = QDir(downloadFolder_).filePath(name);
    file_ = std::make_unique<QFile>(localPath_);
    if (file_->open(QIODevice::WriteOnly | QIODevice::Truncate)) return true;

    // The program folder is not writable: let the user choose where the installer goes.
    const QString ext = QString::fromLatin1(kInstallerExtension.substr(1));
    QFileDialog dialog(this, QString(), QDir(QDir::homePath()).filePath(name),
                       QStringLiteral("(*.%1)").arg(ext));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(ext);
    file_.reset();
    localPath_.clear();
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        // No place to save: stop cleanly instead of downloading into nothing.
        ftp_.Close();
        download_->status()->setText(tr("The download was cancelled."));
        download_->progress()->hide();
        download_->size()->hide();
        EnableButtons(false, false, true);
        return false;
    }
    localPath_ = dialog.selectedFiles().first();
    file_ = std::make_unique<QFile>(localPath_);
    if (!file_->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file_.reset();
        localPath_.clear();
        DownloadFailed(UpdateText(Str::DownloadError));
        return false;
    }
    download_->status()->setText(UpdateText(Str::Downloading, {QFileInfo(localPath_).fileName()}));
    return true;
}

void CAutoUpdate::TransferStep() {
    const uint64_t size = found_.size;
    Background([this, size]() -> std::function<void()> {
        QFile* file = file_.get();
        int lastPercent = -1;
        std::string lastText;
        auto sink = [file](const char* bytes, size_t n) {
            return file->write(bytes, static_cast<qint64>(n)) == static_cast<qint64>(n);
        };
        auto progress = [&](uint64_t received) {
            int percent = ProgressPercent(received, size);
            std::string text = MegabytesText(received);
            if (percent == lastPercent && text == lastText) return;
            lastPercent = percent;
            lastText = text;
            QMetaObject::invokeMethod(
                this,
                [this, percent, text] {
                    if (closing_) return;
                    download_->progress()->setValue(percent);
                    download_->size()->setText(
                        UpdateText(Str::MegabytesDownloaded, {QString::fromStdString(text)}));
                },
                Qt::QueuedConnection);
        };
        bool ok = ftp_.Download(found_.name, sink, progress);
        uint64_t received = 0;
        if (ok) {
            received = static_cast<uint64_t>(file->size());
            ok = file->flush() && received == size; // a short file is no installer
        }
        file->close();

        bool missing = false;
        SignatureCheck check;
        if (ok) ok = CheckSignature(missing, check);
        ftp_.Close();
        return [this, ok, size, missing, check] {
            if (!ok) return DownloadFailed(UpdateText(Str::DownloadError));
            if (missing || check.status != SignatureStatus::Good) return SignatureRefused(missing, check);
            file_.reset(); // complete and signed: keep it
            download_->status()->setText(UpdateText(Str::Downloading, {QFileInfo(localPath_).fileName()}));
            download_->progress()->setValue(ProgressPercent(size, size));
            download_->size()->setText(
                UpdateText(Str::MegabytesDownloaded, {QString::fromStdString(MegabytesText(size))}));
            QTimer::singleShot(0, this, [this] { RunStep(); });
        };
    });
}

bool CAutoUpdate::CheckSignature(bool& missing, SignatureCheck& check) {
    // The signature beside the installer on the server; it is small, a big one is no signature.
    QByteArray signature;
    bool fetched = ftp_.Download(
        SignatureName(found_.name),
        [&signature](const char* bytes, size_t n) {
            if (signature.size() + static_cast<qsizetype>(n) > static_cast<qsizetype>(kMaxSignatureBytes))
                return false;
            signature.append(bytes, static_cast<qsizetype>(n));
            return true;
        },
        [](uint64_t) {});
    if (!fetched) {
        missing = ftp_.LastError() != FtpError::Sink;
        check = {SignatureStatus::Bad, "the signature file is too large"};
        return true;
    }
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!closing_)
                download_->status()->setText(
                    tr("Checking the signature of %1...").arg(QFileInfo(localPath_).fileName()));
        },
        Qt::QueuedConnection);
    // gpgv reads the signature from a file: it lies beside the installer while it is checked.
    const QString sigPath = localPath_ + QStringLiteral(".sig");
    QFile sigFile(sigPath);
    bool written = sigFile.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                   sigFile.write(signature) == signature.size() && sigFile.flush();
    sigFile.close();
    if (written)
        check =
            VerifySignature(keyring_.toStdString(), localPath_.toStdString(), sigPath.toStdString(), &stop_);
    sigFile.remove();
    return written;
}

void CAutoUpdate::SignatureRefused(bool missing, const SignatureCheck& check) {
    const QString name = QFileInfo(localPath_).fileName();
    QString text;
    if (missing)
        text = tr("The installer %1 has no signature on the server, so it cannot be trusted. "
                  "It was deleted and not opened.")
                   .arg(name);
    else if (check.status == SignatureStatus::NoKeyring)
        text = tr("The installer %1 cannot be checked: the key file %2 is missing. It was deleted and not "
                  "opened.")
                   .arg(name, QDir::toNativeSeparators(keyring_));
    else if (check.status == SignatureStatus::NoVerifier)
        text = tr("The installer %1 cannot be checked: the program gpgv is not installed. "
                  "It was deleted and not opened.")
                   .arg(name);
    else
        text =
            tr("The signature of the installer %1 is not valid. It was deleted and not opened.").arg(name) +
            (check.detail.empty() ? QString() : QLatin1Char('\n') + QString::fromStdString(check.detail));
    DownloadFailed(text);
}

void CAutoUpdate::RunStep() {
    if (!opener_ || !opener_(localPath_)) {
        // Closing the viewer without a running installer would leave the user with nothing.
        download_->status()->setText(
            tr("The installer %1 could not be opened.").arg(QDir::toNativeSeparators(localPath_)));
        EnableButtons(false, false, true);
        return;
    }
    installerStarted_ = true;
    done(QDialog::Accepted);
}

void CAutoUpdate::DownloadFailed(const QString& text) {
    download_->status()->setText(text);
    download_->progress()->hide();
    download_->size()->hide();
    EnableButtons(false, false, true);
    ftp_.Close();
    DiscardLocalFile();
}

void CAutoUpdate::DiscardLocalFile() {
    // Only an incomplete or unverified download is still held here; it is no use to anyone.
    if (!file_) return;
    file_->close();
    file_->remove();
    file_.reset();
}

bool RunUpdateWizard(QWidget* parent, UpdateChecker* checker) {
    CAutoUpdate wizard(checker ? checker->config() : UpdateConfig::FromSettings(), parent);
    return wizard.RunWizard(checker);
}

} // namespace vordalis
