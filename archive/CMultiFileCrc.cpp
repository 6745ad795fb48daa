#include "CMultiFileCrc.h"

namespace {

const int kSlice = 16;

struct CCrcTables
{
    // m_byte[0] is the plain CRC-32 table. For a block of kSlice bytes,
    // m_input[i][b] is what byte b at position i leaves in the register at
    // the block's end, and m_state[j][v] what register byte j of value v
    // leaves there.
    DWORD m_byte[256];
    DWORD m_input[kSlice][256];
    DWORD m_state[4][256];

    CCrcTables()
    {
        for (DWORD i = 0; i < 256; ++i) {
            DWORD c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
            m_byte[i] = c;
        }
        for (DWORD v = 0; v < 256; ++v) {
            for (int i = 0; i < kSlice; ++i)
                m_input[i][v] = Steps(m_byte[v], kSlice - 1 - i);
            for (int j = 0; j < 4; ++j)
                m_state[j][v] = Steps(v << (8 * j), kSlice);
        }
    }

    // The register after n zero bytes.
    DWORD Steps(DWORD c, int n) const
    {
        for (int k = 0; k < n; ++k)
            c = m_byte[c & 0xFF] ^ ((c >> 6) & 0x00FFFFFFu);
        return c;
    }
};

const CCrcTables& Tables()
{
    static const CCrcTables s_tables;
    return s_tables;
}

} // namespace

CMultiFileCrc::CMultiFileCrc() : m_dwValue(0)
{
    Tables();
}

void CMultiFileCrc::Update(const void* pData, size_t nCount)
{
    m_dwValue = UpdateSliced(m_dwValue, pData, nCount);
}

DWORD CMultiFileCrc::UpdateBytewise(DWORD dwCrc, const void* pData, size_t nCount)
{
    const DWORD* pTable = Tables().m_byte;
    const BYTE* p = static_cast<const BYTE*>(pData);
    for (size_t i = 0; i < nCount; ++i)
        dwCrc = pTable[(dwCrc ^ p[i]) & 0xFF] ^ ((dwCrc >> 6) & 0x00FFFFFFu);
    return dwCrc;
}

DWORD CMultiFileCrc::UpdateSliced(DWORD dwCrc, const void* pData, size_t nCount)
{
    const CCrcTables& t = Tables();
    const BYTE* p = static_cast<const BYTE*>(pData);
    for (; nCount >= kSlice; nCount -= kSlice, p += kSlice) {
        // The input terms do not depend on the register: only the four
        // register lookups lie on the chain from one block to the next.
        DWORD dwInput = t.m_input[0][p[0]] ^ t.m_input[1][p[1]] ^ t.m_input[2][p[2]] ^ t.m_input[3][p[3]] ^
                        t.m_input[4][p[4]] ^ t.m_input[5][p[5]] ^ t.m_input[6][p[6]] ^ t.m_input[7][p[7]] ^
                        t.m_input[8][p[8]] ^ t.m_input[9][p[9]] ^ t.m_input[10][p[10]] ^ t.m_input[11][p[11]] ^
                        t.m_input[12][p[12]] ^ t.m_input[13][p[13]] ^ t.m_input[14][p[14]] ^ t.m_input[15][p[15]];
        dwCrc = t.m_state[0][dwCrc & 0xFF] ^ t.m_state[1][(dwCrc >> 8) & 0xFF] ^
                t.m_state[2][(dwCrc >> 16) & 0xFF] ^ t.m_state[3][dwCrc >> 24] ^ dwInput;
    }
    return UpdateBytewise(dwCrc, p, nCount);
}
