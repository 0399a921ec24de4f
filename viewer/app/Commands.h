#pragma once
// Command numbers of the viewer. Its own commands count from 2000; the rest are the
// numbers of the standard file, edit, view and help commands.
namespace vordalis::cmd {

enum : int {
    Axis = 2000,
    Frame = 2001,
    Grid = 2002,
    Spectral = 2003,
    Grayscale = 2004,
    GreenRed = 2005,
    InvertedGrayscale = 2007,
    LimitAndRange = 2008,
    TitleAndRemarks = 2009,
    Chart = 2010,
    Statistics = 2011,
    Table = 2012,
    Values = 2013,
    Load = 2014,
    RunOndralink = 2015,
    EnableValueChange = 2016,
    ToggleBit17 = 2017,
    CreateSummary = 2018,
    English = 2019,
    French = 2020,
    German = 2021,
    Settings = 2022,
    Pageborder = 2023,
    MmScale = 2024,
    Chinese = 2025,
    CheckForUpdates = 2026,
    Russian = 2125,
    CoverAcceptance = 2300,
    // Data out: CSV of the open object, a report over several files.
    Export = 2320,
    Report = 2321,
    // The page's zoom (View menu).
    ZoomIn = 2310,
    ZoomOut = 2311,
    ActualSize = 2312,
    FitWidth = 2313,
    FitPage = 2314,
    Help = 2315,

    Open = 57601,
    Close = 57602,
    Save = 57603,
    SaveAs = 57604,
    PrintSetup = 57606,
    Print = 57607,
    PrintPreview = 57609,
    RecentFile1 = 57616,
    Copy = 57634,
    About = 57664,
    Exit = 57665,
    ToggleToolBar = 59392,
    ToggleStatusBar = 59393,
};

inline bool IsZoomCommand(int id) {
    return id >= ZoomIn && id <= FitPage;
}

// Status-bar panes the view fills.
enum : int { PanePosition = 2027, PaneValue = 2028, PaneAlarm = 2029 };

} // namespace vordalis::cmd
