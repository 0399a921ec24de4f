#include "app/PageCanvas.h"

#include "canvas/QtCanvas.h"

#include <QWidget>

namespace vordalis {

std::unique_ptr<Canvas> MakeScreenCanvas(QPainter& painter, const QWidget& widget, double zoom) {
    QtCanvas::Device device = QtCanvas::ForWidget(widget);
    device.zoom = zoom;
    return std::make_unique<QtCanvas>(painter, device);
}

std::unique_ptr<Canvas> MakeCopyCanvas(QPainter& painter, double dotsPerInch) {
    QtCanvas::Device device;
    device.dotsPerInch = dotsPerInch;
    auto canvas = std::make_unique<QtCanvas>(painter, device);
    canvas->SetMapping(Mapping::Metric);
    return canvas;
}

double ScreenUnitScale(const QWidget& widget) {
    return QtCanvas::ScreenScale(QtCanvas::ForWidget(widget).screenHeight);
}

} // namespace vordalis
