#include "app/ViewOptions.h"

#include "app/Commands.h"
#include "settings/Settings.h"

namespace vordalis {

namespace {
bool IsRebound(const TBasicObj* obj) {
    return obj && obj->type >= kTypeReboundSeries;
}
} // namespace

int32_t ViewOptions::AsDefault(int32_t word) {
    return (word & ~opts::kValueChange) | opts::kLimitFromInstrument | opts::kRangeFromInstrument |
           opts::kBit17;
}

int32_t& ViewOptions::DefaultFor(const TBasicObj& obj) {
    int c = obj.category;
    if (c < 0 || c > 3) c = 0;
    return defaults[c];
}

void ViewOptions::Load() {
    current = kDefaultOptions;
    for (int c = 0; c < 4; ++c) {
        int32_t stored = settings::ReadDword(settings::ModeName(c), settings::kDefaultMode);
        defaults[c] = AsDefault(stored == 0 ? current : opts::UnpackOptions(stored) & ~opts::kNotStored);
    }
    mmScale = settings::ReadDword(settings::kMmScale, settings::kDefaultMmScale) != 0;
}

void ViewOptions::Store() const {
    for (int c = 0; c < 4; ++c) settings::WriteDword(settings::ModeName(c), opts::PackOptions(defaults[c]));
    settings::WriteDword(settings::kMmScale, mmScale ? 1 : 0);
}

bool ViewOptions::Handles(int id) const {
    switch (id) {
    case cmd::Chart:
    case cmd::Values:
    case cmd::Statistics:
    case cmd::Table:
    case cmd::Axis:
    case cmd::Frame:
    case cmd::Grid:
    case cmd::Grayscale:
    case cmd::InvertedGrayscale:
    case cmd::GreenRed:
    case cmd::Spectral:
    case cmd::EnableValueChange:
    case cmd::ToggleBit17:
    case cmd::MmScale:
        return true;
    default:
        return false;
    }
}

ViewOptions::Effect ViewOptions::Command(int id, TBasicObj* obj) {
    if (!obj || !Enabled(id, obj)) return Effect::None;
    auto apply = [&](int32_t bit) {
        current ^= bit;
        changed = true;
        obj->SetOptions(current);
        return Effect::Apply;
    };
    auto redraw = [&](int32_t word) {
        current = word;
        changed = true;
        return Effect::Redraw;
    };
    switch (id) {
    case cmd::Chart:
        return apply(opts::kChart);
    case cmd::Values:
        return apply(opts::kValues);
    case cmd::Statistics:
        return apply(opts::kStatistics);
    case cmd::Table:
        return apply(opts::kTable);
    case cmd::Axis:
        if ((current & opts::kAxis) && !(current & opts::kFrame)) return Effect::None;
        return redraw((current | opts::kAxis) & ~opts::kFrame);
    case cmd::Frame:
        if ((current & opts::kFrame) && !(current & opts::kAxis)) return Effect::None;
        return redraw((current | opts::kFrame) & ~opts::kAxis);
    case cmd::Grid:
        return redraw(current ^ opts::kGrid);
    case cmd::Grayscale:
        return redraw(opts::WithColourMode(current, opts::kGrayscale));
    case cmd::InvertedGrayscale:
        return redraw(opts::WithColourMode(current, opts::kInvertedGrayscale));
    case cmd::GreenRed:
        return redraw(opts::WithColourMode(current, opts::kGreenRed));
    case cmd::Spectral:
        return redraw(opts::WithColourMode(current, opts::kSpectral));
    case cmd::EnableValueChange:
        return redraw(current ^ opts::kValueChange);
    case cmd::ToggleBit17:
        obj->SetOptions(obj->Options() ^ opts::kBit17);
        return Effect::Modified;
    case cmd::MmScale:
        mmScale = !mmScale;
        settings::WriteDword(settings::kMmScale, mmScale ? 1 : 0);
        return Effect::MmScale;
    default:
        return Effect::None;
    }
}

bool ViewOptions::Enabled(int id, const TBasicObj* obj) const {
    if (!obj) return false;
    bool chart = current & opts::kChart;
    switch (id) {
    case cmd::Chart:
    case cmd::Statistics:
    case cmd::Table:
    case cmd::ToggleBit17:
    case cmd::MmScale:
        return true;
    case cmd::Values:
    case cmd::Axis:
    case cmd::Frame:
    case cmd::Grid:
    case cmd::Grayscale:
    case cmd::InvertedGrayscale:
    case cmd::GreenRed:
    case cmd::Spectral:
        return chart;
    case cmd::EnableValueChange:
        return !IsRebound(obj);
    case cmd::Settings:
        return IsRebound(obj);
    case cmd::LimitAndRange:
    case cmd::TitleAndRemarks:
        return true;
    default:
        return false;
    }
}

bool ViewOptions::Checked(int id, const TBasicObj* obj) const {
    if (!obj) return false;
    int mode = opts::ColourMode(current);
    switch (id) {
    case cmd::Chart:
        return current & opts::kChart;
    case cmd::Values:
        return current & opts::kValues;
    case cmd::Statistics:
        return current & opts::kStatistics;
    case cmd::Table:
        return current & opts::kTable;
    case cmd::Axis:
        return current & opts::kAxis;
    case cmd::Frame:
        return current & opts::kFrame;
    case cmd::Grid:
        return current & opts::kGrid;
    case cmd::Grayscale:
        return mode == opts::kGrayscale;
    case cmd::InvertedGrayscale:
        return mode == opts::kInvertedGrayscale;
    case cmd::GreenRed:
        return mode == opts::kGreenRed;
    case cmd::Spectral:
        return mode == opts::kSpectral;
    case cmd::EnableValueChange:
        return !IsRebound(obj) && (current & opts::kValueChange);
    case cmd::Settings:
        return IsRebound(obj) && (current & opts::kValueChange);
    case cmd::MmScale:
        return mmScale;
    default:
        return false;
    }
}

void ViewOptions::PrepareForPaint(TBasicObj& obj) {
    obj.mmScale = mmScale;
    EnsureObjectOptions(obj);
}

void ViewOptions::EnsureObjectOptions(TBasicObj& obj) {
    if (changed) {
        // The header is always shown by the view; the changed options become the default.
        current |= opts::kHeader;
        obj.SetOptions(current);
        DefaultFor(obj) = AsDefault(current);
        changed = false;
        return;
    }
    current = obj.Options();
    if (current & opts::kNotStored) {
        current = DefaultFor(obj);
        obj.SetOptions(current);
    }
}

} // namespace vordalis
