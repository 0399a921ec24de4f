#include "TestObject.h"
#include "model/AtomicFile.h"
#include "model/NexoloDocument.h"
#include "model/ObjectFactory.h"
#include "model/Strings.h"
#include "text/Utf16.h"

#include <filesystem>
#ifndef _WIN32
#include <sys/wait.h>
#endif
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace vordalis;
using vordalis::test::TestObject;
namespace fs = std::filesystem;

namespace {

// A file layout the recogniser takes as type 2 (trailing number), read by the test object.
std::string TestFile() {
    return "2\t10\t20\tVX(1;2)1071\t1\t2\t2020\r\n\"n\"\r\n\"t\"\r\n\"r\"\t200001";
}

std::unique_ptr<TBasicObj> MakeTestObject(ByteSource& f, bool) {
    return std::make_unique<TestObject>(f);
}

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

TEST_F(DocumentTest, FailedLoadSaysWhyAndKeepsTheCurrentObject) {
    std::ofstream(dir / "a.vdo", std::ios::binary) << TestFile();
    std::ofstream(dir / "bad.vdo") << "no object here at all";
    fs::create_directories(dir / "folder.vdo");
    NexoloDocument doc;
    ASSERT_TRUE(doc.Load((dir / "a.vdo").string()));
    TBasicObj* shown = doc.Object();
    doc.SetModified();
    struct Case {
        const char* file;
        std::u16string reason;
    };
    for (const Case& c :
         {Case{"bad.vdo", u"Object empty or not valid"}, Case{"missing.vdo", u"No such file or directory"},
          Case{"folder.vdo", u"Is a directory"}}) {
        std::u16string msg;
        EXPECT_FALSE(doc.Load((dir / c.file).string(), &msg)) << c.file;
        EXPECT_EQ(msg, Utf8ToU16((dir / c.file).string()) + u":\n" + c.reason) << c.file;
        EXPECT_EQ(doc.Object(), shown) << c.file;
        EXPECT_TRUE(doc.IsModified()) << c.file;
    }
}

#ifndef _WIN32 // Windows has access lists instead of mode bits, and no fork
TEST_F(DocumentTest, UnreadableFileSaysPermissionDenied) {
    fs::path p = dir / "locked.vdo";
    std::ofstream(p, std::ios::binary) << TestFile();
    fs::permissions(p, fs::perms::none);
    fs::permissions(dir, fs::perms::all);
    // The superuser reads every file: ask as an ordinary user in a child process.
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
        std::u16string msg = OpenFailureMessage(p.string());
        ::_exit(msg == Utf8ToU16(p.string()) + u":\nPermission denied" ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
#endif

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
    ASSERT_NE(doc.Object(), nullptr) << "a failed hand-over keeps what is shown";
    EXPECT_EQ(doc.Object()->title, u"A summary title that");
}

TEST(AtomicFile, ReplacesWholeFile) {
    fs::path p = fs::temp_directory_path() / ("vordalis-atomic-" + std::to_string(::getpid()));
    ASSERT_TRUE(WriteFileAtomically(p.string(), "first"));
    ASSERT_TRUE(WriteFileAtomically(p.string(), "2nd"));
    EXPECT_EQ(Slurp(p), "2nd");
    fs::remove(p);
}
