#include "rebound/TTorvChina.h"

#include "model/Strings.h"

#include <climits>

namespace vordalis {
namespace {

constexpr const char* kHead2001 = "TORVCHINA";
constexpr const char* kHead2011 = "TORVCHINA*";
// Bits of the extension's flag word.
constexpr int32_t kFlagMeanLine = 0x01, kFlagLimits = 0x02, kFlagPump = 0x04, kFlagLimitsInitial = 0x08,
                  kFlagConversionInitial = 0x10, kFlagParametersInitial = 0x20, kFlagGeneralInitial = 0x40;

} // namespace

TTorvChina::TTorvChina(ByteSource& file) {
    type = kTypeReboundChina;
    file.Seek(0);
    ObjectReader in(file);
    Read(in);
}

std::unique_ptr<TBasicObj> TTorvChina::Create(ByteSource& file, bool) {
    auto obj = std::make_unique<TTorvChina>(file);
    if (!obj->valid) return nullptr;
    return obj;
}

void TTorvChina::Read(ObjectReader& in) {
    valid = false;
    std::u16string token;
    if (in.ReadToken(token, 14) == 0) return;
    is2011 = token == u"TORVCHINA*" ? 1 : 0;
    DateParts dateParts{};
    if (!ReadSeriesHead(in, dateParts)) return;
    int32_t n = 0;
    if (!ReadInts(in, {&auxCode1, &auxCode2, &n, &instrumentAngle, &instrumentLowerLimit,
                       &instrumentUpperLimit, &instrumentSurface, &instrumentConversion}))
        return;
    if (!ReadDecimal(in, 4, instrumentCarbonation) || !in.ReadInteger(instrumentPump)) return;
    if (!ReadDecimal(in, 9, instrumentGeneralA) || !ReadDecimal(in, 9, instrumentGeneralB) ||
        !ReadDecimal(in, 9, instrumentGeneralC))
        return;
    if (!ReadInts(in, {&instrumentReadings, &instrumentDropped})) return;

    // A count beyond what any instrument stores is a damaged header, not a reason to allocate.
    if (n <= 0 || n > kMaxValues) return;
    values.Init(static_cast<uint32_t>(n), u"R", kValueLowerLimit, 0);
    int flagged = 0;
    maxMeasured = 0;
    for (int i = 0; i < n; ++i) {
        int32_t v;
        if (!in.ReadInteger(v)) return;
        if (v > kFlagOffset) {
            v -= kFlagOffset;
            ++flagged;
        }
        values.At(i) = v;
        if (i == 0 || v > maxMeasured) maxMeasured = v;
    }

    angle = instrumentAngle;
    lowerLimit = instrumentLowerLimit;
    upperLimit = instrumentUpperLimit;
    surface = instrumentSurface;
    conversion = instrumentConversion;
    carbonationDepth = instrumentCarbonation;
    pumpConcrete = instrumentPump ? 1 : 0;
    generalA = instrumentGeneralA;
    generalB = instrumentGeneralB;
    generalC = instrumentGeneralC;
    readings = instrumentReadings;
    dropped = instrumentDropped;
    showMeanLine = showLimits = 0;
    limitsInitial = conversionInitial = parametersInitial = generalInitial = 1;

    dateParts.second = 0;
    SetDate(OleDate::FromParts(dateParts));
    TitleFromSeries();

    // The 2011 edition drops the highest and lowest readings: three at each end with the table,
    // half of the flagged ones at each end with the general conversion.
    if (is2011) values.SetOutlierCount(conversion == kConversionGeneral ? flagged / 2 : kTableOutliers);

    int delimiter = ReadInstrumentId(in, u"TH");
    if (delimiter == -1) return;
    // An instrument file ends with the id token (0x1A, or the file's end): no extension.
    if (delimiter != delim::kFileEnd && delimiter != delim::kNone && !ReadExtension(in)) return;

    if (!SetupReadingsChart()) {
        values.Clear();
        return;
    }
    valid = true;
}

bool TTorvChina::ReadExtension(ObjectReader& in) {
    int32_t flags = 0;
    if (!ReadInts(in, {&angle, &conversion, &surface, &lowerLimit, &upperLimit, &readings, &dropped}))
        return false;
    if (!ReadDecimal(in, 4, carbonationDepth)) return false;
    if (!ReadDecimal(in, 9, generalA) || !ReadDecimal(in, 9, generalB) || !ReadDecimal(in, 9, generalC))
        return false;
    if (!in.ReadInteger(flags)) return false;
    showMeanLine = (flags & kFlagMeanLine) ? 1 : 0;
    showLimits = (flags & kFlagLimits) ? 1 : 0;
    pumpConcrete = (flags & kFlagPump) ? 1 : 0;
    limitsInitial = (flags & kFlagLimitsInitial) ? 1 : 0;
    conversionInitial = (flags & kFlagConversionInitial) ? 1 : 0;
    parametersInitial = (flags & kFlagParametersInitial) ? 1 : 0;
    generalInitial = (flags & kFlagGeneralInitial) ? 1 : 0;
    return ReadTexts(in);
}

bool TTorvChina::Write(ObjectWriter& out) {
    int n = values.Length();
    if (n <= 0 || n > kMaxValues || !InstrumentIdReadsBack()) return false;
    // A field that would read back as another value refuses the save: a negative int field,
    // a depth or coefficient with more places than its format or too wide for its field.
    if (!NoneNegative({auxCode1, auxCode2, instrumentAngle, instrumentLowerLimit, instrumentUpperLimit,
                       instrumentSurface, instrumentConversion, instrumentReadings, instrumentDropped, angle,
                       conversion, surface, lowerLimit, upperLimit, readings, dropped}))
        return false;
    for (double depth : {instrumentCarbonation, carbonationDepth})
        if (!DecimalReadsBack("%0.1f", depth, 4)) return false;
    for (double c :
         {instrumentGeneralA, instrumentGeneralB, instrumentGeneralC, generalA, generalB, generalC})
        if (!DecimalReadsBack("%0.5f", c, 9)) return false;
    WriteSeriesHead(out, is2011 ? kHead2011 : kHead2001);
    WriteInts(out, {auxCode1, auxCode2, n, instrumentAngle, instrumentLowerLimit, instrumentUpperLimit,
                    instrumentSurface, instrumentConversion});
    WriteFormatted(out, "%0.1f", instrumentCarbonation, delim::kTab);
    out.WriteInteger(instrumentPump ? 1 : 0, delim::kTab);
    for (double v : {instrumentGeneralA, instrumentGeneralB, instrumentGeneralC})
        WriteFormatted(out, "%0.5f", v, delim::kTab);
    out.WriteInteger(instrumentReadings, delim::kTab, true);
    out.WriteInteger(instrumentDropped, delim::kLf, true);
    values.Count(); // brings the outlier marks up to date
    // An excluded reading is written with 128 added, and a value above 128 reads as excluded:
    // a reading that would not read back as itself refuses the save.
    for (int i = 0; i < n; ++i) {
        const int32_t v = values.Get(i);
        if (is2011 && values.IsExcluded(i) ? v <= 0 || v > INT32_MAX - kFlagOffset : v > kFlagOffset)
            return false;
    }
    for (int i = 0; i < n; ++i) {
        int32_t v = values.Get(i);
        if (is2011 && values.IsExcluded(i)) v += kFlagOffset;
        out.WriteInteger(v, i + 1 < n ? delim::kLf : delim::kFileEnd);
    }
    WriteInstrumentId(out);
    WriteInts(out, {angle, conversion, surface, lowerLimit, upperLimit, readings, dropped});
    WriteFormatted(out, "%0.1f", carbonationDepth, delim::kTab);
    for (double v : {generalA, generalB, generalC}) WriteFormatted(out, "%0.5f", v, delim::kTab);
    int32_t flags =
        (showMeanLine ? kFlagMeanLine : 0) | (showLimits ? kFlagLimits : 0) | (pumpConcrete ? kFlagPump : 0) |
        (limitsInitial ? kFlagLimitsInitial : 0) | (conversionInitial ? kFlagConversionInitial : 0) |
        (parametersInitial ? kFlagParametersInitial : 0) | (generalInitial ? kFlagGeneralInitial : 0);
    out.WriteInteger(flags, delim::kLf, true);
    WriteTexts(out);
    return true;
}

ChinaParameters TTorvChina::Parameters() const {
    ChinaParameters p;
    p.angle = angle;
    p.surface = surface;
    p.conversion = conversion;
    p.carbonationDepth = carbonationDepth;
    p.generalA = generalA;
    p.generalB = generalB;
    p.generalC = generalC;
    p.pumpConcrete = pumpConcrete != 0;
    p.is2011 = is2011 != 0;
    return p;
}

ChinaResult TTorvChina::EvaluateChina() const {
    return vordalis::EvaluateChina(values.Mean(), Parameters());
}

void TTorvChina::GeneralCounts(int& n, int& m) const {
    if (!is2011) {
        n = readings;
        m = dropped;
        return;
    }
    int high = 0;
    values.Count();
    for (int i = 0; i < values.Length(); ++i)
        if (values.IsHighOutlier(i)) ++high;
    n = values.Count() + 2 * high;
    m = high;
}

bool TTorvChina::PositionGreyed(int position) const {
    values.Count();
    return values.IsExcluded(position - 1);
}

void TTorvChina::Describe(Json& out) const {
    TBasicObj::Describe(out);
    out.Set("is2011", Json::Bool(is2011 != 0));
    out.Set("series_name", Json::Text(seriesName));
    out.Set("aux_code1", Json::Int(auxCode1));
    out.Set("aux_code2", Json::Int(auxCode2));
    out.Set("instrument_angle", Json::Int(instrumentAngle));
    out.Set("instrument_lower_limit", Json::Int(instrumentLowerLimit));
    out.Set("instrument_upper_limit", Json::Int(instrumentUpperLimit));
    out.Set("instrument_surface", Json::Int(instrumentSurface));
    out.Set("instrument_conversion", Json::Int(instrumentConversion));
    out.Set("instrument_carbonation", Json::Number(instrumentCarbonation));
    out.Set("instrument_pump", Json::Bool(instrumentPump != 0));
    out.Set("instrument_general_a", Json::Number(instrumentGeneralA));
    out.Set("instrument_general_b", Json::Number(instrumentGeneralB));
    out.Set("instrument_general_c", Json::Number(instrumentGeneralC));
    out.Set("instrument_readings", Json::Int(instrumentReadings));
    out.Set("instrument_dropped", Json::Int(instrumentDropped));
    out.Set("angle", Json::Int(angle));
    out.Set("lower_limit", Json::Int(lowerLimit));
    out.Set("upper_limit", Json::Int(upperLimit));
    out.Set("surface", Json::Int(surface));
    out.Set("conversion", Json::Int(conversion));
    out.Set("carbonation_depth", Json::Number(carbonationDepth));
    out.Set("general_a", Json::Number(generalA));
    out.Set("general_b", Json::Number(generalB));
    out.Set("general_c", Json::Number(generalC));
    out.Set("readings", Json::Int(readings));
    out.Set("dropped", Json::Int(dropped));
    DescribeLimits(out);
    out.Set("pump_concrete", Json::Bool(pumpConcrete != 0));
    out.Set("conversion_initial", Json::Bool(conversionInitial != 0));
    out.Set("parameters_initial", Json::Bool(parametersInitial != 0));
    out.Set("general_initial", Json::Bool(generalInitial != 0));
    out.Set("values", Json::IntArray(values.Values()));
    Json marked = Json::Array();
    values.Count();
    for (int i = 0; i < values.Length(); ++i)
        if (values.IsExcluded(i)) marked.Push(Json::Int(i));
    out.Set("outliers", marked);
    out.Set("max_measured", Json::Int(maxMeasured));
    int n = 0, m = 0;
    GeneralCounts(n, m);
    out.Set("general_readings_shown", Json::Int(n));
    out.Set("general_dropped_shown", Json::Int(m));
    ChinaResult r = EvaluateChina();
    bool any = values.Count() > 0;
    out.Set("rm", any ? Json::Number(r.rm) : Json::Null());
    out.Set("ra", any ? Json::Number(r.ra) : Json::Null());
    out.Set("rc", any ? Json::Number(r.rc) : Json::Null());
    out.Set("f1", any ? Json::Number(r.f1) : Json::Null());
    out.Set("f2", any ? Json::Number(r.f2) : Json::Null());
    out.Set("below_range", Json::Bool(r.belowRange));
    out.Set("above_range", Json::Bool(r.aboveRange));
    out.Set("f2_below_range", Json::Bool(r.f2BelowRange));
    out.Set("f2_above_range", Json::Bool(r.f2AboveRange));
    out.Set("strength_text_f1", Json::Text(ChinaStrengthText(r.f1, r.belowRange, r.aboveRange)));
    out.Set("strength_text_f2", Json::Text(ChinaStrengthText(r.f2, r.f2BelowRange, r.f2AboveRange)));
}

std::u16string ChinaAngleText(int angle) {
    static const char16_t* const kShort[] = {u"-90°", u"-60°", u"-45°", u"-30°", u"  0°",
                                             u"+30°", u"+45°", u"+60°", u"+90°"};
    return angle >= 1 && angle <= 9 ? kShort[angle - 1] : u"";
}

std::u16string ChinaAngleComboText(int angle) {
    static const char16_t* const kCombo[] = {u" - 90°", u" - 60°", u" - 45°", u" - 30°", u"     0°",
                                             u"+ 30°",  u"+ 45°",  u"+ 60°",  u"+ 90°"};
    return angle >= 1 && angle <= 9 ? kCombo[angle - 1] : u"";
}

std::u16string ChinaSurfaceText(int surface) {
    switch (surface) {
    case kSurfaceTop:
        return LoadString(Str::Top);
    case kSurfaceSide:
        return LoadString(Str::Side);
    case kSurfaceBottom:
        return LoadString(Str::Bottom);
    default:
        return u"";
    }
}

} // namespace vordalis
