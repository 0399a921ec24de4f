#pragma once
// Status texts, messages and control labels of the transfer programs in four languages
// (0 English, 1 French, 2 German, 3 Chinese), independent of the system's language.
// Texts are UTF-8; placeholders are printf-style %s and %d.
#include "transfer/Errors.h"

#include <string>

namespace vordalis::transfer {

enum class Msg {
    Ready,
    PleaseWait,
    Ok,
    NoInstrument,    // %s display name, %d port number
    PortUnavailable, // %d port number
    NoPorts,
    DataInvalid,
    InputError,       // %d port number
    DataSetLoaded,    // %s
    FileExists,       // %s
    FolderNotCreated, // %s
    TempFile,         // %s
    WriteError,       // %s
    ReadError,        // %s
    GeneralError,
    FolderMissing, // %s
    PortLabel,
    InstrumentLabel,
    SaveInLabel,
    CloseLabel,
    AbortLabel,
    BrowseLabel,
    SaveSelectedLabel,
    Load,
    SelectAnObject,
    UnsafeName, // %s
    Count
};

// The language index stored in the settings value "Language"; anything outside 0..3 is 0.
int LanguageFromSettings();

// Every text is asked for in a language (0 English, 1 French, 2 German, 3 Chinese): the
// program reads it from the settings once and hands it on; anything outside 0..3 is English.
std::string Text(Msg key, int language);

// Fills the key's text: every %s takes text, every %d takes number (the languages order
// the two differently).
std::string Format(Msg key, int language, const std::string& text, int number = 0);

// The message of an error, with the 1-based port number and the instrument's display name
// where the message names them.
std::string MessageOf(const IoSysError& e, int language, int portNumber = 0,
                      const std::string& displayName = {});
std::string MessageOf(const IoFileError& e, int language);

} // namespace vordalis::transfer
