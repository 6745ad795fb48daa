#include "CStoredCodec.h"

CStoredCodec::CStoredCodec() : m_pBuffer(new BYTE[BUFFER_SIZE]) {}

CStoredCodec::~CStoredCodec()
{
    delete[] m_pBuffer;
}

void CStoredCodec::DoEncode()
{
    for (;;) {
        UINT n = ReadBlock(m_pBuffer, BUFFER_SIZE);
        if (n == 0)
            return;
        WriteBlock(m_pBuffer, n);
    }
}

void CStoredCodec::DoDecode(DWORD dwStoredSize, DWORD)
{
    for (DWORD dwLeft = dwStoredSize; dwLeft != 0;) {
        UINT n = ReadBlock(m_pBuffer, dwLeft < BUFFER_SIZE ? dwLeft : BUFFER_SIZE);
        if (n == 0)
            AfxThrowFileException(CFileException::endOfFile, -1);
        WriteBlock(m_pBuffer, n);
        dwLeft -= n;
    }
}
