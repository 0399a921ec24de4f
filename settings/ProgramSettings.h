#pragma once
// The settings store a program uses: the Qt programs' QSettings("Morvex", "Vordalis") where Qt is
// (ProgramSettingsQt.cpp), otherwise the same registry key on Windows (ProgramSettingsWin32.cpp),
// otherwise the defaults (ProgramSettingsDefaults.cpp).

namespace vordalis {

// Installs the store as the process-wide settings backend; called once at start.
void UseProgramSettings();

} // namespace vordalis
