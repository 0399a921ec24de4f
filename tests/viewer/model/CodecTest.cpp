#include "model/Codec.h"
#include "text/Utf16.h"

#include <gtest/gtest.h>

using namespace vordalis;

namespace {
struct Reader {
    explicit Reader(std::string bytes) : src(std::move(bytes)), in(src) {}
    MemorySource src;
    ObjectReader in;
};
} // namespace

TEST(Codec, ReadTokenQuotesDelimitersAndSkipping) {
    Reader r(std::string("  \"a b\"\t") + "\"abc\r" + "\r\n\x06  plain next");
    std::u16string t;
    EXPECT_EQ(r.in.ReadToken(t, 79), 3u);
    EXPECT_EQ(t, u"a b");
    EXPECT_EQ(r.in.LastDelimiter(), 9);
    EXPECT_EQ(r.in.ReadToken(t, 79), 3u);
    EXPECT_EQ(t, u"abc");
    EXPECT_EQ(r.in.LastDelimiter(), 13);
    r.in.ReadToken(t, 79);
    EXPECT_EQ(t, u"plain");
    EXPECT_EQ(r.in.LastDelimiter(), ' ');
    r.in.ReadToken(t, 79);
    EXPECT_EQ(t, u"next");
    EXPECT_EQ(r.in.LastDelimiter(), 0) << "end of file";
    EXPECT_EQ(r.in.ReadToken(t, 79), 0u);
}

TEST(Codec, OverlongTokenIsCutWithDelimiterZero) {
    Reader r("abcdefgh\t");
    std::u16string t;
    EXPECT_EQ(r.in.ReadToken(t, 5), 4u);
    EXPECT_EQ(t, u"abcd");
    EXPECT_EQ(r.in.LastDelimiter(), 0);
}

TEST(Codec, HighBytesBecomeLatin1Characters) {
    Reader r("\"M\xFC"
             "ller\"\r\n");
    std::u16string t;
    r.in.ReadToken(t, 79);
    EXPECT_EQ(t, u"M\u00FCller");
}

TEST(Codec, ReadIntegerTable) {
    struct Case {
        const char* bytes;
        bool ok;
        int32_t value;
    } cases[] = {
        {"12,5\t", true, 125}, {"1.234\t", true, 1234},
        {"-\t", true, 0},      {"-1\t", true, -1},
        {"1a\t", false, 0},    {"a1\t", false, 0},
        {"\r\n", false, 0},    {"99999999999\t", true, INT32_MAX},
    };
    for (const auto& c : cases) {
        Reader r(c.bytes);
        int32_t v = 777;
        EXPECT_EQ(r.in.ReadInteger(v), c.ok) << c.bytes;
        if (c.ok) {
            EXPECT_EQ(v, c.value) << c.bytes;
        }
    }
}

TEST(Codec, DelimiterSequences) {
    ObjectWriter w;
    w.WriteInteger(1, delim::kNone);
    w.WriteInteger(2, delim::kBlockEnd);
    w.WriteInteger(3, delim::kLf);
    w.WriteInteger(4, delim::kCr);
    w.WriteInteger(5, delim::kFileEnd);
    w.WriteInteger(6, delim::kTab);
    w.WriteInteger(0, delim::kTab, true);
    w.WriteReal(1.5, static_cast<delim::Delimiter>(' ')); // any other byte is written as it is
    EXPECT_EQ(w.Bytes(), std::string("12\r\n\x06"
                                     "3\r\n4\r\n5\r\n\x1A"
                                     "6\t-\t1.500 "));
}

TEST(Codec, WideBlockRoundTripAndSkip) {
    std::u16string cjk = u"\u6D4B\u8BD5 Name";
    ObjectWriter w;
    w.WriteWideQuoted(cjk, u"Update Vordalis!", delim::kLf);
    w.WriteWideQuoted(u"", u"plain", delim::kLf);
    // Block: 4 bytes, then 4 per unit plus the terminating zero.
    EXPECT_EQ(w.Bytes().substr(0, 4), std::string("\x03\x04\x05\x06"));
    EXPECT_EQ(w.Bytes()[4 + 4 * (cjk.size() + 1)], '"');
    {
        Reader r(w.Bytes());
        std::u16string wide, narrow;
        r.in.ReadWideToken(wide, 21, narrow, 21);
        EXPECT_EQ(wide, cjk);
        EXPECT_EQ(narrow, u"Update Vordalis!");
        EXPECT_EQ(r.in.ReadWideOrNarrow(21, 21), u"plain");
    }
    {
        // A plain token reader skips the block entirely.
        Reader r(w.Bytes());
        std::u16string t;
        r.in.ReadToken(t, 79);
        EXPECT_EQ(t, u"Update Vordalis!");
    }
    {
        // The wide capacity bounds what is stored.
        Reader r(w.Bytes());
        std::u16string wide, narrow;
        r.in.ReadWideToken(wide, 3, narrow, 21);
        EXPECT_EQ(wide, cjk.substr(0, 2));
    }
}

TEST(Codec, Helpers) {
    const uint8_t digits[] = {'2', '0', '0', '9', '1', '2'};
    EXPECT_TRUE(AllNumerals(digits, 6));
    const uint8_t notDigits[] = {'2', 'x'};
    EXPECT_FALSE(AllNumerals(notDigits, 2));
    EXPECT_EQ(Utf8ToU16(U16ToUtf8(u"\u6D4B\u00E4x")), u"\u6D4B\u00E4x");
}
