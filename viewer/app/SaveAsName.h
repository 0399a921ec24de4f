#pragma once
// The name a document is saved under: the save dialog proposes an object file, a name typed
// without extension gets ".vdo", and a name with another extension is saved only after a
// warning (File > Open and dropped files take only ".vdo" files).
#include <QString>

class QWidget;

namespace vordalis {

// path with ".vdo" appended when its file name has no extension.
QString WithObjectExtension(const QString& path);

// Runs the save dialog until the user settles on a name; empty when cancelled.
QString AskSaveAsPath(QWidget* parent, const QString& proposal);

} // namespace vordalis
