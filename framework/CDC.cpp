#include "CDC.h"

#include "CException.h"
#include "CGdiObject.h"
#include "CWnd.h"

IMPLEMENT_DYNAMIC(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)

CDC::~CDC()
{
    if (m_bOwnsDC && m_hDC != nullptr)
        ::DeleteDC(m_hDC);
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    HDC hDC = ::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr);
    if (hDC == nullptr)
        return FALSE;
    if (m_bOwnsDC && m_hDC != nullptr)
        ::DeleteDC(m_hDC);
    m_hDC = hDC;
    m_bOwnsDC = TRUE;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    m_hDC = nullptr;
    m_bOwnsDC = FALSE;
    return hDC;
}

HGDIOBJ CDC::SelectObject(const CGdiObject& object)
{
    return object.m_hObject != nullptr ? ::SelectObject(m_hDC, object.m_hObject) : nullptr;
}

HPALETTE CDC::SelectPalette(const CPalette* pPalette, BOOL bForceBackground)
{
    if (pPalette == nullptr || pPalette->m_hObject == nullptr)
        return nullptr;
    return ::SelectPalette(m_hDC, *pPalette, bForceBackground);
}

SIZE CDC::GetTextExtent(LPCTSTR lpszText, int nCount) const
{
    SIZE size {0, 0};
    ::GetTextExtentPoint32A(m_hDC, lpszText, nCount, &size);
    return size;
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd)
{
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
    if (m_hDC == nullptr)
        AfxThrowResourceException();
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd)
{
    m_hDC = ::GetDC(m_hWnd);
    if (m_hDC == nullptr)
        AfxThrowResourceException();
}

CClientDC::~CClientDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}
