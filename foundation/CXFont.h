// The program's font objects: fonts sized in points, like the dialogs'.
#pragma once

#include "CDC.h"
#include "CGdiObject.h"

class CXFont : public CFont
{
public:
    // Creates the font with a character height (and width, 0: the face's
    // own) of so many points on pDC, or on the screen when pDC is null.
    // TRUE when the font was made.
    BOOL CreateFontByPoints(CDC* pDC, LPCTSTR lpszFaceName, int nPointHeight, BOOL bBold = FALSE,
                            BYTE bItalic = FALSE, int nPointWidth = 0, int nEscapement = 0,
                            int nOrientation = 0, BYTE bUnderline = FALSE, BYTE bStrikeOut = FALSE,
                            BYTE nCharSet = DEFAULT_CHARSET, BYTE nOutPrecision = OUT_DEFAULT_PRECIS,
                            BYTE nClipPrecision = CLIP_DEFAULT_PRECIS, BYTE nQuality = DEFAULT_QUALITY,
                            BYTE nPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE);
};
