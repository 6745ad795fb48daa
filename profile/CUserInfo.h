// The user registration record. Nothing asks the user for name or company,
// so both stay empty; the date is set when the record is written.
#pragma once

#include "CString.h"

#ifdef _WIN32
#include "CClock.h"
#include "CFilePath.h"
#endif

class CUserInfo
{
public:
#ifdef _WIN32
    // Dates the record with today (month/day/two-digit year without leading
    // zeros, 6/5/97 for 5 June 1997) and writes the "license" section: keys
    // "name", "company" and "date". Write failures are not reported.
    void Write(const CFilePath& file, const CClock& clock = CClock());
#endif

    CString m_strName;
    CString m_strCompany;
    CString m_strDate;
};
