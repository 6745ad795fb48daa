#include "CFileVersion.h"

#include "CException.h"

#include <cstring>
#include <new>

CFileVersion::~CFileVersion()
{
    Free();
}

void CFileVersion::Free()
{
    delete[] m_pData;
    m_pData = nullptr;
}

BOOL CFileVersion::LoadVersionInfo(LPCTSTR pszPath)
{
    Free();
    DWORD dwHandle = 0;
    const DWORD dwSize = GetFileVersionInfoSizeA(pszPath, &dwHandle);
    if (dwSize == 0)
        return FALSE;
    m_pData = new (std::nothrow) BYTE[dwSize + 1];
    if (m_pData == nullptr)
        AfxThrowMemoryException();
    if (GetFileVersionInfoA(pszPath, 0, dwSize, m_pData))
        return TRUE;
    Free();
    return FALSE;
}

BOOL CFileVersion::GetFixedInfo(VS_FIXEDFILEINFO& info) const
{
    if (m_pData == nullptr)
        return FALSE;
    void* pValue = nullptr;
    UINT nLength = 0;
    if (!VerQueryValueA(m_pData, "\\", &pValue, &nLength) || pValue == nullptr
        || nLength < sizeof(VS_FIXEDFILEINFO))
        return FALSE;
    VS_FIXEDFILEINFO fixed;
    memcpy(&fixed, pValue, sizeof(fixed));
    if (fixed.dwSignature != VS_FFI_SIGNATURE)
        return FALSE;
    info = fixed;
    return TRUE;
}

BOOL CFileVersion::GetVersion(WORD& wMajor, WORD& wMinor, WORD* pwBuild, WORD* pwRevision) const
{
    VS_FIXEDFILEINFO info;
    if (!GetFixedInfo(info))
        return FALSE;
    wMajor = HIWORD(info.dwFileVersionMS);
    wMinor = LOWORD(info.dwFileVersionMS);
    if (pwBuild != nullptr)
        *pwBuild = HIWORD(info.dwFileVersionLS);
    if (pwRevision != nullptr)
        *pwRevision = LOWORD(info.dwFileVersionLS);
    return TRUE;
}

BOOL CFileVersion::IsNewerThan(const CFileVersion& other) const
{
    WORD wThis[4];
    WORD wOther[4];
    if (!GetVersion(wThis[0], wThis[1], &wThis[2], &wThis[3])
        || !other.GetVersion(wOther[0], wOther[1], &wOther[2], &wOther[3]))
        return FALSE;
    for (int nPart = 0; nPart < 4; nPart++)
    {
        if (wThis[nPart] != wOther[nPart])
            return wThis[nPart] > wOther[nPart];
    }
    return FALSE;
}
