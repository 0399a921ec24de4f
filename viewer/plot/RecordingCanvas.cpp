#include "plot/RecordingCanvas.h"

#include "model/Codec.h"
#include "text/Utf16.h"

#include <cstdio>

namespace vordalis {

std::string RecordingCanvas::Colour(Rgb c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", c.r, c.g, c.b);
    return buf;
}

std::string RecordingCanvas::Describe(const Brush& b) {
    switch (b.kind) {
    case Brush::Kind::Solid:
        return "brush solid " + Colour(b.colour);
    case Brush::Kind::Pattern:
        return "brush pattern " + Colour(b.colour) + " " + Colour(b.paper);
    case Brush::Kind::None:
        break;
    }
    return "brush none";
}

std::string RecordingCanvas::Describe(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

namespace {

std::string FontText(const Font& f) {
    return std::to_string(f.height) + "/" + std::to_string(f.escapement) + "/" + std::to_string(f.weight);
}

std::string AlignText(int flags) {
    std::string h = (flags & align::kHorizontalMask) == align::kCenter  ? "center"
                    : (flags & align::kHorizontalMask) == align::kRight ? "right"
                                                                        : "left";
    std::string v = (flags & align::kVerticalMask) == align::kBaseline ? "baseline"
                    : (flags & align::kVerticalMask) == align::kBottom ? "bottom"
                                                                       : "top";
    return h + " " + v;
}

std::string Pt(int x, int y) {
    return std::to_string(x) + "," + std::to_string(y);
}

} // namespace

void RecordingCanvas::SetMapping(Mapping m) {
    lines_.push_back(m == Mapping::Screen ? "mapping screen" : "mapping metric");
}

void RecordingCanvas::SetPen(const Pen& p) {
    Canvas::SetPen(p);
    const char* style = p.style == PenStyle::Solid    ? "solid"
                        : p.style == PenStyle::Dotted ? "dotted"
                                                      : "none";
    lines_.push_back(std::string("pen ") + style + " " + std::to_string(p.width) + " " + Colour(p.colour));
}

void RecordingCanvas::SetBrush(const Brush& b) {
    Canvas::SetBrush(b);
    lines_.push_back(Describe(b));
}

void RecordingCanvas::SetFont(const Font& f) {
    Canvas::SetFont(f);
    lines_.push_back("font " + FontText(f) + " " + U16ToUtf8(f.face));
}

int RecordingCanvas::SetTextAlign(int flags) {
    lines_.push_back("align " + AlignText(flags));
    return Canvas::SetTextAlign(flags);
}

void RecordingCanvas::SetTextColor(Rgb c) {
    Canvas::SetTextColor(c);
    lines_.push_back("textcolor " + Colour(c));
}

void RecordingCanvas::SetBkColor(Rgb c) {
    Canvas::SetBkColor(c);
    lines_.push_back("bkcolor " + Colour(c));
}

void RecordingCanvas::SetTransparent(bool on) {
    Canvas::SetTransparent(on);
    lines_.push_back(on ? "transparent on" : "transparent off");
}

void RecordingCanvas::SetClip(const Rect& r) {
    Canvas::SetClip(r);
    lines_.push_back("clip " + Describe(r));
}

void RecordingCanvas::ClearClip() {
    Canvas::ClearClip();
    lines_.push_back("clip off");
}

void RecordingCanvas::MoveTo(int x, int y) {
    Canvas::MoveTo(x, y);
    lines_.push_back("move " + Pt(x, y));
}

void RecordingCanvas::LineTo(int x, int y) {
    lines_.push_back("line " + Pt(pos_.x, pos_.y) + " " + Pt(x, y));
    pos_ = {x, y};
}

void RecordingCanvas::FillRect(const Rect& r, const Brush& b) {
    lines_.push_back("fill " + Describe(r) + " " + Describe(b));
}

void RecordingCanvas::Rectangle(const Rect& r) {
    lines_.push_back("rect " + Describe(r));
}

void RecordingCanvas::TextOut(int x, int y, const std::u16string& text) {
    std::string t = U16ToUtf8(text);
    texts_.push_back(t);
    lines_.push_back("text " + Pt(x, y) + " \"" + t + "\" (font " + FontText(font_) + ", " +
                     AlignText(align_) + ", colour " + Colour(textColour_) + ")");
}

Size RecordingCanvas::TextExtent(const std::u16string& text) {
    int w = 0;
    for (char16_t c : text) w += c >= 0x2E80 ? font_.height : font_.height / 2;
    return {w, font_.height};
}

std::vector<std::string> RecordingCanvas::Lines(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& l : lines_)
        if (l.compare(0, prefix.size(), prefix) == 0) out.push_back(l);
    return out;
}

std::vector<std::string> RecordingCanvas::Texts() const {
    return texts_;
}

std::string RecordingCanvas::Dump() const {
    std::string s;
    for (const auto& l : lines_) s += l + "\n";
    return s;
}

} // namespace vordalis
