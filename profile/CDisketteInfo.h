// The label of one diskette of the distribution, shown when the user is
// asked to insert it.
#pragma once

#include "CString.h"

class CDisketteInfo
{
public:
    CString m_strLabel;
    CString m_strSecondText;  // kept as read; nothing interprets it
};
