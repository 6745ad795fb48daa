// CFolderDialog (template 138): picks a folder with the platform's old-style
// "save" dialog. Our template hides everything about files and adds a path
// field; the dialog's own current-folder display (1088) is hidden, and its
// text is copied into the path field whenever the user changes the
// selection. Browse of the Select Directory page (path editable) and of the
// diskette prompt (path as a label) use it.
#pragma once

#include "CFileDialog.h"

class CFolderDialog : public CFileDialog
{
    DECLARE_DYNAMIC(CFolderDialog)
public:
    explicit CFolderDialog(CWnd* pParentWnd = nullptr);

    // Shows the picker on strPath; on OK strPath becomes the chosen folder,
    // otherwise it stays as it was. An empty strPath is refused with
    // message 27 and no dialog.
    void ChooseFolder(CString& strPath, BOOL bEditable);

    CString m_strCurrentDir;
    CString m_strPath;
    CString m_strPathLabel;
    BOOL m_bInitialized = FALSE;
    BOOL m_bEditable = FALSE;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnLBSelChangedNotify(UINT nIdBox, UINT iCurSel, UINT nCode) override;

private:
    // Message 27, over this dialog when it is open.
    void ShowEmptyPathMessage();

    CString m_strStartFolder;
    CString m_strCaption;
};
