#pragma once
// A program's picture of itself: with VORDALIS_SCREENSHOT=OUT.png in the environment the viewer,
// the loader and the transfer tool save their window as PNG once it shows what they were started
// for, print "OUT WxH" on stdout and quit. Works from an installed copy under the offscreen
// platform, so a picture (in any language) needs no display and no development tool. Each
// program decides when its window is ready; the name check and the saving are shared.
#include <QString>
#include <QStringList>

class QWidget;

namespace vordalis::program {

inline constexpr const char* kScreenshotVariable = "VORDALIS_SCREENSHOT";

// Why out may not take the picture, or an empty text: its name must end in .png and it must
// not be one of the files to show, so a picture never replaces a measurement.
QString ScreenshotNameProblem(const QString& out, const QStringList& shownFiles = {});

// Saves widget as PNG into path and prints "PATH WxH" on stdout: 0. When the picture cannot be
// written it says so on stderr, after "PROGRAM: ": 1.
int SaveScreenshot(QWidget& widget, const QString& path, const char* program);

} // namespace vordalis::program
