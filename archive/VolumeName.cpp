#include "VolumeName.h"

#include <cstdio>

namespace {

BOOL IsSeparator(char ch)
{
    return ch == '\\' || ch == '/';
}

BOOL IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

} // namespace

BOOL MakeNextVolumeName(CString& strName)
{
    int nLast = strName.GetLength() - 1;
    if (nLast < 0 || static_cast<unsigned char>(strName[nLast]) == 0xFF)
        return FALSE;
    strName.SetAt(nLast, static_cast<char>(strName[nLast] + 1));
    return TRUE;
}

void SplitVolumePath(const CString& strPath, CString& strDirectory, CString& strName)
{
    int nStart = strPath.GetLength();
    while (nStart > 0 && !IsSeparator(strPath[nStart - 1]))
        --nStart;
    strDirectory = strPath.Left(nStart);
    strName = strPath.Mid(nStart);
}

BOOL MakeNextDisketteDirectory(CString& strDirectory)
{
    int nEnd = strDirectory.GetLength();
    while (nEnd > 0 && IsSeparator(strDirectory[nEnd - 1]))
        --nEnd;
    if (nEnd < 3 || !IsDigit(strDirectory[nEnd - 1]) || !IsDigit(strDirectory[nEnd - 2]))
        return FALSE;
    int nDisk = (strDirectory[nEnd - 2] - '0') * 10 + (strDirectory[nEnd - 1] - '0');
    if (nDisk == 0)
        return FALSE;
    CString strNumber;
    strNumber.Format("%02d", nDisk + 1);
    strDirectory = strDirectory.Left(nEnd - 2) + strNumber + strDirectory.Mid(nEnd);
    return TRUE;
}
