// CNamedFile: a binary stdio file that remembers the path it was opened with,
// reports open failures as exceptions, and handles a full disk on write.
#pragma once

#include "CFilePath.h"
#include "CStdioFile.h"

class CNamedFile : public CStdioFile
{
    DECLARE_DYNAMIC(CNamedFile)
public:
    // Write failures other than a full disk are tried this many times in all.
    enum { WRITE_ATTEMPTS = 3 };

    CNamedFile();
    ~CNamedFile() override;

    // Read-only, share-deny-none; raises the open's CFileException.
    void OpenForRead(LPCTSTR pszPath, BOOL bBinary);
    // Created (truncated when it exists), read-write.
    void OpenForWrite(LPCTSTR pszPath, BOOL bBinary);

    virtual CString GetPathName() const;
    // Exactly nCount bytes, or CFileException endOfFile (OS error -1).
    virtual void ReadExact(void* pBuffer, UINT nCount);
    // TRUE: the disk has room again, write once more. FALSE: give up.
    virtual BOOL OnDiskFull(CFileException* pException);

    void Write(const void* pBuffer, UINT nCount) override;

private:
    void OpenOrRaise(LPCTSTR pszPath, UINT nFlags);

    CFilePath m_path;
};
