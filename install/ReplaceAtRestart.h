// Replacing a file that is in use: the new file already lies next to it under
// a temporary name and is moved onto the file's name at the next restart of
// Windows, through the platform's delayed move or, where there is none
// (Windows 95), through a line destination=source in the [rename] section of
// wininit.ini in the Windows directory.
#pragma once

#include "Platform.h"

// Both full paths. TRUE once the move is scheduled; a wininit.ini that cannot
// be rewritten throws CFileException*.
BOOL ReplaceAtRestart(LPCTSTR pszSource, LPCTSTR pszDestination);
