// One group of files of the install profile. The files of a group are listed
// in the profile section named exactly as the group; the group is installed
// when it is selected, which the chosen setup type decides from its flags.
#pragma once

#include "CString.h"

class CGroup
{
public:
    explicit CGroup(const CString& strName);

    CString m_strName;
    CString m_strFirstText;   // the two texts are kept and written back only
    CString m_strSecondText;
    BOOL m_bSelected;         // FALSE until a setup type is chosen
    BOOL m_bType1;            // part of setup type 1
    BOOL m_bType2;            // part of setup type 2
    BOOL m_bType3;            // part of setup type 3
};
