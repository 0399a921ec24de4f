#pragma once
// A minimal concrete measurement object: a list of integers followed by the instrument id
// and the common trailer. It exercises the base class the way the real objects do.
#include "model/TBasicObj.h"
#include "model/TValueSeries.h"

namespace vordalis::test {

class TestObject : public TBasicObj {
public:
    TestObject() = default;
    explicit TestObject(ByteSource& file) {
        ObjectReader in(file);
        int32_t n;
        if (!in.ReadInteger(n) || n < 0 || n > 100) return;
        series.Init(n ? n : 1, u"mm", 0, 0);
        for (int i = 0; i < n; ++i)
            if (!in.ReadInteger(series.At(i))) return;
        if (ReadInstrumentId(in, u"VX;V4;V5") < 0) return;
        ReadCommonTrailer(in);
        valid = true;
    }
    bool Write(ObjectWriter& out) override {
        if (refuse) return false;
        out.WriteInteger(series.Length(), delim::kLf);
        for (int32_t v : series.Values()) out.WriteInteger(v, delim::kTab);
        WriteInstrumentId(out);
        // The trailing object number makes the recogniser take the file as type 2.
        WriteCommonTrailer(out, delim::kTab);
        out.WriteText("200001", delim::kNone);
        return true;
    }
    void Draw(Canvas&) override {}
    void PrintPage(Canvas&, int) override {}
    void DrawCopy(Canvas&) override {}
    Extent GetExtent() override { return {}; }
    int GetPageCount(Canvas&) override { return 1; }
    Extent GetCopySize() override { return {}; }
    int GetEditFlags() override { return edit::kListFlags; }
    const TValueSeries* MainSeries() const override { return &series; }

    TValueSeries series;
    bool refuse = false;
};

} // namespace vordalis::test
