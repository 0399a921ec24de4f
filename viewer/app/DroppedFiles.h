#pragma once
// Which of the files dropped on the window the viewer opens: only the first one counts, and
// only when its name ends in ".vdo" (any case). A drop whose first file is not an object file
// opens nothing, so the window refuses it while it is dragged.
#include <QList>
#include <QStringList>
#include <QUrl>

namespace vordalis {

// The local files of a drag, in order.
QStringList DroppedPaths(const QList<QUrl>& urls);
// True when the name ends in ".vdo", any case.
bool IsObjectFileName(const QString& path);
// True when a drop of these files opens one.
bool DropOpensAFile(const QStringList& paths);

} // namespace vordalis
