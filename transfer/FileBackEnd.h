#pragma once
// The file handling all back ends share: every object is written to "{$}TMP.{$}" in the
// output folder (the root folder plus the sub-folder that mirrors the instrument's current
// folder, created when missing); a complete object gets the identification trailer and
// then its final name. An incomplete object never replaces an existing file, and no
// temporary file is left behind when anything fails.
#include "io/FileHandle.h"
#include "transfer/BackEnd.h"

#include <filesystem>

namespace vordalis::transfer {

class FileBackEnd : public BackEnd {
public:
    static constexpr const char* kTempName = "{$}TMP.{$}";

    ~FileBackEnd() override;
    std::string Folder() const override { return folder_; }
    bool Open(const std::string& folder) override;
    bool Close() override;
    bool BeginObject(const std::string& name, int mode) override;
    bool EndObject(bool ok) override; // the first stage every variant runs
    bool IsFileOpen() const override { return file_ != nullptr; }
    bool ChangeDirectory(const std::string& path) override;

    const std::string& SubPath() const { return subPath_; }
    const std::string& Name() const { return name_; }
    int Mode() const { return mode_; }
    // The output folder (root and sub-folder) on disk.
    std::filesystem::path OutputFolder() const;

protected:
    // Enters (creates) the output folder; raises IoFileError 0 when it cannot.
    void EnterOutputFolder();
    std::filesystem::path TempPath() const { return OutputFolder() / kTempName; }
    void DropTemp(); // closes and deletes the temporary file
    // Writes one block to the temporary file; a short write drops it and raises IoFileError 3.
    void WriteBlock(const uint8_t* data, int n);
    // Gives the temporary file the final name, asking before replacing an existing file
    // (with ask). False when the user keeps the old file.
    bool GiveFinalName(const std::string& finalName, bool ask);
    std::string DisplayFolder() const; // folder and sub-folder, for messages

    std::string folder_;
    std::string subPath_;
    std::string name_;
    int mode_ = 0;
    FileHandle file_;
    std::filesystem::path tempPath_; // where the open or leftover temporary file lies

private:
    void AppendTrailer();
};

} // namespace vordalis::transfer
