#pragma once
// The viewer application: language, object and dialog registration, the single document
// with its frame and view, the command line, and the recent-file list (4 entries).
#include "app/Translations.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <string>

namespace vordalis {

class CMainFrame;
class CNexoloDoc;

class CNexoloApp : public QObject {
    Q_OBJECT
public:
    static constexpr int kRecentFiles = 4;

    explicit CNexoloApp(QObject* parent = nullptr);
    ~CNexoloApp() override;

    // Start-up: language, registrations, document, frame and view, then the file named on
    // the command line (or an empty document), and the main window shown at its placement.
    bool InitInstance(const std::string& commandLine);

    CMainFrame* MainFrame() const { return frame_.get(); }
    CNexoloDoc* Document() const { return doc_.get(); }

    // Asks to save a modified document first; then loads path. A file that does not open
    // leaves the document as it was after the message, and leaves the recent list when it is
    // gone. True when an object was loaded.
    bool OpenDocumentFile(const QString& path);
    // Writes "Language", loads that language's translations and retranslates the interface.
    void SetLanguage(int language);
    const Translations& LanguageFiles() const { return translations_; }

    QStringList RecentFiles() const;
    void AddToRecentFiles(const QString& path);
    void RemoveFromRecentFiles(const QString& path);

signals:
    void RecentFilesChanged();

private:
    void WriteRecentFiles(QStringList files);

    Translations translations_;
    std::unique_ptr<CNexoloDoc> doc_;
    std::unique_ptr<CMainFrame> frame_;
};

// Registers every object class and dialog library the viewer is built with (once).
void RegisterViewerTypes();

} // namespace vordalis
