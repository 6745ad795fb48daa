// The user registration record. Nothing asks the user for name or company,
// so both stay empty; the date is set when the record is written.
#pragma once

#include "CString.h"

class CUserInfo
{
public:
    CString m_strName;
    CString m_strCompany;
    CString m_strDate;
};
