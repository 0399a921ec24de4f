#include "update/qt/UpdateHooks.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "update/qt/CAutoUpdate.h"
#include "update/qt/UpdateChecker.h"
#include "update/qt/UpdateMenu.h"

namespace vordalis {

UpdateHooks::UpdateHooks(QMainWindow* frame, QMenu* menu, QAction* before, std::function<bool()> saveModified)
    : UpdateHooks(frame, menu, before, std::move(saveModified), UpdateConfig::FromSettings()) {}

UpdateHooks::UpdateHooks(QMainWindow* frame, QMenu* menu, QAction* before, std::function<bool()> saveModified,
                         UpdateConfig config)
    : QObject(frame), frame_(frame), saveModified_(std::move(saveModified)) {
    checker_ = new UpdateChecker(std::move(config), this);
    connect(checker_, &UpdateChecker::newVersionFound, this, &UpdateHooks::OnVersionReported);
    runner_ = [](QWidget* parent, UpdateChecker* checker) { return RunUpdateWizard(parent, checker); };

    checkAction_ = new QAction(frame);
    checkAction_->setObjectName(QStringLiteral("command%1").arg(kCheckForUpdatesCommand));
    checkAction_->setData(kCheckForUpdatesCommand);
    connect(checkAction_, &QAction::triggered, this, &UpdateHooks::checkForUpdates);
    if (menu) menu->insertAction(before, checkAction_);
    Retranslate();
    frame->installEventFilter(this);
}

void UpdateHooks::start() {
    checker_->start();
}

void UpdateHooks::checkForUpdates() {
    if (saveModified_ && !saveModified_()) return;
    if (!runner_(frame_, checker_)) return;
    // The installer replaces the program: leave the way clear for it.
    RemoveUpdateMenu(frame_->menuBar());
    frame_->close();
}

void UpdateHooks::OnVersionReported(CVersion version) {
    version_ = version;
    InsertUpdateMenu(frame_->menuBar(), version_, [this] { checkForUpdates(); });
}

void UpdateHooks::Retranslate() {
    checkAction_->setText(tr("Check for &updates..."));
    checkAction_->setStatusTip(tr("Look for a newer version of Vordalis on the server"));
    checkAction_->setToolTip(tr("Check for updates"));
    // The notice menu is built anew in the new language.
    if (!version_.IsZero()) InsertUpdateMenu(frame_->menuBar(), version_, [this] { checkForUpdates(); });
}

bool UpdateHooks::eventFilter(QObject* watched, QEvent* event) {
    if (watched == frame_ && event->type() == QEvent::LanguageChange) Retranslate();
    return QObject::eventFilter(watched, event);
}

} // namespace vordalis
