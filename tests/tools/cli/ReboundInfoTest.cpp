// vordalis-cli info on rebound series: the evaluation (mean rebound value, strength and the
// text the statistics block shows) and the fields of the object.
#include "CliRunner.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace vordalis::test;
namespace fs = std::filesystem;

namespace {

class CliReboundInfo : public CliFolderTest {
protected:
    CliReboundInfo() : CliFolderTest("rebound") {}
};

class CliReboundConvert : public CliFolderTest {
protected:
    CliReboundConvert() : CliFolderTest("rconv") {}
};

// A series of four values of 40 on curve `curveCode` (instrument code) shown in `unit`.
std::string SeriesBytes(int curveCode, int unit) {
    std::string s = "TORVIHAMMER\t0007\t\"T\"\t2024\t1\t2\t3\t4\t1\t-\t4\t1\t-\t" +
                    std::to_string(curveCode) + "\t-\t99\t-\t1.00\t1.00\t" + std::to_string(unit) +
                    "\r\n0.0000\t0.00\t0.0\r\n0.0000\t0.00\t0.0\r\n0.0000\t0.00\t0.0\r\n";
    return s + "40\r\n40\r\n40\r\n40\r\n\x1ATH(1;2)-\x1A";
}

// info's object without the path it was read from.
QJsonObject WithoutPath(QJsonObject o) {
    o.remove("path");
    return o;
}

} // namespace

TEST_F(CliReboundInfo, StrengthInEveryUnitAndTheDisplayRule) {
    struct Case {
        const char* file;
        int curveCode, unit;
        double mpa; // compressive_strength, when the case checks it
        const char* text;
        const char* strengthUnit; // strength_text and strength_unit, when the case checks them
    } cases[] = {
        // Curve 1 (code 4) at R 40: 42.81 MPa.
        {"nmm.vdo", 4, 1, 42.81438, "  42.8  ", "N/mm\u00B2"},
        {"psi.vdo", 4, 3, 0, "  6208    ", "psi"},
        // Portland Cement J (code 6) at R 40: 45.68 MPa, in kg/cm².
        {"j.vdo", 6, 4, 45.678, nullptr, nullptr},
        // R-JAP (code 20) is below 1 MPa: the row shows "-    " and no unit.
        {"rjap.vdo", 20, 2, 0, "-    ", ""},
    };
    std::string args;
    for (const Case& c : cases) {
        std::ofstream(Out(c.file), std::ios::binary) << SeriesBytes(c.curveCode, c.unit);
        args += " " + ShellQuote(Out(c.file));
    }
    std::ofstream(Out("none.vdo"), std::ios::binary) << SeriesBytes(0, 1);
    args += " " + ShellQuote(Out("none.vdo"));
    CliResult r = RunCli("info" + args);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 5u) << r.out;
    const std::vector<QJsonObject> objects = JsonLines(r.out);
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(lines[i]);
        const QJsonObject& o = objects[i];
        const Case& c = cases[i];
        EXPECT_EQ(At(o, "mean_rebound"), 40);
        if (c.mpa > 0) {
            ASSERT_TRUE(At(o, "compressive_strength").isDouble());
            EXPECT_NEAR(At(o, "compressive_strength").toDouble(), c.mpa, 1e-3 / 2);
        }
        if (c.text) {
            EXPECT_EQ(At(o, "strength_text"), c.text);
            EXPECT_EQ(At(o, "strength_unit"), c.strengthUnit);
        }
    }
    // Without a curve there is no strength at all.
    SCOPED_TRACE(lines[4]);
    EXPECT_FALSE(Has(lines[4], "compressive_strength"));
    EXPECT_FALSE(Has(lines[4], "strength_text"));
    EXPECT_EQ(At(objects[4], "mean_rebound"), 40);
}

TEST_F(CliReboundInfo, SamplesCarryEveryField) {
    CliResult r = RunCli("info " + SampleArg("rebound_instrument") + " " + SampleArg("rebound_median") + " " +
                         SampleArg("rebound_cjk_remark") + " " + SampleArg("rebound_fx_curve"));
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 4u) << r.out;
    const std::vector<QJsonObject> objects = JsonLines(r.out);

    // The instrument's file: its settings in effect, limits shown, mean line off, nothing stored.
    {
        SCOPED_TRACE(lines[0]);
        const QJsonObject& inst = objects[0];
        EXPECT_EQ(At(inst, "type"), 6);
        EXPECT_EQ(At(inst, "category"), 3);
        EXPECT_EQ(At(inst, "number"), 17);
        EXPECT_EQ(At(inst, "title"), "PIER 2 0017");
        EXPECT_EQ(At(inst, "date"), "2024-03-11T09:42:00");
        EXPECT_EQ(At(inst, "instrument"),
                  (QJsonObject{{"code", "TH"}, {"id1", "40112"}, {"id2", "0731"}, {"imperial", false}}));
        EXPECT_EQ(At(inst, "options/stored"), false);
        EXPECT_EQ(At(inst, "statistics/count"), 10);
        EXPECT_EQ(At(inst, "statistics/mean"), 36.5);
        for (const auto& [key, value] : {std::pair{"series_name", QJsonValue("PIER 2")},
                                         {"variant_code", 1},
                                         {"aux_code", 0},
                                         {"measured_direction", 1},
                                         {"instrument_lower_limit", 30},
                                         {"instrument_upper_limit", 45},
                                         {"instrument_curve", 1},
                                         {"lower_limit", 30},
                                         {"upper_limit", 45},
                                         {"curve", 1},
                                         {"curve_name", "A-MORVEX"},
                                         {"show_mean_line", false},
                                         {"show_limits", true},
                                         {"limits_initial", true},
                                         {"reserved_flag", true},
                                         {"use_median", false},
                                         {"mean_rebound", 36.5}})
            EXPECT_EQ(At(inst, key), value) << key;
        EXPECT_EQ(At(inst, "measured_values"), (QJsonArray{36, 38, 35, 37, 40, 34, 36, 39, 33, 37}));
        EXPECT_EQ(Head(At(inst, "coef_a"), 2), (QJsonArray{0, 0.012516}));
    }
    // The median of the ten values is 45; the value 12 lies far off but alone.
    {
        SCOPED_TRACE(lines[1]);
        const QJsonObject& o = objects[1];
        EXPECT_EQ(At(o, "outlier_mode"), 4);
        EXPECT_EQ(At(o, "instrument_median"), 1);
        EXPECT_EQ(At(o, "use_median"), true);
        EXPECT_EQ(At(o, "mean_rebound"), 45);
    }
    // Texts from the wide blocks, as UTF-8.
    {
        SCOPED_TRACE(lines[2]);
        const QJsonObject& o = objects[2];
        EXPECT_EQ(At(o, "remarks"), "\u4e8c\u5c42\u67f1\u5b50\uff0c\u8868\u9762\u5e72\u71e5");
        EXPECT_EQ(At(o, "name"), "\u738b\u5de5");
    }
    // The special curve's coefficients from the extension.
    {
        SCOPED_TRACE(lines[3]);
        const QJsonObject& o = objects[3];
        EXPECT_EQ(At(o, "curve"), 15);
        EXPECT_EQ(At(o, "curve_name"), "Fx");
        const QJsonArray coefA = At(o, "coef_a").toArray();
        ASSERT_FALSE(coefA.isEmpty());
        EXPECT_EQ(coefA.last(), 0.0125);
        EXPECT_TRUE(At(o, "coef_b").isArray());
        EXPECT_EQ(At(o, "conversion_initial"), false);
    }
}

TEST_F(CliReboundConvert, SavedSeriesAreWrittenBackByteForByte) {
    // Files the viewer has saved (with the extension) come back unchanged, wide texts included.
    for (const char* name :
         {"rebound_morvex_curve", "rebound_j_curve", "rebound_fx_curve", "rebound_cjk_remark"}) {
        const std::string out = Out(std::string(name) + ".vdo");
        CliResult r = RunCli("convert " + SampleArg(name) + " -o " + ShellQuote(out));
        ASSERT_EQ(r.status, 0) << name << r.err;
        EXPECT_EQ(Slurp(out), Slurp(SamplePath(name))) << name;
    }
    // The instrument's file gains the extension; reading it back shows the same object.
    const std::string out = Out("instrument.vdo");
    ASSERT_EQ(RunCli("convert " + SampleArg("rebound_instrument") + " -o " + ShellQuote(out)).status, 0);
    const std::string original = Slurp(SamplePath("rebound_instrument"));
    const std::string written = Slurp(out);
    ASSERT_GT(written.size(), original.size());
    EXPECT_EQ(written.substr(0, original.size() - 1), original.substr(0, original.size() - 1));
    CliResult a = RunCli("info " + SampleArg("rebound_instrument"));
    CliResult b = RunCli("info " + ShellQuote(out));
    EXPECT_EQ(WithoutPath(ParseJson(a.out)), WithoutPath(ParseJson(b.out))) << a.out << b.out;
}
