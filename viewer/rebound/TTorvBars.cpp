#include "rebound/TTorvBars.h"

#include "rebound/CarbonationFactor.h"
#include "rebound/ImpactDirection.h"
#include "rebound/ReboundMedian.h"
#include "rebound/StrengthUnits.h"

namespace vordalis {
namespace {

constexpr const char* kHead = "TORVIHAMMER";
// Bits of the extension's flag word.
constexpr int32_t kFlagMeanLine = 0x01, kFlagLimits = 0x02, kFlagLimitsInitial = 0x04,
                  kFlagConversionInitial = 0x08, kFlagParametersInitial = 0x10, kFlagReserved = 0x20,
                  kFlagMedian = 0x40;

} // namespace

TTorvBars::TTorvBars(ByteSource& file) {
    type = kTypeReboundSeries;
    file.Seek(0);
    ObjectReader in(file);
    Read(in);
}

std::unique_ptr<TBasicObj> TTorvBars::Create(ByteSource& file, bool) {
    auto obj = std::make_unique<TTorvBars>(file);
    if (!obj->valid) return nullptr;
    return obj;
}

void TTorvBars::Read(ObjectReader& in) {
    valid = false;
    int32_t n = 0;
    DateParts dateParts{};
    if (!in.SkipToken() || !ReadSeriesHead(in, dateParts)) return;
    if (!ReadInts(in, {&variantCode, &auxCode, &n, &measuredDirection, &outlierMode, &instrumentCurveCode,
                       &instrumentLowerLimit, &instrumentUpperLimit, &instrumentCarbonation}))
        return;
    if (!ReadDecimal(in, 5, instrumentFormFactor) || !ReadDecimal(in, 5, instrumentTimeFactor)) return;
    if (!in.ReadInteger(instrumentUnit)) return;
    for (int row = rebound::kCurveF1; row < rebound::kCurveFx; ++row)
        if (!ReadDecimal(in, 9, coefA[row]) || !ReadDecimal(in, 9, coefB[row]) ||
            !ReadDecimal(in, 9, coefC[row]))
            return;

    rebound::InstallBuiltInCurves(coefA, coefB, coefC, variantCode);
    instrumentCurve = rebound::CurveFromInstrumentCode(instrumentCurveCode);
    bool noLimits = (instrumentLowerLimit == 0 && instrumentUpperLimit == 99) ||
                    instrumentLowerLimit == instrumentUpperLimit;
    showLimits = noLimits ? 0 : 1;
    showMeanLine = 0;
    limitsInitial = conversionInitial = parametersInitial = reservedFlag = 1;
    instrumentMedian = useMedian = outlierMode == 4 ? 1 : 0;
    formFactor = instrumentFormFactor;
    timeFactor = instrumentTimeFactor;
    curve = instrumentCurve;
    unit = instrumentUnit;
    carbonationDepth = instrumentCarbonation;
    impactDirection = measuredDirection;
    lowerLimit = instrumentLowerLimit;
    upperLimit = instrumentUpperLimit;
    coefA[rebound::kCurveFx] = coefB[rebound::kCurveFx] = coefC[rebound::kCurveFx] = 0;

    // Every value takes at least two bytes: a count beyond that is a damaged header, not a
    // reason to allocate.
    if (n <= 0 || n > (in.Source().Size() - in.Source().Tell()) / 2 + 1 ||
        n > int32_t{TValueSeries::kMaxReadings})
        return;
    measuredValues.Init(static_cast<uint32_t>(n), u"R", kValueLowerLimit, 0);
    values.Init(static_cast<uint32_t>(n), u"R", kValueLowerLimit, 0);
    maxMeasured = 0;
    for (int i = 0; i < n; ++i) {
        int32_t v;
        if (!in.ReadInteger(v)) return;
        measuredValues.At(i) = v;
        values.At(i) = v;
        if (i == 0 || v > maxMeasured) maxMeasured = v;
    }

    dateParts.second = 0;
    SetDate(OleDate::FromParts(dateParts));
    TitleFromSeries();

    int delimiter = ReadInstrumentId(in, u"TH");
    if (delimiter == -1) return;
    if (delimiter != delim::kFileEnd && !ReadExtension(in)) return;

    ApplyDirectionCorrection();
    if (!SetupReadingsChart()) {
        measuredValues.Clear();
        values.Clear();
        return;
    }
    valid = true;
}

bool TTorvBars::ReadExtension(ObjectReader& in) {
    int32_t flags = 0;
    if (!ReadInts(in, {&curve, &unit, &carbonationDepth, &impactDirection, &lowerLimit, &upperLimit, &flags}))
        return false;
    showMeanLine = (flags & kFlagMeanLine) ? 1 : 0;
    showLimits = (flags & kFlagLimits) ? 1 : 0;
    limitsInitial = (flags & kFlagLimitsInitial) ? 1 : 0;
    conversionInitial = (flags & kFlagConversionInitial) ? 1 : 0;
    parametersInitial = (flags & kFlagParametersInitial) ? 1 : 0;
    reservedFlag = (flags & kFlagReserved) ? 1 : 0;
    useMedian = (flags & kFlagMedian) ? 1 : 0;
    const int fx = rebound::kCurveFx;
    if (!ReadDecimal(in, 5, formFactor) || !ReadDecimal(in, 5, timeFactor)) return false;
    if (!ReadDecimal(in, 9, coefA[fx]) || !ReadDecimal(in, 9, coefB[fx]) || !ReadDecimal(in, 9, coefC[fx]))
        return false;
    return ReadTexts(in);
}

bool TTorvBars::Write(ObjectWriter& out) {
    int n = values.Length();
    if (n <= 0 || n > kMaxValues || !InstrumentIdReadsBack()) return false;
    // A field that would read back as another value refuses the save: a negative int field,
    // a factor or coefficient with more places than its format or too wide for its field.
    if (!NoneNegative({variantCode, auxCode, measuredDirection, outlierMode, instrumentCurveCode,
                       instrumentLowerLimit, instrumentUpperLimit, instrumentCarbonation, instrumentUnit,
                       curve, unit, carbonationDepth, impactDirection, lowerLimit, upperLimit}))
        return false;
    for (double factor : {instrumentFormFactor, instrumentTimeFactor, formFactor, timeFactor})
        if (!DecimalReadsBack("%0.2f", factor, 5)) return false;
    for (int row = rebound::kCurveF1; row <= rebound::kCurveFx; ++row)
        if (!DecimalReadsBack("%0.4f", coefA[row], 9) || !DecimalReadsBack("%0.2f", coefB[row], 9) ||
            !DecimalReadsBack("%0.1f", coefC[row], 9))
            return false;
    WriteSeriesHead(out, kHead);
    WriteInts(out, {variantCode, auxCode, n, measuredDirection, outlierMode, instrumentCurveCode,
                    instrumentLowerLimit, instrumentUpperLimit, instrumentCarbonation});
    WriteFormatted(out, "%0.2f", instrumentFormFactor, delim::kTab);
    WriteFormatted(out, "%0.2f", instrumentTimeFactor, delim::kTab);
    out.WriteInteger(instrumentUnit, delim::kLf, true);
    auto writeRow = [&](int row) {
        WriteFormatted(out, "%0.4f", coefA[row], delim::kTab);
        WriteFormatted(out, "%0.2f", coefB[row], delim::kTab);
        WriteFormatted(out, "%0.1f", coefC[row], delim::kLf);
    };
    for (int row = rebound::kCurveF1; row < rebound::kCurveFx; ++row) writeRow(row);
    // The file keeps the values as measured; edits of the evaluated series are not written.
    for (int i = 0; i < n; ++i)
        out.WriteInteger(measuredValues.Get(i), i + 1 < n ? delim::kLf : delim::kFileEnd);
    WriteInstrumentId(out);
    out.WriteByte('\n');
    int32_t flags = (showMeanLine ? kFlagMeanLine : 0) | (showLimits ? kFlagLimits : 0) |
                    (limitsInitial ? kFlagLimitsInitial : 0) |
                    (conversionInitial ? kFlagConversionInitial : 0) |
                    (parametersInitial ? kFlagParametersInitial : 0) | (reservedFlag ? kFlagReserved : 0) |
                    (useMedian ? kFlagMedian : 0);
    WriteInts(out, {curve, unit, carbonationDepth, impactDirection, lowerLimit, upperLimit, flags});
    WriteFormatted(out, "%0.2f", formFactor, delim::kTab);
    WriteFormatted(out, "%0.2f", timeFactor, delim::kTab);
    writeRow(rebound::kCurveFx);
    WriteTexts(out);
    return true;
}

void TTorvBars::ApplyDirectionCorrection() {
    int n = measuredValues.Length();
    for (int i = 0; i < n; ++i)
        values.At(i) = rebound::CorrectDirection(measuredValues.Get(i), measuredDirection, impactDirection);
}

double TTorvBars::MeanRebound() const {
    if (values.Length() == 0) return 0.0;
    if (useMedian) return rebound::SeriesMedian(values.Values());
    return values.Mean();
}

double TTorvBars::CarbonationFactor() const {
    return rebound::CarbonationFactor(MeanRebound(), carbonationDepth);
}

rebound::CurveCoefficients TTorvBars::Coefficients(int index) const {
    if (index < 0 || index >= rebound::kCurveCount) return {};
    return {coefA[index], coefB[index], coefC[index]};
}

double TTorvBars::CompressiveStrength() const {
    double r = MeanRebound();
    double base = rebound::CurveStrength(Coefficients(curve), curve, r);
    return CarbonationFactor() * timeFactor * formFactor * base;
}

void TTorvBars::Describe(Json& out) const {
    TBasicObj::Describe(out);
    auto coefficients = [](const rebound::CoefficientRow& row) {
        Json a = Json::Array();
        for (double v : row) a.Push(Json::Number(v));
        return a;
    };
    out.Set("series_name", Json::Text(seriesName));
    out.Set("variant_code", Json::Int(variantCode));
    out.Set("aux_code", Json::Int(auxCode));
    out.Set("measured_direction", Json::Int(measuredDirection));
    out.Set("outlier_mode", Json::Int(outlierMode));
    out.Set("instrument_curve_code", Json::Int(instrumentCurveCode));
    out.Set("instrument_lower_limit", Json::Int(instrumentLowerLimit));
    out.Set("instrument_upper_limit", Json::Int(instrumentUpperLimit));
    out.Set("instrument_curve", Json::Int(instrumentCurve));
    out.Set("instrument_form_factor", Json::Number(instrumentFormFactor));
    out.Set("instrument_time_factor", Json::Number(instrumentTimeFactor));
    out.Set("instrument_carbonation", Json::Int(instrumentCarbonation));
    out.Set("instrument_unit", Json::Int(instrumentUnit));
    out.Set("impact_direction", Json::Int(impactDirection));
    out.Set("lower_limit", Json::Int(lowerLimit));
    out.Set("upper_limit", Json::Int(upperLimit));
    out.Set("curve", Json::Int(curve));
    out.Set("curve_name", Json::Text(CurveName(curve)));
    out.Set("form_factor", Json::Number(formFactor));
    out.Set("time_factor", Json::Number(timeFactor));
    out.Set("carbonation_depth", Json::Int(carbonationDepth));
    out.Set("unit_index", Json::Int(unit));
    out.Set("instrument_median", Json::Int(instrumentMedian));
    out.Set("coef_a", coefficients(coefA));
    out.Set("coef_b", coefficients(coefB));
    out.Set("coef_c", coefficients(coefC));
    DescribeLimits(out);
    out.Set("conversion_initial", Json::Bool(conversionInitial != 0));
    out.Set("parameters_initial", Json::Bool(parametersInitial != 0));
    out.Set("reserved_flag", Json::Bool(reservedFlag != 0));
    out.Set("use_median", Json::Bool(useMedian != 0));
    out.Set("measured_values", Json::IntArray(measuredValues.Values()));
    out.Set("values", Json::IntArray(values.Values()));
    out.Set("max_measured", Json::Int(maxMeasured));
    out.Set("mean_rebound", Json::Number(MeanRebound()));
    if (curve > 0) {
        double fc = CompressiveStrength();
        rebound::StrengthDisplay shown = rebound::FormatStrength(fc, MeanRebound(), unit);
        out.Set("compressive_strength", Json::Number(fc));
        out.Set("strength_text", shown.row ? Json::Text(shown.value) : Json::Null());
        out.Set("strength_unit", Json::Text(shown.unit));
        // The number the statistics block shows, in its unit (null when it shows none).
        out.Set("strength",
                shown.unit.empty() ? Json::Null() : Json::Number(rebound::StrengthInUnit(fc, unit)));
    }
}

} // namespace vordalis
