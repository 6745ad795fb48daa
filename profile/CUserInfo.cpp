#include "CUserInfo.h"

#include "CProfileString.h"

void CUserInfo::Write(const CFilePath& file, const CClock& clock)
{
    SYSTEMTIME now{};
    clock.GetLocalTime(now);
    m_strDate.Format("%u/%u/%02u", static_cast<unsigned>(now.wMonth), static_cast<unsigned>(now.wDay),
                     static_cast<unsigned>(now.wYear % 100));
    const char kSection[] = "license";
    CProfileString(m_strName, kSection, "name", file, FALSE, FALSE).Write();
    CProfileString(m_strCompany, kSection, "company", file, FALSE, FALSE).Write();
    CProfileString(m_strDate, kSection, "date", file, FALSE, FALSE).Write();
}
