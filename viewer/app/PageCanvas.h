#pragma once
// Canvases over a QPainter for the screen page and the clipboard picture (printed pages: PrintedPages.h).
#include "plot/Canvas.h"

#include <memory>

class QPainter;
class QWidget;

namespace vordalis {

// The screen page of a view: the chart mapping on the widget's screen, magnified by zoom.
std::unique_ptr<Canvas> MakeScreenCanvas(QPainter& painter, const QWidget& widget, double zoom = 1);
// The clipboard picture on a device of dotsPerInch: one unit is 0.1 mm.
std::unique_ptr<Canvas> MakeCopyCanvas(QPainter& painter, double dotsPerInch);

// Pixels of the widget per chart unit at 100 % (1500 units onto 0.7 x the screen height).
double ScreenUnitScale(const QWidget& widget);

} // namespace vordalis
