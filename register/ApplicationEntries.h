// The installed application's entries in the system registry, all under
// HKEY_LOCAL_MACHINE:
//   Software\Microsoft\Windows\CurrentVersion\App Paths\<program file name>
//     (default) = full path of the program file, Path = its directory
//   Software\Microsoft\Windows\CurrentVersion\Uninstall\<entry name>
//     DisplayName, UninstallString
// Failures are silent: an entry that cannot be written is simply missing.
//
// A program path without a file name, or an empty entry name, would name the
// shared App Paths (Uninstall) key itself: then nothing is written or deleted.
#pragma once

#include "Platform.h"

void RegisterAppPath(LPCTSTR pszProgramPath);
void UnregisterAppPath(LPCTSTR pszProgramPath);
void RegisterUninstall(LPCTSTR pszCommandLine, LPCTSTR pszEntryName, LPCTSTR pszDisplayName);
void UnregisterUninstall(LPCTSTR pszEntryName);
