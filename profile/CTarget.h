// One target of the install profile: an installed file that gets a program
// item. The installed path stays empty until the copy engine installs the
// file; only targets that have one are written to the install log.
#pragma once

#include "CFilePath.h"
#include "CObject.h"
#include "CString.h"

class CTarget : public CObject
{
    DECLARE_DYNAMIC(CTarget)
public:
    explicit CTarget(const CString& strName);

    CString m_strName;        // file name and extension, as the profile spells it
    int m_nIconIndex;         // icon within m_strIconFile
    CString m_strTitle;       // title of the program item
    CString m_strArguments;   // command-line arguments of the program item
    int m_nNumber;            // kept and written back; nothing interprets it
    BOOL m_bMinimized;        // the program item starts minimized
    CString m_strIconFile;    // relative to destination 0; empty for none
    CFilePath m_installedPath;
};
