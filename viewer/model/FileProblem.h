#pragma once
// Why a path cannot be read as a file, in the system's own words.
#include "model/Strings.h"

#include <string>

namespace vordalis {

// The system's English reason ("No such file or directory", ...); empty when the file can be
// opened for reading (whether it holds an object is another question).
std::string FileReadProblem(const std::string& path);

// The reasons the viewer translates when it passes them through TranslateText; listed here so
// that lupdate finds them, since they come from the system. Others are shown as they come.
inline constexpr const char* kTranslatedReadProblems[] = {
    VORDALIS_TRANSLATE_NOOP("Strings", "No such file or directory"),
    VORDALIS_TRANSLATE_NOOP("Strings", "Is a directory"),
    VORDALIS_TRANSLATE_NOOP("Strings", "Permission denied"),
};

} // namespace vordalis
