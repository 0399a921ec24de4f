// vordalis-cli convert: reads an object and writes it back with its own writer, atomically.
#include "text/Utf16.h"
#include "tools/cli/Commands.h"

#include "model/AtomicFile.h"
#include "model/ByteSource.h"
#include "model/NexoloDocument.h"

namespace vordalis::cli {

int RunConvert(const Args& args) {
    std::string file, out;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" || args[i] == "--output") {
            if (i + 1 == args.size()) return UsageError("convert: missing value after " + args[i]);
            out = args[++i];
        } else if (file.empty() && !args[i].empty() && args[i][0] != '-') {
            file = args[i];
        } else {
            return UsageError("convert: unexpected argument " + args[i]);
        }
    }
    if (file.empty()) return UsageError("convert: missing FILE");
    if (out.empty()) return UsageError("convert: missing -o OUT.vdo");
    NexoloDocument doc;
    doc.SetReadNotice(PrintReadNotice);
    std::u16string message;
    if (!doc.Load(file, &message)) {
        PrintError(U16ToUtf8(message));
        return 1;
    }
    std::string bytes;
    if (!doc.Serialize(bytes)) {
        PrintError(file + ": the object cannot be written");
        return 1;
    }
    std::string error;
    if (!WriteFileAtomically(out, bytes, &error)) {
        PrintError(out + ": " + error);
        return 1;
    }
    return 0;
}

} // namespace vordalis::cli
