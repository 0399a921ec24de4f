#include "settings/RegistryKey.h"
#include "settings/MemoryBackend.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

using namespace vordalis;

class RegistryKeyTest : public ::testing::Test {
protected:
    void SetUp() override {
        backend = std::make_shared<MemoryBackend>();
        SetSettingsBackend(backend);
    }
    std::shared_ptr<MemoryBackend> backend;
};

TEST_F(RegistryKeyTest, MissingKeyAndValuesGiveDefaults) {
    RegistryKey key;
    EXPECT_FALSE(key.Open(RegistryRoot::CurrentUser, settings::kKeyPath, RegistryAccess::Read));
    EXPECT_EQ(key.ReadDword(u"Language", 3), 3);
    EXPECT_FALSE(key.Open(RegistryRoot::Other, settings::kKeyPath, RegistryAccess::SetValue));
    auto b = settings::ReadPageBorders();
    EXPECT_EQ(b.top, 150);
    EXPECT_EQ(b.bottom, 100);
    EXPECT_EQ(b.left, 150);
    EXPECT_EQ(b.right, 150);
    EXPECT_EQ(settings::Language(), 0);
}

TEST_F(RegistryKeyTest, TypedValuesAndWrongTypesFallBack) {
    RegistryKey key;
    ASSERT_TRUE(key.Open(RegistryRoot::CurrentUser, settings::kKeyPath, RegistryAccess::SetValue));
    EXPECT_TRUE(key.WriteDword(u"mmScl", 1));
    EXPECT_TRUE(key.WriteString(u"DataFolder", u"/data"));
    EXPECT_FALSE(key.WriteDword(u"", 1)); // a name is required
    EXPECT_EQ(key.ReadDword(u"mmScl", 0), 1);
    EXPECT_EQ(key.ReadString(u"DataFolder", u"x"), u"/data");
    // Wrong type: a string read as DWORD and the other way round give the default.
    EXPECT_EQ(key.ReadDword(u"DataFolder", 42), 42);
    EXPECT_EQ(key.ReadString(u"mmScl", u"dflt"), u"dflt");

    RegistryKey readOnly;
    ASSERT_TRUE(readOnly.Open(RegistryRoot::CurrentUser, settings::kKeyPath, RegistryAccess::Read));
    EXPECT_FALSE(readOnly.WriteDword(u"mmScl", 0)); // opened without set-value access
}

TEST_F(RegistryKeyTest, StringLimitOf127Characters) {
    std::u16string ok(127, u'a'), tooLong(128, u'b'), twoHundred(200, u'c');
    EXPECT_TRUE(settings::WriteString(u"DataFolder", ok));
    EXPECT_EQ(settings::DataFolder(), ok);
    EXPECT_FALSE(settings::WriteString(u"DataFolder", twoHundred));
    EXPECT_EQ(settings::DataFolder(), ok) << "a refused write leaves the old value";
    backend->Set(u"HKCU\\Software\\Morvex\\Vordalis\\Settings", u"DataFolder", SettingValue::String(tooLong));
    EXPECT_EQ(settings::DataFolder(), settings::DefaultDataFolder());
    backend->Set(u"HKCU\\Software\\Morvex\\Vordalis\\Settings", u"DataFolder", SettingValue::String(u""));
    EXPECT_EQ(settings::DataFolder(), settings::DefaultDataFolder());
}

TEST_F(RegistryKeyTest, LanguageOutsideTheTableBehavesAsEnglish) {
    settings::WriteDword(settings::kLanguage, 7);
    EXPECT_EQ(settings::Language(), 0);
    settings::WriteDword(settings::kLanguage, 4);
    EXPECT_EQ(settings::Language(), 4);
    EXPECT_EQ(settings::ModeName(2), u"Mode2");
}
