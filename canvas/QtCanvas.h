#pragma once
// The painters' canvas on a QPainter: widgets, printers (and PDF), SVG generators, images.
//
// The painter must be active. Whatever transform it carries when the canvas is made (a scroll
// offset, say) stays underneath the canvas's mapping. Mapping::Screen puts 1500 logical units
// onto 0.7 x the screen height in device pixels, times the device's zoom; Mapping::Metric makes
// one unit 0.1 mm at the device's resolution. Printers must be in full-page mode so that the
// paper's corner is the origin (the page borders are the painters' business).
#include "plot/Canvas.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QTransform>

class QPrinter;
class QWidget;

namespace vordalis {

class QtCanvas : public Canvas {
public:
    struct Device {
        bool printer = false;
        double screenHeight = 1080; // device pixels of the screen the chart mapping refers to
        double dotsPerInch = 96;    // device resolution for the metric mapping
        Size paper;                 // paper size in 0.1 mm (printers)
        double zoom = 1;            // magnification of the screen chart mapping (the view's zoom)
    };

    QtCanvas(QPainter& painter, const Device& device);

    // A widget on its screen.
    static Device ForWidget(const QWidget& widget);
    // A printer (or PDF printer); switches it to full-page mode, so call before QPainter::begin.
    static Device ForPrinter(QPrinter& printer);
    // Device pixels per logical unit of the screen chart mapping.
    static double ScreenScale(double screenHeight) { return 0.7 * screenHeight / 1500.0; }

    bool IsPrinter() const override { return device_.printer; }
    Size PaperSize() const override { return device_.paper; }
    void SetMapping(Mapping m) override;
    double PixelsPerUnit() const { return scale_; }

    void SetClip(const Rect& r) override;
    void ClearClip() override;
    void LineTo(int x, int y) override;
    void FillRect(const Rect& r, const Brush& b) override;
    void Rectangle(const Rect& r) override;
    void TextOut(int x, int y, const std::u16string& text) override;
    Size TextExtent(const std::u16string& text) override;

    // The Qt font for a canvas font, sized so that ascent + descent is the font's height.
    static QFont ToQFont(const Font& f);

private:
    QPen ToQPen(const Pen& p) const;
    QBrush ToQBrush(const Brush& b) const;

    QPainter& painter_;
    Device device_;
    QTransform base_;
    double scale_ = 1.0;
};

} // namespace vordalis
