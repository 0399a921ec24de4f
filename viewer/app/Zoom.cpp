#include "app/Zoom.h"

#include "settings/Settings.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace vordalis {

namespace {

// The ladder Zoom In and Zoom Out climb, in percent.
constexpr double kSteps[] = {10,  25,  33,  50,  67,  75,  90,  100, 110,
                             125, 150, 175, 200, 250, 300, 400, 600, 800};

} // namespace

void Zoom::Load() {
    int32_t percent = settings::ReadDword(settings::kZoom, 100);
    int32_t mode = settings::ReadDword(settings::kZoomFit, 0);
    percent_ = percent >= kMinPercent && percent <= kMaxPercent ? percent : 100;
    mode_ = mode == 1 ? Mode::FitWidth : mode == 2 ? Mode::FitPage : Mode::Fixed;
}

void Zoom::Store() const {
    settings::WriteDword(settings::kZoom, static_cast<int32_t>(std::lround(percent_)));
    settings::WriteDword(settings::kZoomFit, static_cast<int32_t>(mode_));
}

void Zoom::SetPercent(double percent) {
    percent_ = std::clamp(percent, double(kMinPercent), double(kMaxPercent));
    mode_ = Mode::Fixed;
}

void Zoom::In() {
    // A fit leaves the factor between two steps: the next one up is the one above it.
    auto next = std::upper_bound(std::begin(kSteps), std::end(kSteps), percent_ + 0.5);
    SetPercent(next == std::end(kSteps) ? kMaxPercent : *next);
}

void Zoom::Out() {
    auto below = std::lower_bound(std::begin(kSteps), std::end(kSteps), percent_ - 0.5);
    SetPercent(below == std::begin(kSteps) ? kMinPercent : *std::prev(below));
}

void Zoom::Steps(int n) {
    for (; n > 0; --n) In();
    for (; n < 0; ++n) Out();
}

bool Zoom::Fit(double pageWidth, double pageHeight, int viewWidth, int viewHeight, int scrollBar) {
    if (mode_ == Mode::Fixed || pageWidth <= 0 || pageHeight <= 0 || viewWidth <= 0 || viewHeight <= 0)
        return false;
    double factor = viewWidth / pageWidth;
    if (mode_ == Mode::FitPage)
        factor = std::min(factor, viewHeight / pageHeight);
    else if (pageHeight * factor > viewHeight)
        factor = (viewWidth - scrollBar) / pageWidth;
    // Whole percents, rounded down so that the page never overflows by a pixel.
    double percent = std::clamp(std::floor(factor * 100), double(kMinPercent), double(kMaxPercent));
    if (percent == percent_) return false;
    percent_ = percent;
    return true;
}

} // namespace vordalis
