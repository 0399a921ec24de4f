#pragma once
// Runs vordalis-cli with arguments and collects its output and exit status; the samples, lines
// and JSON objects the tests read that output with.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <ostream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// Failure messages show JSON values as JSON.
inline void PrintTo(const QJsonValue& v, std::ostream* os) {
    if (v.isUndefined()) {
        *os << "<absent>";
        return;
    }
    const std::string inArray = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact).toStdString();
    *os << inArray.substr(1, inArray.size() - 2);
}
inline void PrintTo(const QJsonObject& o, std::ostream* os) {
    *os << QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString();
}
inline void PrintTo(const QJsonArray& a, std::ostream* os) {
    *os << QJsonDocument(a).toJson(QJsonDocument::Compact).toStdString();
}

namespace vordalis::test {

struct CliResult {
    int status = -1;
    std::string out; // stdout
    std::string err; // stderr
};

inline std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += (c == '\'') ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// A bundled sample by its name without the extension, as a path and as a quoted argument.
inline std::string SamplePath(const std::string& name) {
    return std::string(VORDALIS_SAMPLES) + "/" + name + ".vdo";
}
inline std::string SampleArg(const std::string& name) {
    return ShellQuote(SamplePath(name));
}

inline bool Has(const std::string& text, const std::string& fragment) {
    return text.find(fragment) != std::string::npos;
}

// The lines of a text, without their separators; a last line without one counts too.
inline std::vector<std::string> Lines(const std::string& text, const std::string& separator = "\n") {
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find(separator, at);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(at, end - at));
        at = end + separator.size();
    }
    return lines;
}

inline std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The standard output of a shell command; its exit status into status when asked (-1 when it
// did not end normally or could not be started).
inline std::string ShellOutput(const std::string& command, int* status = nullptr) {
    std::string out;
    if (status) *status = -1;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        std::array<char, 4096> buf;
        size_t n;
        while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
        const int st = ::pclose(p);
        if (status) *status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    }
    return out;
}

// One line of info's output as a JSON object; a line that is not one fails the test and is shown.
inline QJsonObject ParseJson(const std::string& line) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        ADD_FAILURE() << "not a JSON object (" << error.errorString().toStdString() << " at " << error.offset
                      << "): " << line;
        return {};
    }
    return doc.object();
}

// Every line of the output as a JSON object.
inline std::vector<QJsonObject> JsonLines(const std::string& out) {
    std::vector<QJsonObject> objects;
    for (const std::string& line : Lines(out)) objects.push_back(ParseJson(line));
    return objects;
}

// The value at a path of keys and array indices, "statistics/count" or "x_scan/1"; undefined
// (which equals no JSON value) where the path leads nowhere.
inline QJsonValue At(const QJsonValue& root, const std::string& path) {
    QJsonValue v = root;
    for (const std::string& step : Lines(path, "/")) {
        if (v.isArray() && !step.empty() && step.find_first_not_of("0123456789") == std::string::npos)
            v = v.toArray().at(std::stoi(step));
        else if (v.isObject())
            v = v.toObject().value(QString::fromStdString(step));
        else
            return QJsonValue(QJsonValue::Undefined);
    }
    return v;
}
inline QJsonValue At(const QJsonObject& root, const std::string& path) {
    return At(QJsonValue(root), path);
}

// The first n elements of an array (all of them when it has fewer).
inline QJsonArray Head(const QJsonValue& array, qsizetype n) {
    QJsonArray head;
    const QJsonArray all = array.toArray();
    for (qsizetype i = 0; i < n && i < all.size(); ++i) head.append(all.at(i));
    return head;
}

// Settings go to a private folder (XDG_CONFIG_HOME) so the user's own are never read or changed.
inline CliResult RunCli(const std::string& args) {
    namespace fs = std::filesystem;
    fs::path errFile = fs::temp_directory_path() / ("vordalis-cli-err-" + std::to_string(::getpid()));
    fs::path cfg = fs::temp_directory_path() / ("vordalis-cli-cfg-" + std::to_string(::getpid()));
    fs::create_directories(cfg);
    std::string cmd = "XDG_CONFIG_HOME=" + ShellQuote(cfg.string()) + " " + ShellQuote(VORDALIS_CLI) + " " +
                      args + " 2>" + ShellQuote(errFile.string());
    CliResult r;
    r.out = ShellOutput(cmd, &r.status);
    r.err = Slurp(errFile.string());
    fs::remove(errFile);
    return r;
}

// A test with a scratch folder of its own for the files the tool writes.
class CliFolderTest : public ::testing::Test {
protected:
    explicit CliFolderTest(const std::string& tag) : tag_(tag) {}
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("vordalis-cli-" + tag_ + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string Out(const std::string& name) const { return (dir / name).string(); }

    std::filesystem::path dir;

private:
    std::string tag_;
};

} // namespace vordalis::test
