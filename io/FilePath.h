#pragma once
// File names are UTF-8 in every std::string of the suite. A std::filesystem::path made from a
// std::string takes the system's narrow code page on Windows, so the conversions go through
// char8_t; files are opened through the path (OpenFile), which is wide on Windows.
#include <filesystem>
#include <string>
#include <string_view>

namespace vordalis {

inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

} // namespace vordalis
