#pragma once
// The transfer library's exceptions. They are thrown by value and caught by the programs,
// which show the message of the code in the current language (see Messages.h).
#include <string>

namespace vordalis::transfer {

// Codes: 0 second engine, 1 no serial port, 2 port not available, 3 instrument not at the
// port, 4 data incomplete or invalid, 5 the port delivered fewer bytes than announced.
struct IoSysError {
    int code = 0;
};

// Codes: 0 folder cannot be entered or created, 1 temporary file cannot be opened,
// 2 reading failed, 3 writing, closing or renaming failed, 4 a name received from the
// instrument cannot be a local file or folder name (file holds that name).
struct IoFileError {
    int code = 0;
    std::string file;
};

} // namespace vordalis::transfer
