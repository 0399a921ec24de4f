#pragma once
// The abstract measurement object: one object file in memory. It reads itself in its
// constructor, writes itself back, paints itself through its chart painter and answers the
// view's hit tests through the slots below.
#include "model/Codec.h"
#include "model/DisplayOptions.h"
#include "model/EditFlags.h"
#include "model/Json.h"
#include "model/ObjectType.h"
#include "model/OleDate.h"

#include <cstdint>
#include <string>

namespace vordalis {

class Canvas; // drawing target, see viewer/plot
class TValueSeries;

struct Extent {
    int cx = 0;
    int cy = 0;
};

// Categories select the per-category display defaults "Mode0".."Mode3".
enum ObjectCategory : int32_t {
    kCategoryList = 0,
    kCategoryBars = 1,
    kCategoryRaster = 2,
    kCategoryRebound = 3
};

class TBasicObj {
public:
    static constexpr size_t kTitleLength = 20;
    static constexpr size_t kRemarksLength = 80;
    static constexpr size_t kNameLength = 20;
    static constexpr size_t kCodeLength = 2;
    static constexpr size_t kIdPart1Length = 10;
    static constexpr size_t kIdPart2Length = 20;
    // Region numbers HitRegion reports for the fixed blocks of a page.
    static constexpr int kRegionHeader = 0;
    static constexpr int kRegionLimits = 1;
    static constexpr int kRegionSettings = 2;

    TBasicObj();
    virtual ~TBasicObj() = default;
    // The object number printed with a printf format ("%06ld").
    std::u16string NumberFigures(const char* format) const;
    TBasicObj(const TBasicObj&) = delete;
    TBasicObj& operator=(const TBasicObj&) = delete;

    // --- the 24 slots the view and the document use ---
    virtual void SetOptions(int32_t opts) { options = opts; }
    // Serialises the whole object file. False when the object refuses to write itself
    // (nothing has been appended then).
    virtual bool Write(ObjectWriter& out) = 0;
    virtual void Draw(Canvas& dc) = 0;
    virtual void PrintPage(Canvas& dc, int page) = 0;
    virtual void DrawCopy(Canvas& dc) = 0;
    virtual Extent GetExtent() = 0;
    virtual int GetPageCount(Canvas& dc) = 0;
    virtual Extent GetCopySize() = 0;
    virtual bool GetLimits(int32_t* limit, int32_t* second, int32_t* lower, int32_t* upper);
    virtual bool GetDefaultLimits(int32_t* limit, int32_t* second, int32_t* lower, int32_t* upper);
    virtual void SetLimits(int32_t limit, int32_t second, int32_t lower, int32_t upper);
    virtual double GetMinValue() { return 1.0; }
    virtual double GetMaxValue() { return 999.0; }
    virtual int GetEditFlags() = 0; // edit::k… bits
    virtual double HitX(int x, int y);
    virtual double RowX(int row);
    virtual double HitY(int x, int y);
    virtual double RowY(int row);
    virtual double HitValue(int x, int y);
    virtual double RowValue(int row);
    virtual bool SetValueAt(double x, double y, double value);
    virtual bool SetValueByIndex(int index, double value);
    virtual int HitRegion(int x, int y, int* row);

    // --- description for the command-line tool ---
    // The series whose statistics describe the object (null when it has none).
    virtual const TValueSeries* MainSeries() const { return nullptr; }
    // Adds the object's own fields (snake_case keys) to the common ones.
    virtual void Describe(Json& out) const;
    // The title an object just loaded from an instrument gets: its number in six figures.
    virtual std::u16string LoadedTitle() const;

    // --- fields every object has ---
    void SetTitle(const std::u16string& t) { title = Cut(t, kTitleLength); }
    void SetRemarks(const std::u16string& t) { remarks = Cut(t, kRemarksLength); }
    void SetName(const std::u16string& t) { name = Cut(t, kNameLength); }
    void SetDate(const OleDate& d) { date = d; }
    const OleDate& GetDate() const { return date; }
    int32_t Options() const { return options; }

    // The instrument-id token: code, "i" for imperial, bracketed id parts, packed options.
    void ParseInstrumentId(const std::u16string& text);
    // Returns the delimiter after the token, or -1 when the code is not in acceptedCodes.
    int ReadInstrumentId(ObjectReader& in, const std::u16string& acceptedCodes);
    void WriteInstrumentId(ObjectWriter& out) const;
    // Whether the token WriteInstrumentId writes reads back as this object's: only the code
    // V5 carries the imperial mark, so another code with imperial set refuses the save.
    bool InstrumentIdReadsBack() const { return imperial == 0 || instrumentCode == u"V5"; }
    // Date, name, title and remarks at the end of the cover-meter files. These files keep the
    // day only, so a cover object dates from today at 00:00 until its trailer says otherwise
    // (an instrument's file has none): saved and read again, it keeps that date.
    void ReadCommonTrailer(ObjectReader& in);
    void WriteCommonTrailer(ObjectWriter& out, delim::Delimiter finalDelimiter) const;
    // Day, month, year with delimiters 9, 9, 10 (each -1 when the date is invalid).
    void WriteDateDMY(ObjectWriter& out) const;

    int32_t objectNumber = 0;
    std::u16string title;
    std::u16string remarks;
    std::u16string name;
    std::u16string instrumentCode = u"VX";
    std::u16string idPart1;
    std::u16string idPart2;
    OleDate date;
    int32_t options = opts::kNotStored;
    int32_t category = kCategoryList;
    bool valid = false;
    int32_t type = kTypeNone;
    int32_t imperial = 0;
    bool mmScale = false;
};

} // namespace vordalis
