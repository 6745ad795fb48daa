#include "ProfileFields.h"

namespace {

bool IsSpace(char ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

}  // namespace

LONG ParseDecimal(const char* pszText)
{
    const char* pch = pszText;
    while (IsSpace(*pch))
        pch++;
    bool bNegative = false;
    if (*pch == '+' || *pch == '-')
        bNegative = *pch++ == '-';
    // Unsigned arithmetic: a number beyond 32 bits keeps its low bits, as the
    // 16-bit fields rely on, without the undefined overflow of a signed type.
    DWORD dwValue = 0;
    while (*pch >= '0' && *pch <= '9')
        dwValue = dwValue * 10 + static_cast<DWORD>(*pch++ - '0');
    if (bNegative)
        dwValue = 0u - dwValue;
    return static_cast<LONG>(dwValue);
}

BOOL ExtractField(CString& strOut, const CString& strValue, int nField, char chSeparator)
{
    strOut.Empty();
    if (nField < 0)
        return FALSE;
    int nStart = 0;
    for (int nSkipped = 0; nSkipped < nField; nSkipped++)
    {
        const int nSeparator = strValue.Find(chSeparator, nStart);
        if (nSeparator < 0)
            return FALSE;
        nStart = nSeparator + 1;
    }
    const int nEnd = strValue.Find(chSeparator, nStart);
    strOut = nEnd < 0 ? strValue.Mid(nStart) : strValue.Mid(nStart, nEnd - nStart);
    return TRUE;
}

BOOL ExtractShortField(short& nOut, const CString& strValue, int nField, char chSeparator)
{
    LONG nValue = 0;
    if (!ExtractLongField(nValue, strValue, nField, chSeparator))
        return FALSE;
    nOut = static_cast<short>(static_cast<WORD>(static_cast<DWORD>(nValue) & 0xFFFFu));
    return TRUE;
}

BOOL ExtractLongField(LONG& nOut, const CString& strValue, int nField, char chSeparator)
{
    CString strField;
    if (!ExtractField(strField, strValue, nField, chSeparator))
        return FALSE;
    nOut = ParseDecimal(strField);
    return TRUE;
}

BOOL ExtractBoolField(int& nOut, const CString& strValue, int nField, char chSeparator)
{
    LONG nValue = 0;
    if (!ExtractLongField(nValue, strValue, nField, chSeparator))
        return FALSE;
    nOut = nValue != 0 ? 1 : 0;
    return TRUE;
}
