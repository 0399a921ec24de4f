#pragma once
// The viewer's picture of itself (VORDALIS_SCREENSHOT, see program/qt/Screenshot.h): its main
// window, once shown and painted.
#include <QString>

namespace vordalis {

class CMainFrame;

// Saves frame as PNG into path shortly after the event loop starts, prints "PATH WxH" on
// stdout and quits the application with 0, or with 1 when the picture cannot be written.
void ScheduleStartupScreenshot(CMainFrame* frame, const QString& path);

} // namespace vordalis
