// CDriveIterator: walks the drive letters A to Z by their GetDriveType
// answers. The Select Directory page asks it for the first fixed drive; the
// letter and root it names are those of m_nIndex.
#pragma once

#include "CString.h"

class CDriveIterator
{
public:
    // Moves to the next letter whose type is not DRIVE_UNKNOWN (a letter
    // without a drive answers DRIVE_NO_ROOT_DIR and is visited too); FALSE,
    // and the iterator stays, past Z.
    BOOL Next();
    // Moves to the first following drive of this type (a GetDriveType
    // value); FALSE, and the iterator stays, when there is none.
    BOOL FindNextOfType(UINT nDriveType);
    BOOL FindFixed() { return FindNextOfType(DRIVE_FIXED); }

    // "A" for drive 0 ...
    CString GetLetter() const;
    // "a:\" for drive 0 ...
    CString GetDriveRoot() const;

    // The current drive, 0 = A ... 25 = Z; -1 before the first.
    int m_nIndex = -1;
};
