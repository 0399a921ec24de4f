#include "app/CNexoloApp.h"

#include "app/CMainFrame.h"
#include "app/CNexoloDoc.h"
#include "app/CNexoloView.h"
#include "app/CommandLine.h"
#include "app/TitleAndRemarks.h"
#include "dialogs/ObjectDialogs.h"
#include "objects/RegisterObjects.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

// Icons live in a resource file of the static application library; it must be registered.
static void InitResources() {
    Q_INIT_RESOURCE(vordalis);
}

namespace vordalis {

namespace {
const char* kRecentSection = "Recent File List";
} // namespace

void RegisterViewerTypes() {
    static bool done = false;
    if (done) return;
    done = true;
    RegisterAllObjectTypes();
    // The viewer's own title dialogs serve every type that brings none of its own.
    ObjectDialogs own;
    own.titleAndRemarks = &RunTitleAndRemarks;
    RegisterObjectDialogs(kAnyType, own);
    RegisterCoverDialogs();
    RegisterReboundDialogs();
}

CNexoloApp::CNexoloApp(QObject* parent) : QObject(parent) {
    InitResources();
}

CNexoloApp::~CNexoloApp() {
    frame_.reset();
    doc_.reset();
}

bool CNexoloApp::InitInstance(const std::string& commandLine) {
    translations_.Load(settings::Language());
    InstallStringTranslator();
    RegisterViewerTypes();
    // The view moves to the "DataFolder"; a relative name means the folder we started in.
    std::string file = FileFromCommandLine(commandLine);
    QString path = file.empty() ? QString() : QFileInfo(QString::fromLocal8Bit(file)).absoluteFilePath();
    doc_ = std::make_unique<CNexoloDoc>();
    frame_ = std::make_unique<CMainFrame>(this, doc_.get());
    // Without a file the document is new; a file that fails to open leaves it empty and
    // "Untitled".
    if (path.isEmpty())
        doc_->OnNewDocument();
    else
        OpenDocumentFile(path);
    frame_->ShowWithPlacement();
    return true;
}

bool CNexoloApp::OpenDocumentFile(const QString& path) {
    QString full = QFileInfo(path).absoluteFilePath();
    if (!doc_->SaveModified(frame_.get())) return false;
    bool ok = doc_->OnOpenDocument(full, frame_.get());
    if (ok)
        AddToRecentFiles(full);
    else if (!QFileInfo::exists(full))
        RemoveFromRecentFiles(full); // a file that is gone has no place in the list
    return ok;
}

void CNexoloApp::SetLanguage(int language) {
    settings::WriteDword(settings::kLanguage, language);
    // Installing and removing translators sends the language change to every window.
    translations_.Load(settings::Language());
    if (frame_) {
        frame_->RetranslateUi();
        frame_->View()->viewport()->update();
    }
}

QStringList CNexoloApp::RecentFiles() const {
    QSettings profile(QStringLiteral("Morvex"), QStringLiteral("Vordalis"));
    profile.beginGroup(kRecentSection);
    QStringList files;
    for (int i = 1; i <= kRecentFiles; ++i) {
        QString f = profile.value(QString("File%1").arg(i)).toString();
        if (!f.isEmpty()) files << f;
    }
    return files;
}

void CNexoloApp::AddToRecentFiles(const QString& path) {
    QStringList files = RecentFiles();
    files.removeAll(path);
    files.prepend(path);
    WriteRecentFiles(files);
}

void CNexoloApp::RemoveFromRecentFiles(const QString& path) {
    QStringList files = RecentFiles();
    if (files.removeAll(path) > 0) WriteRecentFiles(files);
}

void CNexoloApp::WriteRecentFiles(QStringList files) {
    while (files.size() > kRecentFiles) files.removeLast();
    QSettings profile(QStringLiteral("Morvex"), QStringLiteral("Vordalis"));
    profile.beginGroup(kRecentSection);
    for (int i = 1; i <= kRecentFiles; ++i) {
        if (i <= files.size())
            profile.setValue(QString("File%1").arg(i), files[i - 1]);
        else
            profile.remove(QString("File%1").arg(i));
    }
    profile.endGroup();
    emit RecentFilesChanged();
}

} // namespace vordalis
