// The all-or-nothing writer with each of its system calls failing in turn: whatever step fails,
// the old file stays byte for byte, no temporary file or descriptor is left behind, and the
// caller hears of it.
#include "model/AtomicFile.h"
#include "io/FilePath.h"
#include "model/ByteSource.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vordalis;
namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The descriptors in use, found by asking each number (Linux and Windows alike).
size_t OpenDescriptors() {
    size_t open = 0;
    struct stat st {};
    for (int fd = 0; fd < 1024; ++fd) open += ::fstat(fd, &st) == 0;
    return open;
}

std::vector<std::string> Entries(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(Utf8FromPath(e.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

// The real calls, noted by name in the order they are made; the call with index failAt
// fails with EIO as a broken disk would. A write takes at most `chunk` bytes, as the kernel
// may, so that a file needs several writes.
struct Faults {
    std::vector<std::string> steps;
    int failAt = -1;
    int interruptAt = -1; // this write returns EINTR without writing
    int stallAt = -1;     // this write returns 0
    size_t chunk = 1000;

    bool Fail(const char* name) {
        int k = static_cast<int>(steps.size());
        steps.push_back(name);
        if (k != failAt) return false;
        errno = EIO;
        return true;
    }

    FileSystemCalls Calls() {
        const FileSystemCalls& real = RealFileSystemCalls();
        return {
            [this, &real](char* pattern) { return Fail("mkstemp") ? -1 : real.mkstemp(pattern); },
            [this, &real](int fd, mode_t mode) { return Fail("fchmod") ? -1 : real.fchmod(fd, mode); },
            [this, &real](int fd, const void* data, size_t size) -> ssize_t {
                int k = static_cast<int>(steps.size());
                if (Fail("write")) return -1;
                if (k == interruptAt) return errno = EINTR, -1;
                if (k == stallAt) return 0;
                return real.write(fd, data, std::min(size, chunk));
            },
            [this, &real](int fd) { return Fail("fsync") ? -1 : real.fsync(fd); },
            // A failing close still releases the descriptor, as on Linux.
            [this, &real](int fd) {
                bool fail = Fail("close");
                int rc = real.close(fd);
                return fail ? (errno = EIO, -1) : rc;
            },
            [this, &real](const char* from, const char* to) {
                return Fail("rename") ? -1 : real.rename(from, to);
            },
        };
    }
};

struct AtomicFileFaults : ::testing::Test {
    void SetUp() override {
        dir = fs::temp_directory_path() / ("vordalis-faults-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        target = dir / "object.vdo";
    }
    void TearDown() override { fs::remove_all(dir); }
    // The old file, with permissions other than a new file's (on Windows, which keeps only
    // the write bit, as they are).
    void WriteOld() {
        std::ofstream(target, std::ios::binary) << oldBytes;
        fs::permissions(target, fs::perms(0640));
        oldPerms = fs::status(target).permissions();
    }
    fs::path dir, target;
    fs::perms oldPerms = fs::perms::unknown;
    const std::string oldBytes = std::string("old\0object\r\n", 12);
    const std::string newBytes = std::string(4500, 'n') + "end";
};

} // namespace

TEST_F(AtomicFileFaults, WholeRunWritesInSeveralPiecesAndKeepsThePermissions) {
    WriteOld();
    Faults faults;
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(target.string(), newBytes, &error, faults.Calls())) << error;
    EXPECT_EQ(Slurp(target), newBytes);
    EXPECT_EQ(fs::status(target).permissions(), oldPerms);
    EXPECT_EQ(Entries(dir), std::vector<std::string>{"object.vdo"});
    std::vector<std::string> expected{"mkstemp", "fchmod"};
    expected.insert(expected.end(), 5, "write");
    expected.insert(expected.end(), {"fsync", "close", "rename"});
    EXPECT_EQ(faults.steps, expected);
}

TEST_F(AtomicFileFaults, FailureAtAnyStepLeavesTheOldFileAsItWas) {
    Faults recorded;
    ASSERT_TRUE(WriteFileAtomically(target.string(), newBytes, nullptr, recorded.Calls()));
    const std::vector<std::string> steps = recorded.steps;
    ASSERT_EQ(steps.size(), 10u);

    for (bool existed : {true, false}) {
        for (int k = 0; k < static_cast<int>(steps.size()); ++k) {
            SCOPED_TRACE((existed ? "old file, " : "no old file, ") + std::string("failing call ") +
                         std::to_string(k) + " (" + steps[k] + ")");
            fs::remove_all(dir);
            fs::create_directories(dir);
            if (existed) WriteOld();
            const size_t descriptors = OpenDescriptors();
            Faults faults;
            faults.failAt = k;
            std::string error;
            EXPECT_FALSE(WriteFileAtomically(target.string(), newBytes, &error, faults.Calls()));
            EXPECT_EQ(faults.steps.size(), static_cast<size_t>(k) + 1); // nothing goes on after it
            EXPECT_NE(error.find(target.string()), std::string::npos) << error;
            EXPECT_NE(error.find(std::strerror(EIO)), std::string::npos) << error;
            if (existed) {
                EXPECT_EQ(Slurp(target), oldBytes);
                EXPECT_EQ(fs::status(target).permissions(), oldPerms);
                EXPECT_EQ(Entries(dir), std::vector<std::string>{"object.vdo"});
            } else {
                EXPECT_TRUE(Entries(dir).empty());
            }
            EXPECT_EQ(OpenDescriptors(), descriptors);
        }
    }
}

TEST_F(AtomicFileFaults, InterruptedWriteGoesOnAndAStalledOneFails) {
    struct Case {
        const char* what;
        int interruptAt, stallAt;
        bool written;
    };
    for (const Case& c : {Case{"interrupted", 3, -1, true}, Case{"stalled", -1, 3, false}}) {
        SCOPED_TRACE(c.what);
        WriteOld();
        Faults faults;
        faults.interruptAt = c.interruptAt;
        faults.stallAt = c.stallAt;
        EXPECT_EQ(WriteFileAtomically(target.string(), newBytes, nullptr, faults.Calls()), c.written);
        EXPECT_EQ(Slurp(target), c.written ? newBytes : oldBytes);
        EXPECT_EQ(Entries(dir), std::vector<std::string>{"object.vdo"});
    }
}

TEST_F(AtomicFileFaults, NonAsciiNameIsWrittenReadAndReplacedUnderItsOwnName) {
    const std::string name = "Pr\xC3\xBC"
                             "fung \xE6\xB5\x8B\xE8\xAF\x95.vdo"; // UTF-8, as every path in the suite
    const std::string path = Utf8FromPath(dir / PathFromUtf8(name));
    for (const std::string& bytes : {oldBytes, newBytes}) {
        std::string error;
        ASSERT_TRUE(WriteFileAtomically(path, bytes, &error)) << error;
        std::string back;
        ASSERT_TRUE(ReadWholeFile(path, back));
        EXPECT_EQ(back, bytes);
    }
    ASSERT_EQ(Entries(dir).size(), 1u);
    EXPECT_EQ(Utf8FromPath(fs::directory_iterator(dir)->path().filename()), name);
}
