#include "CLogPalette.h"

#include "CException.h"

#include <cstdlib>

namespace {
size_t BufferSize(int nEntries)
{
    return sizeof(WORD) * 2 + sizeof(PALETTEENTRY) * static_cast<size_t>(nEntries);
}
}

CLogPalette::CLogPalette()
{
    Resize(1);
}

CLogPalette::~CLogPalette()
{
    std::free(m_pLogPalette);
}

void CLogPalette::Resize(int nEntries)
{
    void* pBuffer = std::realloc(m_pLogPalette, BufferSize(nEntries));
    if (pBuffer == nullptr)
        AfxThrowMemoryException();
    m_pLogPalette = static_cast<LOGPALETTE*>(pBuffer);
    m_pLogPalette->palVersion = 0x300;
    m_pLogPalette->palNumEntries = static_cast<WORD>(nEntries);
}

void CLogPalette::CopyCurrent(CDC* pDC)
{
    HPALETTE hCurrent = pDC->SelectPalette(static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE)), FALSE);
    WORD nCount = 0;
    ::GetObjectA(hCurrent, sizeof nCount, &nCount);
    pDC->SelectPalette(hCurrent, FALSE);
    Resize(nCount);
    ::GetPaletteEntries(hCurrent, 0, nCount, m_pLogPalette->palPalEntry);
}

void CLogPalette::SetEntry(int nIndex, BYTE nRed, BYTE nGreen, BYTE nBlue, BYTE nFlags)
{
    PALETTEENTRY& entry = m_pLogPalette->palPalEntry[nIndex];
    entry.peRed = nRed;
    entry.peGreen = nGreen;
    entry.peBlue = nBlue;
    entry.peFlags = nFlags;
}
