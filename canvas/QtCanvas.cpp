#include "canvas/QtCanvas.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPrinter>
#include <QScreen>
#include <QWidget>
#include <bit>
#include <cmath>

namespace vordalis {
namespace {

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

QString ToQString(const std::u16string& s) {
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

QtCanvas::QtCanvas(QPainter& painter, const Device& device) : painter_(painter), device_(device) {
    base_ = painter_.transform();
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    SetMapping(device_.printer ? Mapping::Metric : Mapping::Screen);
}

QtCanvas::Device QtCanvas::ForWidget(const QWidget& widget) {
    Device d;
    // The chart mapping counts the screen's device pixels, and the page is then painted in
    // device-independent pixels like menus and toolbar: on a screen scaled by 2 the page grows
    // with the rest of the interface and is drawn at the full resolution.
    if (const QScreen* s = widget.screen()) d.screenHeight = s->size().height() * s->devicePixelRatio();
    d.dotsPerInch = widget.logicalDpiY();
    return d;
}

QtCanvas::Device QtCanvas::ForPrinter(QPrinter& printer) {
    printer.setFullPage(true);
    Device d;
    d.printer = true;
    d.dotsPerInch = printer.resolution();
    QRectF mm = printer.pageLayout().fullRect(QPageLayout::Millimeter);
    d.paper = {static_cast<int>(std::lround(mm.width() * 10)),
               static_cast<int>(std::lround(mm.height() * 10))};
    return d;
}

void QtCanvas::SetMapping(Mapping m) {
    scale_ =
        m == Mapping::Screen ? ScreenScale(device_.screenHeight) * device_.zoom : device_.dotsPerInch / 254.0;
    QTransform t = base_;
    t.scale(scale_, scale_);
    painter_.setTransform(t);
}

void QtCanvas::SetClip(const Rect& r) {
    Canvas::SetClip(r);
    painter_.setClipRect(QRectF(r.left, r.top, r.Width(), r.Height()));
}

void QtCanvas::ClearClip() {
    Canvas::ClearClip();
    painter_.setClipping(false);
}

QPen QtCanvas::ToQPen(const Pen& p) const {
    if (p.style == PenStyle::None) return QPen(Qt::NoPen);
    QPen pen(ToQColor(p.colour));
    if (p.width <= 0) {
        pen.setCosmetic(true);
        pen.setWidth(0);
    } else {
        pen.setWidthF(p.width);
    }
    pen.setStyle(p.style == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QBrush QtCanvas::ToQBrush(const Brush& b) const {
    if (b.kind == Brush::Kind::None) return QBrush(Qt::NoBrush);
    if (b.kind == Brush::Kind::Solid) return QBrush(ToQColor(b.colour));
    // SVG drawings carry no bitmap patterns: the pattern's mean tone stands in for it.
    if (painter_.paintEngine() && painter_.paintEngine()->type() == QPaintEngine::SVG) {
        int ink = 0;
        for (uint16_t row : b.pattern) ink += std::popcount(row);
        auto mix = [&](uint8_t i, uint8_t p) { return (i * ink + p * (256 - ink) + 128) / 256; };
        return QBrush(
            QColor(mix(b.colour.r, b.paper.r), mix(b.colour.g, b.paper.g), mix(b.colour.b, b.paper.b)));
    }
    QImage img(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            img.setPixelColor(x, y, ToQColor((b.pattern[y] >> (15 - x)) & 1 ? b.colour : b.paper));
    QBrush brush(img);
    // One pattern bit is one device pixel on screens and images, 0.3 mm on paper.
    double bit = device_.printer ? 3.0 : 1.0 / scale_;
    brush.setTransform(QTransform::fromScale(bit, bit));
    return brush;
}

void QtCanvas::LineTo(int x, int y) {
    if (pen_.style != PenStyle::None) {
        painter_.setPen(ToQPen(pen_));
        painter_.drawLine(QPointF(pos_.x, pos_.y), QPointF(x, y));
    }
    pos_ = {x, y};
}

void QtCanvas::FillRect(const Rect& r, const Brush& b) {
    if (b.kind == Brush::Kind::None) return;
    Rect n = r.Normalized();
    painter_.fillRect(QRectF(n.left, n.top, n.Width(), n.Height()), ToQBrush(b));
}

void QtCanvas::Rectangle(const Rect& r) {
    Rect n = r.Normalized();
    painter_.setPen(ToQPen(pen_));
    painter_.setBrush(ToQBrush(brush_));
    painter_.drawRect(QRectF(n.left, n.top, n.Width(), n.Height()));
}

QFont QtCanvas::ToQFont(const Font& f) {
    QFont font(ToQString(f.face));
    font.setStyleHint(QFont::SansSerif);
    // Measure once per face at a large size: the canvas height is the cell height
    // (ascent + descent), Qt's pixel size is the em.
    static QHash<QString, double> cellPerEm;
    auto it = cellPerEm.find(font.family());
    if (it == cellPerEm.end()) {
        QFont probe = font;
        probe.setPixelSize(1000);
        QFontMetricsF fm(probe);
        double ratio = (fm.ascent() + fm.descent()) / 1000.0;
        it = cellPerEm.insert(font.family(), ratio > 0.5 ? ratio : 1.2);
    }
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(std::abs(f.height) / it.value()))));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(f.weight, 100, 900)));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void QtCanvas::TextOut(int x, int y, const std::u16string& text) {
    if (text.empty()) return;
    QString s = ToQString(text);
    QFont font = ToQFont(font_);
    QFontMetricsF fm(font);
    double w = fm.horizontalAdvance(s);
    double dx = 0, dy = 0;
    switch (align_ & align::kHorizontalMask) {
    case align::kCenter:
        dx = -w / 2;
        break;
    case align::kRight:
        dx = -w;
        break;
    default:
        break;
    }
    switch (align_ & align::kVerticalMask) {
    case align::kBaseline:
        break;
    case align::kBottom:
        dy = -fm.descent();
        break;
    default:
        dy = fm.ascent();
        break;
    }
    painter_.save();
    painter_.translate(x, y);
    if (font_.escapement != 0) painter_.rotate(-font_.escapement / 10.0);
    if (!transparent_)
        painter_.fillRect(QRectF(dx, dy - fm.ascent(), w, fm.ascent() + fm.descent()), ToQColor(bkColour_));
    painter_.setFont(font);
    painter_.setPen(ToQColor(textColour_));
    painter_.drawText(QPointF(dx, dy), s);
    painter_.restore();
}

namespace {
Size TextExtentOf(const Font& f, const std::u16string& text) {
    QFontMetricsF fm(QtCanvas::ToQFont(f));
    return {static_cast<int>(std::ceil(fm.horizontalAdvance(ToQString(text)))),
            static_cast<int>(std::lround(fm.ascent() + fm.descent()))};
}
} // namespace

Size QtCanvas::TextExtent(const std::u16string& text) {
    return TextExtentOf(font_, text);
}

} // namespace vordalis
