#pragma once
// What the main window needs of the update checker, in one object: "Check for updates..."
// (command 2026) in its Info menu, the quiet check at start, the "New version available!"
// menu once a newer version was reported (kept in the current language), and closing the
// window after the wizard started an installer.
#include <QObject>
#include <functional>

#include "update/CVersion.h"
#include "update/UpdateConfig.h"

class QAction;
class QMainWindow;
class QMenu;

namespace vordalis {

class UpdateChecker;

inline constexpr int kCheckForUpdatesCommand = 2026;

class UpdateHooks : public QObject {
    Q_OBJECT
public:
    // saveModified asks whether a modified document is to be saved; it returns false when the
    // user cancels, and then the update command does nothing. The item is inserted into menu
    // before `before` (appended when null). Lives as long as the frame (its parent).
    UpdateHooks(QMainWindow* frame, QMenu* menu, QAction* before, std::function<bool()> saveModified);
    UpdateHooks(QMainWindow* frame, QMenu* menu, QAction* before, std::function<bool()> saveModified,
                UpdateConfig config);

    // Starts the quiet check (once).
    void start();
    // Command 2026 and the notice item: ask about the document, run the wizard, close the
    // frame when an installer was started.
    void checkForUpdates();

    QAction* checkAction() const { return checkAction_; }
    UpdateChecker* checker() const { return checker_; }
    // The version the quiet check reported (0 before a report or when none is newer).
    CVersion reportedVersion() const { return version_; }
    // Replaces the wizard (tests); it gets the frame and the checker and returns whether an
    // installer was started.
    void setWizardRunner(std::function<bool(QWidget*, UpdateChecker*)> runner) {
        runner_ = std::move(runner);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnVersionReported(CVersion version);
    void Retranslate();

    QMainWindow* frame_;
    QAction* checkAction_;
    UpdateChecker* checker_;
    std::function<bool()> saveModified_;
    std::function<bool(QWidget*, UpdateChecker*)> runner_;
    CVersion version_;
};

} // namespace vordalis
