#include <gtest/gtest.h>

#include "update/CVersion.h"

namespace vordalis {
namespace {

constexpr uint64_t V(uint64_t a, uint64_t b, uint64_t c, uint64_t d = 0) {
    return (a << 48) | (b << 32) | (c << 16) | d;
}

TEST(CVersion, ParsesTheAcceptedFormsAndRejectsTheRest) {
    struct Case {
        const char* text;
        uint64_t value;
    } cases[] = {
        {"2.8.0", V(2, 8, 0)},
        {"2,8,0", V(2, 8, 0)},
        {"2 . 8 . 0", V(2, 8, 0)},
        {"2.8.0.0", V(2, 8, 0)},
        {"2.8.0.65535", V(2, 8, 0, 65535)},
        {"2.8.70000", 0},
        {"2.8.0.65536", 0},
        {"1.2", (1ull << 32) + 2},
        {"4294967295.4294967295", 0xFFFFFFFFFFFFFFFFull},
        {"4294967296.1", 0},
        {"12345", 12345},
        {"1234567890123456789", 1234567890123456789ull}, // 19 characters
        {"12345678901234567890", 0},                     // 20 characters
        {"99999999999999999999.1", 0},                   // does not fit 64 bits
        {"", 0},
        {"beta", 0},
        {"2..8", 0},
        {"2.8.", 0},
        {"-2.8.0", 0},
        {"2.8.0a", 0},
        {"1.2.3.4.5", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(CVersion(c.text).Value(), c.value) << '"' << c.text << '"';
}

TEST(CVersion, ComparesFieldByFieldAndPrintsItsForms) {
    EXPECT_GT(CVersion("2.10.0"), CVersion("2.9.0"));
    EXPECT_GT(CVersion("2.8.0.1"), CVersion("2.8.0"));
    EXPECT_EQ(CVersion("2.8.0.0"), CVersion("2,8,0"));
    EXPECT_GT(CVersion("3.0.0"), CVersion("2.65535.65535.65535"));

    CVersion v("2.10.3.7");
    EXPECT_EQ(v.ToString(3), "2.10.3");
    EXPECT_EQ(v.ToString(4), "2.10.3.7");
    EXPECT_EQ(CVersion("7.4000000000").ToString(2), "7.4000000000");
    EXPECT_EQ(CVersion("12345").ToString(1), "12345");
    EXPECT_EQ(CVersion(0xFFFFFFFFFFFFFFFFull).ToString(0), "18446744073709551615");
}

TEST(CVersion, ReadsInstallerFileNames) {
    struct Case {
        const char* name;
        uint64_t value;
    } cases[] = {
        {"Setup_V_2_9_1.deb", V(2, 9, 1)},
        {"Setup_V_2_10_0.deb", V(2, 10, 0)},
        {"Vordalis_V_2_9_0_1.deb", V(2, 9, 0, 1)},
        {"Setup_V_2_9_1.DEB", 0},     // the extension is case-sensitive
        {"Setup_v_2_9_1.deb", 0},     // so is the marker
        {"Setup_2_9_1.deb", 0},       // no marker
        {"Setup_V_2_9_1.exe", 0},     // another platform's installer
        {"Setup_V_2_9_1.deb.txt", 0}, // not an installer
        {"a.Setup_V_2_9_1.deb", 0},   // the first '.' comes before the version
        {"Setup_V_2_9_beta.deb", 0},  // not a version
        {"Setup_V_2_9_70000.deb", 0}, // field out of range
        {"_V_.deb", 0},
        {"V.deb", 0},
        {"readme.txt", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(CVersion::FromFileName(c.name).Value(), c.value) << c.name;
    EXPECT_EQ(CVersion::FromFileName("Setup_V_2_9_1.exe", ".exe"), CVersion("2.9.1"));
    EXPECT_EQ(CVersion::FromFileName("Setup_V_2_9_1.EXE", ".exe"), CVersion());
}

} // namespace
} // namespace vordalis
