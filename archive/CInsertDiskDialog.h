// CInsertDiskDialog (template 113): asks for the diskette that holds a file
// the installer cannot find. The user inserts it, or types (or browses to)
// another directory; OK is taken only when the file is in that directory.
#pragma once

#include "CDialog.h"
#include "CFilePath.h"

class CInsertDiskDialog : public CDialog
{
    DECLARE_DYNAMIC(CInsertDiskDialog)
public:
    // pathExpected: where the file was looked for (source directory and
    // file name); nDiskNumber: the diskette that holds it.
    CInsertDiskDialog(CWnd* pParentWnd, const CFilePath& pathExpected, int nDiskNumber);

    // The directory the file was found in, once the dialog ended with OK.
    CString m_strDirectory;
    int m_nDiskNumber;
    CFilePath m_pathExpected;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(UINT nId) override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnBrowse();
};
