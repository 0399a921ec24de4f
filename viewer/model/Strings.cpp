#include "model/Strings.h"

#include <map>

namespace vordalis {
namespace {

// One table for every part of the viewer; each numbered text appears once.
const std::map<Str, std::u16string>& Table() {
    static const std::map<Str, std::u16string> table = {
        {Str::UpdateToVersion, u"Update Vordalis to version %s"},
        {Str::NewVersionAvailable, u"New version available!"},
        {Str::RebarLocator, u"Rebar Locator"},
        {Str::Date, u"Date:"},
        {Str::Name, u"Name:"},
        {Str::Title, u"Title:"},
        {Str::Remarks, u"Remarks:"},
        {Str::Cover, u"Cover"},
        {Str::LimitMm, u"Limit: %d mm"},
        {Str::BarDiameter, u"Bar diameter"},
        {Str::XGridWidth, u"X grid width"},
        {Str::YGridWidth, u"Y grid width"},
        {Str::MeasuredCoverCount, u"Number of measured covers"},
        {Str::MeasuredGridArea, u"Total Area of measured grids"},
        {Str::SetParameters, u"Set parameters"},
        {Str::Statistic, u"Statistic"},
        {Str::AverageCover, u"Average measured cover"},
        {Str::StandardDeviation, u"Standard deviation"},
        {Str::MaximumCover, u"Maximum of measured covers"},
        {Str::MinimumCover, u"Minimum of measured covers"},
        {Str::Span, u"Span"},
        {Str::MeasuredCovers, u"Measured covers"},
        {Str::MeasuredCoversContinued, u"Measured covers (continued)"},
        {Str::DateFormat, u"%d-%b-%Y"},
        {Str::BarDistance, u"Bar distance"},
        {Str::MeasuredBarCount, u"Number of measured bars"},
        {Str::CoversBelowLimit, u"Cover values below limit"},
        {Str::CoverLimit, u"Limit value of covers"},
        {Str::ObjectNotValid, u"%s:\nObject empty or not valid"},
        {Str::HintModifyValue, u"Double click to modify value"},
        {Str::HintModifyTitle, u"Double click to modify title/remarks"},
        {Str::HintModifyLimit, u"Double click to modify limit/range"},
        {Str::ImpactDirection, u"Impact direction"},
        {Str::EliminateOutliers, u"Eliminate outliers"},
        {Str::ConversionCurve, u"Conversion curve"},
        {Str::CarbonationDepth, u"Carbonation depth"},
        {Str::TimeFactor, u"Time factor"},
        {Str::FormFactor, u"Form factor"},
        {Str::MeanCompressiveStrength, u"Mean compressive strength"},
        {Str::ReboundValue, u"Rebound value"},
        {Str::MeasurementCount, u"Number of measurements"},
        {Str::MeanReboundValue, u"Mean rebound value"},
        {Str::MaximumReboundValue, u"Maximum rebound value"},
        {Str::MinimumReboundValue, u"Minimum rebound value"},
        {Str::MeasuredReboundValue, u"Measured rebound value"},
        {Str::ConcretePlacing, u"Concrete placing"},
        {Str::Conversion, u"Conversion"},
        {Str::PumpConcrete, u"Pump concrete"},
        {Str::ChinaMeanRebound, u"Mean rebound value"},
        {Str::WithImpactDirection, u"With impact direction"},
        {Str::WithConcretePlacing, u"With concrete placing"},
        {Str::WithCarbonationDepth, u"With carbonation depth"},
        {Str::WithPumpConcrete, u"With pump concrete"},
        {Str::On, u"ON"},
        {Str::Off, u"OFF"},
        {Str::Side, u"Side"},
        {Str::Top, u"Top"},
        {Str::Bottom, u"Bottom"},
        {Str::GeneralConversion, u"General conversion"},
        {Str::HintModifySettings, u"Double click to modify settings"},
        {Str::HintDetailView, u"Double click to detail view"},
        {Str::SaveChangesToOriginal, u"Save changes to original file"},
        {Str::MedianReboundValue, u"Median rebound value"},
        {Str::ReboundSummary, u"TORVIHAMMER SUMMARY"},
        {Str::ChinaSummarySingle, u"TORVIHAMMER CHINA SUMMARY SINGLE"},
        {Str::ChinaSummaryBatch, u"TORVIHAMMER CHINA SUMMARY BATCH"},
        {Str::Jgj2001, u"JGJ/T23-2001"},
        {Str::AxisMeanRebound, u"Title : mean rebound value [R]"},
        {Str::AxisMeanF2, u"Title : mean value f2 [MPa]"},
        {Str::SeriesCount, u"Number of measurement series"},
        {Str::ComponentStrength, u"Component strength"},
        {Str::SummaryMean, u"Summary mean value"},
        {Str::SummaryMeanStrength, u"Summary mean compr. strength"},
        {Str::MeanValue, u"Mean value"},
        {Str::MinimumValue, u"Minimum value"},
        {Str::MaximumValue, u"Maximum value"},
        {Str::SummaryMedian, u"Summary median value"},
        {Str::SummaryMedianStrength, u"Summary median compr. strength"},
        {Str::MedianCompressiveStrength, u"Median compressive strength"},
        {Str::Files, u"Files"},
        {Str::OutOfRange, u"Out of Range (<10 MPa or >60MPa) "},
        {Str::TwoLayerCorrection, u"2 Layer correction"},
        {Str::FirstLayer, u"    1. Layer"},
        {Str::SecondLayer, u"    2. Layer"},
        {Str::Arrangement, u"    Arrangement"},
        {Str::LoaderFailed, u"Failed to launch tamlo!"},
        {Str::TransferToolFailed, u"Failed to launch ondralink!"},
        {Str::Jgj2011, u"JGJ/T23-2011"},
        {Str::UpdateWizardTitle, u"Morvex"},
        {Str::BrokenConnection, u"It is not possible to run %s with a broken FTP connection.\r\n"
                                u"Press [Finish] or [Cancel] to terminate %s."},
        {Str::Connecting, u"Connecting..."},
        {Str::NoUpdateAvailable,
         u"There is no update available. \r\nYou are already using the most recent version of %s."},
        {Str::NewerVersionFound,
         u"Found a newer version of %s on the server. \r\n Server version: %s \r\n Your version: %s"},
        {Str::Downloading, u"Downloading %s"},
        {Str::MegabytesDownloaded, u"%s MB downloaded"},
        {Str::DownloadError, u"Unknown error while downloading."},
        {Str::ReceivingUpdateInfo, u"Receiving update information..."},
        {Str::SearchingUpdate, u"Searching update for %s"},
        {Str::Next, u"Next >"},
        {Str::Back, u"< Back"},
        {Str::Cancel, u"Cancel"},
        {Str::Finish, u"Finish"},
    };
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
