#include "app/CMainFrame.h"

#include "app/CAboutDlg.h"
#include "app/CBorderSetup.h"
#include "app/CHelpDlg.h"
#include "app/CNexoloApp.h"
#include "app/CNexoloDoc.h"
#include "app/CNexoloView.h"
#include "app/Commands.h"
#include "app/DroppedFiles.h"
#include "app/ReportCommands.h"
#include "app/TransferCommands.h"
#include "app/WindowPlacement.h"
#include "dialogs/ObjectDialogs.h"
#include "settings/Settings.h"
#include "update/qt/UpdateHooks.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolTip>

namespace vordalis {

namespace {

// A command's texts: menu text, status-bar prompt and tooltip, and its toolbar icon.
struct CommandText {
    int id;
    const char* text;
    const char* prompt;
    const char* tip;
    const char* icon;
};

// clang-format off
const CommandText kCommands[] = {
    {cmd::Load, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Load..."), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Load an object from the instrument"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Load from instrument"), "load"},
    {cmd::Open, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Open..."), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Open an existing object file"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Open"), "open"},
    {cmd::Close, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Close"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Close the object; prompts to save it"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Close"), nullptr},
    {cmd::CreateSummary, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Create S&ummary..."), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Create a summary of several rebound files"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Create Summary"), nullptr},
    {cmd::Save, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Save"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Save the object"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Save"), "save"},
    {cmd::SaveAs, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Save &As..."), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Save the object under a new name"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Save As"), nullptr},
    {cmd::Copy, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Copy"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Copy the page to the clipboard"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Copy"), "copy"},
    {cmd::Export, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Export..."), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Export the readings or statistics as CSV for spreadsheets"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Export"), nullptr},
    {cmd::Report, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Repor&t..."), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Show one report over several object files"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Report"), nullptr},
    {cmd::Print, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Print..."), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Print the object"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Print"), "print"},
    {cmd::PrintPreview, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Print Pre&view"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Show the printed pages"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Print Preview"), "preview"},
    {cmd::PrintSetup, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "P&rint Setup..."), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Change the printer and printing options"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Print Setup"), nullptr},
    {cmd::Pageborder, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Page&border..."), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Set the page borders of the printer"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Pageborder"), nullptr},
    {cmd::RunOndralink, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Run O&ndralink"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Start the transfer tool Ondralink"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Run Ondralink"), "ondralink"},
    {cmd::Exit, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "E&xit"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Quit the application; prompts to save the object"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Exit"), nullptr},
    {cmd::TitleAndRemarks, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Title and remarks..."), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Edit title, date, name and remarks"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Title and remarks"), nullptr},
    {cmd::LimitAndRange, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Limit and range..."), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Edit the limit and the chart range"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Limit and range"), nullptr},
    {cmd::Settings, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Settings..."), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Edit the conversion settings"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Settings"), nullptr},
    {cmd::CoverAcceptance, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Cover &acceptance..."), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Judge the covers against the design cover"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Cover acceptance"), nullptr},
    {cmd::EnableValueChange, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Enable value change"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Allow single values to be changed by double click"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Enable value change"), nullptr},
    {cmd::Chart, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Chart"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Show or hide the chart"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Chart"), "chart"},
    {cmd::Values, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Values"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Show or hide the values in the chart"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Values"), "values"},
    {cmd::Statistics, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Statistics"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Show or hide the statistics"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Statistics"), "statistics"},
    {cmd::Table, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Table"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Show or hide the table of values"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Table"), "table"},
    {cmd::Grayscale, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Grayscale"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Draw the chart in shades of gray"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Grayscale"), "grayscale"},
    {cmd::InvertedGrayscale, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Inverted grayscale"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Draw the chart in inverted shades of gray"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Inverted grayscale"), "inverted"},
    {cmd::GreenRed, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Green/&red shades"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Draw the chart in green and red shades"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Green/red shades"), "greenred"},
    {cmd::Spectral, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "S&pectral colors"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Draw the chart in spectral colors"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Spectral colors"), "spectral"},
    {cmd::Axis, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Axis"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Draw the chart with axes"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Axis"), "axis"},
    {cmd::Frame, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Frame"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Draw the chart in a frame"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Frame"), "frame"},
    {cmd::Grid, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "G&rid"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Show or hide the grid"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Grid"), "grid"},
    {cmd::ToggleToolBar, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "T&oolbar"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Show or hide the toolbar"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Toolbar"), nullptr},
    {cmd::ToggleStatusBar, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Status &Bar"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Show or hide the status bar"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Status Bar"), nullptr},
    {cmd::MmScale, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&mm Scale"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Show positions in mm instead of m"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "mm Scale"), nullptr},
    {cmd::ZoomIn, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Zoom I&n"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Show the page larger"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Zoom In"), nullptr},
    {cmd::ZoomOut, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Zoom Out"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Show the page smaller"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Zoom Out"), nullptr},
    {cmd::ActualSize, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Act&ual Size"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Show the page at its normal size"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Actual Size"), nullptr},
    {cmd::FitWidth, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Fit &Width"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Fit the width of the page into the window"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Fit Width"), nullptr},
    {cmd::FitPage, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Fit Pag&e"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Fit the whole page into the window"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Fit Page"), nullptr},
    // Each language is named in itself, so that a user who switched by mistake finds the way back.
    {cmd::English, "English", QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Show the user interface in English"), "English", nullptr},
    {cmd::French, "Français", QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Show the user interface in French"), "Français", nullptr},
    {cmd::German, "Deutsch", QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Show the user interface in German"), "Deutsch", nullptr},
    {cmd::Chinese, "中文", QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Show the user interface in Chinese"), "中文", nullptr},
    {cmd::Russian, "Русский", QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Show the user interface in Russian"), "Русский", nullptr},
    {cmd::Help, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Help"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Show what the viewer does, its keys and where its settings live"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Help"), nullptr},
    {cmd::About, QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&About Vordalis..."), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "Show the program name and version"), QT_TRANSLATE_NOOP("vordalis::CMainFrame", "About"), nullptr},
};
// clang-format on

const char* const kMenuTitles[] = {QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&File"),
                                   QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Edit"),
                                   QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&View"),
                                   QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Language"),
                                   QT_TRANSLATE_NOOP("vordalis::CMainFrame", "&Info")};

// Menu entries by menu, 0 a separator, -1 the recent files.
const int kFileMenu[] = {cmd::Load,
                         cmd::Open,
                         cmd::Close,
                         cmd::CreateSummary,
                         cmd::Save,
                         cmd::SaveAs,
                         0,
                         cmd::Copy,
                         0,
                         cmd::Export,
                         cmd::Report,
                         0,
                         cmd::Print,
                         cmd::PrintPreview,
                         cmd::PrintSetup,
                         cmd::Pageborder,
                         -1,
                         cmd::RunOndralink,
                         0,
                         cmd::Exit};
const int kEditMenu[] = {cmd::TitleAndRemarks,  cmd::LimitAndRange, cmd::Settings, cmd::CoverAcceptance, 0,
                         cmd::EnableValueChange};
const int kViewMenu[] = {cmd::Chart,
                         cmd::Values,
                         cmd::Statistics,
                         cmd::Table,
                         0,
                         cmd::Grayscale,
                         cmd::InvertedGrayscale,
                         cmd::GreenRed,
                         cmd::Spectral,
                         0,
                         cmd::Axis,
                         cmd::Frame,
                         cmd::Grid,
                         0,
                         cmd::ToggleToolBar,
                         cmd::ToggleStatusBar,
                         0,
                         cmd::MmScale,
                         0,
                         cmd::ZoomIn,
                         cmd::ZoomOut,
                         cmd::ActualSize,
                         cmd::FitWidth,
                         cmd::FitPage};
const int kLanguageMenu[] = {cmd::English, cmd::French, cmd::German, cmd::Chinese, cmd::Russian};
const int kToolBar[] = {cmd::Load,
                        cmd::Open,
                        cmd::Save,
                        cmd::Copy,
                        cmd::PrintPreview,
                        cmd::Print,
                        0,
                        cmd::Chart,
                        cmd::Values,
                        cmd::Statistics,
                        cmd::Table,
                        0,
                        cmd::Grayscale,
                        cmd::InvertedGrayscale,
                        cmd::GreenRed,
                        cmd::Spectral,
                        0,
                        cmd::Axis,
                        cmd::Frame,
                        cmd::Grid,
                        0,
                        cmd::RunOndralink};

bool IsCheckable(int id) {
    switch (id) {
    case cmd::Chart:
    case cmd::Values:
    case cmd::Statistics:
    case cmd::Table:
    case cmd::Grayscale:
    case cmd::InvertedGrayscale:
    case cmd::GreenRed:
    case cmd::Spectral:
    case cmd::Axis:
    case cmd::Frame:
    case cmd::Grid:
    case cmd::EnableValueChange:
    case cmd::Settings:
    case cmd::MmScale:
    case cmd::ToggleToolBar:
    case cmd::ToggleStatusBar:
    case cmd::English:
    case cmd::French:
    case cmd::German:
    case cmd::Chinese:
    case cmd::Russian:
    case cmd::FitWidth:
    case cmd::FitPage:
        return true;
    default:
        return false;
    }
}

int LanguageOf(int id) {
    switch (id) {
    case cmd::English:
        return 0;
    case cmd::French:
        return 1;
    case cmd::German:
        return 2;
    case cmd::Chinese:
        return 3;
    case cmd::Russian:
        return 4;
    default:
        return -1;
    }
}

const char* kPlacementSection = "Window size";

} // namespace

CMainFrame::CMainFrame(CNexoloApp* app, CNexoloDoc* doc)
    : app_(app), doc_(doc), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName("CMainFrame");
    setWindowIcon(QIcon(":/icons/vordalis.svg"));
    setAcceptDrops(true);
    view_ = new CNexoloView(doc_, this);
    connect(view_, &CNexoloView::Tick, this, [this] { transfer_.Tick(); });
    setCentralWidget(view_);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    RetranslateUi();
    // "Check for updates..." before About, the quiet check and its "New version available!" menu.
    auto* update =
        new UpdateHooks(this, infoMenu_, actions_[cmd::About], [this] { return doc_->SaveModified(this); });
    update->start();
    connect(view_, &CNexoloView::StateChanged, this, &CMainFrame::UpdateCommandUI);
    connect(view_, &CNexoloView::HintChanged, this, [this](const QString& text) {
        if (text.isEmpty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(text);
    });
    connect(view_, &CNexoloView::ZoomChanged, this,
            [this](int percent) { statusBar()->showMessage(tr("Zoom %1 %").arg(percent), 2000); });
    connect(doc_, &CNexoloDoc::TitleChanged, this, &CMainFrame::UpdateTitle);
    connect(app_, &CNexoloApp::RecentFilesChanged, this, &CMainFrame::RebuildRecentFiles);
    RebuildRecentFiles();
    UpdateTitle();
    UpdateCommandUI();
}

CMainFrame::~CMainFrame() = default;

QLabel* CMainFrame::Pane(int id) const {
    return panes_.value(id);
}

void CMainFrame::CreateActions() {
    for (const CommandText& c : kCommands) {
        auto* a = new QAction(this);
        a->setObjectName(QString("command%1").arg(c.id));
        a->setData(c.id);
        a->setCheckable(IsCheckable(c.id));
        if (c.icon) a->setIcon(QIcon(QString(":/icons/%1.svg").arg(c.icon)));
        connect(a, &QAction::triggered, this, [this, id = c.id] { OnCommand(id); });
        actions_.insert(c.id, a);
    }
    actions_[cmd::Load]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    actions_[cmd::Open]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    actions_[cmd::Save]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    actions_[cmd::Print]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    actions_[cmd::Copy]->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    // The keys every other desktop program answers to.
    actions_[cmd::SaveAs]->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    actions_[cmd::Close]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    actions_[cmd::Exit]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    actions_[cmd::Help]->setShortcut(QKeySequence(Qt::Key_F1));
    actions_[cmd::ZoomIn]->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    actions_[cmd::ZoomOut]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    actions_[cmd::ActualSize]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
}

void CMainFrame::CreateMenus() {
    auto fill = [this](QMenu* menu, const int* ids, size_t n) {
        for (size_t i = 0; i < n; ++i) {
            if (ids[i] == 0)
                menu->addSeparator();
            else if (ids[i] == -1)
                recentSeparator_ = menu->addSeparator();
            else
                menu->addAction(actions_[ids[i]]);
        }
    };
    menus_[0] = menuBar()->addMenu(QString());
    fill(menus_[0], kFileMenu, std::size(kFileMenu));
    menus_[1] = menuBar()->addMenu(QString());
    fill(menus_[1], kEditMenu, std::size(kEditMenu));
    menus_[2] = menuBar()->addMenu(QString());
    fill(menus_[2], kViewMenu, std::size(kViewMenu));
    menus_[3] = menuBar()->addMenu(QString());
    fill(menus_[3], kLanguageMenu, std::size(kLanguageMenu));
    // Info: the update checker adds "Check for updates..." before About.
    menus_[4] = infoMenu_ = menuBar()->addMenu(QString());
    infoMenu_->setObjectName("InfoMenu");
    infoMenu_->addAction(actions_[cmd::Help]);
    infoMenu_->addAction(actions_[cmd::About]);
    for (QMenu* m : menus_) connect(m, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    // A recent file shows its whole path while hovered (the entry holds only the name).
    connect(menus_[0], &QMenu::hovered, this, [this](QAction* a) {
        if (recentActions_.contains(a) && !a->isSeparator())
            QToolTip::showText(QCursor::pos(), a->toolTip(), menus_[0]);
        else
            QToolTip::hideText();
    });
}

void CMainFrame::CreateToolBar() {
    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName("ToolBar");
    toolBar_->setIconSize(QSize(24, 24));
    for (int id : kToolBar) {
        if (id == 0)
            toolBar_->addSeparator();
        else
            toolBar_->addAction(actions_[id]);
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CMainFrame::CreateStatusBar() {
    // Prototype texts give the panes their widths.
    const std::pair<int, const char*> panes[] = {
        {cmd::PanePosition, "X:00.00,   Y:00.00 m"}, {cmd::PaneValue, " 000 mm"}, {cmd::PaneAlarm, " A "}};
    for (auto [id, prototype] : panes) {
        auto* label = new QLabel(this);
        label->setObjectName(QString("pane%1").arg(id));
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(prototype) + 16);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addPermanentWidget(label);
        panes_.insert(id, label);
    }
}

void CMainFrame::RetranslateUi() {
    for (int i = 0; i < 5; ++i) menus_[i]->setTitle(tr(kMenuTitles[i]));
    for (const CommandText& c : kCommands) {
        QAction* a = actions_[c.id];
        bool native = LanguageOf(c.id) >= 0; // language names stay as written
        a->setText(native ? QString::fromUtf8(c.text) : tr(c.text));
        a->setStatusTip(tr(c.prompt));
        a->setToolTip(native ? QString::fromUtf8(c.tip) : tr(c.tip));
    }
    toolBar_->setWindowTitle(tr("Toolbar"));
    statusBar()->showMessage(tr("Ready"));
    UpdateTitle();
}

void CMainFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) RetranslateUi();
    QMainWindow::changeEvent(event);
}

void CMainFrame::UpdateTitle() {
    setWindowTitle(doc_->Title() + QStringLiteral("[*] - Vordalis"));
    setWindowModified(doc_->IsModified());
}

void CMainFrame::RebuildRecentFiles() {
    QMenu* file = menus_[0];
    for (QAction* a : recentActions_) {
        file->removeAction(a);
        a->deleteLater();
    }
    recentActions_.clear();
    QStringList files = app_->RecentFiles();
    QAction* before = nullptr;
    QList<QAction*> all = file->actions();
    int at = all.indexOf(recentSeparator_);
    if (at >= 0 && at + 1 < all.size()) before = all[at + 1];
    for (int i = 0; i < files.size(); ++i) {
        auto* a = new QAction(QString("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()), this);
        a->setObjectName(QString("command%1").arg(cmd::RecentFile1 + i));
        a->setStatusTip(QDir::toNativeSeparators(files[i]));
        a->setToolTip(QDir::toNativeSeparators(files[i]));
        QString path = files[i];
        connect(a, &QAction::triggered, this, [this, path] { app_->OpenDocumentFile(path); });
        file->insertAction(before, a);
        recentActions_.append(a);
    }
    if (!files.isEmpty()) {
        auto* sep = new QAction(this);
        sep->setSeparator(true);
        file->insertAction(before, sep);
        recentActions_.append(sep);
    }
}

void CMainFrame::UpdateCommandUI() {
    TBasicObj* obj = doc_->Object();
    int storedLanguage = settings::ReadDword(settings::kLanguage, settings::kDefaultLanguage);
    for (auto it = actions_.begin(); it != actions_.end(); ++it) {
        int id = it.key();
        QAction* a = it.value();
        bool enabled = true, checked = false;
        if (view_->Handles(id)) {
            enabled = view_->IsCommandEnabled(id);
            checked = view_->IsCommandChecked(id);
        } else if (LanguageOf(id) >= 0) {
            checked = storedLanguage == LanguageOf(id);
        } else {
            switch (id) {
            case cmd::Save:
            case cmd::SaveAs:
            case cmd::Close:
            case cmd::Print:
            case cmd::PrintPreview:
            case cmd::Copy:
            case cmd::Export:
                enabled = obj != nullptr;
                break;
            case cmd::Load:
            case cmd::RunOndralink:
                enabled = !transfer_.RanAtStart();
                break;
            case cmd::ToggleToolBar:
                checked = toolBar_->isVisible();
                break;
            case cmd::ToggleStatusBar:
                checked = statusBar()->isVisible();
                break;
            default:
                break;
            }
        }
        a->setEnabled(enabled);
        if (a->isCheckable()) a->setChecked(checked);
    }
    panes_[cmd::PanePosition]->setText(view_->PositionPaneText());
    panes_[cmd::PaneValue]->setText(view_->ValuePaneText());
    panes_[cmd::PaneAlarm]->setText(view_->LimitAlarm() ? QStringLiteral(" A ") : QString());
}

void CMainFrame::OnCommand(int id) {
    if (QAction* a = actions_.value(id); a && !a->isEnabled()) {
        UpdateCommandUI();
        if (!a->isEnabled()) return;
    }
    if (view_->Handles(id)) {
        view_->OnCommand(id);
        UpdateCommandUI();
        return;
    }
    if (int language = LanguageOf(id); language >= 0) {
        app_->SetLanguage(language);
        UpdateCommandUI();
        return;
    }
    switch (id) {
    case cmd::Open:
        OnFileOpen();
        break;
    case cmd::Save:
        doc_->DoFileSave(this);
        break;
    case cmd::SaveAs:
        doc_->DoSave(QString(), true, this);
        break;
    case cmd::Copy:
        OnCopy();
        break;
    case cmd::Print:
        OnFilePrint();
        break;
    case cmd::PrintPreview:
        OnFilePrintPreview();
        break;
    case cmd::PrintSetup:
        OnFilePrintSetup();
        break;
    case cmd::Export:
        OnExportCsv(this, *doc_);
        break;
    case cmd::Report:
        OnReport(this, *printer_);
        break;
    case cmd::Pageborder:
        CBorderSetup(this).exec();
        break;
    case cmd::CreateSummary:
        OnCreateSummary();
        break;
    case cmd::Load:
        transfer_.Load(this, *doc_, loaderArguments_);
        break;
    case cmd::RunOndralink:
        transfer_.RunOndralink(this);
        break;
    case cmd::Close:
        if (doc_->SaveModified(this)) doc_->OnNewDocument();
        break;
    case cmd::Exit:
        close();
        break;
    case cmd::Help: {
        QList<QAction*> inMenuOrder;
        for (QMenu* m : menus_) inMenuOrder += m->actions();
        ShowHelp(this, inMenuOrder);
        break;
    }
    case cmd::About:
        CAboutDlg(this).exec();
        break;
    case cmd::ToggleToolBar:
        toolBar_->setVisible(!toolBar_->isVisible());
        break;
    case cmd::ToggleStatusBar:
        statusBar()->setVisible(!statusBar()->isVisible());
        break;
    default:
        break;
    }
    UpdateCommandUI();
}

void CMainFrame::OnFileOpen() {
    QString path =
        QFileDialog::getOpenFileName(this, tr("Open"), QDir::currentPath(),
                                     tr("Vordalis Object Files (*.vdo)") + ";;" + tr("All Files (*)"));
    if (path.isEmpty()) return;
    QDir::setCurrent(QFileInfo(path).absolutePath());
    app_->OpenDocumentFile(path);
}

void CMainFrame::OnCopy() {
    view_->CopyToClipboard();
}

void CMainFrame::PrintAll(QPrinter& printer) {
    view_->PrintPages(printer, 1, view_->PrintPageCount(printer));
}

void CMainFrame::OnFilePrint() {
    if (!doc_->Object()) return;
    int count = view_->PrintPageCount(*printer_);
    QPrintDialog dialog(printer_.get(), this);
    dialog.setMinMax(1, count);
    dialog.setFromTo(1, count);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted) return;
    int from = 1, to = count;
    if (printer_->printRange() == QPrinter::PageRange) {
        from = std::max(1, printer_->fromPage());
        to = std::min(count, printer_->toPage() > 0 ? printer_->toPage() : count);
    }
    view_->PrintPages(*printer_, from, to);
}

void CMainFrame::OnFilePrintPreview() {
    if (!doc_->Object()) return;
    QPrintPreviewDialog preview(printer_.get(), this);
    preview.setWindowTitle(tr("Print Preview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { PrintAll(*p); });
    preview.resize(size());
    preview.exec();
}

void CMainFrame::OnFilePrintSetup() {
    QPageSetupDialog dialog(printer_.get(), this);
    dialog.exec();
}

void CMainFrame::OnCreateSummary() {
    const SummaryBuilder& builder = FindSummaryBuilder();
    std::u16string title;
    if (!builder || !builder(this, title)) return;
    QString path = QDir(QDir::tempPath()).filePath("dir.vdo");
    if (!QFileInfo::exists(path)) {
        QApplication::beep();
        return;
    }
    if (!doc_->SaveModified(this)) return;
    if (!doc_->AdoptTemporaryFile(path, QString::fromStdU16String(title).left(20), this))
        QApplication::beep();
}

bool CMainFrame::OpenDroppedFiles(const QStringList& paths) {
    if (!DropOpensAFile(paths)) return false;
    activateWindow();
    bool opened = app_->OpenDocumentFile(paths.first());
    if (paths.size() > 1)
        statusBar()->showMessage(
            tr("Only the first dropped file is opened; %n other file(s) ignored.", "", int(paths.size() - 1)),
            5000);
    return opened;
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    // Refused drops show the no-drop cursor.
    if (DropOpensAFile(DroppedPaths(event->mimeData()->urls())))
        event->acceptProposedAction();
    else
        event->ignore();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    QStringList paths = DroppedPaths(event->mimeData()->urls());
    if (!DropOpensAFile(paths)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    OpenDroppedFiles(paths);
}

void CMainFrame::ShowWithPlacement() {
    QSettings profile(QStringLiteral("Morvex"), QStringLiteral("Vordalis"));
    profile.beginGroup(kPlacementSection);
    PlacementRect r = ParsePlacementRect(profile.value("Rect").toString().toStdString());
    if (!profile.contains("Rect")) {
        // The very first start: a window that shows the page's width and the whole toolbar.
        QRect a = (screen() ? screen() : QApplication::primaryScreen())->availableGeometry();
        r = FirstStartRect({a.left(), a.top(), a.left() + a.width(), a.top() + a.height()},
                           view_->WidthForPage(), toolBar_->sizeHint().width());
    }
    bool icon = profile.value("icon", 0).toInt() != 0;
    bool max = profile.value("max", 0).toInt() != 0;
    restoreState(profile.value("BarState").toByteArray());
    profile.endGroup();
    setGeometry(QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)));
    if (icon) {
        setWindowState(max ? Qt::WindowMinimized | Qt::WindowMaximized : Qt::WindowMinimized);
        show();
    } else if (max) {
        showMaximized();
    } else {
        show();
    }
}

void CMainFrame::StorePlacement() {
    QRect g = normalGeometry().isValid() ? normalGeometry() : geometry();
    Qt::WindowStates state = windowState();
    bool icon = state & Qt::WindowMinimized;
    bool max = state & Qt::WindowMaximized;
    QSettings profile(QStringLiteral("Morvex"), QStringLiteral("Vordalis"));
    profile.beginGroup(kPlacementSection);
    profile.setValue("Rect", QString::fromStdString(FormatPlacementRect(
                                 {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()})));
    profile.setValue("icon", icon ? 1 : 0);
    profile.setValue("max", max ? 1 : 0);
    profile.setValue("BarState", saveState());
    profile.endGroup();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!doc_->SaveModified(this)) {
        event->ignore();
        return;
    }
    StorePlacement();
    view_->StoreSettings();
    event->accept();
}

} // namespace vordalis
