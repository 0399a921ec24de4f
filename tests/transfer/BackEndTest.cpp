// The back ends: temporary file, trailer, final names, mirrored folders and every failure
// leaving no temporary file and no replaced file behind.
#include "transfer/Errors.h"
#include "transfer/Messages.h"
#include "transfer/ObjectNumber.h"
#include "transfer/QBackEnd.h"
#include "transfer/TBackEnd.h"
#include "transfer/XBackEnd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace vordalis::transfer;
namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class BackEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::path(::testing::TempDir()) /
               ("backend-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Receives one object through back end b; returns EndObject's result.
    bool Receive(BackEnd& b, const std::string& name, int mode, const std::string& bytes,
                 const std::string& label) {
        b.SetLabel(label);
        EXPECT_TRUE(b.BeginObject(name, mode));
        b.Write(reinterpret_cast<const uint8_t*>(bytes.data()), static_cast<int>(bytes.size()));
        return b.EndObject(true);
    }
    bool TempLeft() const {
        for (const auto& e : fs::recursive_directory_iterator(dir_))
            if (e.path().filename() == FileBackEnd::kTempName) return true;
        return false;
    }

    fs::path dir_;
};

} // namespace

TEST_F(BackEndTest, ExtensionFollowsTheInstrumentCode) {
    struct Case {
        std::string label, file;
    } cases[] = {{"QM", "000123.txt"},
                 {"MX(1;2)", "000123.vdc"},
                 {"V5i(12-7702;1.5)", "000123.vdo"},
                 {"", "000123.vdo"}};
    for (const Case& c : cases) {
        XBackEnd b;
        b.Open(dir_.string());
        ASSERT_TRUE(Receive(b, "000123", 1, "raw bytes", c.label)) << c.label;
        EXPECT_TRUE(fs::exists(dir_ / c.file)) << c.label;
        fs::remove(dir_ / c.file);
    }
}

TEST_F(BackEndTest, TrailerByHowTheObjectEnds) {
    const std::string label = "V5(12-7702;1.5)";
    struct Case {
        std::string received, saved;
    } cases[] = {
        {"data\r\n\x06", "data\r\n\x06" + label + "0\x06"},
        {"data\r\n\x1A", "data\r\n\x1A" + label + "0\x1A"},
        {"data\x06\x1A"
         "212345",
         "data\x06\x1A"
         "212345\r\n" +
             label + "0212345"},
        {"data\x06\x1A"
         "312345",
         "data\x06\x1A"
         "312345"},                       // six figures not starting with 2: none
        {"data\r\nend.", "data\r\nend."}, // any other last byte: none
    };
    for (const Case& c : cases) {
        XBackEnd b;
        b.Open(dir_.string());
        ASSERT_TRUE(Receive(b, "n", 1, c.received, label)) << c.received;
        EXPECT_EQ(ReadFile(dir_ / "n.vdo"), c.saved) << c.received;
        EXPECT_FALSE(TempLeft());
        fs::remove(dir_ / "n.vdo");
    }
    // Fewer than six bytes: saved without trailer.
    XBackEnd b;
    b.Open(dir_.string());
    ASSERT_TRUE(Receive(b, "n", 0, "\x1A", label));
    EXPECT_EQ(ReadFile(dir_ / "n.vdo"), "\x1A");
}

TEST_F(BackEndTest, PlainStreamIsDecodedBeforeSaving) {
    XBackEnd b;
    b.Open(dir_.string());
    ASSERT_TRUE(Receive(b, "000123", 0, "AB\n\rC\x06", "V5(12-7702;1.5)"));
    EXPECT_EQ(ReadFile(dir_ / "000123.vdo"), "AB\r\nC\x06V5(12-7702;1.5)0\x06");
}

TEST_F(BackEndTest, IncompleteObjectsLeaveNothingBehind) {
    WriteFile(dir_ / "000123.vdo", "OLD");
    XBackEnd b;
    b.SetAskReplace([](const std::string&) { return true; });
    b.Open(dir_.string());
    // No bytes at all.
    b.BeginObject("000123", 0);
    EXPECT_FALSE(b.EndObject(true));
    EXPECT_FALSE(TempLeft());
    // A plain object without its terminator.
    EXPECT_THROW(Receive(b, "000123", 0, "AB\r\nC", "V5"), IoSysError);
    EXPECT_FALSE(TempLeft());
    // Raw objects need more than six bytes.
    EXPECT_THROW(Receive(b, "000123", 1, "123456", "V5"), IoSysError);
    // A stream that is neither plain nor packed fails while it is written.
    b.BeginObject("000123", 0);
    const uint8_t bad[] = {0x90, 'A', 0x06};
    EXPECT_THROW(b.Write(bad, 3), IoSysError);
    EXPECT_FALSE(b.EndObject(true));
    EXPECT_FALSE(TempLeft());
    // An aborted object.
    b.BeginObject("000123", 1);
    b.Write(reinterpret_cast<const uint8_t*>("complete raw data"), 17);
    EXPECT_FALSE(b.EndObject(false));
    EXPECT_FALSE(TempLeft());
    EXPECT_EQ(ReadFile(dir_ / "000123.vdo"), "OLD");
}

TEST_F(BackEndTest, AskingBeforeReplacing) {
    WriteFile(dir_ / "000123.vdo", "OLD");
    std::string asked;
    bool answer = false;
    XBackEnd b;
    b.SetAskReplace([&](const std::string& q) {
        asked = q;
        return answer;
    });
    b.Open(dir_.string());
    EXPECT_FALSE(Receive(b, "000123", 1, "new data\x06", "V5"));
    EXPECT_EQ(asked, "File 000123.vdo already exists! Delete?");
    EXPECT_EQ(ReadFile(dir_ / "000123.vdo"), "OLD");
    EXPECT_FALSE(TempLeft());
    answer = true;
    EXPECT_TRUE(Receive(b, "000123", 1, "new data\x06", "V5"));
    EXPECT_EQ(ReadFile(dir_ / "000123.vdo"), "new data\x06V50\x06");
    // Without anyone to ask, the old file stays.
    XBackEnd quiet;
    quiet.Open(dir_.string());
    EXPECT_FALSE(Receive(quiet, "000123", 1, "newer data\x06", "V5"));
    EXPECT_EQ(ReadFile(dir_ / "000123.vdo"), "new data\x06V50\x06");
    // The question comes in the language the back end was given.
    b.SetLanguage(2);
    answer = false;
    EXPECT_FALSE(Receive(b, "000123", 1, "newer data\x06", "V5"));
    EXPECT_EQ(asked, Format(Msg::FileExists, 2, "000123.vdo"));
    EXPECT_NE(asked, Format(Msg::FileExists, 0, "000123.vdo"));
}

TEST_F(BackEndTest, LoaderResultIsReplacedWithoutAsking) {
    WriteFile(dir_ / "Tamlo.vdo", "OLD");
    TBackEnd b;
    b.SetAskReplace([](const std::string&) -> bool { throw std::logic_error("asked"); });
    b.Open(dir_.string());
    EXPECT_TRUE(b.ChangeDirectory("MEAS")); // the loader does not follow folders
    ASSERT_TRUE(Receive(b, "000123", 0, "VERNOSKANT 5 123456\r\n\x06", "V5"));
    EXPECT_EQ(ReadFile(dir_ / "Tamlo.vdo"), "VERNOSKANT 5 123456\r\n\x06V50\x06");
}

TEST_F(BackEndTest, FoldersMirrorTheInstrument) {
    XBackEnd b;
    b.Open(dir_.string());
    b.ChangeDirectory("MEAS\\2024");
    EXPECT_EQ(b.SubPath(), "\\MEAS\\2024");
    ASSERT_TRUE(Receive(b, "a", 1, "1234567", "V5"));
    b.ChangeDirectory("..\\..\\B");
    ASSERT_TRUE(Receive(b, "b", 1, "1234567", "V5"));
    b.ChangeDirectory("\\");
    ASSERT_TRUE(Receive(b, "c", 1, "1234567", "V5"));
    EXPECT_TRUE(fs::exists(dir_ / "MEAS" / "2024" / "a.vdo"));
    EXPECT_TRUE(fs::exists(dir_ / "B" / "b.vdo"));
    EXPECT_TRUE(fs::exists(dir_ / "c.vdo"));
}

TEST_F(BackEndTest, FolderFailures) {
    XBackEnd b;
    EXPECT_THROW(b.Open((dir_ / "missing").string()), IoFileError);
    EXPECT_TRUE(b.Open(dir_.string())); // a failed Open leaves it closed
    EXPECT_FALSE(b.Open(dir_.string()));
    // A sub-folder that cannot be created: a file of that name is in the way.
    WriteFile(dir_ / "BLOCKED", "x");
    b.ChangeDirectory("BLOCKED");
    try {
        b.BeginObject("a", 1);
        FAIL() << "no error";
    } catch (const IoFileError& e) {
        EXPECT_EQ(e.code, FileErrorCode::FolderNotCreated);
    }
    EXPECT_FALSE(TempLeft());
}

TEST_F(BackEndTest, ContentNamedFiles) {
    ObjectPool pool;
    QBackEnd b(pool);
    b.SetFamily("Vernoskant 5");
    b.Open(dir_.string());
    ASSERT_TRUE(Receive(b, "", 0, "VERNOSKANT 5 123456\r\n\x06", "V5"));
    EXPECT_TRUE(fs::exists(dir_ / "{$}123456"));
    ASSERT_TRUE(Receive(b, "", 0,
                        "raster data\r\n\x06"
                        "212345",
                        "V5"));
    EXPECT_TRUE(fs::exists(dir_ / "{$}212345.B"));
    ASSERT_TRUE(Receive(b, "", 0, "nothing to see here\x06", "V5"));
    EXPECT_TRUE(fs::exists(dir_ / "{$}F0003"));
    std::string asked;
    b.SetAskReplace([&](const std::string& q) {
        asked = q;
        return false;
    });
    EXPECT_FALSE(Receive(b, "", 0, "VERNOSKANT 5 123456\r\n\x06", "V5"));
    EXPECT_EQ(asked, "Data set 123456 already loaded! Overwrite?");

    // While the pool holds the instrument's listing, a new file joins it under its number.
    EXPECT_TRUE(pool.Entries().empty());
    pool.SetValid(true);
    ASSERT_TRUE(Receive(b, "", 0, "VERNOSKANT 5 123457\r\n\x06", "V5"));
    const std::vector<ObjectPool::Entry> entries = pool.Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "123457");
    EXPECT_EQ(pool.InstrumentCode(), "V5");
}

TEST_F(BackEndTest, ObjectNumberByFamily) {
    struct Case {
        std::string family, content;
        int kind;
        std::string number;
    } cases[] = {
        {"Vernoskant 5", "VERNOSKANT 5 123456\r\ndata\x06", 0, "123456"},
        {"VERNOSKANT 4", "vernoskant 4 100001 more\r\n\x1A", 0, "100001"},
        {"Vernoskant 5", "VERNOSKANT 54 123456\r\ndata\x06", -1, ""}, // the model figure is 4 or 5
        {"Vernoskant 5", "VERNOSKANT 5 223456\r\ndata\x06", -1, ""},  // must start with the kind
        {"Vernoskant 5",
         "binary\x01\x02\x03\x04\x05\x06"
         "212345",
         1, "212345"},
        {"Vernoskant 5", "  312345 list data\r\n\x06", 0, "312345"},
        {"Vernoskant 5", "Value 312345 list data\r\n\x06", -1, ""}, // a V that is not the family
        {"Vernoskant 5", "short\x06", -1, ""},
        {"Melox", "  ABC123 corrosion data", 0, "ABC123"},
        {"Torvihammer", "123456 all figures here", -1, ""},
        {"Torvihammer", "ABCDEFGHIJKLM too long a word", -1, ""},
        {"Quelmeter XRTA", "VERNOSKANT 5 123456\r\ndata\x06", -1, ""},
    };
    int i = 0;
    for (const Case& c : cases) {
        const fs::path path = dir_ / ("f" + std::to_string(i++));
        WriteFile(path, c.content);
        const ObjectNumberResult r = ObjectNumber(path.string(), c.family);
        EXPECT_EQ(r.kind, c.kind) << c.content;
        if (c.kind >= 0) {
            EXPECT_EQ(r.number, c.number) << c.content;
        }
    }
    EXPECT_EQ(ObjectNumber((dir_ / "missing").string(), "Vernoskant 5").kind, -1);
}

// The loader checks a received object's number as an instrument writes it, so every bundled
// sample that an instrument could have sent must pass that check to be tried with the simulator.
TEST(BundledSamples, CarryTheNumberAnInstrumentGivesThem) {
    const std::pair<std::string, std::string> families[] = {{"list_", "Vernoskant 5"},
                                                            {"bars_", "Vernoskant 5"},
                                                            {"raster_", "Vernoskant 5"},
                                                            {"rebound_", "Torvihammer"},
                                                            {"china_", "Torvihammer"}};
    int checked = 0;
    for (const auto& entry : fs::directory_iterator(VORDALIS_SAMPLES)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".vdo" || name.starts_with("summary_"))
            continue; // summaries come from the viewer
        const auto family = std::find_if(std::begin(families), std::end(families),
                                         [&](const auto& f) { return name.starts_with(f.first); });
        ASSERT_NE(family, std::end(families)) << name << ": which instrument sends it?";
        EXPECT_GE(ObjectNumber(entry.path().string(), family->second).kind, 0) << name;
        ++checked;
    }
    EXPECT_GE(checked, 20);
}

// Names from the instrument never lead out of the output folder: such an object is refused
// before anything is written, and no file appears anywhere.
TEST_F(BackEndTest, NamesThatWouldLeaveTheFolderAreRefused) {
    const fs::path outside = dir_ / "outside";
    fs::create_directories(dir_ / "out");
    std::vector<std::string> names = {
        "", ".", "..", outside.string(), "../outside", "a/b", std::string("a\0b", 3)};
#ifdef _WIN32
    // Separators, drives and streams, and the names Windows gives to devices or changes.
    names.insert(names.end(), {"..\\outside", "a\\b", "C:outside", "a:stream", "NUL", "con.txt", "COM1",
                               "lpt9.vdo", "name.", "name ", "a?b", "a*b", "a|b"});
#endif
    for (const std::string& name : names) {
        for (const bool asFolder : {false, true}) {
            XBackEnd b;
            b.Open((dir_ / "out").string());
            if (asFolder) b.ChangeDirectory("\\" + name);
            // In a folder path a backslash separates the instrument's folders.
            if (asFolder && name.find('\\') != std::string::npos) continue;
            const std::string objectName = asFolder ? "000123" : name;
            if (asFolder && (name.empty() || name == "..")) {
                // Not a local name at all: the instrument's root and parent, as in CD.
                EXPECT_TRUE(b.BeginObject(objectName, 1)) << name;
                b.EndObject(false);
                continue;
            }
            try {
                b.BeginObject(objectName, 1);
                ADD_FAILURE() << "accepted " << name << (asFolder ? " as folder" : "");
            } catch (const IoFileError& e) {
                EXPECT_EQ(e.code, FileErrorCode::UnsafeName);
                EXPECT_EQ(MessageOf(e, 0).rfind("The name \"", 0), 0u) << MessageOf(e, 0);
            }
            EXPECT_FALSE(b.IsFileOpen());
        }
    }
    EXPECT_FALSE(fs::exists(outside));
    EXPECT_TRUE(fs::is_empty(dir_ / "out"));
    // The loader's file has a fixed name, whatever the object is called.
    TBackEnd loader;
    loader.Open(dir_.string());
    EXPECT_TRUE(Receive(loader, outside.string(), 1, "1234567", "V5"));
    EXPECT_TRUE(fs::exists(dir_ / TBackEnd::kResultName));

    // A name read from the received object itself.
    ObjectPool pool;
    QBackEnd byContent(pool);
    byContent.SetFamily("Melox");
    byContent.Open((dir_ / "out").string());
    EXPECT_THROW(Receive(byContent, "", 0, "  a/b/c corrosion data", "MX"), IoFileError);
    EXPECT_TRUE(fs::is_empty(dir_ / "out"));
}
