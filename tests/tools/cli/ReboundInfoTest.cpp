// vordalis-cli info on rebound series: the evaluation (mean rebound value, strength and the
// text the statistics block shows) and the fields of the object.
#include "CliRunner.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace vordalis::test;
namespace fs = std::filesystem;

namespace {

std::string Sample(const char* name) {
    return ShellQuote(std::string(VORDALIS_SAMPLES) + "/" + name);
}
bool Has(const std::string& json, const std::string& fragment) {
    return json.find(fragment) != std::string::npos;
}

std::vector<std::string> Lines(const std::string& out) {
    std::vector<std::string> lines;
    for (size_t at = 0, nl; (nl = out.find('\n', at)) != std::string::npos; at = nl + 1)
        lines.push_back(out.substr(at, nl - at));
    return lines;
}

// A series of four values of 40 on curve `curveCode` (instrument code) shown in `unit`.
std::string SeriesBytes(int curveCode, int unit) {
    std::string s = "TORVIHAMMER\t0007\t\"T\"\t2024\t1\t2\t3\t4\t1\t-\t4\t1\t-\t" +
                    std::to_string(curveCode) + "\t-\t99\t-\t1.00\t1.00\t" + std::to_string(unit) +
                    "\r\n0.0000\t0.00\t0.0\r\n0.0000\t0.00\t0.0\r\n0.0000\t0.00\t0.0\r\n";
    return s + "40\r\n40\r\n40\r\n40\r\n\x1ATH(1;2)-\x1A";
}

} // namespace

TEST(CliReboundInfo, StrengthInEveryUnitAndTheDisplayRule) {
    fs::path dir = fs::temp_directory_path() / ("vordalis-cli-rebound-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    struct Case {
        const char* file;
        int curveCode, unit;
        const char* expected;
    } cases[] = {
        // Curve 1 (code 4) at R 40: 42.81 MPa.
        {"nmm.vdo", 4, 1,
         "\"compressive_strength\":42.81438,\"strength_text\":\"  42.8  \",\"strength_unit\":\"N/mm\u00B2\""},
        {"psi.vdo", 4, 3, "\"strength_text\":\"  6208    \",\"strength_unit\":\"psi\""},
        // Portland Cement J (code 6) at R 40: 45.68 MPa, in kg/cm².
        {"j.vdo", 6, 4, "\"compressive_strength\":45.67"},
        // R-JAP (code 20) is below 1 MPa: the row shows "-    " and no unit.
        {"rjap.vdo", 20, 2, "\"strength_text\":\"-    \",\"strength_unit\":\"\""},
    };
    std::string args;
    for (const Case& c : cases) {
        std::ofstream(dir / c.file, std::ios::binary) << SeriesBytes(c.curveCode, c.unit);
        args += " " + ShellQuote((dir / c.file).string());
    }
    std::ofstream(dir / "none.vdo", std::ios::binary) << SeriesBytes(0, 1);
    args += " " + ShellQuote((dir / "none.vdo").string());
    CliResult r = RunCli("info" + args);
    ASSERT_EQ(r.status, 0) << r.err;
    auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 5u) << r.out;
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(Has(lines[i], "\"mean_rebound\":40")) << lines[i];
        EXPECT_TRUE(Has(lines[i], cases[i].expected)) << lines[i];
    }
    // Without a curve there is no strength at all.
    EXPECT_FALSE(Has(lines[4], "compressive_strength")) << lines[4];
    EXPECT_FALSE(Has(lines[4], "strength_text"));
    fs::remove_all(dir);
}

TEST(CliReboundInfo, SamplesCarryEveryField) {
    CliResult r = RunCli("info " + Sample("rebound_instrument.vdo") + " " + Sample("rebound_median.vdo") +
                         " " + Sample("rebound_cjk_remark.vdo") + " " + Sample("rebound_fx_curve.vdo"));
    ASSERT_EQ(r.status, 0) << r.err;
    auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 4u) << r.out;

    // The instrument's file: its settings in effect, limits shown, mean line off, nothing stored.
    const std::string& inst = lines[0];
    EXPECT_TRUE(Has(inst, "\"type\":6,\"category\":3,\"number\":17,\"title\":\"PIER 2 0017\"")) << inst;
    EXPECT_TRUE(Has(inst, "\"date\":\"2024-03-11T09:42:00\""));
    EXPECT_TRUE(
        Has(inst, "\"instrument\":{\"code\":\"TH\",\"id1\":\"40112\",\"id2\":\"0731\",\"imperial\":false}"));
    EXPECT_TRUE(Has(inst, "\"stored\":false"));
    EXPECT_TRUE(Has(inst, "\"statistics\":{\"count\":10,\"mean\":36.5,"));
    EXPECT_TRUE(
        Has(inst, "\"series_name\":\"PIER 2\",\"variant_code\":1,\"aux_code\":0,\"measured_direction\":1"));
    EXPECT_TRUE(
        Has(inst, "\"instrument_lower_limit\":30,\"instrument_upper_limit\":45,\"instrument_curve\":1"));
    EXPECT_TRUE(Has(inst, "\"lower_limit\":30,\"upper_limit\":45,\"curve\":1,\"curve_name\":\"A-MORVEX\""));
    EXPECT_TRUE(Has(inst, "\"show_mean_line\":false,\"show_limits\":true,\"limits_initial\":true"));
    EXPECT_TRUE(Has(inst, "\"reserved_flag\":true,\"use_median\":false"));
    EXPECT_TRUE(Has(inst, "\"measured_values\":[36,38,35,37,40,34,36,39,33,37]"));
    EXPECT_TRUE(Has(inst, "\"coef_a\":[0,0.012516,"));
    EXPECT_TRUE(Has(inst, "\"mean_rebound\":36.5"));

    // The median of the ten values is 45; the value 12 lies far off but alone.
    EXPECT_TRUE(Has(lines[1], "\"outlier_mode\":4")) << lines[1];
    EXPECT_TRUE(Has(lines[1], "\"instrument_median\":1"));
    EXPECT_TRUE(Has(lines[1], "\"use_median\":true"));
    EXPECT_TRUE(Has(lines[1], "\"mean_rebound\":45,"));

    // Texts from the wide blocks, as UTF-8.
    EXPECT_TRUE(Has(lines[2], "\"remarks\":\"\u4e8c\u5c42\u67f1\u5b50\uff0c\u8868\u9762\u5e72\u71e5\""))
        << lines[2];
    EXPECT_TRUE(Has(lines[2], "\"name\":\"\u738b\u5de5\""));

    // The special curve's coefficients from the extension.
    EXPECT_TRUE(Has(lines[3], "\"curve\":15,\"curve_name\":\"Fx\"")) << lines[3];
    EXPECT_TRUE(Has(lines[3], "0.0125],\"coef_b\":"));
    EXPECT_TRUE(Has(lines[3], "\"conversion_initial\":false"));
}

TEST(CliReboundConvert, SavedSeriesAreWrittenBackByteForByte) {
    fs::path dir = fs::temp_directory_path() / ("vordalis-cli-rconv-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    auto bytes = [](const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    // Files the viewer has saved (with the extension) come back unchanged, wide texts included.
    for (const char* name : {"rebound_morvex_curve.vdo", "rebound_j_curve.vdo", "rebound_fx_curve.vdo",
                             "rebound_cjk_remark.vdo"}) {
        fs::path out = dir / name;
        CliResult r = RunCli("convert " + Sample(name) + " -o " + ShellQuote(out.string()));
        ASSERT_EQ(r.status, 0) << name << r.err;
        EXPECT_EQ(bytes(out), bytes(fs::path(VORDALIS_SAMPLES) / name)) << name;
    }
    // The instrument's file gains the extension; reading it back shows the same object.
    fs::path out = dir / "instrument.vdo";
    ASSERT_EQ(
        RunCli("convert " + Sample("rebound_instrument.vdo") + " -o " + ShellQuote(out.string())).status, 0);
    std::string original = bytes(fs::path(VORDALIS_SAMPLES) / "rebound_instrument.vdo");
    std::string written = bytes(out);
    ASSERT_GT(written.size(), original.size());
    EXPECT_EQ(written.substr(0, original.size() - 1), original.substr(0, original.size() - 1));
    CliResult a = RunCli("info " + Sample("rebound_instrument.vdo"));
    CliResult b = RunCli("info " + ShellQuote(out.string()));
    auto fromType = [](const std::string& line) { return line.substr(line.find("\"type\"")); };
    EXPECT_EQ(fromType(a.out), fromType(b.out));
    fs::remove_all(dir);
}
