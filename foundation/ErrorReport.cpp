#include "ErrorReport.h"

#include "CErrorDialog.h"
#include "CWnd.h"
#include "CXException.h"

#include <cstdarg>
#include <memory>

namespace {

// The format of the string table filled with the caller's values. The text
// grows with them: a fixed buffer would cut a long path off mid-name.
CString FormatMessageText(UINT nMessageId, va_list args)
{
    CString strFormat;
    strFormat.LoadString(nMessageId);
    CString strMessage;
    strMessage.FormatV(strFormat, args);
    return strMessage;
}

} // namespace

INT_PTR ShowExceptionDialog(UINT nMessageId, LPCTSTR lpszMessage, CException* e, BOOL bCanCancel,
                            LPCTSTR lpszIconId)
{
    std::unique_ptr<CXException> pConverted;
    CXException* pX = nullptr;
    if (e->IsKindOf(RUNTIME_CLASS(CXException))) {
        pX = static_cast<CXException*>(e);
    } else {
        pConverted.reset(XConvertException(e));
        pX = pConverted.get();
    }
    const char* lpszClassName = pX->GetRuntimeClass()->m_lpszClassName;
    pX->LoadErrorText();

    CErrorDialog dialog;
    dialog.m_nMessageId = nMessageId;
    dialog.m_strMessage = lpszMessage;
    dialog.m_strShort = g_strErrorShort;
    dialog.m_strLong = g_strErrorLong;
    dialog.m_strErrorInfo.Format("%u.%d (%s)", nMessageId, pX->m_nCode, lpszClassName);
    dialog.m_bCanCancel = bCanCancel;
    dialog.m_nIconId = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpszIconId));
    return dialog.DoModal();
}

void ReportSetupError(UINT nMessageId, CException* e, ...)
{
    va_list args;
    va_start(args, e);
    const CString strMessage = FormatMessageText(nMessageId, args);
    va_end(args);
    ShowExceptionDialog(nMessageId, strMessage, e, FALSE, IDI_EXCLAMATION);
}

BOOL QuerySetupError(UINT nMessageId, CException* e, ...)
{
    va_list args;
    va_start(args, e);
    const CString strMessage = FormatMessageText(nMessageId, args);
    va_end(args);
    return ShowExceptionDialog(nMessageId, strMessage, e, TRUE, IDI_EXCLAMATION) == IDOK;
}

void PumpWaitingMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (AfxPreTranslateMessage(&msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
