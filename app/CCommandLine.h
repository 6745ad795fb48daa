// The command line as a map, alive only while it is read.
// "/X:value" is stored under "X" with "value"; "/Xrest" under "X" with "rest";
// the n-th other token under "#n". Tokens are cut at spaces only; keys are
// case-sensitive and a later token replaces an earlier one of the same key.
#pragma once

#include "CMapStringToString.h"

class CCommandLine : public CMapStringToString
{
public:
    // A null text gives an empty map.
    CCommandLine(LPCTSTR lpszCommandLine, char chSwitch);

    BOOL HasOption(LPCTSTR lpszName) const;
    // TRUE when the option exists (strValue receives it); otherwise strValue
    // receives the default when one is given.
    BOOL GetOption(LPCTSTR lpszName, CString& strValue, LPCTSTR lpszDefault = nullptr) const;
    // Stores one token that begins with the switch character.
    void AddSwitch(const CString& strToken);

private:
    char m_chSwitch;
};
