#pragma once
// The "Check for updates..." wizard: a search page that looks for a newer signed installer in
// the update folder and a download page that fetches it into the program folder, checks its
// signature, opens it with the desktop's handler for the file and reports that the viewer
// should close. An installer whose signature is missing or does not check out is deleted and
// never opened. The server is used from a worker thread, so the wizard stays responsive and
// can always be cancelled.
#include <QDialog>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "update/FtpClient.h"
#include "update/UpdateCheck.h"
#include "update/UpdateConfig.h"
#include "update/UpdateSignature.h"

class QFile;
class QPushButton;
class QStackedWidget;

namespace vordalis {

class CPageDownload;
class CPageSearch;
class UpdateChecker;

class CAutoUpdate : public QDialog {
    Q_OBJECT
public:
    explicit CAutoUpdate(UpdateConfig config, QWidget* parent = nullptr);
    ~CAutoUpdate() override;

    // Where the installer is saved; the program's own folder unless set.
    void setDownloadFolder(const QString& folder) { downloadFolder_ = folder; }
    // Starts a downloaded installer; the desktop's default handler unless set.
    void setInstallerOpener(std::function<bool(const QString& path)> opener) { opener_ = std::move(opener); }
    // The keys installers must be signed with; the keyring installed with the program unless set.
    void setKeyring(const QString& path) { keyring_ = path; }

    // Whether a failed connection is also announced in a message box (on by default).
    void setMessageBoxes(bool on) { messageBoxes_ = on; }

    // Waits for the quiet check (at most 3000 ms, then cancels it), runs the wizard modally
    // and returns true when an installer was started; the caller then closes the viewer.
    bool RunWizard(UpdateChecker* checker = nullptr);
    bool installerStarted() const { return installerStarted_; }
    // The file the installer was saved in (empty before a download).
    QString downloadedFile() const { return localPath_; }

    CPageSearch* searchPage() const { return search_; }
    CPageDownload* downloadPage() const { return download_; }
    QPushButton* backButton() const { return back_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* finishButton() const { return finish_; }
    QPushButton* cancelButton() const { return cancel_; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Runs work on the worker thread; the function it returns then runs on this thread.
    void Background(std::function<std::function<void()>()> work);
    void JoinWorker();
    void EnableButtons(bool back, bool next, bool finish);
    QString ConnectionErrorText() const;

    void ActivateSearch();
    void ConnectStep();
    void EvaluateStep();
    void ActivateDownload();
    void StartStep();
    bool OpenLocalFile();
    void TransferStep();
    void RunStep();
    // Worker thread: fetches the installer's signature and checks the download with it; false
    // when it could not be put beside the download.
    bool CheckSignature(bool& missing, SignatureCheck& check);
    void SignatureRefused(bool missing, const SignatureCheck& check);
    void DownloadFailed(const QString& text);
    void DiscardLocalFile();

    UpdateConfig config_;
    QString downloadFolder_;
    QString keyring_;
    std::function<bool(const QString&)> opener_;

    CPageSearch* search_;
    CPageDownload* download_;
    QStackedWidget* pages_;
    QPushButton* back_;
    QPushButton* next_;
    QPushButton* finish_;
    QPushButton* cancel_;

    FtpClient ftp_; // used by one thread at a time: the worker while it runs
    std::atomic<bool> stop_{false};
    std::thread worker_;
    bool messageBoxes_ = true;
    bool started_ = false;
    bool closing_ = false;
    bool installerStarted_ = false;
    InstallerChoice found_;
    std::unique_ptr<QFile> file_;
    QString localPath_;
};

// Runs the wizard for the program's own product with the server from the settings.
bool RunUpdateWizard(QWidget* parent, UpdateChecker* checker = nullptr);

} // namespace vordalis
