// CDialog: a dialog made from a template of the program's resources, modal
// (DoModal) or modeless (Create), with data exchange between its fields and
// its edit and static controls (DoDataExchange, UpdateData). Every dialog is
// painted in the application's dialog colours (CWinApp::SetDialogBkColor).
#pragma once

#include "CWnd.h"

// One direction of a data exchange: to the fields (save) or to the controls.
struct CDataExchange
{
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Exchanges a string field with the text of control nIdc.
void DDX_Text(CDataExchange* pDX, int nIdc, CString& strValue);

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    // No window yet: DoModal or Create makes it. pParentWnd null: the
    // application's main window owns the dialog.
    explicit CDialog(UINT nIdTemplate, CWnd* pParentWnd = nullptr);

    // Runs the dialog modally; its end code (IDOK, IDCANCEL ...), or -1 when
    // the template cannot be made into a window.
    virtual INT_PTR DoModal();
    // Makes the modeless window; TRUE on success.
    virtual BOOL Create(UINT nIdTemplate, CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);

    // FALSE: fields -> controls; TRUE: controls -> fields.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    UINT m_nIdTemplate;

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);

    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(UINT nId) override;
    // Not handled here: the dialog manager's own handling follows.
    LRESULT Default(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

    static INT_PTR CALLBACK DlgProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

    CWnd* m_pParentWnd;
    BOOL m_bModal = FALSE;

private:
    HWND OwnerHandle(CWnd* pParentWnd) const;
};
