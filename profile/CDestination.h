// One destination directory of the install profile: where the files of a
// destination id go. A record without a path of its own takes its parent's
// path plus its name once the parent is known.
#pragma once

#include "CFilePath.h"
#include "CObject.h"
#include "CString.h"

class CDestinationMap;

class CDestination : public CObject
{
    DECLARE_DYNAMIC(CDestination)
public:
    // The state of an id the profile has not described yet: no name, no
    // parent, no path. The owner is set when a map takes the record.
    explicit CDestination(short nId, LPCTSTR lpszName = "", short nParent = -1,
                          const CFilePath& path = CFilePath());

    BOOL HasParent() const { return m_nParent != -1; }
    BOOL HasPath() const { return !m_path.GetPath().IsEmpty(); }
    // TRUE when the record has its directory afterwards: it had one, needs
    // none, or its parent has one to derive it from (and the result fits a
    // path). A path of its own is kept even when a parent is named.
    BOOL Resolve();

    short m_nId;                 // 0 is the main install folder
    CString m_strName;           // the subdirectory below the parent's path
    short m_nParent;             // -1: none
    CDestinationMap* m_pOwner;   // where the parent is looked up; not owned
    CFilePath m_path;            // ends with a backslash; empty until resolved
};
