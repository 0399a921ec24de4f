#pragma once
// A canvas that draws nothing and logs every operation as one readable text line, for tests.
// Line forms (colours as #RRGGBB, texts in UTF-8):
//   pen solid|dotted|none W #RRGGBB          brush solid #RRGGBB | brush pattern #INK #PAPER | brush none
//   font H/ESC/WEIGHT FACE                   align left|center|right top|baseline|bottom
//   textcolor #RRGGBB   bkcolor #RRGGBB      transparent on|off
//   clip L,T,R,B | clip off                  mapping screen|metric
//   move X,Y   line X0,Y0 X1,Y1             fill L,T,R,B <brush>       rect L,T,R,B
//   text X,Y "TEXT" (font H/ESC/WEIGHT, align, colour #RRGGBB)
// Text extent model: every character is half the font height wide, characters from U+2E80 on
// (CJK) a full height; the extent's height is the font height.
#include "plot/Canvas.h"

#include <string>
#include <vector>

namespace vordalis {

class RecordingCanvas : public Canvas {
public:
    // A printer when paper is given (0.1 mm), else a screen.
    RecordingCanvas() = default;
    RecordingCanvas(bool printer, Size paper) : printer_(printer), paper_(paper) {}

    bool IsPrinter() const override { return printer_; }
    Size PaperSize() const override { return paper_; }
    void SetMapping(Mapping m) override;

    void SetPen(const Pen& p) override;
    void SetBrush(const Brush& b) override;
    void SetFont(const Font& f) override;
    int SetTextAlign(int flags) override;
    void SetTextColor(Rgb c) override;
    void SetBkColor(Rgb c) override;
    void SetTransparent(bool on) override;
    void SetClip(const Rect& r) override;
    void ClearClip() override;

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void FillRect(const Rect& r, const Brush& b) override;
    void Rectangle(const Rect& r) override;
    void TextOut(int x, int y, const std::u16string& text) override;
    Size TextExtent(const std::u16string& text) override;

    const std::vector<std::string>& Lines() const { return lines_; }
    // Lines that start with prefix.
    std::vector<std::string> Lines(const std::string& prefix) const;
    // Every text drawn, in order (UTF-8).
    std::vector<std::string> Texts() const;
    std::string Dump() const;
    void Clear() {
        lines_.clear();
        texts_.clear();
    }

    static std::string Colour(Rgb c);
    static std::string Describe(const Brush& b);
    static std::string Describe(const Rect& r);

private:
    bool printer_ = false;
    Size paper_;
    std::vector<std::string> lines_;
    std::vector<std::string> texts_;
};

} // namespace vordalis
