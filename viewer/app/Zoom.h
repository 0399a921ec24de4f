#pragma once
// The magnification of the screen page: a fixed percentage stepped through a ladder of
// common values, or a fit to the window's width or to the whole page. Qt-free; the view
// multiplies its chart mapping by Factor() for painting, hit tests and scrolling alike.
#include <cstdint>

namespace vordalis {

class Zoom {
public:
    enum class Mode : int32_t { Fixed = 0, FitWidth = 1, FitPage = 2 };

    static constexpr int kMinPercent = 10;
    static constexpr int kMaxPercent = 800;

    // Reads "Zoom" (percent) and "ZoomFit" (the mode) from the settings; out-of-range values
    // give 100 % fixed.
    void Load();
    void Store() const;

    double Factor() const { return percent_ / 100.0; }
    double Percent() const { return percent_; }
    Mode GetMode() const { return mode_; }

    // The next step of the ladder above / below the current factor (a fit ends).
    void In();
    void Out();
    // n wheel notches: positive in, negative out.
    void Steps(int n);
    void SetPercent(double percent);
    void SetMode(Mode mode) { mode_ = mode; }

    // For a fit mode: the factor that fits a page of pageWidth x pageHeight (pixels at 100 %)
    // into a viewport of viewWidth x viewHeight (without scroll bars). Fit Width leaves room for
    // the vertical scroll bar (scrollBar pixels) when the page is then taller than the view.
    // Does nothing in Fixed mode or for an empty page. True when the factor changed.
    bool Fit(double pageWidth, double pageHeight, int viewWidth, int viewHeight, int scrollBar);

private:
    double percent_ = 100;
    Mode mode_ = Mode::Fixed;
};

} // namespace vordalis
