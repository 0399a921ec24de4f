#pragma once
// An open C stream that closes itself. Where the result of closing matters (a written file
// whose last block is flushed on close), Close() reports it; otherwise the handle just goes.
#include <cstdio>
#include <filesystem>
#include <memory>

namespace vordalis {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// std::fopen through the path, which is wide on Windows (FileHandlePosix.cpp, FileHandleWin32.cpp);
// errno tells why it failed. A name held in a std::string becomes a path with PathFromUtf8.
FileHandle OpenFile(const std::filesystem::path& path, const char* mode);

// Closes the stream now; false when it was not open or the close failed (data not written).
inline bool CloseFile(FileHandle& file) {
    return file && std::fclose(file.release()) == 0;
}

} // namespace vordalis
