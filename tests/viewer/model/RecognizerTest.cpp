#include "model/ObjectRecognizer.h"

#include <gtest/gtest.h>

using namespace vordalis;

TEST(Recognizer, RulesInOrder) {
    struct Case {
        std::string bytes;
        int type;
        const char* what;
    } cases[] = {
        {"\r\nVernoskant4 body\r\n\x1A", 1, "current list"},
        {"\r\nVernoskant5 body\r\n\x1A", 1, "current list 5"},
        {"\r\nVernoskant4 body\r\nX", 0, "current list without 0x1A"},
        {"Vernoskant4 header\r\nno end", 1, "old list 4, any tail"},
        {"Vernoskant5 header\r\nno end", 0, "old list 5 needs 0x1A"},
        {"Vernoskant5 header\r\n\x1A", 1, "old list 5 with 0x1A"},
        {"\r\n312345\r\nraster body\r\n\x06", 3, "raster"},
        {"\r\n31234x\r\nraster body\r\n\x06", 0, "raster head with a letter"},
        {"anything at all 200123", 2, "bars by the trailing number"},
        {"anything at all 300123", 0, "number not starting with 2"},
        {"TORVIHAMMER data 210000", 2, "trailing number wins over the head"},
        {"TORVIHAMMER 1 2 3\r\n", 6, "rebound series"},
        {"TORVDIR xyz\r\nabc", 7, "summary"},
        {"TORVCHINABATCH\r\n1", 8, "china batch"},
        {"TORVCHINASINGLE\r\n", 8, "china single"},
        {"short", 0, "shorter than 14 bytes"},
        {"", 0, "empty"},
    };
    for (const auto& c : cases) {
        MemorySource src(c.bytes);
        EXPECT_EQ(DetectObjectType(src), c.type) << c.what;
    }
}

TEST(Recognizer, FourteenByteFileIsReadTwiceOver) {
    // 14 bytes: "Vernoskant4" needs no tail; "TORVIHAMMER" too; a raster needs its last byte.
    MemorySource list(std::string("Vernoskant4abc"));
    EXPECT_EQ(DetectObjectType(list), 1);
    MemorySource raster(std::string("\r\n312345\r\nab\r\n", 14));
    EXPECT_EQ(DetectObjectType(raster), 0) << "last byte is LF, not 0x06";
    MemorySource bars(std::string("xxxxxxxx200001"));
    EXPECT_EQ(DetectObjectType(bars), 2);
}

TEST(Recognizer, LeavesTheFileAtOffsetZero) {
    MemorySource src(std::string("TORVDIR and more bytes"));
    EXPECT_EQ(DetectObjectType(src), 7);
    EXPECT_EQ(src.Tell(), 0);
}
