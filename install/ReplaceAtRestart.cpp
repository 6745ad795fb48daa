#include "ReplaceAtRestart.h"

#include "CException.h"
#include "CFilePath.h"
#include "CIniEntryAdder.h"

BOOL ReplaceAtRestart(LPCTSTR pszSource, LPCTSTR pszDestination)
{
    // The destination exists (it is the copy in use): without the replace
    // flag the move at the restart would fail and the new file stay unused.
    if (MoveFileExA(pszSource, pszDestination, MOVEFILE_DELAY_UNTIL_REBOOT | MOVEFILE_REPLACE_EXISTING))
        return TRUE;

    CFilePath pathIni(1);
    if (pathIni.GetPath().IsEmpty())
        AfxThrowFileException(CFileException::badPath, -1, "wininit.ini");
    pathIni.SetFileName("wininit.ini");
    CIniEntryAdder(pathIni.GetPath()).AddEntry("rename", pszDestination, pszSource);
    return TRUE;
}
