// vordalis-cli acceptance: judges the covers of cover objects against a design cover as a site
// inspection does, and prints the judgement as one JSON object.
#include "text/Utf16.h"
#include "tools/cli/Commands.h"

#include "cover/CoverAcceptance.h"
#include "model/ByteSource.h"
#include "model/Json.h"
#include "model/NexoloDocument.h"
#include "model/ObjectFactory.h"

#include <cstdio>
#include <cstdlib>

namespace vordalis::cli {

namespace {

bool ParseMillimetres(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && end && *end == '\0' && value >= 0 && value < 1000;
}

void SetSample(Json& j, const SampleJudgement& s) {
    j.Set("points", Json::Int(s.points));
    j.Set("within", Json::Int(s.within));
    j.Set("pass_rate", Json::Number(s.passRate));
    j.Set("largest_below", Json::Number(s.largestBelow));
    j.Set("largest_above", Json::Number(s.largestAbove));
    j.Set("beyond_limit", Json::Bool(s.beyondLimit));
}

Json SampleJson(const SampleJudgement& s) {
    Json j = Json::Object();
    SetSample(j, s);
    return j;
}

struct FileCovers {
    std::string path;
    int sample = 1;
    std::vector<double> covers;
};

} // namespace

int RunAcceptance(const Args& args) {
    double design = -1;
    std::string member = "beam";
    std::optional<double> minus, plus;
    std::vector<FileCovers> files;
    bool inSecond = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--second") {
            inSecond = true;
        } else if (a == "--design" || a == "--member" || a == "--minus" || a == "--plus") {
            if (i + 1 == args.size()) return UsageError("acceptance: missing value after " + a);
            const std::string& value = args[++i];
            if (a == "--member") {
                member = value;
                continue;
            }
            double mm = 0;
            if (!ParseMillimetres(value, mm))
                return UsageError("acceptance: " + a + " takes millimetres, not " + value);
            if (a == "--design")
                design = mm;
            else
                (a == "--minus" ? minus : plus) = mm;
        } else if (a.size() > 1 && a[0] == '-') {
            return UsageError("acceptance: unknown option " + a);
        } else {
            files.push_back({a, inSecond ? 2 : 1, {}});
        }
    }
    if (design < 0) return UsageError("acceptance: missing --design MM");
    CoverTolerance tolerance;
    if (member == "beam" || member == "slab") {
        if (minus || plus) return UsageError("acceptance: --minus and --plus go with --member custom");
        tolerance = ToleranceOf(member == "beam" ? MemberKind::Beam : MemberKind::Slab);
    } else if (member == "custom") {
        if (!minus || !plus) return UsageError("acceptance: --member custom needs --minus MM and --plus MM");
        tolerance = {*minus, *plus};
    } else {
        return UsageError("acceptance: --member takes beam, slab or custom, not " + member);
    }
    if (files.empty() || files.front().sample != 1) return UsageError("acceptance: missing FILE");
    if (inSecond && files.back().sample != 2) return UsageError("acceptance: missing FILE after --second");

    std::vector<double> first;
    std::optional<std::vector<double>> second;
    for (auto& f : files) {
        FileSource source(f.path);
        std::unique_ptr<TBasicObj> obj;
        if (source.IsOpen()) obj = CreateObjectFromFile(source, nullptr, PrintReadNotice);
        if (!obj) {
            PrintError(U16ToUtf8(InvalidObjectMessage(f.path)));
            return 1;
        }
        auto covers = CoversOf(*obj);
        if (!covers) {
            PrintError(f.path + ": not a cover object (a cover list, bar scan or raster)");
            return 1;
        }
        f.covers = *covers;
        auto& into = f.sample == 1 ? first : (second ? *second : second.emplace());
        into.insert(into.end(), covers->begin(), covers->end());
    }
    auto result = JudgeCovers(first, second, design, tolerance);
    if (!result) {
        PrintError("acceptance: the files hold no cover above 0 mm to judge");
        return 1;
    }

    Json j = Json::Object();
    j.Set("design", Json::Number(design));
    j.Set("member", Json::Text(member));
    j.Set("minus", Json::Number(tolerance.minus));
    j.Set("plus", Json::Number(tolerance.plus));
    SetSample(j, result->first);
    if (result->second) j.Set("second", SampleJson(*result->second));
    if (result->combined) j.Set("combined", SampleJson(*result->combined));
    j.Set("verdict", Json::Text(VerdictText(result->verdict)));
    Json perFile = Json::Array();
    for (const auto& f : files) {
        Json fj = Json::Object();
        fj.Set("path", Json::Text(f.path));
        fj.Set("sample", Json::Int(f.sample));
        int failures = 0;
        for (double c : f.covers)
            if (!CoverWithin(c, design, tolerance)) ++failures;
        fj.Set("points", Json::Int(static_cast<int64_t>(f.covers.size())));
        fj.Set("failures", Json::Int(failures));
        perFile.Push(std::move(fj));
    }
    j.Set("files", std::move(perFile));
    std::printf("%s\n", j.Dump().c_str());
    return result->verdict == AcceptanceVerdict::Pass ? 0 : 1;
}

} // namespace vordalis::cli
