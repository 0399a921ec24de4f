#pragma once
// The update-notice menu: a popup "New version available!" at the end of the menu bar with
// one item, "Update Vordalis to version x.y.z", which runs the same command as
// "Check for updates...". The main window removes it before it replaces its menu bar
// (language change) and adds it again afterwards.
#include <QString>
#include <functional>

#include "update/CVersion.h"

class QMenu;
class QMenuBar;

namespace vordalis {

inline constexpr int kUpdateNoticeCommand = 59603;
inline const char* const kUpdateNoticeMenuName = "updateNoticeMenu";

// Replaces any notice menu on the bar by one for version; a version of 0 only removes it.
// Returns the menu, or null when none is shown.
QMenu* InsertUpdateMenu(QMenuBar* bar, CVersion version, const std::function<void()>& onUpdate);
void RemoveUpdateMenu(QMenuBar* bar);
QMenu* FindUpdateMenu(QMenuBar* bar);

} // namespace vordalis
