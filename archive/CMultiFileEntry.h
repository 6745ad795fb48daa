// CMultiFileEntry: one member of an archive. It holds the member's header
// and is itself the output file the member is extracted into, so the counted
// write checksums the decoded bytes.
#pragma once

#include "CMultiFile.h"
#include "MultiFileEntryHeader.h"

class CMultiFileArchive;

class CMultiFileEntry : public CMultiFile
{
    DECLARE_DYNAMIC(CMultiFileEntry)
public:
    CMultiFileEntry();
    // Starts at the archive's first member.
    explicit CMultiFileEntry(const CMultiFileArchive* pArchive);
    ~CMultiFileEntry() override;

    // The next member's header from the archive: SIZE, or 0 at the end.
    UINT ReadHeader(CMultiFileArchive* pArchive);
    void SetOutputPath(LPCTSTR pszPath);
    void OpenOutput();
    // Time, attributes and size of the plain file m_strName.
    void FillFromFile();
    // The header's last-write time and attribute byte onto the output file.
    void ApplyStatus();

    // The final component of the member's name: what the installer writes.
    // Empty when nothing usable is left ("", ".", "..").
    CString GetFinalName() const { return FinalComponent(m_strName); }
    // The same for any path, with '\', '/' and ':' all taken as separators.
    static CString FinalComponent(const CString& strPath);

    LONG m_nOffset;
    char m_szOutputPath[MultiFileEntryHeader::NAME_SIZE];
    MultiFileEntryHeader m_header;
    CString m_strName;
    CString m_strNote;
};
