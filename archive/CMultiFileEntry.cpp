#include "CMultiFileEntry.h"

#include "CMultiFileArchive.h"
#include "CMultiFileException.h"

#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#endif

IMPLEMENT_DYNAMIC(CMultiFileEntry, CMultiFile)

namespace {

// Text of a fixed-size field; a field without its terminator is cut.
CString FieldText(const char* pField, size_t nSize)
{
    size_t nLength = 0;
    while (nLength + 1 < nSize && pField[nLength] != '\0')
        ++nLength;
    return CString(pField, static_cast<int>(nLength));
}

#ifdef _WIN32
// The attribute bits a member may give its file: read-only, hidden, system
// and archive. Directory, device and the like would make it something else.
const WORD kApplicableAttributes = 0x27;

const LONGLONG kFileTimeTo1970 = 116444736000000000LL;

FILETIME ToFileTime(LONG tTime)
{
    ULONGLONG n = static_cast<ULONGLONG>(static_cast<LONGLONG>(tTime) * 10000000LL + kFileTimeTo1970);
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(n);
    ft.dwHighDateTime = static_cast<DWORD>(n >> 32);
    return ft;
}

LONG FromFileTime(const FILETIME& ft)
{
    LONGLONG n = static_cast<LONGLONG>((static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
    return static_cast<LONG>((n - kFileTimeTo1970) / 10000000LL);
}
#endif

} // namespace

CMultiFileEntry::CMultiFileEntry() : m_nOffset(0), m_szOutputPath() {}

CMultiFileEntry::CMultiFileEntry(const CMultiFileArchive* pArchive)
    : m_nOffset(pArchive->m_nFirstEntry), m_szOutputPath()
{
}

CMultiFileEntry::~CMultiFileEntry() = default;

UINT CMultiFileEntry::ReadHeader(CMultiFileArchive* pArchive)
{
    BYTE abHeader[MultiFileEntryHeader::SIZE];
    UINT nRead = pArchive->ReadRaw(abHeader, sizeof abHeader);
    if (nRead < sizeof abHeader)
        return 0;
    m_header.FromBytes(abHeader);
    if (!m_header.HasMagic())
        ThrowMultiFileException(MFX_MISSING_ENTRY);
    m_strName = FieldText(m_header.szName, sizeof m_header.szName);
    m_strNote = FieldText(m_header.szNote, sizeof m_header.szNote);
    m_nOffset = static_cast<LONG>(static_cast<DWORD>(m_nOffset) + MultiFileEntryHeader::SIZE + m_header.dwStoredSize);
    return MultiFileEntryHeader::SIZE;
}

void CMultiFileEntry::SetOutputPath(LPCTSTR pszPath)
{
    std::strncpy(m_szOutputPath, pszPath, sizeof m_szOutputPath - 1);
    m_szOutputPath[sizeof m_szOutputPath - 1] = '\0';
}

void CMultiFileEntry::OpenOutput()
{
    OpenForWrite(m_szOutputPath, TRUE);
    m_nWritten = 0;
    m_crc.Reset();
}

CString CMultiFileEntry::FinalComponent(const CString& strPath)
{
    int nStart = strPath.GetLength();
    while (nStart > 0 && strPath[nStart - 1] != '\\' && strPath[nStart - 1] != '/' && strPath[nStart - 1] != ':')
        --nStart;
    CString strName = strPath.Mid(nStart);
    if (strName == "." || strName == "..")
        strName.Empty();
    return strName;
}

#ifdef _WIN32
void CMultiFileEntry::FillFromFile()
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(m_strName, GetFileExInfoStandard, &data))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strName);
    if (data.nFileSizeHigh != 0)
        AfxThrowFileException(CFileException::badSeek, -1, m_strName);
    m_header.tModified = FromFileTime(data.ftLastWriteTime);
    m_header.wAttributes = static_cast<WORD>(data.dwFileAttributes & 0xFF);
    m_header.dwExpandedSize = data.nFileSizeLow;
}

void CMultiFileEntry::ApplyStatus()
{
    HANDLE hFile = CreateFileA(m_szOutputPath, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_szOutputPath);
    FILETIME ftModified = ToFileTime(m_header.tModified);
    BOOL bTimeSet = SetFileTime(hFile, nullptr, nullptr, &ftModified);
    LONG lError = static_cast<LONG>(GetLastError());
    CloseHandle(hFile);
    if (!bTimeSet)
        CFileException::ThrowOsError(lError, m_szOutputPath);
    DWORD dwAttributes = m_header.wAttributes & kApplicableAttributes;
    if (!SetFileAttributesA(m_szOutputPath, dwAttributes != 0 ? dwAttributes : FILE_ATTRIBUTE_NORMAL))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_szOutputPath);
}
#else
// The native build knows only the read-only bit; every file counts as
// changed since its last backup (archive bit).
void CMultiFileEntry::FillFromFile()
{
    struct stat status;
    if (stat(m_strName, &status) != 0)
        CFileException::ThrowErrno(errno, m_strName);
    if (static_cast<unsigned long long>(status.st_size) > 0xFFFFFFFFull)
        AfxThrowFileException(CFileException::badSeek, -1, m_strName);
    m_header.tModified = static_cast<LONG>(status.st_mtime);
    m_header.wAttributes = static_cast<WORD>(0x20 | ((status.st_mode & S_IWUSR) ? 0 : 0x01));
    m_header.dwExpandedSize = static_cast<DWORD>(status.st_size);
}

void CMultiFileEntry::ApplyStatus()
{
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = m_header.tModified;
    times[1].tv_nsec = 0;
    if (utimensat(AT_FDCWD, m_szOutputPath, times, 0) != 0)
        CFileException::ThrowErrno(errno, m_szOutputPath);
    struct stat status;
    if (stat(m_szOutputPath, &status) != 0)
        CFileException::ThrowErrno(errno, m_szOutputPath);
    mode_t mode = status.st_mode & 07777;
    mode = (m_header.wAttributes & 0x01) ? mode & ~static_cast<mode_t>(0222) : mode | S_IWUSR;
    if (chmod(m_szOutputPath, mode) != 0)
        CFileException::ThrowErrno(errno, m_szOutputPath);
}
#endif
