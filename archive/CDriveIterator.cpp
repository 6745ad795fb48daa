#include "CDriveIterator.h"

namespace {
const int kLastDrive = 25;

UINT DriveTypeOf(int nIndex)
{
    const char szRoot[] = {static_cast<char>('a' + nIndex), ':', '\\', '\0'};
    return ::GetDriveTypeA(szRoot);
}
}

BOOL CDriveIterator::Next()
{
    for (int nIndex = m_nIndex + 1; nIndex <= kLastDrive; nIndex++) {
        if (DriveTypeOf(nIndex) != DRIVE_UNKNOWN) {
            m_nIndex = nIndex;
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CDriveIterator::FindNextOfType(UINT nDriveType)
{
    const int nStart = m_nIndex;
    while (Next()) {
        if (DriveTypeOf(m_nIndex) == nDriveType)
            return TRUE;
    }
    m_nIndex = nStart;
    return FALSE;
}

CString CDriveIterator::GetLetter() const
{
    return CString(static_cast<char>('A' + m_nIndex));
}

CString CDriveIterator::GetDriveRoot() const
{
    CString strRoot(static_cast<char>('a' + m_nIndex));
    return strRoot + ":\\";
}
