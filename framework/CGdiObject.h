// The GDI objects: each wrapper owns its handle and deletes it when it is
// destroyed (or given another with Attach).
#pragma once

#include "CObject.h"

class CGdiObject : public CObject
{
    DECLARE_DYNAMIC(CGdiObject)
public:
    CGdiObject() = default;
    ~CGdiObject() override;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    // Takes ownership of hObject (deleting what was held); FALSE for null.
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();

    HGDIOBJ m_hObject = nullptr;
};

class CBrush : public CGdiObject
{
    DECLARE_DYNAMIC(CBrush)
public:
    CBrush() = default;
    // A solid brush; out of GDI resources throws CResourceException*.
    explicit CBrush(COLORREF crColor);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};

class CFont : public CGdiObject
{
    DECLARE_DYNAMIC(CFont)
public:
    BOOL CreateFontIndirect(const LOGFONTA* pLogFont);
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};

class CPalette : public CGdiObject
{
    DECLARE_DYNAMIC(CPalette)
public:
    BOOL CreatePalette(const LOGPALETTE* pLogPalette);
    operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }
};
