// The archive's on-disk records. All integers are little-endian; the header
// is converted field by field, so neither the host's byte order nor its
// structure padding matters.
#pragma once

#include "Platform.h"

// The 8 bytes at the start of every volume: "mflh" and four unread bytes.
const UINT VOLUME_HEADER_SIZE = 8;
extern const char g_szVolumeMagic[4];

enum
{
    METHOD_STORED = 2,
    METHOD_DEFLATE = 4
};

struct MultiFileEntryHeader
{
    enum
    {
        SIZE = 346,
        NAME_SIZE = 260,
        NOTE_SIZE = 40
    };

    char szMagic[4];  // "mfen"
    WORD wVersion;    // 1
    WORD wHeaderSize; // SIZE
    LONG tModified;   // seconds since 1970 (UTC)
    char szName[NAME_SIZE];
    DWORD dwExpandedSize;
    DWORD dwStoredSize;
    DWORD dwCrc;  // 0: not checked
    LONG nMethod;
    LONG nMethodParam;
    short nDestination;
    WORD wAttributes;
    WORD wContinued;  // the stored data runs on into the next volume
    char szNote[NOTE_SIZE];

    // A fresh header: magic, version and size set, everything else zero.
    MultiFileEntryHeader();

    void FromBytes(const BYTE* pBytes);
    void ToBytes(BYTE* pBytes) const;
    BOOL HasMagic() const;
};
