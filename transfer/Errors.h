#pragma once
// The transfer library's exceptions. They are thrown by value and caught by the programs,
// which show the message of the code in the current language (see Messages.h).
#include <string>

namespace vordalis::transfer {

// What failed at the serial port or with the instrument.
enum class SysErrorCode {
    SecondEngine,    // unused: each engine owns its pool, so engines may coexist (code 0 stays taken)
    NoPorts,         // the machine has no serial port
    PortUnavailable, // the chosen port cannot be opened
    NoInstrument,    // the instrument is not at the port
    DataInvalid,     // data incomplete or invalid
    ShortInput,      // the port delivered fewer bytes than announced
};

struct IoSysError {
    SysErrorCode code = SysErrorCode::SecondEngine;
};

// What failed with a local file or folder.
enum class FileErrorCode {
    FolderNotCreated, // the folder cannot be entered or created
    TempFile,         // the temporary file cannot be opened
    ReadFailed,       // reading failed
    WriteFailed,      // writing, closing or renaming failed
    UnsafeName,       // a name from the instrument cannot be a local file or folder name
};

// file holds the file, folder or received name concerned.
struct IoFileError {
    FileErrorCode code = FileErrorCode::FolderNotCreated;
    std::string file;
};

} // namespace vordalis::transfer
