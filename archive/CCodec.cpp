#include "CCodec.h"

class CCodec::CRun
{
public:
    CRun(CCodec& codec, CFile* pInput, CFile* pOutput, BOOL& bActive)
        : m_codec(codec), m_bActive(bActive)
    {
        m_codec.m_bCancel = FALSE;
        m_codec.m_bEncoding = FALSE;
        m_codec.m_bDecoding = FALSE;
        m_codec.m_pInput = pInput;
        m_codec.m_pOutput = pOutput;
        m_bActive = TRUE;
    }
    ~CRun()
    {
        m_bActive = FALSE;
        m_codec.m_pInput = nullptr;
        m_codec.m_pOutput = nullptr;
    }
    CRun(const CRun&) = delete;
    CRun& operator=(const CRun&) = delete;

private:
    CCodec& m_codec;
    BOOL& m_bActive;
};

CCodec::CCodec()
    : m_pInput(nullptr), m_pOutput(nullptr), m_bCancel(FALSE), m_bEncoding(FALSE), m_bDecoding(FALSE)
{
}

CCodec::~CCodec() = default;

void CCodec::Cancel()
{
    m_bCancel = TRUE;
}

BYTE CCodec::ReadByte()
{
    BYTE b = 0;
    ReadBlock(&b, 1);
    return b;
}

UINT CCodec::ReadBlock(void* pBuffer, UINT nCount)
{
    return m_pInput->Read(pBuffer, nCount);
}

void CCodec::WriteByte(BYTE b)
{
    WriteBlock(&b, 1);
}

void CCodec::WriteBlock(const void* pBuffer, UINT nCount)
{
    m_pOutput->Write(pBuffer, nCount);
}

void CCodec::Encode(CFile* pInput, CFile* pOutput)
{
    CRun run(*this, pInput, pOutput, m_bEncoding);
    DoEncode();
}

void CCodec::Decode(CFile* pInput, CFile* pOutput, DWORD dwStoredSize, DWORD dwExpandedSize)
{
    CRun run(*this, pInput, pOutput, m_bDecoding);
    DoDecode(dwStoredSize, dwExpandedSize);
}
