#include <gtest/gtest.h>

#include "settings/MemoryBackend.h"
#include "settings/RegistryKey.h"
#include "update/CFileVersionInfo.h"
#include "update/UpdateCheck.h"
#include "update/UpdateConfig.h"
#include "update/UpdateSignature.h"

namespace vordalis {
namespace {

TEST(NewestInstaller, ChoosesTheHighestSignedVersionAboveTheOwnOne) {
    const CVersion own("2.8.0.0");
    InstallerChoice c =
        NewestInstaller({"readme.txt", "Setup_V_2_9_0.deb", "Setup_V_2_9_0.deb.sig", "Setup_V_2_10_0.deb",
                         "Setup_V_2_10_0.deb.sig", "Setup_V_3_0_0.DEB", "Setup_V_3_0_0.DEB.sig",
                         "Setup_V_2_9_5.deb", "Setup_V_2_9_5.deb.sig"},
                        own);
    EXPECT_EQ(c.version, CVersion("2.10.0"));
    EXPECT_EQ(c.name, "Setup_V_2_10_0.deb");

    // A newer installer without its signature beside it is passed over, whatever else is there.
    c = NewestInstaller({"Setup_V_2_9_0.deb", "Setup_V_2_9_0.deb.sig", "Setup_V_2_11_0.deb",
                         "Setup_V_2_11_0.sig", "Setup_V_2_11_0.deb.SIG", "Setup_V_2_12_0.deb.sig"},
                        own);
    EXPECT_EQ(c.version, CVersion("2.9.0"));
    EXPECT_EQ(c.name, "Setup_V_2_9_0.deb");

    // Nothing newer: the result is 0 even though an installer of the own version exists.
    c = NewestInstaller({"readme.txt", "Setup_V_2_8_0.deb", "Setup_V_2_8_0.deb.sig"}, own);
    EXPECT_TRUE(c.version.IsZero());
    EXPECT_TRUE(c.name.empty());
    EXPECT_TRUE(NewestInstaller({"Setup_V_2_10_0.deb"}, own).name.empty());
    EXPECT_TRUE(NewestInstaller({}, own).version.IsZero());
}

TEST(NewestInstaller, OffersThePackageOfANewerBuildOnly) {
    // The package this build makes carries exactly the own version, so a copy of it in the
    // update folder is no update, while the same name with a higher version is.
    const std::string own = VORDALIS_PACKAGE_FILE;
    EXPECT_EQ(CVersion::FromFileName(own), OwnVersion());
    const size_t marker = own.find("_V_");
    ASSERT_NE(marker, std::string::npos);
    const std::string newer =
        own.substr(0, marker) + "_V_" + std::to_string((OwnVersion().Value() >> 48) + 1) + "_0_0.deb";
    EXPECT_TRUE(NewestInstaller({own, SignatureName(own)}, OwnVersion()).name.empty());
    EXPECT_EQ(NewestInstaller({own, SignatureName(own), newer, SignatureName(newer)}, OwnVersion()).name,
              newer);
}

TEST(DownloadProgress, ReachesHundredOnlyWithTheWholeFile) {
    const uint64_t size = 25ull * 1048576;
    EXPECT_EQ(ProgressPercent(0, size), 0);
    EXPECT_EQ(ProgressPercent(size - 1, size), 99);
    EXPECT_EQ(ProgressPercent(size, size), 100);
    EXPECT_EQ(ProgressPercent(0, 0), 100);
    EXPECT_EQ(MegabytesText(size), "25.00");
    EXPECT_EQ(MegabytesText(0), "0.00");
    EXPECT_EQ(MegabytesText(1048576 + 524288), "1.50");
}

TEST(UpdateConfig, TakesTheServerFromTheUpdateSettings) {
    SetSettingsBackend(std::make_shared<MemoryBackend>());
    UpdateConfig c = UpdateConfig::FromSettings();
    EXPECT_EQ(c.product, "Vordalis");
    EXPECT_EQ(c.own, CVersion(ProductVersion()));
    EXPECT_FALSE(c.own.IsZero());
    EXPECT_EQ(c.location.host, update_settings::kDefaultHost);
    EXPECT_EQ(c.location.port, 21);
    EXPECT_EQ(c.location.user.size(), 9u);
    EXPECT_EQ(c.location.password.size(), 6u);
    EXPECT_EQ(c.location.folder, "KvUpgrade/Vordalis/");

    RegistryKey key;
    ASSERT_TRUE(key.Open(RegistryRoot::CurrentUser, update_settings::kKeyPath, RegistryAccess::SetValue));
    key.WriteString(update_settings::kHost, u"127.0.0.1");
    key.WriteDword(update_settings::kPort, 2121);
    key.WriteString(update_settings::kUser, u"tester");
    key.WriteString(update_settings::kPassword, u"s\u00e9cret");
    c = UpdateConfig::FromSettings();
    EXPECT_EQ(c.location.host, "127.0.0.1");
    EXPECT_EQ(c.location.port, 2121);
    EXPECT_EQ(c.location.user, "tester");
    EXPECT_EQ(c.location.password, "s\xc3\xa9"
                                   "cret");

    key.WriteDword(update_settings::kPort, 70000); // not a port: the default applies
    EXPECT_EQ(UpdateConfig::FromSettings().location.port, 21);
    SetSettingsBackend(std::make_shared<MemoryBackend>());
}

} // namespace
} // namespace vordalis
