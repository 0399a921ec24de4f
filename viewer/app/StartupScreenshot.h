#pragma once
// The viewer's picture of itself: with VORDALIS_SCREENSHOT=OUT.png in the environment it saves
// its main window as PNG once the window is shown and painted, and quits. Works from an
// installed copy under the offscreen platform, so a picture (in any language) needs no
// display and no development tool.
#include <QString>
#include <QStringList>

namespace vordalis {

class CMainFrame;

inline constexpr const char* kScreenshotVariable = "VORDALIS_SCREENSHOT";

// Why out may not take the picture, or an empty text: its name must end in .png and it must
// not be one of the files to show, so a picture never replaces a measurement.
QString ScreenshotNameProblem(const QString& out, const QStringList& shownFiles);

// Saves frame as PNG into path shortly after the event loop starts, prints "PATH WxH" on
// stdout and quits the application with 0, or with 1 when the picture cannot be written.
void ScheduleStartupScreenshot(CMainFrame* frame, const QString& path);

} // namespace vordalis
