// The Windows programs' settings store over the real registry (Wine's, under test): values are
// stored as the Qt programs' QSettings stores them, and read back as QSettings would read them.
#include "settings/win32/RegistryBackend.h"

#include <gtest/gtest.h>

#include <string>

#include <windows.h>

using namespace vordalis;

namespace {

// A key of its own below the suite's key, removed afterwards.
class RegistryBackendTest : public ::testing::Test {
protected:
    void SetUp() override {
        sub = L"Software\\Morvex\\Vordalis\\Test-" + std::to_wstring(::GetCurrentProcessId());
        path = u"HKCU\\" + std::u16string(sub.begin(), sub.end());
    }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, sub.c_str()); }

    void SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        HKEY h = nullptr;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, sub.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &h,
                                    nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(::RegSetValueExW(h, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        ::RegCloseKey(h);
    }
    void SetText(const wchar_t* name, const std::wstring& text) {
        SetRaw(name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }

    std::wstring sub;
    std::u16string path;
    RegistryBackend backend;
};

} // namespace

TEST_F(RegistryBackendTest, WritesAsQSettingsDoesAndReadsItBack) {
    EXPECT_FALSE(backend.OpenKey(path, false)) << "no key before the first write";
    ASSERT_TRUE(backend.OpenKey(path, true));
    ASSERT_TRUE(backend.Set(path, u"mmScl", SettingValue::Dword(1)));
    ASSERT_TRUE(backend.Set(path, u"DataFolder", SettingValue::String(u"D:\\Messungen \u00e4\u6d4b")));
    ASSERT_TRUE(backend.Set(path, u"Number", SettingValue::String(u"42")));
    EXPECT_FALSE(backend.Set(path, u"Other", SettingValue{}));

    DWORD type = 0, dword = 0, size = sizeof dword;
    ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, sub.c_str(), L"mmScl", RRF_RT_ANY, &type, &dword, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(dword, 1u);
    wchar_t text[64] = {};
    size = sizeof text;
    ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, sub.c_str(), L"Number", RRF_RT_ANY, &type, text, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::wstring(text), L"sz:42");

    EXPECT_TRUE(backend.OpenKey(path, false));
    auto mm = backend.Get(path, u"mmScl");
    ASSERT_TRUE(mm);
    EXPECT_EQ(mm->kind, SettingValue::Kind::Dword);
    EXPECT_EQ(mm->dword, 1u);
    for (const auto& [name, expected] :
         {std::pair{u"DataFolder", u"D:\\Messungen \u00e4\u6d4b"}, {u"Number", u"42"}}) {
        auto v = backend.Get(path, name);
        ASSERT_TRUE(v);
        EXPECT_EQ(v->kind, SettingValue::Kind::String);
        EXPECT_EQ(v->text, expected);
    }
    EXPECT_FALSE(backend.Get(path, u"Missing"));
}

TEST_F(RegistryBackendTest, ReadsWhatOthersLeftAsQSettingsWould) {
    struct Case {
        const wchar_t* name;
        std::wstring text;
        SettingValue::Kind kind;
        uint32_t dword;
        std::u16string string;
    };
    const Case cases[] = {
        {L"plain number", L"42", SettingValue::Kind::Dword, 42, u""},
        {L"negative", L"-1", SettingValue::Kind::Dword, 0xFFFFFFFFu, u""},
        {L"marked dword", L"dword:7", SettingValue::Kind::Dword, 7, u""},
        {L"bad dword", L"dword:x", SettingValue::Kind::Other, 0, u""},
        {L"too big", L"4294967296", SettingValue::Kind::String, 0, u"4294967296"},
        {L"marked text", L"sz:42", SettingValue::Kind::String, 0, u"42"},
        {L"plain text", L"C:\\data", SettingValue::Kind::String, 0, u"C:\\data"},
    };
    for (const Case& c : cases) SetText(c.name, c.text);
    const BYTE blob[3] = {1, 2, 3};
    SetRaw(L"binary", REG_BINARY, blob, sizeof blob);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name, c.name + wcslen(c.name)));
        auto v = backend.Get(path, std::u16string(c.name, c.name + wcslen(c.name)));
        ASSERT_TRUE(v);
        EXPECT_EQ(v->kind, c.kind);
        if (c.kind == SettingValue::Kind::Dword) EXPECT_EQ(v->dword, c.dword);
        if (c.kind == SettingValue::Kind::String) EXPECT_EQ(v->text, c.string);
    }
    auto binary = backend.Get(path, u"binary");
    ASSERT_TRUE(binary);
    EXPECT_EQ(binary->kind, SettingValue::Kind::Other);
}

TEST_F(RegistryBackendTest, OnlyTheSuitesOwnKey) {
    for (const char16_t* other : {u"HKCU\\Software\\Other", u"HKCU\\Software\\Morvex\\VordalisX",
                                  u"HKLM\\Software\\Morvex\\Vordalis"}) {
        EXPECT_FALSE(backend.OpenKey(other, true));
        EXPECT_FALSE(backend.Set(other, u"x", SettingValue::Dword(1)));
    }
}
