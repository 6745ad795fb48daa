#include "CXFont.h"

BOOL CXFont::CreateFontByPoints(CDC* pDC, LPCTSTR lpszFaceName, int nPointHeight, BOOL bBold, BYTE bItalic,
                                int nPointWidth, int nEscapement, int nOrientation, BYTE bUnderline,
                                BYTE bStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                                BYTE nQuality, BYTE nPitchAndFamily)
{
    CDC screenDC;
    if (pDC == nullptr) {
        if (!screenDC.CreateCompatibleDC(nullptr))
            return FALSE;
        pDC = &screenDC;
    }
    const int nHeight = MulDiv(nPointHeight, pDC->GetDeviceCaps(LOGPIXELSY), 72);
    const int nWidth = MulDiv(nPointWidth, pDC->GetDeviceCaps(LOGPIXELSX), 72);

    LOGFONTA lf {};
    // Negative: the character height, without the internal leading.
    lf.lfHeight = -nHeight;
    lf.lfWidth = -nWidth;
    lf.lfEscapement = nEscapement;
    lf.lfOrientation = nOrientation;
    lf.lfWeight = bBold ? FW_BOLD : FW_DONTCARE;
    lf.lfItalic = bItalic;
    lf.lfUnderline = bUnderline;
    lf.lfStrikeOut = bStrikeOut;
    lf.lfCharSet = nCharSet;
    lf.lfOutPrecision = nOutPrecision;
    lf.lfClipPrecision = nClipPrecision;
    lf.lfQuality = nQuality;
    lf.lfPitchAndFamily = nPitchAndFamily;
    lstrcpynA(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreateFontIndirect(&lf);
}
