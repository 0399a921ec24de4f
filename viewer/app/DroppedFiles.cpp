#include "app/DroppedFiles.h"

namespace vordalis {

QStringList DroppedPaths(const QList<QUrl>& urls) {
    QStringList paths;
    for (const QUrl& url : urls)
        if (url.isLocalFile()) paths << url.toLocalFile();
    return paths;
}

bool IsObjectFileName(const QString& path) {
    return path.endsWith(QLatin1String(".vdo"), Qt::CaseInsensitive);
}

bool DropOpensAFile(const QStringList& paths) {
    return !paths.isEmpty() && IsObjectFileName(paths.first());
}

} // namespace vordalis
