// Checking installers against the keyring with gpgv, with keys made for the test.
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

#include "TestSigner.h"
#include "update/UpdateSignature.h"

namespace vordalis {
namespace {

namespace fs = std::filesystem;

void Put(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct UpdateSignature : ::testing::Test {
    static void SetUpTestSuite() {
        ours = new test::TestSigner;
        theirs = new test::TestSigner("Someone Else <else@vordalis.invalid>");
    }
    static void TearDownTestSuite() {
        delete ours;
        delete theirs;
    }
    void SetUp() override {
        ASSERT_TRUE(ours->ok() && theirs->ok()) << "gpg could not make a key (scripts/install-deps.sh)";
        dir = fs::temp_directory_path() / ("vordalis-sig-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        keyring = (dir / "update-keyring.gpg").string();
        ASSERT_TRUE(ours->ExportKeyring(keyring));
    }
    void TearDown() override { fs::remove_all(dir); }

    static test::TestSigner* ours;
    static test::TestSigner* theirs;
    fs::path dir;
    std::string keyring;
};
test::TestSigner* UpdateSignature::ours = nullptr;
test::TestSigner* UpdateSignature::theirs = nullptr;

TEST_F(UpdateSignature, OnlyOurSignatureOverExactlyThisFileIsGood) {
    const fs::path installer = dir / "Setup_V_2_9_0.deb", sig = dir / "Setup_V_2_9_0.deb.sig";
    const std::string content(100000, 'x');
    Put(installer, content);
    ASSERT_TRUE(ours->Sign(installer.string(), sig.string()));
    SignatureCheck good = VerifySignature(keyring, installer.string(), sig.string());
    EXPECT_EQ(good.status, SignatureStatus::Good) << good.detail;

    struct Case {
        const char* what;
        std::string file;      // the installer's content at the check
        std::string signature; // empty: the one made above
    };
    const fs::path other = dir / "other.sig";
    ASSERT_TRUE(theirs->Sign(installer.string(), other.string()));
    const std::string ourSig = Slurp(sig);
    for (const Case& c :
         {Case{"one byte changed", content.substr(0, 99999) + "y", ourSig},
          Case{"one byte more", content + "x", ourSig}, Case{"key not in the keyring", content, Slurp(other)},
          Case{"empty signature", content, ""},
          Case{"garbage", content, "-----BEGIN PGP SIGNATURE-----\nnonsense\n"}}) {
        SCOPED_TRACE(c.what);
        Put(installer, c.file);
        Put(sig, c.signature);
        SignatureCheck check = VerifySignature(keyring, installer.string(), sig.string());
        EXPECT_EQ(check.status, SignatureStatus::Bad);
        EXPECT_FALSE(check.detail.empty());
    }

    Put(installer, content);
    Put(sig, ourSig);
    EXPECT_EQ(VerifySignature((dir / "missing.gpg").string(), installer.string(), sig.string()).status,
              SignatureStatus::NoKeyring);
}

TEST_F(UpdateSignature, WithoutAWorkingGpgvNothingCountsAsChecked) {
    const fs::path installer = dir / "Setup_V_2_9_0.deb", sig = dir / "Setup_V_2_9_0.deb.sig";
    Put(installer, "x");
    ASSERT_TRUE(ours->Sign(installer.string(), sig.string()));
    // A gpgv that never answers stands in for a hanging one.
    const fs::path fakeBin = dir / "bin";
    fs::create_directories(fakeBin);
    Put(fakeBin / "gpgv", "#!/bin/sh\nexec /bin/sleep 30\n");
    fs::permissions(fakeBin / "gpgv", fs::perms(0755));

    const std::string path = std::getenv("PATH");
    setenv("PATH", "/nonexistent", 1);
    SignatureCheck noVerifier = VerifySignature(keyring, installer.string(), sig.string());
    setenv("PATH", fakeBin.c_str(), 1);
    std::atomic<bool> cancel{false};
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        cancel = true;
    });
    const auto start = std::chrono::steady_clock::now();
    SignatureCheck cancelled = VerifySignature(keyring, installer.string(), sig.string(), &cancel);
    const auto took = std::chrono::steady_clock::now() - start;
    canceller.join();
    setenv("PATH", path.c_str(), 1);

    EXPECT_EQ(noVerifier.status, SignatureStatus::NoVerifier);
    EXPECT_EQ(cancelled.status, SignatureStatus::Bad);
    EXPECT_LT(took, std::chrono::seconds(5));
}

TEST(UpdateKeyring, LiesInTheSharedFolderBesideTheProgramFolder) {
    EXPECT_EQ(UpdateKeyringPath("/opt/vordalis/bin"), "/opt/vordalis/share/vordalis/update-keyring.gpg");
    EXPECT_EQ(UpdateKeyringPath("/usr/bin/"), "/usr/share/vordalis/update-keyring.gpg");
    // The build keeps the shipped keyring where the programs in its bin folder look.
    const fs::path self = fs::read_symlink("/proc/self/exe");
    const fs::path built = UpdateKeyringPath(self.parent_path().string());
    ASSERT_TRUE(fs::exists(built)) << built;
    EXPECT_EQ(Slurp(built), Slurp(UPDATE_TEST_SHIPPED_KEYRING));
    EXPECT_GT(fs::file_size(built), 0u);
}

} // namespace
} // namespace vordalis
