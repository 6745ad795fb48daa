// CFileVersion: the version-information block of one file and the file
// version in its fixed record (major.minor.build.revision, four unsigned
// 16-bit parts).
//
// A block whose root holds no whole fixed record (VerQueryValue answers for
// the root with fewer bytes than the record, or a record without its
// signature) gives no version: GetFixedInfo and GetVersion answer FALSE.
#pragma once

#include "Platform.h"

class CFileVersion
{
public:
    CFileVersion() = default;
    virtual ~CFileVersion();
    CFileVersion(const CFileVersion&) = delete;
    CFileVersion& operator=(const CFileVersion&) = delete;

    // FALSE when the file has no version resource (or it cannot be read).
    BOOL LoadVersionInfo(LPCTSTR pszPath);
    BOOL GetFixedInfo(VS_FIXEDFILEINFO& info) const;
    // pwBuild and pwRevision may be null.
    BOOL GetVersion(WORD& wMajor, WORD& wMinor, WORD* pwBuild = nullptr, WORD* pwRevision = nullptr) const;
    // Part by part, the first part that differs decides. Equal versions, or a
    // side without a version, are not newer.
    BOOL IsNewerThan(const CFileVersion& other) const;

private:
    void Free();

    BYTE* m_pData = nullptr;
};
