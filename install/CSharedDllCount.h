// CSharedDllCount: the shared-use count of one shared system file, the
// REG_DWORD value named by the file's full path under
// HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\SharedDLLs.
// Read when made (missing, unreadable or of another type: 0); written when
// it ends: a count above 0 is saved, a count of 0 removes the value.
// Registry failures are silent.
#pragma once

#include "CRegistryDword.h"

class CSharedDllCount : public CRegistryDword
{
    DECLARE_DYNAMIC(CSharedDllCount)
public:
    explicit CSharedDllCount(LPCTSTR pszPath);
    ~CSharedDllCount() override;

    // Stops at the largest count rather than wrapping to 0, which would
    // remove the value of a file still in use.
    void Increment();
    // A count of 0 stays 0.
    void Decrement();
    BOOL IsUsed() const { return m_dwValue != 0; }
};
