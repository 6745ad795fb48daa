// CFileDialog: the platform's common "open" or "save" file dialog, with our
// hook, so that the dialog's messages reach this object like those of any
// other CDialog. Without OFN_EXPLORER in m_ofn.Flags it is the old-style
// dialog, whose hook sees every message of the dialog and can lay its own
// template over it (OFN_ENABLETEMPLATE).
//
// Platform class: it belongs with CDialog in framework/, and lives here until
// it is moved there.
#pragma once

#include "CDialog.h"

#include <commdlg.h>
#include <vector>

class CFileDialog : public CDialog
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    // lpszFilter: pairs of "description|pattern|", ending with "|".
    CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                CWnd* pParentWnd = nullptr);

    // IDOK when the user accepted a name, IDCANCEL otherwise.
    INT_PTR DoModal() override;

    OPENFILENAMEA m_ofn;

protected:
    // The dialog's own OK and Cancel processing: they end the dialog and set
    // the result GetSaveFileName / GetOpenFileName answer.
    void OnOK() override;
    void OnCancel() override;
    // The dialog reports that the selection of its list box (or drive box)
    // nIdBox changed to iCurSel, or that a folder was opened.
    virtual void OnLBSelChangedNotify(UINT nIdBox, UINT iCurSel, UINT nCode);

    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

private:
    static UINT_PTR CALLBACK HookProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

    BOOL m_bOpenFileDialog;
    std::vector<char> m_achFilter;  // the filter with its '|' turned into NULs
    char m_szFileName[MAX_PATH] = "";
    CString m_strDefExt;
};
