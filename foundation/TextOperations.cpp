#include "TextOperations.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>

namespace
{
// The state of the random-name generator: the same start in every run, so that
// a run's temporary names can be foreseen (and tested).
const uint32_t RANDOM_SEED = 1;
uint32_t g_nRandomState = RANDOM_SEED;

unsigned int DrawRandomValue()
{
    g_nRandomState = g_nRandomState * 214013u + 2531011u;
    return (g_nRandomState >> 16) & 0x7FFF;
}

bool BeginsWith(const CString& str, char ch)
{
    return !str.IsEmpty() && str[0] == ch;
}

// Every format of the program was sized for one 512-byte buffer. vsnprintf
// never writes past it and tells the length the whole result would have had
// (negative for an invalid format); the text kept is cut where a double-byte
// character would otherwise lose its trail byte.
int StoreFormatted(CString& strOut, const char* pszBuffer, int nLength)
{
    if (nLength < 0)
    {
        strOut.Empty();
        return 0;
    }
    strOut = CString(pszBuffer, nLength < MAX_FORMATTED_TEXT ? nLength : MAX_FORMATTED_TEXT);
    if (nLength > MAX_FORMATTED_TEXT)
        TruncateText(strOut, GetCharBoundary(strOut, MAX_FORMATTED_TEXT));
    return strOut.GetLength();
}
}

bool IsAnsiLeadByte(BYTE ch)
{
    return IsDBCSLeadByte(ch) != FALSE;
}

int NextCharIndex(const CString& str, int nIndex, PFNISLEADBYTE pfnIsLeadByte)
{
    return nIndex + (pfnIsLeadByte(static_cast<BYTE>(str[nIndex])) ? 2 : 1);
}

int GetCharBoundary(const CString& str, int nLength, PFNISLEADBYTE pfnIsLeadByte)
{
    if (nLength > str.GetLength())
        nLength = str.GetLength();
    int nBoundary = 0;
    while (nBoundary < nLength)
    {
        int nNext = NextCharIndex(str, nBoundary, pfnIsLeadByte);
        if (nNext > nLength)
            break;
        nBoundary = nNext;
    }
    return nBoundary;
}

// The last byte must start a character of its own: the trail byte of a
// double-byte character may have the value of ch.
bool EndsWithChar(const CString& str, char ch, PFNISLEADBYTE pfnIsLeadByte)
{
    int nLast = str.GetLength() - 1;
    return nLast >= 0 && str[nLast] == ch && GetCharBoundary(str, nLast, pfnIsLeadByte) == nLast;
}

void TruncateText(CString& str, int nLength)
{
    if (nLength < str.GetLength())
        str = str.Left(nLength);
}

void StripLeadingChar(CString& str, char ch)
{
    if (BeginsWith(str, ch))
        str = str.Mid(1);
}

void StripTrailingChar(CString& str, char ch)
{
    if (EndsWithChar(str, ch))
        TruncateText(str, str.GetLength() - 1);
}

void StripLeadingBackslash(CString& str)
{
    if (str.GetLength() > 1)
        StripLeadingChar(str, '\\');
}

void StripTrailingBackslash(CString& str)
{
    if (str.GetLength() > 1)
        StripTrailingChar(str, '\\');
}

void EnsureLeadingBackslash(CString& str)
{
    if (!BeginsWith(str, '\\'))
        str = '\\' + str;
}

void EnsureTrailingBackslash(CString& str)
{
    if (!EndsWithChar(str, '\\'))
        str += '\\';
}

CString MakeRandomName(int nLength)
{
    unsigned int anValues[5];
    for (unsigned int& nValue : anValues)
        nValue = DrawRandomValue();
    // The last value drawn comes first.
    CString strName;
    strName.Format("%.4x%.4x%.4x%.4x%.4x", anValues[4], anValues[3], anValues[2], anValues[1], anValues[0]);
    TruncateText(strName, nLength < 0 ? 0 : nLength);
    return strName;
}

void RestartRandomNamesForTesting()
{
    g_nRandomState = RANDOM_SEED;
}

int FormatText(CString& strOut, const char* pszFormat, ...)
{
    char szBuffer[MAX_FORMATTED_TEXT + 1];
    va_list args;
    va_start(args, pszFormat);
    int nLength = pszFormat != nullptr ? vsnprintf(szBuffer, sizeof(szBuffer), pszFormat, args) : -1;
    va_end(args);
    return StoreFormatted(strOut, szBuffer, nLength);
}

int FormatResourceText(CString& strOut, UINT nID, ...)
{
    CString strFormat;
    if (!strFormat.LoadString(nID) || strFormat.IsEmpty())
        return 0;
    char szBuffer[MAX_FORMATTED_TEXT + 1];
    va_list args;
    va_start(args, nID);
    int nLength = vsnprintf(szBuffer, sizeof(szBuffer), strFormat, args);
    va_end(args);
    return StoreFormatted(strOut, szBuffer, nLength);
}
