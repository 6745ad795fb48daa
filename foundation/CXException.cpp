#include "CXException.h"

#include "resource.h"

CString g_strErrorShort;
CString g_strErrorLong;

namespace {

const CXErrorEntry kBaseTable[] = {
    {-1, IDS_ERR_UNKNOWN, IDS_ERR_UNKNOWN_LONG},
};
const CXErrorEntry kMemoryTable[] = {
    {-1, IDS_ERR_MEMORY, IDS_ERR_MEMORY_LONG},
};
const CXErrorEntry kFileTable[] = {
    {CFileException::fileNotFound, IDS_ERR_FILE_NOT_FOUND, IDS_ERR_FILE_NOT_FOUND_LONG},
    {CFileException::badPath, IDS_ERR_BAD_PATH, IDS_ERR_BAD_PATH_LONG},
    {CFileException::tooManyOpenFiles, IDS_ERR_TOO_MANY_FILES, IDS_ERR_TOO_MANY_FILES_LONG},
    {CFileException::accessDenied, IDS_ERR_ACCESS_DENIED, IDS_ERR_ACCESS_DENIED_LONG},
    {CFileException::invalidFile, IDS_ERR_INVALID_FILE, IDS_ERR_FILE_LONG},
    {CFileException::removeCurrentDir, IDS_ERR_REMOVE_CURRENT_DIR, IDS_ERR_FILE_LONG},
    {CFileException::directoryFull, IDS_ERR_DIRECTORY_FULL, IDS_ERR_DIRECTORY_FULL_LONG},
    {CFileException::badSeek, IDS_ERR_BAD_SEEK, IDS_ERR_FILE_LONG},
    {CFileException::hardIO, IDS_ERR_HARDWARE, IDS_ERR_HARDWARE_LONG},
    {CFileException::sharingViolation, IDS_ERR_SHARING, IDS_ERR_SHARING_LONG},
    {CFileException::lockViolation, IDS_ERR_LOCKING, IDS_ERR_LOCKING_LONG},
    {CFileException::diskFull, IDS_ERR_DISK_FULL, IDS_ERR_DISK_FULL_LONG},
    {CFileException::endOfFile, IDS_ERR_END_OF_FILE, IDS_ERR_FILE_LONG},
    {-1, IDS_ERR_FILE, IDS_ERR_FILE_LONG},
};
const CXErrorEntry kArchiveTable[] = {
    {-1, IDS_ERR_ARCHIVE, IDS_ERR_ARCHIVE_LONG},
};
const CXErrorEntry kResourceTable[] = {
    {-1, IDS_ERR_RESOURCE, IDS_ERR_RESOURCE_LONG},
};
const CXErrorEntry kUserTable[] = {
    {-1, IDS_ERR_CANCELLED, IDS_ERR_CANCELLED_LONG},
};
const CXErrorEntry kNotSupportedTable[] = {
    {-1, IDS_ERR_NOT_SUPPORTED, IDS_ERR_NOT_SUPPORTED_LONG},
};

void LoadIfEmpty(CString& strText, UINT nId)
{
    if (nId != 0 && strText.IsEmpty())
        strText.LoadString(nId);
}

} // namespace

IMPLEMENT_DYNAMIC(CXException, CException)

CXException::CXException(int nCode) : m_nCode(nCode) {}

CXException::~CXException() = default;

void CXException::LoadErrorText()
{
    g_strErrorShort.Empty();
    g_strErrorLong.Empty();
    LookupErrorText();
}

void CXException::LookupErrorText()
{
    LookupInTable(kBaseTable, static_cast<int>(sizeof kBaseTable / sizeof kBaseTable[0]));
}

void CXException::LookupInTable(const CXErrorEntry* pTable, int nCount)
{
    for (int i = 0; i < nCount; ++i) {
        if (pTable[i].nCode == -1 || pTable[i].nCode == m_nCode) {
            LoadIfEmpty(g_strErrorShort, pTable[i].nShortTextId);
            LoadIfEmpty(g_strErrorLong, pTable[i].nLongTextId);
            return;
        }
    }
}

IMPLEMENT_X_EXCEPTION(CXMemoryException, kMemoryTable)
IMPLEMENT_X_EXCEPTION(CXFileException, kFileTable)
IMPLEMENT_X_EXCEPTION(CXArchiveException, kArchiveTable)
IMPLEMENT_X_EXCEPTION(CXResourceException, kResourceTable)
IMPLEMENT_X_EXCEPTION(CXUserException, kUserTable)
IMPLEMENT_X_EXCEPTION(CXNotSupportedException, kNotSupportedTable)

CXException* XConvertException(const CException* e)
{
    if (e->IsKindOf(RUNTIME_CLASS(CMemoryException)))
        return new CXMemoryException(0);
    if (e->IsKindOf(RUNTIME_CLASS(CFileException)))
        return new CXFileException(static_cast<const CFileException*>(e)->m_cause);
    if (e->IsKindOf(RUNTIME_CLASS(CArchiveException)))
        return new CXArchiveException(static_cast<const CArchiveException*>(e)->m_cause);
    if (e->IsKindOf(RUNTIME_CLASS(CNotSupportedException)))
        return new CXNotSupportedException(0);
    if (e->IsKindOf(RUNTIME_CLASS(CResourceException)))
        return new CXResourceException(0);
    if (e->IsKindOf(RUNTIME_CLASS(CUserException)))
        return new CXUserException(0);
    return new CXException(1);
}
