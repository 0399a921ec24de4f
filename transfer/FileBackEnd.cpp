#include "transfer/FileBackEnd.h"

#include "io/FilePath.h"
#include "transfer/Errors.h"
#include "transfer/FolderAccess.h"
#include "transfer/Instruments.h"
#include "transfer/LocalName.h"
#include "transfer/Messages.h"
#include "transfer/SubPath.h"

#include <array>
#include <sstream>

namespace vordalis::transfer {
namespace fs = std::filesystem;

FileBackEnd::~FileBackEnd() {
    DropTemp();
}

fs::path FileBackEnd::OutputFolder() const {
    return LocalPath(folder_, subPath_);
}

std::string FileBackEnd::DisplayFolder() const {
    return Utf8FromPath(OutputFolder());
}

bool FileBackEnd::Open(const std::string& folder) {
    if (isOpen_) return false;
    subPath_.clear();
    if (!CanEnterFolder(PathFromUtf8(folder))) {
        // A folder that cannot be entered leaves the back end closed, so that it can be
        // opened again with another folder.
        throw IoFileError{FileErrorCode::FolderNotCreated, folder};
    }
    folder_ = folder;
    isOpen_ = true;
    return true;
}

bool FileBackEnd::Close() {
    if (isOpen_) {
        isOpen_ = false;
        return true;
    }
    DropTemp();
    return false;
}

bool FileBackEnd::ChangeDirectory(const std::string& path) {
    ApplyPath(subPath_, path);
    return true;
}

void FileBackEnd::EnterOutputFolder() {
    fs::path path = PathFromUtf8(folder_);
    bool ok = CanEnterFolder(path);
    std::istringstream in(subPath_);
    std::string component;
    while (ok && std::getline(in, component, '\\')) {
        if (component.empty()) continue;
        path /= PathFromUtf8(component);
        std::error_code ec;
        if (!fs::exists(path, ec)) fs::create_directory(path, ec);
        ok = CanEnterFolder(path);
    }
    if (!ok) throw IoFileError{FileErrorCode::FolderNotCreated, DisplayFolder()};
}

void FileBackEnd::DropTemp() {
    file_.reset();
    if (!tempPath_.empty()) {
        std::error_code ec;
        fs::remove(tempPath_, ec);
        tempPath_.clear();
    }
}

bool FileBackEnd::BeginObject(const std::string& name, int mode) {
    if (!isOpen_) return false;
    total_ = 0;
    DropTemp();
    // The sub-folder mirrors folder names from the instrument's listing: none may lead out.
    {
        std::istringstream in(subPath_);
        std::string component;
        while (std::getline(in, component, '\\'))
            if (!component.empty()) RequireSafeLocalName(component);
    }
    {
        std::error_code ec;
        fs::remove(TempPath(), ec);
    }
    EnterOutputFolder();
    tempPath_ = TempPath();
    file_ = OpenFile(tempPath_, "wb");
    if (!file_) {
        tempPath_.clear();
        throw IoFileError{FileErrorCode::TempFile, Utf8FromPath(OutputFolder() / kTempName)};
    }
    mode_ = mode;
    name_ = name;
    if (!name_.empty()) {
        name_ += ObjectExtension(label_);
    }
    return true;
}

void FileBackEnd::WriteBlock(const uint8_t* data, int n) {
    if (std::fwrite(data, 1, n, file_.get()) != static_cast<size_t>(n)) {
        DropTemp();
        throw IoFileError{FileErrorCode::WriteFailed, {}};
    }
    total_ += n;
}

bool FileBackEnd::EndObject(bool ok) {
    if (!isOpen_ || !file_) return false;
    if (total_ <= 0 || !ok) {
        DropTemp();
        return false;
    }
    if (!CloseFile(file_)) { // e.g. the disk filled up while the last block was flushed
        const std::string shown = Utf8FromPath(tempPath_);
        DropTemp();
        throw IoFileError{FileErrorCode::WriteFailed, shown};
    }
    AppendTrailer();
    return true;
}

void FileBackEnd::AppendTrailer() {
    FileHandle file = OpenFile(tempPath_, "r+b");
    std::FILE* f = file.get();
    if (!f) return; // saved without trailer
    std::array<uint8_t, 6> tail{};
    if (std::fseek(f, -6, SEEK_END) != 0 || std::fread(tail.data(), 1, 6, f) != 6) return;
    std::string trailer;
    const uint8_t last = tail[5];
    if (last == 0x06 || last == 0x1A) {
        trailer = label_ + "0" + static_cast<char>(last);
    } else if (last >= '0' && last <= '9' && tail[0] == '2') {
        trailer = "\r\n" + label_ + "0" + std::string(tail.begin(), tail.end());
    }
    bool written = std::fseek(f, 0, SEEK_END) == 0;
    if (written && !trailer.empty())
        written = std::fwrite(trailer.data(), 1, trailer.size(), f) == trailer.size();
    if (!CloseFile(file)) written = false;
    if (!written) { // a half-written trailer would spoil the object
        const std::string shown = Utf8FromPath(tempPath_);
        DropTemp();
        throw IoFileError{FileErrorCode::WriteFailed, shown};
    }
}

bool FileBackEnd::GiveFinalName(const std::string& finalName, bool ask) {
    try {
        RequireSafeLocalName(finalName);
    } catch (const IoFileError&) {
        DropTemp();
        throw;
    }
    const fs::path target = OutputFolder() / PathFromUtf8(finalName);
    if (OpenFile(target, "rb")) {
        if (ask) {
            const size_t mark = finalName.find("{$}");
            const std::string question =
                mark != std::string::npos ? Format(Msg::DataSetLoaded, language_, finalName.substr(mark + 3))
                                          : Format(Msg::FileExists, language_, finalName);
            if (!ask_ || !ask_(question)) {
                DropTemp();
                return false;
            }
        }
    }
    // rename() replaces an existing file in one step, so the old file stays until the new
    // one is in place.
    std::error_code ec;
    fs::rename(tempPath_, target, ec);
    if (ec) {
        DropTemp();
        throw IoFileError{FileErrorCode::WriteFailed, finalName};
    }
    tempPath_.clear();
    return true;
}

} // namespace vordalis::transfer
