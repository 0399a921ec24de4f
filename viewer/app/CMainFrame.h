#pragma once
// The viewer's top-level window: menu bar, toolbar, status bar with the three read-out
// panes, the view, dropped files, and the window placement kept between runs.
#include "app/TransferCommands.h"

#include <QMainWindow>
#include <QMap>
#include <QPrinter>

#include <memory>

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace vordalis {

class CNexoloApp;
class CNexoloDoc;
class CNexoloView;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CNexoloApp* app, CNexoloDoc* doc);
    ~CMainFrame() override;

    CNexoloView* View() const { return view_; }
    // The action of a command number (null when the viewer has none).
    QAction* Action(int id) const { return actions_.value(id); }
    QToolBar* ToolBar() const { return toolBar_; }
    QLabel* Pane(int id) const;
    // The Info menu. The update checker puts its "Check for updates..." (2026) here, before
    // About (Action(cmd::About)), and appends its "New version available!" menu to the
    // menu bar; on a language change it retranslates its texts in its own changeEvent.
    QMenu* InfoMenu() const { return infoMenu_; }

    // Runs a command as the menu, toolbar and accelerators do.
    void OnCommand(int id);
    // Enables and ticks every command (menus, toolbar) and refreshes the read-out panes.
    void UpdateCommandUI();
    // Sets all texts of menus, toolbar and status bar in the current language.
    void RetranslateUi();

    // Restores the placement of "Window size" and shows the window accordingly.
    void ShowWithPlacement();
    // Writes "Rect", "icon" and "max" of "Window size" and the bar state.
    void StorePlacement();

    // Printing with a given printer (the print command uses the dialog first).
    QPrinter& Printer() { return *printer_; }
    void PrintAll(QPrinter& printer);
    // Opens the dropped files' first entry when it is an object file.
    bool OpenDroppedFiles(const QStringList& paths);
    // What Load passes the loader besides its usual argument (a scripted run ticks an object
    // with "--tick PATH").
    void SetLoaderArguments(const QStringList& arguments) { loaderArguments_ = arguments; }
    const TransferCommands& Transfer() const { return transfer_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void RebuildRecentFiles();
    void UpdateTitle();
    void OnFileOpen();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    void OnCreateSummary();
    void OnCopy();

    CNexoloApp* app_;
    CNexoloDoc* doc_;
    CNexoloView* view_;
    QMap<int, QAction*> actions_;
    QList<QAction*> recentActions_;
    QMap<int, QMenu*> menus_; // by position: 0 File .. 4 Info
    QMenu* infoMenu_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QMap<int, QLabel*> panes_;
    std::unique_ptr<QPrinter> printer_;
    QStringList loaderArguments_;
    TransferCommands transfer_;
};

} // namespace vordalis
