// CZLibCodec (method 4): the member is one zlib stream (deflate, window bits
// 15). zlib is fed 4096 input bytes at a time and empties 4096-byte output
// buffers, so a member of any size decodes in constant memory.
#pragma once

#include "CCodec.h"

typedef struct z_stream_s z_stream;

class CZLibCodec : public CCodec
{
public:
    static constexpr UINT BUFFER_SIZE = 4096;

    CZLibCodec();
    ~CZLibCodec() override;

protected:
    void DoEncode() override;
    void DoDecode(DWORD dwStoredSize, DWORD dwExpandedSize) override;

private:
    void PrepareStream();
    void FlushOutput();

    z_stream* m_pStream;
    BYTE* m_pInBuffer;
    UINT m_nInSize;
    BYTE* m_pOutBuffer;
    UINT m_nOutSize;
};
