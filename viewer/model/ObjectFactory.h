#pragma once
// Builds the measurement object of a recognised file. Each object class registers its
// constructor once (see viewer/objects); types without a class yield nothing.
#include "model/ByteSource.h"
#include "model/TBasicObj.h"

#include <functional>
#include <memory>
#include <string>

namespace vordalis {

// Reads the whole file from offset 0; mmScale is the "mmScl" setting (bars and raster only).
using ObjectConstructor = std::unique_ptr<TBasicObj> (*)(ByteSource& file, bool mmScale);

void RegisterObjectType(int type, ObjectConstructor constructor);
bool IsObjectTypeRegistered(int type);

// Larger than any object an instrument writes: such a file is refused before it is read.
constexpr int64_t kMaxObjectFileSize = int64_t{64} << 20;

// Tells the user something while an object is read (the viewer shows a message box, the
// command-line tool prints it).
using ReadNotice = std::function<void(const std::u16string& text)>;

// Null when the file is larger than kMaxObjectFileSize, is not recognised, no class exists for
// its type, or the read failed. why (when given) receives a reader's own account of its failure
// (a summary names its missing member), else it is left empty. notice hears what the reader
// says while it reads (a summary names a member it leaves out); without one that is unsaid.
std::unique_ptr<TBasicObj> CreateObjectFromFile(ByteSource& file, std::u16string* why = nullptr,
                                                const ReadNotice& notice = {});

// Called by a reader that knows why it fails; the text reaches CreateObjectFromFile's caller.
void ReportReadFailure(const std::u16string& text);
// Called by a reader with a notice; the text reaches CreateObjectFromFile's notice at once.
void ReportReadNotice(const std::u16string& text);

} // namespace vordalis
