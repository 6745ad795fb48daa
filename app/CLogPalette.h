// One logical-palette record (version, count, entries) in a buffer of its own.
#pragma once

#include "CDC.h"

class CLogPalette
{
public:
    CLogPalette();
    ~CLogPalette();
    CLogPalette(const CLogPalette&) = delete;
    CLogPalette& operator=(const CLogPalette&) = delete;

    // Room for nEntries entries; out of memory throws CMemoryException*.
    void Resize(int nEntries);
    // The entries of the palette selected into pDC.
    void CopyCurrent(CDC* pDC);
    void SetEntry(int nIndex, BYTE nRed, BYTE nGreen, BYTE nBlue, BYTE nFlags);

    LOGPALETTE* m_pLogPalette = nullptr;
};
