#pragma once
// A small key object over the per-user settings: typed DWORD and string values with
// defaults for anything missing or of another type. Every use opens, reads or writes, closes.
#include <cstdint>
#include <string>

namespace vordalis {

enum class RegistryRoot { CurrentUser, LocalMachine, Other };
enum class RegistryAccess { Read, SetValue };

class RegistryKey {
public:
    static constexpr size_t kMaxString = 127; // value buffer of 128 UTF-16 units

    ~RegistryKey() { Close(); }

    // Closes an open key first; only the predefined roots are accepted.
    bool Open(RegistryRoot root, const std::u16string& path, RegistryAccess access);
    void Close();
    bool IsOpen() const { return open_; }

    int32_t ReadDword(const std::u16string& name, int32_t defaultValue) const;
    std::u16string ReadString(const std::u16string& name, const std::u16string& defaultValue) const;
    bool WriteDword(const std::u16string& name, int32_t value);
    bool WriteString(const std::u16string& name, const std::u16string& text);

private:
    bool open_ = false;
    RegistryAccess access_ = RegistryAccess::Read;
    std::u16string path_;
};

} // namespace vordalis
