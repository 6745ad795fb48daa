#include "CProfileItem.h"

CProfileItem::CProfileItem(LPCTSTR lpszSection, LPCTSTR lpszKey, const CFilePath& file,
                           BOOL bWriteOnDestroy, BOOL bReadOnCreate)
    : m_bWriteOnDestroy(bWriteOnDestroy), m_bReadOnCreate(bReadOnCreate),
      m_strSection(lpszSection), m_strKey(lpszKey), m_file(file)
{
}

CString GetProfileFileText(const CFilePath& file)
{
    if (!file.GetPath().IsEmpty())
        return file.GetPath();
    CFilePath program;
    program.SetToModulePath();
    CString strTitle;
    program.GetFileTitle(strTitle);
    return strTitle + ".INI";
}
