#include "TestObject.h"
#include "model/DisplayOptions.h"

#include <gtest/gtest.h>

using namespace vordalis;
using vordalis::test::TestObject;

TEST(DisplayOptions, PackAndUnpack) {
    EXPECT_EQ(opts::PackOptions(opts::kNotStored | 0x3F), 0);
    EXPECT_EQ(opts::PackOptions(0x37FFF | 0x40000), 0x37FFF) << "bits 18+ dropped";
    EXPECT_EQ(opts::UnpackOptions(0), opts::kNotStored);
    EXPECT_EQ(opts::UnpackOptions(32768), 0) << "every section hidden, no default substituted";
    EXPECT_EQ(opts::UnpackOptions(1071), 1071);
    EXPECT_EQ(opts::UnpackOptions(200000), opts::kNotStored);
    EXPECT_EQ(opts::UnpackOptions(0x10000 | 0xF), 0x1000F);
    EXPECT_EQ(opts::ColourMode(opts::WithColourMode(0x8F, 3)), 3);
}

TEST(InstrumentId, Parse) {
    TestObject o;
    o.ParseInstrumentId(u"V5i(1234;A)");
    EXPECT_EQ(o.instrumentCode, u"V5");
    EXPECT_EQ(o.imperial, 1);
    EXPECT_EQ(o.idPart1, u"1234");
    EXPECT_EQ(o.idPart2, u"A");
    o.ParseInstrumentId(u"V4i(77)");
    EXPECT_EQ(o.instrumentCode, u"V4");
    EXPECT_EQ(o.imperial, 1) << "'i' after V4 still reads as imperial";
    EXPECT_EQ(o.idPart1, u"77");
    EXPECT_EQ(o.idPart2, u"");
    o.ParseInstrumentId(u"TH(12345678901234;x)");
    EXPECT_EQ(o.idPart1, u"1234567890") << "cut to 10";
    o.ParseInstrumentId(u"QQ(1;2)");
    EXPECT_EQ(o.instrumentCode, u"VX");
    EXPECT_EQ(o.idPart1, u"");
}

TEST(InstrumentId, ReadTokenVariants) {
    struct Case {
        const char* bytes;
        const char16_t* accepted;
        int result;
        int32_t options;
        const char16_t* code;
    } cases[] = {
        {"V5i(1234;A)1071\t", u"VX;V4;V5", 9, 1071, u"V5"},
        {"V4(1;2)-\r\n\x1A", u"VX;V4;V5", 13, opts::kNotStored, u"V4"},
        {"V4(1;2)0\t", u"VX;V4;V5", 9, opts::kNotStored, u"V4"},
        {"V4(1;2)32768\t", u"VX;V4;V5", 9, 0, u"V4"},
        {"V4(1;2)12x\t", u"VX;V4;V5", 9, opts::kNotStored, u"V4"},
        {"V4(1;2)1\xB1\t", u"VX;V4;V5", 9, opts::kNotStored, u"V4"},
        {"V4(1;2)250000\t", u"VX;V4;V5", 9, opts::kNotStored, u"V4"},
        {"TH(9)15\t", u"VX;V4;V5", -1, opts::kNotStored, u"VX"},
        {"TH(9)15\t", u"*", 9, 15, u"TH"},
        {"1071\t", u"VX;V4;V5", 9, 1071, u"VX"},
        {"-\t", u"VX;V4;V5", 9, opts::kNotStored, u"VX"},
        {"V5123\t", u"VX;V4;V5", 9, 123, u"V5"},
        // The view's value-change bit is never an option of a file.
        {"V4(1;2)65583\t", u"VX;V4;V5", 9, 47, u"V4"},
        {"V4(1;2)-1\t", u"VX;V4;V5", 9, 0x27FFF, u"V4"},
    };
    for (const auto& c : cases) {
        MemorySource src(c.bytes);
        ObjectReader in(src);
        TestObject o;
        o.options = 0x1234;
        EXPECT_EQ(o.ReadInstrumentId(in, c.accepted), c.result) << c.bytes;
        if (c.result >= 0) {
            EXPECT_EQ(o.options, c.options) << c.bytes;
            EXPECT_EQ(o.instrumentCode, c.code) << c.bytes;
        }
    }
}

TEST(InstrumentId, WriteOnlyMarksImperialAfterV5) {
    TestObject o;
    o.instrumentCode = u"V5";
    o.imperial = 1;
    o.idPart1 = u"1234";
    o.idPart2 = u"A";
    o.options = 1071;
    ObjectWriter w;
    o.WriteInstrumentId(w);
    EXPECT_EQ(w.Bytes(), "V5i(1234;A)1071\t");
    o.instrumentCode = u"V4";
    o.options = opts::kNotStored;
    ObjectWriter w2;
    o.WriteInstrumentId(w2);
    EXPECT_EQ(w2.Bytes(), "V4(1234;A)-\t");
    // Imperial after another code would be written without its mark and read back as metric.
    EXPECT_FALSE(o.InstrumentIdReadsBack());
    o.imperial = 0;
    EXPECT_TRUE(o.InstrumentIdReadsBack());
}

// Every options word a file can give is written so that it reads back as itself.
TEST(InstrumentId, OptionsReadBackAsWritten) {
    for (int32_t word : {opts::kNotStored, 0, 1071, 0x27FFF, opts::kBit17}) {
        TestObject o;
        o.options = word;
        ObjectWriter w;
        o.WriteInstrumentId(w);
        MemorySource src(w.Bytes());
        ObjectReader in(src);
        TestObject back;
        EXPECT_EQ(back.ReadInstrumentId(in, u"VX;V4;V5"), 9);
        EXPECT_EQ(back.options, word) << w.Bytes();
    }
}

// A quote inside an id turns the rest of its token into quoted text, spaces included; the id
// is written so that it reads back as itself, and an instrument's id is written as before.
TEST(InstrumentId, QuotedIdsReadBackAsThemselves) {
    struct Case {
        const char* bytes;
        const char16_t* part1;
        const char16_t* part2;
        const char* written;
    } cases[] = {
        {"TH(4011\"WALL SOUTH2;0731)25663\t", u"4011WALL S", u"0731", "\"TH(4011WALL S;0731)25663\"\t"},
        {"TH(a\"b\"c;d)7\t", u"ab\"c", u"d", "\"TH(ab\"c;d)7\"\t"},
        {"TH(4011;0731)25663\t", u"4011", u"0731", "TH(4011;0731)25663\t"},
    };
    for (const auto& c : cases) {
        MemorySource src(c.bytes);
        ObjectReader in(src);
        TestObject o;
        ASSERT_EQ(o.ReadInstrumentId(in, u"*"), 9) << c.bytes;
        EXPECT_EQ(o.idPart1, c.part1) << c.bytes;
        EXPECT_EQ(o.idPart2, c.part2) << c.bytes;
        ObjectWriter w;
        o.WriteInstrumentId(w);
        EXPECT_EQ(w.Bytes(), c.written);
        MemorySource again(w.Bytes());
        ObjectReader in2(again);
        TestObject back;
        ASSERT_EQ(back.ReadInstrumentId(in2, u"*"), 9) << w.Bytes();
        EXPECT_EQ(back.idPart1, o.idPart1) << w.Bytes();
        EXPECT_EQ(back.idPart2, o.idPart2) << w.Bytes();
        EXPECT_EQ(back.options, o.options) << w.Bytes();
    }
}

TEST(Trailer, RoundTripWithWideTexts) {
    TestObject o;
    o.series.Init(3, u"mm", 0, 0);
    o.series.At(0) = 10;
    o.series.At(2) = 30;
    o.SetName(u"\u5F20\u4E09");
    o.SetTitle(u"Br\u00FCcke Nord");
    o.SetRemarks(u"remark");
    o.date = OleDate::FromParts({2024, 2, 29, 13, 5, 0});
    o.options = 0x10F;
    ObjectWriter w;
    ASSERT_TRUE(o.Write(w));
    EXPECT_NE(w.Bytes().find("\"Update Vordalis!\"\r\n\"Br\xFC"
                             "cke Nord\""),
              std::string::npos);
    EXPECT_NE(w.Bytes().find("29\t2\t2024\r\n"), std::string::npos);

    MemorySource src(w.Bytes());
    TestObject back(src);
    ASSERT_TRUE(back.valid);
    EXPECT_EQ(back.name, o.name);
    EXPECT_EQ(back.title, o.title);
    EXPECT_EQ(back.remarks, o.remarks);
    EXPECT_EQ(back.options, 0x10F);
    EXPECT_EQ(back.date.Iso(), "2024-02-29T00:00:00") << "the trailer keeps the day only";
    EXPECT_EQ(back.series.Values(), o.series.Values());
}

// A control character (which the wide block can carry) would end a quoted token and shift
// every text after it; such a text goes into the wide block. Quotes and spaces stay quoted.
TEST(Trailer, EveryTextReadsBackAsItself) {
    const std::u16string texts[] = {u"\u0005", u"a\tb", u"line\r\nnext",      u"\"quoted\"", u"  x ",
                                    u"\"",     u"",     u"\u00FF\u0020\u00E4"};
    for (const auto& text : texts) {
        TestObject o;
        o.series.Init(1, u"mm", 0, 0);
        o.SetName(text);
        o.SetTitle(u"title " + text);
        o.SetRemarks(text + u" remarks");
        ObjectWriter w;
        ASSERT_TRUE(o.Write(w));
        MemorySource src(w.Bytes());
        TestObject back(src);
        ASSERT_TRUE(back.valid) << w.Bytes();
        EXPECT_EQ(back.name, o.name) << w.Bytes();
        EXPECT_EQ(back.title, o.title) << w.Bytes();
        EXPECT_EQ(back.remarks, o.remarks) << w.Bytes();
    }
}

TEST(Trailer, RemarksPlaceholderAndImpossibleDate) {
    TestObject o;
    o.series.Init(1, u"mm", 0, 0);
    o.SetRemarks(u"\u0416");
    o.date.valid = false;
    ObjectWriter w;
    o.Write(w);
    EXPECT_NE(w.Bytes().find("-1\t-1\t-1\r\n"), std::string::npos);
    EXPECT_NE(w.Bytes().find("\"<Update Vordalis to see this remarks!>\"\t200001"), std::string::npos);

    MemorySource src("0\t-\t31\t2\t2020\r\n\"n\"\r\n\"t\"\r\n\"r\"\r\n\x1A");
    TestObject back(src);
    ASSERT_TRUE(back.valid);
    EXPECT_FALSE(back.date.valid) << "31 February";
    EXPECT_EQ(back.title, u"t");
}

TEST(Trailer, TextsOfFullFieldLengthReadBackWhole) {
    // Quoted texts one short of and exactly at their field's length, written and read back:
    // no closing quote may stay in a text, and no field after it may be lost.
    for (size_t cut : {1u, 0u}) {
        TestObject o;
        o.series.Init(1, u"mm", 0, 0);
        o.SetName(std::u16string(TBasicObj::kNameLength - cut, u'n'));
        o.SetTitle(std::u16string(TBasicObj::kTitleLength - cut, u't'));
        o.SetRemarks(std::u16string(TBasicObj::kRemarksLength - cut, u'r'));
        ObjectWriter w;
        ASSERT_TRUE(o.Write(w));
        MemorySource src(w.Bytes());
        TestObject back(src);
        ASSERT_TRUE(back.valid);
        EXPECT_EQ(back.name, o.name) << cut;
        EXPECT_EQ(back.title, o.title) << cut;
        EXPECT_EQ(back.remarks, o.remarks) << cut;
    }
    // A longer text from elsewhere is cut to its field; the texts after it are still read.
    MemorySource src("0\t-\t1\t2\t2020\r\n\"A name far longer than twenty\"\r\n\"t\"\r\n\"r\"\r\n\x1A");
    TestObject back(src);
    ASSERT_TRUE(back.valid);
    EXPECT_EQ(back.name, u"A name far longer th");
    EXPECT_EQ(back.title, u"t");
    EXPECT_EQ(back.remarks, u"r");
}

TEST(ObjectBase, TextsAreCut) {
    TestObject o;
    o.SetTitle(std::u16string(30, u'x'));
    o.SetRemarks(std::u16string(90, u'y'));
    o.SetName(std::u16string(21, u'z'));
    EXPECT_EQ(o.title.size(), 20u);
    EXPECT_EQ(o.remarks.size(), 80u);
    EXPECT_EQ(o.name.size(), 20u);
    EXPECT_EQ(o.options, opts::kNotStored);
    EXPECT_FALSE(o.valid);
}

TEST(OleDateTest, ValueAndBreakdown) {
    OleDate d = OleDate::FromParts({1899, 12, 31, 12, 0, 0});
    EXPECT_TRUE(d.valid);
    EXPECT_DOUBLE_EQ(d.value, 1.5);
    EXPECT_EQ(OleDate::FromParts({2000, 1, 1, 0, 0, 0}).value, 36526.0);
    EXPECT_EQ(OleDate::FromParts({2023, 6, 15, 8, 30, 15}).Iso(), "2023-06-15T08:30:15");
    EXPECT_FALSE(OleDate::FromParts({2023, 2, 29, 0, 0, 0}).valid);
    EXPECT_FALSE(OleDate::FromParts({1900, 2, 29, 0, 0, 0}).valid);
    EXPECT_TRUE(OleDate::FromParts({2000, 2, 29, 0, 0, 0}).valid);
    EXPECT_EQ(OleDate{}.Iso(), "");
    EXPECT_TRUE(OleDate::Now().valid);
}
