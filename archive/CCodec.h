// CCodec: moves one member's data from an input file to an output file,
// decoding (or encoding) on the way. The codec knows its ends only as CFile
// reads and writes, so volume switches, progress and checksums happen inside
// them. A codec serves one member and is then deleted.
#pragma once

#include "CFile.h"

class CCodec
{
public:
    CCodec();
    virtual ~CCodec();
    CCodec(const CCodec&) = delete;
    CCodec& operator=(const CCodec&) = delete;

    // Only sets the flag: the loops run to the end and the caller looks.
    virtual void Cancel();
    // 0 when the input has no byte left.
    virtual BYTE ReadByte();
    virtual UINT ReadBlock(void* pBuffer, UINT nCount);
    virtual void WriteByte(BYTE b);
    virtual void WriteBlock(const void* pBuffer, UINT nCount);

    // Encodes the whole input (until its read gives 0 bytes).
    virtual void Encode(CFile* pInput, CFile* pOutput);
    // Consumes exactly dwStoredSize bytes of the input.
    virtual void Decode(CFile* pInput, CFile* pOutput, DWORD dwStoredSize, DWORD dwExpandedSize);

    BOOL IsCancelled() const { return m_bCancel; }

protected:
    virtual void DoEncode() = 0;
    virtual void DoDecode(DWORD dwStoredSize, DWORD dwExpandedSize) = 0;

    CFile* m_pInput;
    CFile* m_pOutput;
    BOOL m_bCancel;
    BOOL m_bEncoding;
    BOOL m_bDecoding;

private:
    // Clears the run's state on every way out, exceptions included.
    class CRun;
};
