// CMultiFileArchive: reads an archive member by member. Every read of member
// data goes through the counted read, so ticks and volume ends reach the
// hooks of a derived class in the middle of a decode.
//
//     archive.OpenArchive(path);
//     CMultiFileEntry entry(&archive);
//     while (archive.ReadEntryHeader(&entry, FALSE)) {
//         entry.SetOutputPath(...);
//         archive.Extract(&entry);  // consumes exactly dwStoredSize bytes
//     }
#pragma once

#include "CCodec.h"
#include "CMultiFile.h"
#include "CMultiFileEntry.h"

class CMultiFileArchive : public CMultiFile
{
    DECLARE_DYNAMIC(CMultiFileArchive)
public:
    CMultiFileArchive();
    ~CMultiFileArchive() override;

    // Returns the position of the first member header (8).
    LONG OpenArchive(LPCTSTR pszPath);
    // The volume header: fewer than 8 bytes raise endOfFile, a magic other
    // than "mflh" MFX_NOT_ARCHIVE.
    UINT ReadArchiveHeader();
    // FALSE at the end of the archive (fewer than a header's bytes left).
    BOOL ReadEntryHeader(CMultiFileEntry* pEntry, BOOL bSeek);
    void Extract(CMultiFileEntry* pEntry);
    // Asks the running codec to cancel: the member is decoded to its end,
    // then Extract raises the user-cancel exception.
    void Abort() override;

    virtual CMultiFileEntry* CreateEntry();
    // Null for a method other than stored and deflate.
    virtual CCodec* CreateCodec(LONG nMethod, LONG nMethodParam);

    CCodec* m_pCodec;
    CMultiFileEntry* m_pEntry;
    LONG m_nFirstEntry;
    BOOL m_bExtracting;
};
