#pragma once
// The drawing target of every chart painter.
//
// For painter authors:
//  - Coordinates are whole logical units with x growing to the right and y growing DOWN from
//    the page's top-left corner. On paper and in the clipboard picture one unit is 0.1 mm
//    (Mapping::Metric); on the screen the chart mapping puts 1500 units onto 0.7 x the screen
//    height (Mapping::Screen). Recipes that count y upward (page top at y = -top) are
//    negated once: a point "n units above" y is y - n here.
//  - State works like a classic 2-D device: select a pen, brush and font, set the text
//    alignment and colours, then draw. The chart base saves and restores the state around a
//    page (TBasicPlot::BeginDraw / EndDraw), so painters may change it freely.
//  - FillRect fills without an outline; Rectangle outlines with the pen and fills with the
//    selected brush. Lines use MoveTo / LineTo with the selected pen.
//  - Pattern brushes carry their own two colours (ink for set bits, paper for clear bits), so
//    a hatched band does not depend on the text and background colours.
//  - TextOut draws at the reference point named by the alignment (left/centre/right and
//    top/baseline/bottom). A font with escapement 900 writes upward (rotated 90 degrees
//    counter-clockwise); its alignment refers to the rotated text.
//  - Painters never assume a device: a layout pass runs with no canvas at all.
#include <array>
#include <cstdint>
#include <string>

namespace vordalis {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    constexpr Rgb() = default;
    constexpr Rgb(int red, int green, int blue)
        : r(static_cast<uint8_t>(red)), g(static_cast<uint8_t>(green)), b(static_cast<uint8_t>(blue)) {}
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

struct Point {
    int x = 0, y = 0;
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0, cy = 0;
    friend constexpr bool operator==(const Size&, const Size&) = default;
};

// A rectangle whose right and bottom edges are exclusive for hit tests.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    // Edges swapped where needed so that left <= right and top <= bottom.
    constexpr Rect Normalized() const {
        return {left < right ? left : right, top < bottom ? top : bottom, left < right ? right : left,
                top < bottom ? bottom : top};
    }
    // The smallest rectangle holding both; an empty rectangle adds nothing.
    constexpr Rect United(const Rect& o) const {
        if (o.IsEmpty()) return *this;
        if (IsEmpty()) return o;
        return {left < o.left ? left : o.left, top < o.top ? top : o.top, right > o.right ? right : o.right,
                bottom > o.bottom ? bottom : o.bottom};
    }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

enum class PenStyle { Solid, Dotted, None };

struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 0; // 0: the thinnest line the device draws
    Rgb colour = kBlack;
    friend constexpr bool operator==(const Pen&, const Pen&) = default;
};

// 16 x 16 one-bit pattern, one 16-bit word per row, the highest bit leftmost.
using Pattern16 = std::array<uint16_t, 16>;

struct Brush {
    enum class Kind { Solid, Pattern, None } kind = Kind::Solid;
    Rgb colour = kWhite; // solid colour, or the ink of set pattern bits
    Rgb paper = kWhite;  // colour of clear pattern bits
    Pattern16 pattern{};

    static Brush Solid(Rgb c) { return Brush{Kind::Solid, c, kWhite, {}}; }
    static Brush Hatch(const Pattern16& p, Rgb ink, Rgb paper) { return Brush{Kind::Pattern, ink, paper, p}; }
    static Brush Hollow() { return Brush{Kind::None, kWhite, kWhite, {}}; }
    friend constexpr bool operator==(const Brush&, const Brush&) = default;
};

struct Font {
    int height = 32;    // cell height in logical units
    int escapement = 0; // tenths of a degree, counter-clockwise
    int weight = 400;   // 400 normal, 600 semi-bold, 700 bold
    std::u16string face = u"Tahoma";
    friend bool operator==(const Font&, const Font&) = default;
};

// Text alignment flags: one horizontal and one vertical flag.
namespace align {
inline constexpr int kLeft = 0x0, kRight = 0x2, kCenter = 0x6;
inline constexpr int kTop = 0x0, kBottom = 0x8, kBaseline = 0x18;
inline constexpr int kHorizontalMask = 0x6, kVerticalMask = 0x18;
} // namespace align

enum class Mapping {
    Screen, // the chart mapping: 1500 units onto 0.7 x the screen height in pixels
    Metric, // 0.1 mm per unit
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // --- the device ---
    virtual bool IsPrinter() const = 0;
    // Paper width and height in 0.1 mm (printers; other devices return their page size or 0 x 0).
    virtual Size PaperSize() const = 0;
    virtual void SetMapping(Mapping m) = 0;

    // --- state ---
    virtual void SetPen(const Pen& p) { pen_ = p; }
    virtual void SetBrush(const Brush& b) { brush_ = b; }
    virtual void SetFont(const Font& f) { font_ = f; }
    // Returns the previous alignment.
    virtual int SetTextAlign(int flags) {
        int old = align_;
        align_ = flags;
        return old;
    }
    virtual void SetTextColor(Rgb c) { textColour_ = c; }
    virtual void SetBkColor(Rgb c) { bkColour_ = c; }
    // Transparent text background (true) or text drawn on a box of the background colour.
    virtual void SetTransparent(bool on) { transparent_ = on; }
    // Drawing is limited to r until ClearClip.
    virtual void SetClip(const Rect& r) {
        clip_ = r;
        clipped_ = true;
    }
    virtual void ClearClip() { clipped_ = false; }

    const Pen& GetPen() const { return pen_; }
    const Brush& GetBrush() const { return brush_; }
    const Font& GetFont() const { return font_; }
    int GetTextAlign() const { return align_; }
    Rgb GetTextColor() const { return textColour_; }
    Rgb GetBkColor() const { return bkColour_; }
    bool IsTransparent() const { return transparent_; }
    Point GetPosition() const { return pos_; }

    // --- drawing ---
    virtual void MoveTo(int x, int y) { pos_ = {x, y}; }
    // A line from the current position to (x, y) with the pen; (x, y) becomes the position.
    virtual void LineTo(int x, int y) = 0;
    virtual void FillRect(const Rect& r, const Brush& b) = 0;
    virtual void Rectangle(const Rect& r) = 0;
    virtual void TextOut(int x, int y, const std::u16string& text) = 0;
    // Size of the text in the current font along its baseline (width) and across it (height).
    virtual Size TextExtent(const std::u16string& text) = 0;

    void Line(int x0, int y0, int x1, int y1) {
        MoveTo(x0, y0);
        LineTo(x1, y1);
    }

protected:
    Pen pen_;
    Brush brush_ = Brush::Solid(kWhite);
    Font font_;
    int align_ = align::kLeft | align::kTop;
    Rgb textColour_ = kBlack;
    Rgb bkColour_ = kWhite;
    bool transparent_ = false;
    Rect clip_;
    bool clipped_ = false;
    Point pos_;
};

} // namespace vordalis
