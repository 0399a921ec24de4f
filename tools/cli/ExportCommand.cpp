// vordalis-cli export: the readings or statistics of object files as CSV for spreadsheets.
#include "text/Utf16.h"
#include "tools/cli/Commands.h"

#include "model/AtomicFile.h"
#include "model/ByteSource.h"
#include "model/NexoloDocument.h"
#include "model/ObjectFactory.h"
#include "objects/CsvExport.h"
#include "settings/Settings.h"

#include <cstdio>

namespace vordalis::cli {

int RunExport(const Args& args) {
    std::string out;
    bool statistics = false, excel = false;
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o" || a == "--output") {
            if (i + 1 >= args.size()) return UsageError("export: missing value after " + a);
            out = args[++i];
        } else if (a == "--statistics") {
            statistics = true;
        } else if (a == "--excel") {
            excel = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return UsageError("export: unknown option " + a);
        } else {
            files.push_back(a);
        }
    }
    if (files.empty()) return UsageError("export: missing FILE");

    CsvExport csv(statistics ? CsvKind::Statistics : CsvKind::Readings, excel);
    // Positions in the bar and raster tables follow the viewer's "mm Scale" setting.
    const bool mmScale = settings::ReadDword(settings::kMmScale, settings::kDefaultMmScale) != 0;
    int status = 0;
    for (const auto& path : files) {
        FileSource file(path);
        std::unique_ptr<TBasicObj> obj;
        if (file.IsOpen()) obj = CreateObjectFromFile(file, nullptr, PrintReadNotice);
        if (!obj) {
            PrintError(U16ToUtf8(InvalidObjectMessage(path)));
            status = 1;
            continue;
        }
        obj->mmScale = mmScale;
        csv.Add(path, *obj);
    }
    if (out.empty()) {
        std::fwrite(csv.Text().data(), 1, csv.Text().size(), stdout);
        if (std::fflush(stdout) != 0) {
            PrintError("export: the output cannot be written");
            return 1;
        }
        return status;
    }
    std::string error;
    if (!WriteFileAtomically(out, csv.Text(), &error)) {
        PrintError(out + ": " + error);
        return 1;
    }
    return status;
}

} // namespace vordalis::cli
