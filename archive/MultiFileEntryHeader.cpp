#include "MultiFileEntryHeader.h"

#include <cstring>

const char g_szVolumeMagic[4] = {'m', 'f', 'l', 'h'};

namespace {

const char kEntryMagic[4] = {'m', 'f', 'e', 'n'};

DWORD GetDword(const BYTE* p)
{
    return static_cast<DWORD>(p[0]) | static_cast<DWORD>(p[1]) << 8 | static_cast<DWORD>(p[2]) << 16 |
           static_cast<DWORD>(p[3]) << 24;
}

WORD GetWord(const BYTE* p)
{
    return static_cast<WORD>(p[0] | p[1] << 8);
}

void PutDword(BYTE* p, DWORD dw)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<BYTE>(dw >> (8 * i));
}

void PutWord(BYTE* p, WORD w)
{
    p[0] = static_cast<BYTE>(w);
    p[1] = static_cast<BYTE>(w >> 8);
}

} // namespace

MultiFileEntryHeader::MultiFileEntryHeader()
{
    BYTE abFresh[SIZE] = {};
    FromBytes(abFresh);
    std::memcpy(szMagic, kEntryMagic, sizeof szMagic);
    wVersion = 1;
    wHeaderSize = SIZE;
}

void MultiFileEntryHeader::FromBytes(const BYTE* p)
{
    std::memcpy(szMagic, p, 4);
    wVersion = GetWord(p + 4);
    wHeaderSize = GetWord(p + 6);
    tModified = static_cast<LONG>(GetDword(p + 8));
    std::memcpy(szName, p + 16, NAME_SIZE);
    dwExpandedSize = GetDword(p + 276);
    dwStoredSize = GetDword(p + 280);
    dwCrc = GetDword(p + 284);
    nMethod = static_cast<LONG>(GetDword(p + 292));
    nMethodParam = static_cast<LONG>(GetDword(p + 296));
    nDestination = static_cast<short>(GetWord(p + 300));
    wAttributes = GetWord(p + 302);
    wContinued = GetWord(p + 304);
    std::memcpy(szNote, p + 306, NOTE_SIZE);
}

void MultiFileEntryHeader::ToBytes(BYTE* p) const
{
    std::memset(p, 0, SIZE);
    std::memcpy(p, szMagic, 4);
    PutWord(p + 4, wVersion);
    PutWord(p + 6, wHeaderSize);
    PutDword(p + 8, static_cast<DWORD>(tModified));
    std::memcpy(p + 16, szName, NAME_SIZE);
    PutDword(p + 276, dwExpandedSize);
    PutDword(p + 280, dwStoredSize);
    PutDword(p + 284, dwCrc);
    PutDword(p + 292, static_cast<DWORD>(nMethod));
    PutDword(p + 296, static_cast<DWORD>(nMethodParam));
    PutWord(p + 300, static_cast<WORD>(nDestination));
    PutWord(p + 302, wAttributes);
    PutWord(p + 304, wContinued);
    std::memcpy(p + 306, szNote, NOTE_SIZE);
}

BOOL MultiFileEntryHeader::HasMagic() const
{
    return std::memcmp(szMagic, kEntryMagic, sizeof szMagic) == 0;
}
