#include "DialogTemplate.h"

namespace
{
// A name-or-number field of a template: 0 (none), 0xFFFF and a number, or a
// zero-terminated UTF-16 string. Returns the field following it.
const WORD* ReadNameOrNumber(const WORD* p, std::wstring& strName, int& nNumber)
{
    nNumber = -1;
    strName.clear();
    if (*p == 0)
        return p + 1;
    if (*p == 0xFFFF) {
        nNumber = p[1];
        return p + 2;
    }
    while (*p)
        strName.push_back(static_cast<wchar_t>(*p++));
    return p + 1;
}

const WORD* AlignToDword(const WORD* p)
{
    return reinterpret_cast<const WORD*>((reinterpret_cast<ULONG_PTR>(p) + 3) & ~ULONG_PTR(3));
}
} // namespace

bool CDialogTemplate::Load(int nId, LANGID wLang)
{
    HRSRC hResource = FindResourceExA(nullptr, RT_DIALOG, MAKEINTRESOURCEA(nId), wLang);
    if (!hResource)
        return false;
    const auto* pHeader = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(nullptr, hResource)));
    m_dwStyle = pHeader->style;
    m_cx = pHeader->cx;
    m_cy = pHeader->cy;

    std::wstring strUnused;
    int nUnused = 0;
    const WORD* p = reinterpret_cast<const WORD*>(pHeader + 1);
    p = ReadNameOrNumber(p, strUnused, nUnused); // menu
    p = ReadNameOrNumber(p, strUnused, nUnused); // window class
    p = ReadNameOrNumber(p, m_strCaption, nUnused);
    if (m_dwStyle & DS_SETFONT) {
        m_nPoints = *p++;
        p = ReadNameOrNumber(p, m_strFace, nUnused);
    }

    m_items.clear();
    for (int i = 0; i < pHeader->cdit; ++i) {
        p = AlignToDword(p);
        const auto* pItem = reinterpret_cast<const DLGITEMTEMPLATE*>(p);
        CTemplateItem item;
        item.m_nId = static_cast<short>(pItem->id);
        item.m_dwStyle = pItem->style;
        item.m_x = pItem->x;
        item.m_y = pItem->y;
        item.m_cx = pItem->cx;
        item.m_cy = pItem->cy;
        p = reinterpret_cast<const WORD*>(pItem + 1);
        p = ReadNameOrNumber(p, strUnused, item.m_nClassAtom);
        if (item.m_nClassAtom < 0)
            item.m_nClassAtom = 0;
        p = ReadNameOrNumber(p, item.m_strText, item.m_nTextOrdinal);
        WORD nExtra = *p++;
        p = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(p) + nExtra);
        m_items.push_back(item);
    }
    return true;
}

const CTemplateItem* CDialogTemplate::FindById(int nId) const
{
    for (const CTemplateItem& item : m_items)
        if (item.m_nId == nId)
            return &item;
    return nullptr;
}

const CTemplateItem* CDialogTemplate::FindByPosition(short x, short y) const
{
    for (const CTemplateItem& item : m_items)
        if (item.m_x == x && item.m_y == y)
            return &item;
    return nullptr;
}
