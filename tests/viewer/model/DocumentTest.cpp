#include "TestObject.h"
#include "model/AtomicFile.h"
#include "model/NexoloDocument.h"
#include "model/ObjectFactory.h"
#include "model/Strings.h"

#include <filesystem>
#include <unistd.h>
#include <fstream>
#include <gtest/gtest.h>

using namespace vordalis;
using vordalis::test::TestObject;
namespace fs = std::filesystem;

namespace {

// A file layout the recogniser takes as type 2 (trailing number), read by the test object.
std::string TestFile() { return "2\t10\t20\tVX(1;2)1071\t1\t2\t2020\r\n\"n\"\r\n\"t\"\r\n\"r\"\t200001"; }

std::unique_ptr<TBasicObj> MakeTestObject(ByteSource& f, bool) { return std::make_unique<TestObject>(f); }

std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct DocumentTest : ::testing::Test {
    void SetUp() override {
        RegisterObjectType(2, MakeTestObject);
        dir = fs::temp_directory_path() / ("vordalis-doc-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override {
        fs::remove_all(dir);
        RegisterObjectType(2, nullptr);
    }
    fs::path dir;
};

} // namespace

TEST_F(DocumentTest, LoadFailsWithTheMessageAndEmptyDocument) {
    std::ofstream(dir / "bad.vdo") << "no object here at all";
    NexoloDocument doc;
    std::u16string msg;
    EXPECT_FALSE(doc.Load((dir / "bad.vdo").string(), &msg));
    EXPECT_EQ(doc.Object(), nullptr);
    EXPECT_EQ(msg, Utf8ToU16((dir / "bad.vdo").string()) + u":\nObject empty or not valid");
    // A file that cannot be read at all gets the system's reason instead.
    EXPECT_FALSE(doc.Load((dir / "missing.vdo").string(), &msg));
    EXPECT_EQ(msg, Utf8ToU16((dir / "missing.vdo").string()) + u":\nNo such file or directory");
    EXPECT_FALSE(doc.Load(dir.string(), &msg));
    EXPECT_EQ(msg, Utf8ToU16(dir.string()) + u":\nIs a directory");
}

TEST_F(DocumentTest, StoreClearsValueChangeBitOnlyInTheFile) {
    std::ofstream(dir / "a.vdo", std::ios::binary) << TestFile();
    NexoloDocument doc;
    doc.SetMmScale(true);
    ASSERT_TRUE(doc.Load((dir / "a.vdo").string()));
    EXPECT_EQ(doc.Object()->type, 2);
    EXPECT_TRUE(doc.Object()->mmScale);
    doc.Object()->SetOptions(1071 | opts::kValueChange);
    ASSERT_TRUE(doc.Store((dir / "b.vdo").string()));
    EXPECT_EQ(doc.Object()->Options(), 1071 | opts::kValueChange) << "restored in memory";
    EXPECT_NE(Slurp(dir / "b.vdo").find("VX(1;2)1071\t"), std::string::npos);
    NexoloDocument again;
    ASSERT_TRUE(again.Load((dir / "b.vdo").string()));
    EXPECT_EQ(again.Object()->Options() & opts::kValueChange, 0);
}

TEST_F(DocumentTest, RefusedOrFailedStoreKeepsTheOldFile) {
    std::ofstream(dir / "a.vdo", std::ios::binary) << TestFile();
    NexoloDocument doc;
    ASSERT_TRUE(doc.Load((dir / "a.vdo").string()));
    static_cast<TestObject*>(doc.Object())->refuse = true;
    std::string err;
    EXPECT_FALSE(doc.Store((dir / "a.vdo").string(), &err));
    EXPECT_FALSE(err.empty());
    EXPECT_EQ(Slurp(dir / "a.vdo"), TestFile());
    // A folder that does not exist: nothing written, no temporary left behind.
    static_cast<TestObject*>(doc.Object())->refuse = false;
    EXPECT_FALSE(doc.Store((dir / "nope" / "x.vdo").string(), &err));
    NexoloDocument empty;
    EXPECT_FALSE(empty.Store((dir / "c.vdo").string()));
    EXPECT_FALSE(fs::exists(dir / "c.vdo"));
    size_t files = 0;
    for (auto& e : fs::directory_iterator(dir)) files += e.is_regular_file();
    EXPECT_EQ(files, 1u);
}

TEST_F(DocumentTest, AdoptingATemporaryFileTitlesAndDeletesIt) {
    std::ofstream(dir / "dir.vdo", std::ios::binary) << TestFile();
    NexoloDocument doc;
    ASSERT_TRUE(doc.AdoptTemporaryFile((dir / "dir.vdo").string(), u"A summary title that is long"));
    EXPECT_FALSE(fs::exists(dir / "dir.vdo"));
    EXPECT_EQ(doc.Object()->title, u"A summary title that");
    EXPECT_TRUE(doc.IsModified());
    std::ofstream(dir / "junk.vdo") << "junk junk junk junk";
    std::u16string msg;
    EXPECT_FALSE(doc.AdoptTemporaryFile((dir / "junk.vdo").string(), u"", &msg));
    EXPECT_FALSE(fs::exists(dir / "junk.vdo"));
    EXPECT_FALSE(msg.empty());
}

TEST(AtomicFile, ReplacesWholeFile) {
    fs::path p = fs::temp_directory_path() / ("vordalis-atomic-" + std::to_string(::getpid()));
    ASSERT_TRUE(WriteFileAtomically(p.string(), "first"));
    ASSERT_TRUE(WriteFileAtomically(p.string(), "2nd"));
    EXPECT_EQ(Slurp(p), "2nd");
    fs::remove(p);
}
