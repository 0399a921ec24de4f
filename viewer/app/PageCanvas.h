#pragma once
// Canvases over a QPainter for the three targets a page is painted on.
#include "plot/Canvas.h"

#include <memory>

class QPainter;
class QPrinter;
class QWidget;

namespace vordalis {

// The screen page of a view: the chart mapping on the widget's screen.
std::unique_ptr<Canvas> MakeScreenCanvas(QPainter& painter, const QWidget& widget);
// A printed page (0.1 mm per unit, the paper's corner as origin). Call before the painter
// begins on the printer: it puts the printer into full-page mode.
std::unique_ptr<Canvas> MakePrinterCanvas(QPainter& painter, QPrinter& printer);
// The clipboard picture on a device of dotsPerInch: one unit is 0.1 mm.
std::unique_ptr<Canvas> MakeCopyCanvas(QPainter& painter, double dotsPerInch);

// Pixels of the widget per chart unit (1500 units onto 0.7 x the screen height).
double ScreenUnitScale(const QWidget& widget);

} // namespace vordalis
