#pragma once
// The numbered strings of the viewer (English), looked up by number. The viewer plugs a
// translator in front of the table so the Qt-free code shows the user's language.
#include <functional>
#include <string>

// Marks an English text the viewer shows in the user's language; it is the text itself. The
// texts of this Qt-free code are looked up in the context "Strings" (LoadString, TranslateText);
// the build tells lupdate to read the marker as QT_TRANSLATE_NOOP, so they reach the .ts files.
#define VORDALIS_TRANSLATE_NOOP(context, text) text

namespace vordalis {

// The string numbers; each names one text of the table.
enum class Str : int {
    None = 0, // no numbered text: an unnumbered one, or nothing at all
    UpdateToVersion = 129,
    NewVersionAvailable = 130,
    RebarLocator = 2030,
    Date = 2031,
    Name = 2032,
    Title = 2033,
    Remarks = 2034,
    Cover = 2035,
    LimitMm = 2036,
    BarDiameter = 2037,
    XGridWidth = 2038,
    YGridWidth = 2039,
    MeasuredCoverCount = 2040,
    MeasuredGridArea = 2041,
    SetParameters = 2042,
    Statistic = 2043,
    AverageCover = 2045,
    StandardDeviation = 2046,
    MaximumCover = 2047,
    MinimumCover = 2048,
    Span = 2049,
    MeasuredCovers = 2050,
    MeasuredCoversContinued = 2051,
    DateFormat = 2052,
    BarDistance = 2053,
    MeasuredBarCount = 2054,
    CoversBelowLimit = 2056,
    CoverLimit = 2057,
    ObjectNotValid = 2058,
    HintModifyValue = 2059,
    HintModifyTitle = 2060,
    HintModifyLimit = 2061,
    ImpactDirection = 2062,
    EliminateOutliers = 2063,
    ConversionCurve = 2064,
    CarbonationDepth = 2065,
    TimeFactor = 2066,
    FormFactor = 2067,
    MeanCompressiveStrength = 2068,
    ReboundValue = 2069,
    MeasurementCount = 2070,
    MeanReboundValue = 2071,
    MaximumReboundValue = 2072,
    MinimumReboundValue = 2073,
    MeasuredReboundValue = 2074,
    ConcretePlacing = 2079,
    Conversion = 2080,
    PumpConcrete = 2081,
    ChinaMeanRebound = 2082,
    WithImpactDirection = 2083,
    WithConcretePlacing = 2084,
    WithCarbonationDepth = 2085,
    WithPumpConcrete = 2086,
    On = 2087,
    Off = 2088,
    Side = 2089,
    Top = 2090,
    Bottom = 2091,
    GeneralConversion = 2092,
    HintModifySettings = 2093,
    HintDetailView = 2094,
    SaveChangesToOriginal = 2095,
    MedianReboundValue = 2096,
    ReboundSummary = 2097,
    ChinaSummarySingle = 2099,
    ChinaSummaryBatch = 2100,
    Jgj2001 = 2101,
    AxisMeanRebound = 2102,
    AxisMeanF2 = 2103,
    SeriesCount = 2104,
    ComponentStrength = 2105,
    SummaryMean = 2106,
    SummaryMeanStrength = 2107,
    MeanValue = 2109,
    MinimumValue = 2110,
    MaximumValue = 2111,
    SummaryMedian = 2112,
    SummaryMedianStrength = 2113,
    MedianCompressiveStrength = 2114,
    Files = 2115,
    OutOfRange = 2118,
    TwoLayerCorrection = 2119,
    FirstLayer = 2120,
    SecondLayer = 2121,
    Arrangement = 2122,
    LoaderFailed = 2123,
    TransferToolFailed = 2124,
    Jgj2011 = 2126,
    UpdateWizardTitle = 22002,
    BrokenConnection = 22004,
    Connecting = 22005,
    NoUpdateAvailable = 22007,
    NewerVersionFound = 22009,
    Downloading = 22010,
    MegabytesDownloaded = 22017,
    DownloadError = 22018,
    ReceivingUpdateInfo = 22019,
    SearchingUpdate = 22020,
    Next = 22021,
    Back = 22022,
    Cancel = 22023,
    Finish = 22024,
};

// The English text of a string number; empty for None.
std::u16string EnglishString(Str id);
// The text in the current language (falls back to English).
std::u16string LoadString(Str id);
// An unnumbered English text (a system reason, say) in the current language.
std::u16string TranslateText(const std::u16string& english);
void SetStringTranslator(std::function<std::u16string(Str id, const std::u16string& english)> translator);

} // namespace vordalis
