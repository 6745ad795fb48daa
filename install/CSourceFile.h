// One source file of the distribution medium, as a group's section of the
// install profile lists it: a plain file or a multi-file archive, on which
// diskette, and where a plain file goes.
#pragma once

#include "CObject.h"
#include "CString.h"

class CGroup;

// Derives from CObject until the archive reader arrives; it then becomes the
// base, so that the record reads its own source file.
class CSourceFile : public CObject
{
    DECLARE_DYNAMIC(CSourceFile)
public:
    CSourceFile(const CString& strSourceName, int nType, int nSize, int nFileCount, int nDisk,
                BOOL bLastOnDisk, int nDestination, const CString& strExtra, CGroup* pGroup);

    CString m_strSourceName;  // relative to the source directory
    int m_nType;              // 0 a plain file, 1 an archive; others install nothing
    int m_nSize;              // bytes installed: the record's share of the progress
    int m_nFileCount;         // files the record holds; kept only
    int m_nDisk;
    BOOL m_bLastOnDisk;       // read after the other files of its diskette
    CString m_strExtra;       // kept only
    int m_nDestination;       // of a plain file; -1: not copied
    CGroup* m_pGroup;         // not owned; its selection selects the record
};
