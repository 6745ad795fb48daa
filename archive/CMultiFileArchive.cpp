#include "CMultiFileArchive.h"

#include "CMultiFileException.h"
#include "CStoredCodec.h"
#include "CZLibCodec.h"

#include <cstring>
#include <memory>

IMPLEMENT_DYNAMIC(CMultiFileArchive, CMultiFile)

namespace {

// Holds the extraction state for the length of one decode, and leaves the
// archive and the entry reusable however the decode ends.
class CExtraction
{
public:
    CExtraction(CMultiFileArchive& archive, CMultiFileEntry* pEntry, CCodec* pCodec) : m_archive(archive)
    {
        m_archive.m_pCodec = pCodec;
        m_archive.m_pEntry = pEntry;
        m_archive.m_bExtracting = TRUE;
    }
    ~CExtraction()
    {
        CMultiFileEntry* pEntry = m_archive.m_pEntry;
        m_archive.m_bExtracting = FALSE;
        m_archive.m_pEntry = nullptr;
        delete m_archive.m_pCodec;
        m_archive.m_pCodec = nullptr;
        // Only a failed decode leaves the output open here.
        if (pEntry != nullptr && pEntry->IsOpen())
            pEntry->CStdioFile::Abort();
    }
    CExtraction(const CExtraction&) = delete;
    CExtraction& operator=(const CExtraction&) = delete;

private:
    CMultiFileArchive& m_archive;
};

} // namespace

CMultiFileArchive::CMultiFileArchive() : m_pCodec(nullptr), m_pEntry(nullptr), m_nFirstEntry(0), m_bExtracting(FALSE)
{
    m_nTick = 4096;
}

CMultiFileArchive::~CMultiFileArchive()
{
    delete m_pCodec;
}

LONG CMultiFileArchive::OpenArchive(LPCTSTR pszPath)
{
    OpenForRead(pszPath, TRUE);
    ReadArchiveHeader();
    m_nFirstEntry = static_cast<LONG>(GetPosition());
    return m_nFirstEntry;
}

UINT CMultiFileArchive::ReadArchiveHeader()
{
    char abHeader[VOLUME_HEADER_SIZE];
    if (ReadRaw(abHeader, sizeof abHeader) < sizeof abHeader)
        AfxThrowFileException(CFileException::endOfFile, -1, GetPathName());
    if (std::memcmp(abHeader, g_szVolumeMagic, sizeof g_szVolumeMagic) != 0)
        ThrowMultiFileException(MFX_NOT_ARCHIVE);
    return VOLUME_HEADER_SIZE;
}

BOOL CMultiFileArchive::ReadEntryHeader(CMultiFileEntry* pEntry, BOOL bSeek)
{
    if (pEntry->m_nOffset == 0)
        pEntry->m_nOffset = m_nFirstEntry;
    if (bSeek)
        Seek(pEntry->m_nOffset - m_nReadBase, CFile::begin);
    return pEntry->ReadHeader(this) != 0;
}

void CMultiFileArchive::Extract(CMultiFileEntry* pEntry)
{
    const MultiFileEntryHeader& header = pEntry->m_header;
    pEntry->OpenOutput();
    CCodec* pCodec = CreateCodec(header.nMethod, header.nMethodParam);
    if (pCodec == nullptr) {
        pEntry->CStdioFile::Abort();
        ThrowMultiFileException(MFX_UNKNOWN_METHOD);
    }
    BOOL bCancelled;
    {
        CExtraction extraction(*this, pEntry, pCodec);
        pCodec->Decode(this, pEntry, header.dwStoredSize, header.dwExpandedSize);
        bCancelled = pCodec->IsCancelled();
        pEntry->Close();
    }
    pEntry->ApplyStatus();
    if (bCancelled)
        AfxThrowUserException();
    if (header.dwCrc != 0 && header.dwCrc != pEntry->m_crc.GetValue())
        ThrowMultiFileException(MFX_CRC_MISMATCH);
}

void CMultiFileArchive::Abort()
{
    if (m_pCodec != nullptr)
        m_pCodec->Cancel();
}

CMultiFileEntry* CMultiFileArchive::CreateEntry()
{
    return new CMultiFileEntry(this);
}

CCodec* CMultiFileArchive::CreateCodec(LONG nMethod, LONG)
{
    switch (nMethod) {
    case METHOD_STORED:
        return new CStoredCodec;
    case METHOD_DEFLATE:
        return new CZLibCodec;
    default:
        return nullptr;
    }
}
