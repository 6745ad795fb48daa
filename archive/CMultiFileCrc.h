// CMultiFileCrc: the archive checksum. A CRC-32 table, but the register moves
// on by 6 bits a byte (not 8) and is neither preset nor inverted:
//     crc = table[(crc ^ b) & 0xFF] ^ ((crc >> 6) & 0x00FFFFFF)
// Every step is linear, so sixteen steps at once are the XOR of one table
// lookup per input byte and per register byte; Update uses that form and
// UpdateBytewise keeps the one-byte form as the reference it must match.
#pragma once

#include "Platform.h"

#include <cstddef>

class CMultiFileCrc
{
public:
    CMultiFileCrc();

    DWORD GetValue() const { return m_dwValue; }
    void Reset() { m_dwValue = 0; }
    void Update(const void* pData, size_t nCount);

    static DWORD UpdateBytewise(DWORD dwCrc, const void* pData, size_t nCount);
    static DWORD UpdateSliced(DWORD dwCrc, const void* pData, size_t nCount);

private:
    DWORD m_dwValue;
};
