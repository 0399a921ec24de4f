#include "model/Strings.h"

#include "text/Utf16.h"

#include <map>

namespace vordalis {
namespace {

struct Entry {
    Str id;
    const char* english; // UTF-8
};

// One table for every part of the viewer; each numbered text appears once. Names and the date
// format read the same in every language and carry no translation marker.
constexpr Entry kEntries[] = {
    {Str::UpdateToVersion, VORDALIS_TRANSLATE_NOOP("Strings", "Update Vordalis to version %s")},
    {Str::NewVersionAvailable, VORDALIS_TRANSLATE_NOOP("Strings", "New version available!")},
    {Str::RebarLocator, VORDALIS_TRANSLATE_NOOP("Strings", "Rebar Locator")},
    {Str::Date, VORDALIS_TRANSLATE_NOOP("Strings", "Date:")},
    {Str::Name, VORDALIS_TRANSLATE_NOOP("Strings", "Name:")},
    {Str::Title, VORDALIS_TRANSLATE_NOOP("Strings", "Title:")},
    {Str::Remarks, VORDALIS_TRANSLATE_NOOP("Strings", "Remarks:")},
    {Str::Cover, VORDALIS_TRANSLATE_NOOP("Strings", "Cover")},
    {Str::LimitMm, VORDALIS_TRANSLATE_NOOP("Strings", "Limit: %d mm")},
    {Str::BarDiameter, VORDALIS_TRANSLATE_NOOP("Strings", "Bar diameter")},
    {Str::XGridWidth, VORDALIS_TRANSLATE_NOOP("Strings", "X grid width")},
    {Str::YGridWidth, VORDALIS_TRANSLATE_NOOP("Strings", "Y grid width")},
    {Str::MeasuredCoverCount, VORDALIS_TRANSLATE_NOOP("Strings", "Number of measured covers")},
    {Str::MeasuredGridArea, VORDALIS_TRANSLATE_NOOP("Strings", "Total Area of measured grids")},
    {Str::SetParameters, VORDALIS_TRANSLATE_NOOP("Strings", "Set parameters")},
    {Str::Statistic, VORDALIS_TRANSLATE_NOOP("Strings", "Statistic")},
    {Str::AverageCover, VORDALIS_TRANSLATE_NOOP("Strings", "Average measured cover")},
    {Str::StandardDeviation, VORDALIS_TRANSLATE_NOOP("Strings", "Standard deviation")},
    {Str::MaximumCover, VORDALIS_TRANSLATE_NOOP("Strings", "Maximum of measured covers")},
    {Str::MinimumCover, VORDALIS_TRANSLATE_NOOP("Strings", "Minimum of measured covers")},
    {Str::Span, VORDALIS_TRANSLATE_NOOP("Strings", "Span")},
    {Str::MeasuredCovers, VORDALIS_TRANSLATE_NOOP("Strings", "Measured covers")},
    {Str::MeasuredCoversContinued, VORDALIS_TRANSLATE_NOOP("Strings", "Measured covers (continued)")},
    {Str::DateFormat, "%d-%b-%Y"},
    {Str::BarDistance, VORDALIS_TRANSLATE_NOOP("Strings", "Bar distance")},
    {Str::MeasuredBarCount, VORDALIS_TRANSLATE_NOOP("Strings", "Number of measured bars")},
    {Str::CoversBelowLimit, VORDALIS_TRANSLATE_NOOP("Strings", "Cover values below limit")},
    {Str::CoverLimit, VORDALIS_TRANSLATE_NOOP("Strings", "Limit value of covers")},
    {Str::ObjectNotValid, VORDALIS_TRANSLATE_NOOP("Strings", "%s:\nObject empty or not valid")},
    {Str::HintModifyValue, VORDALIS_TRANSLATE_NOOP("Strings", "Double click to modify value")},
    {Str::HintModifyTitle, VORDALIS_TRANSLATE_NOOP("Strings", "Double click to modify title/remarks")},
    {Str::HintModifyLimit, VORDALIS_TRANSLATE_NOOP("Strings", "Double click to modify limit/range")},
    {Str::ImpactDirection, VORDALIS_TRANSLATE_NOOP("Strings", "Impact direction")},
    {Str::EliminateOutliers, VORDALIS_TRANSLATE_NOOP("Strings", "Eliminate outliers")},
    {Str::ConversionCurve, VORDALIS_TRANSLATE_NOOP("Strings", "Conversion curve")},
    {Str::CarbonationDepth, VORDALIS_TRANSLATE_NOOP("Strings", "Carbonation depth")},
    {Str::TimeFactor, VORDALIS_TRANSLATE_NOOP("Strings", "Time factor")},
    {Str::FormFactor, VORDALIS_TRANSLATE_NOOP("Strings", "Form factor")},
    {Str::MeanCompressiveStrength, VORDALIS_TRANSLATE_NOOP("Strings", "Mean compressive strength")},
    {Str::ReboundValue, VORDALIS_TRANSLATE_NOOP("Strings", "Rebound value")},
    {Str::MeasurementCount, VORDALIS_TRANSLATE_NOOP("Strings", "Number of measurements")},
    {Str::MeanReboundValue, VORDALIS_TRANSLATE_NOOP("Strings", "Mean rebound value")},
    {Str::MaximumReboundValue, VORDALIS_TRANSLATE_NOOP("Strings", "Maximum rebound value")},
    {Str::MinimumReboundValue, VORDALIS_TRANSLATE_NOOP("Strings", "Minimum rebound value")},
    {Str::MeasuredReboundValue, VORDALIS_TRANSLATE_NOOP("Strings", "Measured rebound value")},
    {Str::ConcretePlacing, VORDALIS_TRANSLATE_NOOP("Strings", "Concrete placing")},
    {Str::Conversion, VORDALIS_TRANSLATE_NOOP("Strings", "Conversion")},
    {Str::PumpConcrete, VORDALIS_TRANSLATE_NOOP("Strings", "Pump concrete")},
    {Str::ChinaMeanRebound, VORDALIS_TRANSLATE_NOOP("Strings", "Mean rebound value")},
    {Str::WithImpactDirection, VORDALIS_TRANSLATE_NOOP("Strings", "With impact direction")},
    {Str::WithConcretePlacing, VORDALIS_TRANSLATE_NOOP("Strings", "With concrete placing")},
    {Str::WithCarbonationDepth, VORDALIS_TRANSLATE_NOOP("Strings", "With carbonation depth")},
    {Str::WithPumpConcrete, VORDALIS_TRANSLATE_NOOP("Strings", "With pump concrete")},
    {Str::On, VORDALIS_TRANSLATE_NOOP("Strings", "ON")},
    {Str::Off, VORDALIS_TRANSLATE_NOOP("Strings", "OFF")},
    {Str::Side, VORDALIS_TRANSLATE_NOOP("Strings", "Side")},
    {Str::Top, VORDALIS_TRANSLATE_NOOP("Strings", "Top")},
    {Str::Bottom, VORDALIS_TRANSLATE_NOOP("Strings", "Bottom")},
    {Str::GeneralConversion, VORDALIS_TRANSLATE_NOOP("Strings", "General conversion")},
    {Str::HintModifySettings, VORDALIS_TRANSLATE_NOOP("Strings", "Double click to modify settings")},
    {Str::HintDetailView, VORDALIS_TRANSLATE_NOOP("Strings", "Double click to detail view")},
    {Str::SaveChangesToOriginal, VORDALIS_TRANSLATE_NOOP("Strings", "Save changes to original file")},
    {Str::MedianReboundValue, VORDALIS_TRANSLATE_NOOP("Strings", "Median rebound value")},
    {Str::ReboundSummary, "TORVIHAMMER SUMMARY"},
    {Str::ChinaSummarySingle, "TORVIHAMMER CHINA SUMMARY SINGLE"},
    {Str::ChinaSummaryBatch, "TORVIHAMMER CHINA SUMMARY BATCH"},
    {Str::Jgj2001, "JGJ/T23-2001"},
    {Str::AxisMeanRebound, VORDALIS_TRANSLATE_NOOP("Strings", "Title : mean rebound value [R]")},
    {Str::AxisMeanF2, VORDALIS_TRANSLATE_NOOP("Strings", "Title : mean value f2 [MPa]")},
    {Str::SeriesCount, VORDALIS_TRANSLATE_NOOP("Strings", "Number of measurement series")},
    {Str::ComponentStrength, VORDALIS_TRANSLATE_NOOP("Strings", "Component strength")},
    {Str::SummaryMean, VORDALIS_TRANSLATE_NOOP("Strings", "Summary mean value")},
    {Str::SummaryMeanStrength, VORDALIS_TRANSLATE_NOOP("Strings", "Summary mean compr. strength")},
    {Str::MeanValue, VORDALIS_TRANSLATE_NOOP("Strings", "Mean value")},
    {Str::MinimumValue, VORDALIS_TRANSLATE_NOOP("Strings", "Minimum value")},
    {Str::MaximumValue, VORDALIS_TRANSLATE_NOOP("Strings", "Maximum value")},
    {Str::SummaryMedian, VORDALIS_TRANSLATE_NOOP("Strings", "Summary median value")},
    {Str::SummaryMedianStrength, VORDALIS_TRANSLATE_NOOP("Strings", "Summary median compr. strength")},
    {Str::MedianCompressiveStrength, VORDALIS_TRANSLATE_NOOP("Strings", "Median compressive strength")},
    {Str::Files, VORDALIS_TRANSLATE_NOOP("Strings", "Files")},
    {Str::OutOfRange, VORDALIS_TRANSLATE_NOOP("Strings", "Out of Range (<10 MPa or >60MPa) ")},
    {Str::TwoLayerCorrection, VORDALIS_TRANSLATE_NOOP("Strings", "2 Layer correction")},
    {Str::FirstLayer, VORDALIS_TRANSLATE_NOOP("Strings", "    1. Layer")},
    {Str::SecondLayer, VORDALIS_TRANSLATE_NOOP("Strings", "    2. Layer")},
    {Str::Arrangement, VORDALIS_TRANSLATE_NOOP("Strings", "    Arrangement")},
    {Str::LoaderFailed, VORDALIS_TRANSLATE_NOOP("Strings", "Failed to launch tamlo!")},
    {Str::TransferToolFailed, VORDALIS_TRANSLATE_NOOP("Strings", "Failed to launch ondralink!")},
    {Str::Jgj2011, "JGJ/T23-2011"},
    {Str::UpdateWizardTitle, "Morvex"},
    {Str::BrokenConnection,
     VORDALIS_TRANSLATE_NOOP("Strings", "It is not possible to run %s with a broken FTP connection.\r\n"
                                        "Press [Finish] or [Cancel] to terminate %s.")},
    {Str::Connecting, VORDALIS_TRANSLATE_NOOP("Strings", "Connecting...")},
    {Str::NoUpdateAvailable,
     VORDALIS_TRANSLATE_NOOP(
         "Strings",
         "There is no update available. \r\nYou are already using the most recent version of %s.")},
    {Str::NewerVersionFound,
     VORDALIS_TRANSLATE_NOOP(
         "Strings",
         "Found a newer version of %s on the server. \r\n Server version: %s \r\n Your version: %s")},
    {Str::Downloading, VORDALIS_TRANSLATE_NOOP("Strings", "Downloading %s")},
    {Str::MegabytesDownloaded, VORDALIS_TRANSLATE_NOOP("Strings", "%s MB downloaded")},
    {Str::DownloadError, VORDALIS_TRANSLATE_NOOP("Strings", "Unknown error while downloading.")},
    {Str::ReceivingUpdateInfo, VORDALIS_TRANSLATE_NOOP("Strings", "Receiving update information...")},
    {Str::SearchingUpdate, VORDALIS_TRANSLATE_NOOP("Strings", "Searching update for %s")},
    {Str::Next, VORDALIS_TRANSLATE_NOOP("Strings", "Next >")},
    {Str::Back, VORDALIS_TRANSLATE_NOOP("Strings", "< Back")},
    {Str::Cancel, VORDALIS_TRANSLATE_NOOP("Strings", "Cancel")},
    {Str::Finish, VORDALIS_TRANSLATE_NOOP("Strings", "Finish")},
};

const std::map<Str, std::u16string>& Table() {
    static const std::map<Str, std::u16string> table = [] {
        std::map<Str, std::u16string> t;
        for (const Entry& e : kEntries) t.emplace(e.id, Utf8ToU16(e.english));
        return t;
    }();
    return table;
}

std::function<std::u16string(Str, const std::u16string&)>& Translator() {
    static std::function<std::u16string(Str, const std::u16string&)> t;
    return t;
}

} // namespace

std::u16string EnglishString(Str id) {
    auto it = Table().find(id);
    return it == Table().end() ? std::u16string() : it->second;
}

std::u16string LoadString(Str id) {
    std::u16string en = EnglishString(id);
    if (Translator()) {
        std::u16string t = Translator()(id, en);
        if (!t.empty()) return t;
    }
    return en;
}

std::u16string TranslateText(const std::u16string& english) {
    if (Translator()) {
        std::u16string t = Translator()(Str::None, english);
        if (!t.empty()) return t;
    }
    return english;
}

void SetStringTranslator(std::function<std::u16string(Str, const std::u16string&)> translator) {
    Translator() = std::move(translator);
}

} // namespace vordalis
