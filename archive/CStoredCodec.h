// CStoredCodec (method 2): the member's bytes unchanged, copied in pieces.
#pragma once

#include "CCodec.h"

class CStoredCodec : public CCodec
{
public:
    static constexpr UINT BUFFER_SIZE = 16384;

    CStoredCodec();
    ~CStoredCodec() override;

protected:
    void DoEncode() override;
    void DoDecode(DWORD dwStoredSize, DWORD dwExpandedSize) override;

private:
    BYTE* m_pBuffer;
};
