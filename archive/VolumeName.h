// Volume naming. The volume after DATA.Z01 is DATA.Z02: the last character's
// code goes up by one, with no decimal carry (DATA.Z09 is followed by
// DATA.Z0:). A volume is looked for beside the current one, then in the next
// numbered diskette directory (DISK01 -> DISK02).
#pragma once

#include "CString.h"

// The name that follows strName (a file name, without directory); FALSE when
// there is none (empty, or the last character cannot go up).
BOOL MakeNextVolumeName(CString& strName);

// Splits a path at its last separator ('\' or '/'): "a/b/DATA.Z01" gives
// "a/b/" and "DATA.Z01".
void SplitVolumePath(const CString& strPath, CString& strDirectory, CString& strName);

// The directory (ending in a separator) of the diskette after the one
// strDirectory belongs to, when its name ends in a diskette number (two
// digits, not 00): "M/DISK01/" gives "M/DISK02/". FALSE otherwise.
BOOL MakeNextDisketteDirectory(CString& strDirectory);
